#pragma once
// TColorGrid: a grid of the 16 basic colours from which the user picks a foreground (left
// button, F key) and a background (other buttons, B key) colour. The rules live in
// TColorGridModel; this widget draws the cells (with sunken frames in the 3D look, black
// outlines in the flat one), the focus mark and the "FG", "BG" or "FB" markers, and feeds the
// model its mouse and keys.

#include <QWidget>
#include <functional>

#include "app/ColorGridModel.h"

class QPainter;

class TColorGrid : public QWidget {
 public:
  explicit TColorGrid(QWidget* parent = nullptr);

  TColorGridModel& Model() { return FModel; }
  const TColorGridModel& Model() const { return FModel; }
  void SetGridOrdering(TGridOrdering ordering);
  void SetForegroundIndex(int index) {
    FModel.SetForegroundIndex(index);
    update();
  }
  void SetBackgroundIndex(int index) {
    FModel.SetBackgroundIndex(index);
    update();
  }
  void ForgetForeground() {
    FModel.ForgetForeground();
    update();
  }
  void SetForegroundEnabled(bool on) {
    FModel.ForegroundEnabled = on;
    update();
  }
  void SetBackgroundEnabled(bool on) {
    FModel.BackgroundEnabled = on;
    update();
  }
  void SetSelection(int cell) {
    FModel.Selection = cell;
    update();
  }
  TColor ForegroundColor() const { return FModel.ForegroundColor(); }
  // The 3D look (the default) sinks each cell into a frame on the button face; the flat look
  // outlines it in black.
  bool Look3D() const { return FLook3D; }
  void SetLook3D(bool on);

  std::function<void()> OnChange;
  std::function<void()> OnClick;

  // The rectangle of cell i.
  QRect CellRect(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // keep arrow keys

 private:
  void DrawCell(QPainter& painter, int index, bool highlighted);
  void DrawMarkers(QPainter& painter);
  int CellWidth() const { return width() / FModel.Columns(); }
  int CellHeight() const { return height() / FModel.Rows(); }
  TColorGridModel FModel;
  bool FDragging = false;
  bool FLeftDrag = false;
  bool FTrimming = false;
  bool FLook3D = true;
};
