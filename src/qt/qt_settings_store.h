#pragma once
// The settings store of the desktop program: an INI file through QSettings, written through at
// once so that nothing waits for the program's end.

#include <QSettings>
#include <QString>

#include "ports/settings_store.h"

namespace kwintel {

class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(const QString& iniPath);

  // Where the program keeps its profile: "<programName>.INI" in $XDG_CONFIG_HOME, or in
  // ~/.config when that is not set.
  static QString ProfilePath(const QString& programName);

  long long ReadInt(std::string_view section, std::string_view key, long long defaultValue) override;
  void WriteInt(std::string_view section, std::string_view key, long long value) override;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  QSettings settings_;
};

}  // namespace kwintel
