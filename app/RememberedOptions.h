#pragma once
// The options Tamblin remembers between runs, kept in a QSettings file (the program passes the
// user's, ~/.config/tamblin/tamblin.ini; tests pass one of their own).
//
// Each option is one Add call: its key in the file, how to read its current value and how to
// put a stored value back. Load puts back every value the file holds that reads as the
// option's type; Save writes the current value of every option.

#include <QSettings>
#include <QVariant>
#include <functional>
#include <vector>

class TRememberedOptions {
 public:
  template <class T>
  void Add(const char* key, std::function<T()> get, std::function<void(const T&)> set) {
    FOptions.push_back({key, [get] { return QVariant::fromValue(get()); },
                        [set](QVariant value) {
                          // A value that does not read as T is left out.
                          if (value.convert(QMetaType::fromType<T>())) set(value.value<T>());
                        }});
  }

  // Puts back the values settings holds; options it lacks keep their current value.
  void Load(const QSettings& settings) const;
  void Save(QSettings& settings) const;

 private:
  struct TOption {
    const char* Key;
    std::function<QVariant()> Get;
    std::function<void(QVariant)> Set;
  };
  std::vector<TOption> FOptions;
};
