#include "platform/Windowing.h"

TBusyCursor::TBusyCursor(TWindowing& windowing) : FWindowing(windowing) {
  FWindowing.BeginBusy();
}

TBusyCursor::~TBusyCursor() { FWindowing.EndBusy(); }
