#include "engine/result_line.h"

#include <charconv>

#include "results/result_state.h"
#include "shell/text_encoding.h"

namespace kwintel {
namespace {

void AppendLengthPrefix(int length, std::string& line) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, length).ptr;
  if (end - digits < 2) line += ' ';
  line.append(digits, end);
  line += ". ";
}

// Whether the found word's line carries the remainder: only these types decorate, and only with
// a remainder left.
bool Decorated(SearchType type) {
  return !matchState.remainder.empty() && (type == SearchType::Anagram || type == SearchType::Subset ||
                                           type == SearchType::AnagramMinusOne);
}

}  // namespace

void BuildResultLine(SearchType type, std::string_view word, std::string& line) {
  line.assign(word);
  const std::string& remainder = matchState.remainder;
  if (Decorated(type)) {
    switch (type) {
      case SearchType::Anagram:
        line += " - ";
        line += remainder;
        break;
      case SearchType::Subset:
        line += " + ";
        line += remainder;
        break;
      case SearchType::AnagramMinusOne:
        line += " - ";
        line += remainder;
        line += " + ";
        line += matchState.missingLetter;
        line.append(remainder, 1);
        break;
      default:
        break;
    }
  }
  if (!upperCaseMode) AsciiLowerInPlace(line);
}

std::string_view ResultLineText(SearchType type, std::string_view word, std::string& buffer) {
  if (!Decorated(type) && upperCaseMode) return word;
  BuildResultLine(type, word, buffer);
  return buffer;
}

std::optional<std::string_view> AppendResultLine(MainDialog& dialog, std::string_view text, int length,
                                                 bool keep, std::string& buffer) {
  // The prefix is digits and ". ", so it cannot take part in an IJ.
  if (dialog.ijOneLetter &&
      (text.find("IJ") != std::string_view::npos || text.find("ij") != std::string_view::npos)) {
    return std::nullopt;
  }
  std::string_view line = text;
  if (dialog.withLength) {
    buffer.clear();
    AppendLengthPrefix(length, buffer);
    buffer += text;
    line = buffer;
  }
  dialog.view.Results().Append(line);
  if (keep && dialog.keepsResultBackup) dialog.resultBackup.push_back(line);
  ++searchRunState.resultCount;
  return line;
}

}  // namespace kwintel
