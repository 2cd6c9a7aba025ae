#include "app/ImageForm.h"

#include <QLabel>
#include <QPixmap>

TImageForm::TImageForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("ImageForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(227, 234);
  Image1 = new QLabel(this);
  Image1->move(0, 0);
}

void TImageForm::SetImageBitmap(const QImage& picture) {
  FPicture = picture.copy();
  Image1->setPixmap(QPixmap::fromImage(FPicture));
  Image1->resize(FPicture.size());
  // The client area is exactly the picture; the window is not meant to be resized.
  setFixedSize(FPicture.size());
}
