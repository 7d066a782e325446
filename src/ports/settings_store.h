#pragma once
// The settings store ("profile"): the program's only state kept between runs. Values are addressed
// by section and key, as in an INI file. The desktop program keeps them in kwintel.INI; tests use
// the in-memory store.

#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The integer under section/key, or defaultValue when the key is absent or holds no integer.
  virtual long long ReadInt(std::string_view section, std::string_view key, long long defaultValue) = 0;
  virtual void WriteInt(std::string_view section, std::string_view key, long long value) = 0;
  // The text under section/key, or defaultValue when the key is absent.
  virtual std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) = 0;
  virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// The decimal integer that text holds in full (blanks around it and a sign allowed), or nothing.
// Every store reads integers through this, so a hand-edited value means the same everywhere.
std::optional<long long> ParseSettingsInt(std::string_view text);

}  // namespace kwintel
