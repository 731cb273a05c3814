// The icon lists and the small pictures of the assistant and the diagram screen.
#pragma once
#include <QImage>

namespace art {

constexpr int kIconW = 30;
constexpr int kIconH = 27;
constexpr int kIconCount = 44;
constexpr int kSmallIconCount = 10;
constexpr int kBranchIconCount = 6;

QImage DrawIconos();        // 1320 x 27: 44 frames 30 x 27 (meanings in ICONS.md)
QImage DrawIconosGrados();  // 160 x 16: 10 frames 16 x 16 of the degree screen
QImage DrawRamas();         // 288 x 36: 6 frames 48 x 36, the branches of knowledge

QImage DrawAsisHeli();  // 48 x 30 helicopter of the assistant, facing right
QImage DrawFlecha();    // 80 x 40: the blinking arrow, frame 0 on, frame 1 off
QImage DrawMuro(int width);  // width x 20 brick wall of the education-system diagram

}  // namespace art
