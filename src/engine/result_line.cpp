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

}  // namespace

void BuildResultLine(SearchType type, std::string_view word, std::string& line) {
  line.assign(word);
  const std::string& remainder = matchState.remainder;
  if (!remainder.empty()) {
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

bool AppendResultLine(MainDialog& dialog, std::string_view text, int length, bool keep, std::string& line) {
  line.clear();
  if (dialog.withLength) AppendLengthPrefix(length, line);
  line += text;
  if (dialog.ijOneLetter) {
    const std::string_view shown = line;
    if (shown.find("IJ") != std::string_view::npos || shown.find("ij") != std::string_view::npos) return false;
  }
  dialog.view.Results().Append(line);
  if (keep) dialog.resultBackup.push_back(line);
  ++searchRunState.resultCount;
  return true;
}

}  // namespace kwintel
