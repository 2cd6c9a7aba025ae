#include "app/Shell.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

class TDesktopShell::TSound {
 public:
  QSoundEffect Effect;
};

TDesktopShell::TDesktopShell() = default;

TDesktopShell::~TDesktopShell() { delete FSound; }

void TDesktopShell::OpenUrl(const std::string& url) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void TDesktopShell::OpenWithDesktop(const std::string& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file)));
}

void TDesktopShell::PlaySound(const std::string& file) {
  if (!FSound) FSound = new TSound;
  FSound->Effect.stop();
  FSound->Effect.setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
  FSound->Effect.play();
}

void TDesktopShell::EndSounds() {
  delete FSound;
  FSound = nullptr;
}

bool TDesktopShell::ConfirmRun(QWidget* parent, const std::string& command) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Tamblin"),
                  QStringLiteral("This link starts a program:\n\n%1\n\nRun it?")
                      .arg(QString::fromStdString(command)),
                  QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Cancel);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("&Run"));
  return box.exec() == QMessageBox::Ok;
}

bool TDesktopShell::StartProgram(const std::string& program, const std::string& arguments) {
  // No shell in between: the argument string is split, never interpreted.
  return QProcess::startDetached(QString::fromStdString(program),
                                 QProcess::splitCommand(QString::fromStdString(arguments)));
}

void TDesktopShell::StartInstance(const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  QProcess::startDetached(QCoreApplication::applicationFilePath(), list);
}
