#pragma once
// What every control the window layer makes has: a place in its parent and a visibility.

#include "platform/Geometry.h"

class TControl {
public:
  virtual ~TControl() = default;

  // The control's rectangle in its parent's client coordinates (for a top-level host, where
  // its embedding puts it). A control made by TWindowing starts hidden at {0, 0, 0, 0}.
  virtual TRect Bounds() const = 0;
  // Rectangles with Right < Left or Bottom < Top are taken as having width or height 0.
  virtual void SetBounds(const TRect& bounds) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  int Width() const { return Bounds().Width(); }
  int Height() const { return Bounds().Height(); }

protected:
  TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
};
