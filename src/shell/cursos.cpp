#include "shell/cursos.h"

#include <QPainter>
#include <algorithm>

#include "core/globals.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/text.h"
#include "core/texttable.h"
#include "ui/codec.h"
#include "ui/hintwindow.h"
#include "ui/images.h"
#include "ui/platform.h"

namespace shell {
namespace {

QString T(int n) { return ui::Q(core::Txt(n)); }

constexpr unsigned kHeader = 0x800000;
constexpr unsigned kCellBackground = 0xFFEFCE;
constexpr unsigned kLink = 0x0000FF;
constexpr int kRowHeight = 30;

}  // namespace

PanelEspe::PanelEspe(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, ui::kScreenWidth, ui::kScreenHeight);
  degradeini = new ui::ImageView(this);
  degradeini->setGeometry(0, 0, ui::kScreenWidth, ui::kScreenHeight);
  TilArr = new ui::ImageView(this);
  TilArr->setGeometry(0, 0, ui::kScreenWidth, 50);
  TilIzq = new ui::ImageView(this);
  TilDer = new ui::ImageView(this);
  RxLabelEspe = new QLabel(this);
  RxLabelAno = new QLabel(this);
  for (QLabel* l : {RxLabelEspe, RxLabelAno}) l->setAlignment(Qt::AlignCenter);
  ButtonRetroEspe = new QPushButton(this);
  ButtonRetroEspe->setFont(QFont("Arial", 9, QFont::Bold));
  ButtonRetroEspe->setGeometry(880, 672, 112, 32);
  connect(ButtonRetroEspe, &QPushButton::clicked, this, [this] { ButtonRetroEspeClick(); });

  panelsel = new QWidget(this);
  panelsel->setGeometry(140, 104, 744, 556);
  ui::SetColours(panelsel, Qt::black, ui::Rgb(core::palette::kSplash));
  reja = new ui::StringGrid(panelsel);
  reja->setGeometry(10, 10, 724, 300);
  reja2 = new ui::StringGrid(panelsel);
  reja2->setGeometry(10, 322, 724, 224);
  for (ui::StringGrid* grid : {reja, reja2}) {
    grid->setFont(QFont("Arial", 10));
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, ui::Rgb(kCellBackground));
    grid->setPalette(p);
    grid->onDrawCell = [this, grid](QPainter& painter, int col, int row, const QRect& rect) {
      DrawCell(grid, painter, col, row, rect);
    };
    grid->onMouseMove = [this, grid](int col, int row) { rejaMouseMove(grid, col, row); };
    grid->onMouseUp = [this, grid](int col, int row) { rejaMouseUp(grid, col, row); };
  }
  hide();
}

void PanelEspe::PaintBackground() {
  QImage back(size(), QImage::Format_RGB32);
  QPainter painter(&back);
  ui::TileBitmap(painter, back.size(), ui::SharedImage("suelo"));
  painter.end();
  degradeini->canvas = back;
  const QImage& header = ui::SharedImage("cabecera");
  TilArr->canvas = header.isNull() ? QImage() : header.scaled(TilArr->size());
  const QImage& border = ui::SharedImage("marco");
  int w = border.isNull() ? 24 : border.width();
  TilIzq->setGeometry(0, 0, w, ui::kScreenHeight);
  TilDer->setGeometry(ui::kScreenWidth - w, 0, w, ui::kScreenHeight);
  for (ui::ImageView* strip : {TilIzq, TilDer}) {
    QImage tiles(strip->size(), QImage::Format_RGB32);
    QPainter p(&tiles);
    ui::TileBitmap(p, tiles.size(), border);
    p.end();
    strip->canvas = tiles;
  }
  TilArr->raise();
}

