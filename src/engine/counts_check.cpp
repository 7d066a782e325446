#include "engine/counts_check.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

// The hash is compiled in here from the library's header, so the programs need no library of it
// at run time.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kwintel {
namespace {

constexpr std::string_view kOpening = "kwintel-frq-check 1 ";

std::string HashText(std::string_view bytes) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(XXH3_64bits(bytes.data(), bytes.size())));
  return text;
}

// The whole number at the front of `text`, which moves past it and one space (or, for the last,
// the line's LF); nothing when anything else is there.
std::optional<std::size_t> ReadNumber(std::string_view& text, char after) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() || end == text.data() + text.size() || *end != after) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
  return value;
}

}  // namespace

std::string CountsCheckPath(const std::string& countsPath) { return countsPath + ".check"; }

std::string CountsCheckLine(std::string_view counts, std::size_t words) {
  return std::string(kOpening) + HashText(counts) + " " + std::to_string(counts.size()) + " " + std::to_string(words) +
         "\n";
}

std::optional<std::size_t> CheckedWords(std::string_view checkFile, std::string_view counts) {
  if (!checkFile.starts_with(kOpening)) return std::nullopt;
  checkFile.remove_prefix(kOpening.size());
  const std::string_view hash = checkFile.substr(0, 16);
  if (hash.size() != 16 || checkFile.size() < 17 || checkFile[16] != ' ') return std::nullopt;
  checkFile.remove_prefix(17);
  const std::optional<std::size_t> size = ReadNumber(checkFile, ' ');
  const std::optional<std::size_t> words = size ? ReadNumber(checkFile, '\n') : std::nullopt;
  // The size first: a file of another size needs no hash to be told apart.
  if (!words || !checkFile.empty() || *size != counts.size() || hash != HashText(counts)) return std::nullopt;
  return words;
}

}  // namespace kwintel
