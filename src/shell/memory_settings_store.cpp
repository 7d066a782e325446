#include "shell/memory_settings_store.h"

namespace kwintel {

long long MemorySettingsStore::ReadInt(std::string_view section, std::string_view key, long long defaultValue) {
  std::optional<std::string> text = Find(section, key);
  if (!text) return defaultValue;
  return ParseSettingsInt(*text).value_or(defaultValue);
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, long long value) {
  WriteString(section, key, std::to_string(value));
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
  return Find(section, key).value_or(std::string(defaultValue));
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  values_[{std::string(section), std::string(key)}] = std::string(value);
}

std::optional<std::string> MemorySettingsStore::Find(std::string_view section, std::string_view key) const {
  auto found = values_.find({std::string(section), std::string(key)});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace kwintel
