#pragma once
// What stands in for the system shell: the desktop's handlers for web and mail links and
// for media, sounds played inside the program, and programs started on the user's word.
// The main window goes through this interface only, so tests give it a fake that records
// what would have been started.

#include <string>
#include <vector>

class QWidget;

class TShell {
 public:
  virtual ~TShell() = default;
  // A URL to the desktop's default handler.
  virtual void OpenUrl(const std::string& url) = 0;
  // A file to the desktop's default application for its kind.
  virtual void OpenWithDesktop(const std::string& file) = 0;
  // Starts playing a sound file; the page stays.
  virtual void PlaySound(const std::string& file) = 0;
  // Ends the sound that plays and lets go of what plays it. The window calls it as it closes,
  // while the event loop still runs: Qt finishes with a sound object only through the loop.
  virtual void EndSounds() = 0;
  // Asks the user whether command may run; true only for an explicit yes.
  virtual bool ConfirmRun(QWidget* parent, const std::string& command) = 0;
  // Starts program with its argument string (split as a shell would, but run without one).
  // False when it could not be started.
  virtual bool StartProgram(const std::string& program, const std::string& arguments) = 0;
  // Starts another copy of this program with these arguments.
  virtual void StartInstance(const std::vector<std::string>& arguments) = 0;
};

// The real desktop: QDesktopServices, Qt Multimedia and QProcess.
class TDesktopShell : public TShell {
 public:
  TDesktopShell();
  ~TDesktopShell() override;
  void OpenUrl(const std::string& url) override;
  void OpenWithDesktop(const std::string& file) override;
  void PlaySound(const std::string& file) override;
  void EndSounds() override;
  bool ConfirmRun(QWidget* parent, const std::string& command) override;
  bool StartProgram(const std::string& program, const std::string& arguments) override;
  void StartInstance(const std::vector<std::string>& arguments) override;

 private:
  class TSound;
  TSound* FSound = nullptr;  // made on the first sound
};
