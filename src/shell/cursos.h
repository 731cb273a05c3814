// PanelEspeG: the full-screen panel of the main menu that lists the
// specialisation courses of vocational training in two grids; a click on a
// course's second column opens its page.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <vector>

#include "core/courses.h"
#include "ui/grid.h"
#include "ui/widgets.h"

namespace shell {

class PanelEspe : public QWidget {
  Q_OBJECT
 public:
  explicit PanelEspe(QWidget* parent);

  // Builds and shows the panel (the menu's LabelCurEspClick).
  void Open();
  void ButtonRetroEspeClick() { hide(); }
  void rejaMouseMove(ui::StringGrid* grid, int col, int row);
  void rejaMouseUp(ui::StringGrid* grid, int col, int row);

  const std::vector<core::CourseRow>& Rows(const ui::StringGrid* grid) const;

  ui::ImageView* degradeini;
  ui::ImageView* TilArr;
  ui::ImageView* TilIzq;
  ui::ImageView* TilDer;
  QLabel* RxLabelEspe;
  QLabel* RxLabelAno;
  QPushButton* ButtonRetroEspe;
  QWidget* panelsel;
  ui::StringGrid* reja;
  ui::StringGrid* reja2;
  core::CourseLists lists;

 private:
  void Fill(ui::StringGrid* grid, const std::vector<core::CourseRow>& rows, int headerEntry);
  void DrawCell(ui::StringGrid* grid, QPainter& painter, int col, int row, const QRect& rect);
  void PaintBackground();
  std::vector<QPixmap> familyIcons_, degreeIcons_;
  int lastIcon_ = 0;  // icon of the last family code that had one
};

}  // namespace shell
