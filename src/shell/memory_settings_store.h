#pragma once
// A settings store held in memory: for tests, and for a front end that keeps nothing between runs.
// Integers are kept as their decimal text, so a value written as text and read as an integer
// behaves as it would in an INI file.

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "ports/settings_store.h"

namespace kwintel {

class MemorySettingsStore : public SettingsStore {
 public:
  long long ReadInt(std::string_view section, std::string_view key, long long defaultValue) override;
  void WriteInt(std::string_view section, std::string_view key, long long value) override;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

  // The stored text of section/key, or nothing when it was never written.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace kwintel
