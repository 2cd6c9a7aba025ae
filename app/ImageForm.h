#pragma once
// TImageForm: one picture in a window of its own. The window belongs to the main window and
// stays above it, not above every window of the desktop. Its client area is the picture's
// size when the screen's available area holds that; a larger picture scrolls in a window
// that fits the area. The window can be resized, and Esc or Ctrl+W closes it.

#include <QImage>
#include <QWidget>

class QLabel;
class QScrollArea;

class TImageForm : public QWidget {
 public:
  // parent owns the window; it is a separate top-level window all the same.
  explicit TImageForm(QWidget* parent);

  // ImageBitmap: a copy of picture is shown; the window takes its size, as far as the
  // screen's available area allows, and stands centred in that area.
  void SetImageBitmap(const QImage& picture);
  const QImage& ImageBitmap() const { return FPicture; }

 protected:
  // Esc and Ctrl+W close the window; arrow keys and the like scroll the picture.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QScrollArea* FScroll;
  QLabel* Image1;
  QImage FPicture;
};
