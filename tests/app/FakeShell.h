#pragma once
// A shell that starts nothing: it records what the window asked for and answers the
// confirmation as the test says.

#include <string>
#include <vector>

#include "app/Shell.h"

struct TFakeShell : TShell {
  std::vector<std::string> Calls;
  bool Confirm = false;
  void OpenUrl(const std::string& url) override { Calls.push_back("url " + url); }
  void OpenWithDesktop(const std::string& file) override { Calls.push_back("desktop " + file); }
  void PlaySound(const std::string& file) override { Calls.push_back("sound " + file); }
  void EndSounds() override { Calls.push_back("end sounds"); }
  bool ConfirmRun(QWidget*, const std::string& command) override {
    Calls.push_back("confirm " + command);
    return Confirm;
  }
  bool StartProgram(const std::string& program, const std::string& arguments) override {
    Calls.push_back("run " + program + "|" + arguments);
    return true;
  }
  void StartInstance(const std::vector<std::string>& arguments) override {
    Calls.push_back("instance " + (arguments.empty() ? std::string() : arguments[0]));
  }
};