void PanelEspe::Open() {
  // 1-2. Strips, background and captions.
  PaintBackground();
  RxLabelEspe->setText(T(572));
  RxLabelAno->setText(ui::Q(core::TrimRightSpaces(core::G().CentreName)) + " - " + core::kCourseYear);
  for (QLabel* l : {RxLabelEspe, RxLabelAno}) {
    l->setFont(QFont("Arial", 15, QFont::Bold));
    ui::SetColours(l, ui::Rgb(core::palette::kNavy), ui::Rgb(core::palette::kRed));
  }
  for (QLabel* l : {RxLabelEspe, RxLabelAno}) l->adjustSize();
  RxLabelEspe->setGeometry(512 - RxLabelEspe->width() / 2 - 8, 58, RxLabelEspe->width() + 16, 28);
  RxLabelAno->setGeometry(40, 672, std::min(RxLabelAno->width() + 16, 820), 28);
  ButtonRetroEspe->setText(T(82));
  if (familyIcons_.empty()) familyIcons_ = ui::IconList("iconos", 30);
  if (degreeIcons_.empty()) degreeIcons_ = ui::IconList("iconos_grados", 16);
  // 3. The courses, then 4. the grids.
  lists = core::ReadCourses(core::LangPath("cursespe"));
  Fill(reja, lists.a, 47);
  Fill(reja2, lists.b, 113);
  show();
  raise();
}

void PanelEspe::Fill(ui::StringGrid* grid, const std::vector<core::CourseRow>& rows, int headerEntry) {
  grid->SetColCount(2);
  grid->SetColWidth(0, 250);
  grid->SetColWidth(1, 450);
  grid->SetRowCount(static_cast<int>(rows.size()) + 1);
  grid->SetFixedRows(1);
  grid->SetDefaultRowHeight(kRowHeight);
  grid->SetCell(0, 0, T(583));
  grid->SetCell(1, 0, T(175) + "   -   " + T(headerEntry));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    grid->SetCell(0, static_cast<int>(r) + 1, ui::Q(rows[r].name));
    grid->SetCell(1, static_cast<int>(r) + 1, ui::Q(rows[r].second));
  }
  grid->SetTopRow(1);
}

const std::vector<core::CourseRow>& PanelEspe::Rows(const ui::StringGrid* grid) const {
  return grid == reja ? lists.a : lists.b;
}

void PanelEspe::DrawCell(ui::StringGrid* grid, QPainter& painter, int col, int row, const QRect& rect) {
  const QString text = grid->Cell(col, row);
  if (row == 0) {
    painter.fillRect(rect, ui::Rgb(kHeader));
    painter.setPen(Qt::white);
    QFont bold = grid->font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(rect.left() + 5, rect.top() + 10 + painter.fontMetrics().ascent(), text);
    return;
  }
  painter.fillRect(rect, ui::Rgb(kCellBackground));
  painter.setPen(Qt::black);
  int baseline = rect.top() + 10 + painter.fontMetrics().ascent() - 4;
  if (col == 0) {
    const core::CourseRow& course = Rows(grid)[static_cast<std::size_t>(row - 1)];
    if (course.family > 0) {
      int icon = core::FamilyIconIndex(course.family, lastIcon_);
      if (icon >= 0 && icon < static_cast<int>(familyIcons_.size()))
        painter.drawPixmap(rect.left(), rect.top() + 3, familyIcons_[static_cast<std::size_t>(icon)]);
    }
    // A long name ends in an ellipsis rather than a cut word.
    painter.drawText(rect.left() + 40, baseline,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width() - 44));
    return;
  }
  if (degreeIcons_.size() > 3) painter.drawPixmap(rect.left(), rect.top() + 7, degreeIcons_[3]);
  QFont bold = grid->font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(ui::Rgb(kLink));
  painter.drawText(rect.left() + 25, baseline, text);
}

void PanelEspe::rejaMouseMove(ui::StringGrid* grid, int col, int row) {
  const auto& rows = Rows(grid);
  if (col == 1 && row >= 1 && row <= static_cast<int>(rows.size())) {
    ui::SetHint(grid, "Internet... " + ui::Q(rows[static_cast<std::size_t>(row - 1)].address));
    grid->viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    ui::SetHint(grid, QString());
    grid->viewport()->setCursor(Qt::ArrowCursor);
  }
}

void PanelEspe::rejaMouseUp(ui::StringGrid* grid, int col, int row) {
  const auto& rows = Rows(grid);
  if (col != 1 || row < 1 || row > static_cast<int>(rows.size())) return;
  const QString address = ui::Q(rows[static_cast<std::size_t>(row - 1)].address);
  if (address.startsWith("http://") || address.startsWith("https://")) ui::P().OpenAddress(address);
  else ui::P().OpenDocument(ui::Q(core::G().DataDir) + address);
}

}  // namespace shell
