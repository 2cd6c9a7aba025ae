#pragma once
// Timers: a handler called every Interval milliseconds from the event loop while enabled.

#include <functional>

class TTimer {
public:
  virtual ~TTimer() = default;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  // Called on each tick. The handler may change or disable its own timer.
  std::function<void()> OnTimer;

  // A new timer is disabled with interval 0; it runs while it is enabled with an interval
  // above 0. Enabling it, or changing the interval while it runs, starts counting afresh.
  int Interval() const { return FInterval; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

protected:
  TTimer() = default;
  bool Running() const { return FEnabled && FInterval > 0; }
  // The settings changed: the platform starts counting from now when Running(), else stops.
  virtual void Restart() = 0;

private:
  int FInterval = 0;
  bool FEnabled = false;
};
