#pragma once
// A window sink that writes down what it is told, one line per event, for tests to compare.

#include "platform/Window.h"

#include <string>
#include <utility>
#include <vector>

inline std::string ShiftText(TShiftState shift) {
  std::string text;
  const std::pair<TShiftState, const char*> names[] = {
      {ssShift, "shift"}, {ssAlt, "alt"}, {ssCtrl, "ctrl"},
      {ssLeft, "left"},   {ssRight, "right"}, {ssMiddle, "middle"}};
  for (const auto& [bit, name] : names)
    if (shift & bit) text += std::string(text.empty() ? "" : "+") + name;
  return text.empty() ? "-" : text;
}

class TWindowRecorder : public TWindowEvents {
public:
  std::vector<std::string> Log;
  std::vector<TRect> Painted;
  // Paint fills the area with this colour.
  TColor PaintColor = clWhite;
  // KeyDown and Wheel answer this.
  bool Handles = true;

  void Paint(TCanvas& canvas, const TRect& area) override {
    Painted.push_back(area);
    canvas.SetBrush(PaintColor);
    canvas.FillRect(area);
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override { Note("down", b, s, x, y); }
  void MouseMove(TShiftState s, int x, int y) override { Note("move", s, x, y); }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override { Note("up", b, s, x, y); }
  void DoubleClick(TMouseButton b, TShiftState s, int x, int y) override {
    Note("double", b, s, x, y);
  }
  bool KeyDown(TKey key, TShiftState s) override {
    Log.push_back("key " + std::to_string(key) + " " + ShiftText(s));
    return Handles;
  }
  bool Wheel(int delta, TShiftState s, int x, int y) override {
    Note("wheel " + std::to_string(delta), s, x, y);
    return Handles;
  }
  void FocusIn() override { Log.push_back("focus in"); }
  void FocusOut() override { Log.push_back("focus out"); }
  void Resized() override { Log.push_back("resized"); }

  std::vector<std::string> Take() { return std::exchange(Log, {}); }

private:
  void Note(const std::string& what, TShiftState s, int x, int y) {
    Log.push_back(what + " " + ShiftText(s) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void Note(const std::string& what, TMouseButton b, TShiftState s, int x, int y) {
    Note(what + (b == mbLeft ? " L" : b == mbRight ? " R" : " M"), s, x, y);
  }
};
