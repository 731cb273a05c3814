// StringGrid: a grid of text cells with fixed header rows, column widths, a
// row height and owner drawing, as the section screens use it. Cells are
// addressed (column, row) from 0, header rows included.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <vector>

namespace ui {

class StringGrid : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit StringGrid(QWidget* parent = nullptr);

  void SetColCount(int count);
  void SetRowCount(int count);
  int ColCount() const { return static_cast<int>(widths_.size()); }
  int RowCount() const { return rows_; }
  void SetFixedRows(int count);
  int FixedRows() const { return fixedRows_; }
  void SetColWidth(int col, int width);
  int ColWidth(int col) const;
  void SetDefaultRowHeight(int height);
  int DefaultRowHeight() const { return rowHeight_; }

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  // First scrollable row shown under the header rows.
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  // Cell under a point of the grid; (-1, -1) when there is none.
  QPoint MouseToCell(const QPoint& pos) const;
  // Where a cell is drawn (empty when scrolled out of view).
  QRect CellRect(int col, int row) const;

  // Owner drawing: the screen paints the cell; without it the text is drawn.
  std::function<void(QPainter& painter, int col, int row, const QRect& rect)> onDrawCell;
  std::function<void(int col, int row)> onMouseMove;
  std::function<void(int col, int row)> onMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBar();
  int VisibleScrollRows() const;
  std::vector<int> widths_;
  std::vector<QString> cells_;  // row-major
  int rows_ = 0;
  int fixedRows_ = 0;
  int rowHeight_ = 24;
  int topRow_ = 0;
};

}  // namespace ui
