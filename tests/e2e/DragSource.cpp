// tamblin-drag-source FILE X Y: a small window at (X, Y) titled "Drag source" that starts
// dragging FILE, as a file URL, as soon as a mouse button goes down on it, the way a file
// manager would. It prints what the drop target did with it ("drop: copy" or "drop: none").
// The end-to-end tests drive it under a virtual X server.
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class TDragSource : public QWidget {
 public:
  explicit TDragSource(QString fileName) : FFileName(std::move(fileName)) {
    setWindowTitle(QStringLiteral("Drag source"));
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QFileInfo(FFileName).absoluteFilePath())});
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const Qt::DropAction action = drag->exec(Qt::CopyAction);
    std::printf("drop: %s\n", action == Qt::CopyAction ? "copy" : "none");
    std::fflush(stdout);
  }

 private:
  QString FFileName;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: tamblin-drag-source FILE X Y\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  TDragSource source(QString::fromLocal8Bit(argv[1]));
  source.setGeometry(std::atoi(argv[2]), std::atoi(argv[3]), 120, 80);
  source.show();
  return QApplication::exec();
}
