// One function per picture of the data folder; each returns the finished image.
#pragma once
#include <QImage>

class QPainter;

namespace art {

QImage DrawParte();        // 171 x 305 door tile of the main menu (tiles seamlessly)
QImage DrawSuelo();        // 64 x 64 quiet background tile of the section screens
QImage DrawMarco();        // 24 x 120 side border, seamless vertically
QImage DrawCabecera();     // 1024 x 50 top band of the section screens
QImage DrawChica();        // 120 x 180 mascot for report headers, on white
QImage DrawHeli();         // 64 x 40 helicopter on white
void PaintHelicopter(QPainter& p);  // the same helicopter in a 64 x 40 box, no background
QImage DrawRotulon();      // 150 x 80 exit sign: open door and arrow
QImage DrawPortada();      // 500 x 500 splash: paths after school
QImage DrawFiguraAnda();   // 640 x 64: 16 frames 40 x 64 of the mascot walking and presenting
QImage DrawFiguraPuerta(); // 200 x 64: 5 frames 40 x 64 of the mascot climbing into a door

}  // namespace art
