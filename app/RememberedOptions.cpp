#include "app/RememberedOptions.h"

void TRememberedOptions::Load(const QSettings& settings) const {
  for (const TOption& option : FOptions) {
    const QVariant stored = settings.value(QLatin1String(option.Key));
    if (stored.isValid()) option.Set(stored);
  }
}

void TRememberedOptions::Save(QSettings& settings) const {
  for (const TOption& option : FOptions) settings.setValue(QLatin1String(option.Key), option.Get());
}
