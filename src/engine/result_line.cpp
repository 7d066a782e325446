#include "engine/result_line.h"

#include <charconv>

#include "text/text_encoding.h"

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

void BuildResultLine(SearchType type, std::string_view word, bool upperCase, std::string& line) {
  line.assign(word);
  const std::string& remainder = matchState.remainder;
  if (DecoratedResultLine(type)) {
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
  if (!upperCase) AsciiLowerInPlace(line);
}

bool HoldsIj(std::string_view text) {
  return text.find("IJ") != std::string_view::npos || text.find("ij") != std::string_view::npos;
}

std::string_view WithLengthPrefix(int length, std::string_view text, std::string& buffer) {
  buffer.clear();
  AppendLengthPrefix(length, buffer);
  buffer += text;
  return buffer;
}

}  // namespace kwintel
