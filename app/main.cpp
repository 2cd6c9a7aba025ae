// Tamblin: a small and fast browser for local HTML files.
//   tamblin [FILE[#anchor]]
// Without a file it shows the page index.htm that ships beside the program.

#include <QApplication>
#include <QDir>

#include "app/MainWindow.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamblin"));

  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TMainWindow window(windowing);
  window.show();

  const QStringList arguments = QApplication::arguments();
  const QString file = arguments.size() > 1
                           ? arguments.at(1)
                           : QDir(QApplication::applicationDirPath()).filePath("index.htm");
  window.OpenFromCommandLine(file);
  return QApplication::exec();
}
