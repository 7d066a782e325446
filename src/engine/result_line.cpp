#include "engine/result_line.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "engine/hidden_word.h"
#include "engine/tile_game.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

bool Decorated(SearchType type, const Verdict& verdict) {
  if (verdict.backwards || IsScored(type)) return true;
  if (verdict.remainder.empty()) return false;
  const SearchTypeEntry* entry = FindSearchType(type);
  return entry != nullptr && entry->decorates;
}

}  // namespace

void BuildResultLine(SearchType type, std::string_view word, const Verdict& verdict, bool upperCase,
                     std::string& line) {
  line.assign(word);
  if (Decorated(type, verdict)) {
    const std::string& remainder = verdict.remainder;
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
        line += verdict.missingLetter;
        line.append(remainder, 1);
        break;
      case SearchType::HiddenWord:
        line += kBackwardsMark;
        break;
      case SearchType::Wordfeud:
      case SearchType::Scrabble:
        line = TileResultLine(word, verdict.score);
        break;
      default:
        break;
    }
  }
  if (!upperCase) AsciiLowerInPlace(line);
}

std::string_view ResultLineText(SearchType type, std::string_view word, const Verdict& verdict, bool upperCase,
                                std::string& buffer) {
  if (upperCase && !Decorated(type, verdict)) return word;
  BuildResultLine(type, word, verdict, upperCase, buffer);
  return buffer;
}

int ShownLength(SearchType type, std::string_view word) {
  const auto blanks = type == SearchType::MultiWordAnagram ? std::count(word.begin(), word.end(), ' ') : 0;
  const std::size_t letters = word.size() - static_cast<std::size_t>(blanks);
  return static_cast<int>(std::min<std::size_t>(letters, std::numeric_limits<int>::max()));
}

std::string_view LineWord(SearchType type, std::string_view line, const Verdict& verdict) {
  if (verdict.backwards) return line.substr(0, line.size() - kBackwardsMark.size());
  if (IsScored(type)) return line.substr(0, line.find(' '));
  return line;
}

bool HoldsIj(std::string_view text) {
  return text.find("IJ") != std::string_view::npos || text.find("ij") != std::string_view::npos;
}

std::string_view WithLengthPrefix(int length, std::string_view text, std::string& buffer) {
  buffer.clear();
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, length).ptr;
  if (end - digits < 2) buffer += ' ';
  buffer.append(digits, end);
  buffer += ". ";
  buffer += text;
  return buffer;
}

}  // namespace kwintel
