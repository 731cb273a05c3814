#include "grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace ui {

StringGrid::StringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setMouseTracking(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetColCount(1);
}

void StringGrid::SetColCount(int count) {
  count = std::max(count, 1);
  std::vector<QString> cells(static_cast<std::size_t>(count) * rows_);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(count, ColCount()); ++c)
      cells[static_cast<std::size_t>(r) * count + c] = Cell(c, r);
  widths_.resize(static_cast<std::size_t>(count), 64);
  cells_ = std::move(cells);
  viewport()->update();
}

void StringGrid::SetRowCount(int count) {
  rows_ = std::max(count, 0);
  cells_.resize(static_cast<std::size_t>(rows_) * ColCount());
  fixedRows_ = std::min(fixedRows_, rows_);
  SetTopRow(topRow_);
  UpdateScrollBar();
  viewport()->update();
}

void StringGrid::SetFixedRows(int count) {
  fixedRows_ = std::clamp(count, 0, rows_);
  SetTopRow(topRow_);
  UpdateScrollBar();
}

void StringGrid::SetColWidth(int col, int width) {
  if (col >= 0 && col < ColCount()) widths_[static_cast<std::size_t>(col)] = width;
  viewport()->update();
}

int StringGrid::ColWidth(int col) const {
  return col >= 0 && col < ColCount() ? widths_[static_cast<std::size_t>(col)] : 0;
}

void StringGrid::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(height, 1);
  UpdateScrollBar();
  viewport()->update();
}

QString StringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= rows_) return {};
  return cells_[static_cast<std::size_t>(row) * ColCount() + col];
}

void StringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= rows_) return;
  cells_[static_cast<std::size_t>(row) * ColCount() + col] = text;
  viewport()->update();
}

int StringGrid::VisibleScrollRows() const {
  return std::max(1, (viewport()->height() - fixedRows_ * rowHeight_) / rowHeight_);
}

void StringGrid::SetTopRow(int row) {
  int last = std::max(fixedRows_, rows_ - VisibleScrollRows());
  topRow_ = std::clamp(row, fixedRows_, last);
  if (verticalScrollBar()->value() != topRow_ - fixedRows_) verticalScrollBar()->setValue(topRow_ - fixedRows_);
  viewport()->update();
}

void StringGrid::UpdateScrollBar() {
  int scrollable = rows_ - fixedRows_;
  verticalScrollBar()->setRange(0, std::max(0, scrollable - VisibleScrollRows()));
  verticalScrollBar()->setPageStep(VisibleScrollRows());
}

QRect StringGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= rows_) return {};
  int y;
  if (row < fixedRows_) y = row * rowHeight_;
  else if (row >= topRow_) y = (fixedRows_ + row - topRow_) * rowHeight_;
  else return {};
  if (y >= viewport()->height()) return {};
  int x = 0;
  for (int c = 0; c < col; ++c) x += widths_[static_cast<std::size_t>(c)];
  return QRect(x, y, widths_[static_cast<std::size_t>(col)], rowHeight_);
}

QPoint StringGrid::MouseToCell(const QPoint& pos) const {
  if (pos.x() < 0 || pos.y() < 0) return {-1, -1};
  int band = pos.y() / rowHeight_;
  int row = band < fixedRows_ ? band : topRow_ + band - fixedRows_;
  if (row >= rows_) return {-1, -1};
  int x = 0;
  for (int c = 0; c < ColCount(); ++c) {
    x += widths_[static_cast<std::size_t>(c)];
    if (pos.x() < x) return {c, row};
  }
  return {-1, -1};
}

void StringGrid::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
  for (int row = 0; row < rows_; ++row) {
    for (int col = 0; col < ColCount(); ++col) {
      QRect rect = CellRect(col, row);
      if (rect.isEmpty()) continue;
      painter.save();
      painter.setClipRect(rect);
      if (onDrawCell) {
        onDrawCell(painter, col, row, rect);
      } else {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, Cell(col, row));
      }
      painter.restore();
    }
  }
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
  QPoint cell = MouseToCell(event->position().toPoint());
  if (onMouseMove) onMouseMove(cell.x(), cell.y());
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
  QPoint cell = MouseToCell(event->position().toPoint());
  if (onMouseUp) onMouseUp(cell.x(), cell.y());
}

void StringGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBar();
  SetTopRow(topRow_);
}

void StringGrid::scrollContentsBy(int, int) {
  topRow_ = fixedRows_ + verticalScrollBar()->value();
  viewport()->update();
}

}  // namespace ui
