#pragma once
// TImageForm: one picture in a window of its own, which stays above the other windows and
// whose client area is exactly the picture's size.

#include <QImage>
#include <QWidget>

class QLabel;

class TImageForm : public QWidget {
 public:
  // parent owns the window; it is a separate top-level window all the same.
  explicit TImageForm(QWidget* parent);

  // ImageBitmap: a copy of picture is shown and the window takes its size.
  void SetImageBitmap(const QImage& picture);
  const QImage& ImageBitmap() const { return FPicture; }

 private:
  QLabel* Image1;
  QImage FPicture;
};
