#include "qt/qt_settings_store.h"

#include <QStandardPaths>

namespace kwintel {

namespace {

QString SettingsKey(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& iniPath) : settings_(iniPath, QSettings::IniFormat) {}

QString QtSettingsStore::ProfilePath(const QString& programName) {
  // GenericConfigLocation is $XDG_CONFIG_HOME when that is an absolute path, else ~/.config.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + programName +
         QStringLiteral(".INI");
}

long long QtSettingsStore::ReadInt(std::string_view section, std::string_view key, long long defaultValue) {
  QVariant value = settings_.value(SettingsKey(section, key));
  if (!value.isValid()) return defaultValue;
  return ParseSettingsInt(value.toString().toStdString()).value_or(defaultValue);
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, long long value) {
  settings_.setValue(SettingsKey(section, key), static_cast<qlonglong>(value));
  settings_.sync();
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) {
  QVariant value = settings_.value(SettingsKey(section, key));
  if (!value.isValid()) return std::string(defaultValue);
  return value.toString().toStdString();
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  settings_.setValue(SettingsKey(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  settings_.sync();
}

}  // namespace kwintel
