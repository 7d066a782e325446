#include "engine/prepare_search_pattern.h"

#include <climits>
#include <cstring>

#include "engine/keypad_digits.h"
#include "engine/number_reading.h"
#include "engine/word_character.h"

namespace kwintel {

namespace {

// A pattern's length as an int, saturated: preparation works with any length of text.
int LengthOf(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

char ToUpperAscii(char b) { return (b >= 'a' && b <= 'z') ? static_cast<char>(b - 32) : b; }

// Applied after every type's own step.
bool ApplyCommonClamp(int& minLength, int& maxLength) {
  if (minLength <= 0) return false;
  if (minLength == 1) minLength = kMinWordLength;
  if (minLength > kMaxWordLength) minLength = kMaxWordLength;
  if (maxLength > kMaxWordLength) maxLength = kMaxWordLength;
  if (maxLength < minLength) maxLength = minLength;
  return true;
}

// Counts the positions of a sequence pattern, refuses what the matcher cannot read, cuts the text
// at its first blank and marks each letter variable's first occurrence as its binding place.
bool PrepareSequence(std::string& text, int& minLength, int& maxLength) {
  minLength = 0;
  maxLength = 0;
  bool squareOpen = false;
  bool curlyOpen = false;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != ' '; ++i) {
    const bool classOpen = squareOpen || curlyOpen;
    switch (text[i]) {
      case '.':
      case '?':
      case '/':
      case '\\':
        if (classOpen) return false;
        ++minLength;
        break;
      case '[':
        if (classOpen) return false;
        squareOpen = true;
        ++minLength;  // the whole class is one position
        break;
      case ']':
        if (!squareOpen) return false;
        squareOpen = false;
        break;
      case '{':
        if (classOpen) return false;
        curlyOpen = true;
        ++minLength;
        break;
      case '}':
        if (!curlyOpen) return false;
        curlyOpen = false;
        break;
      case '*':
        if (classOpen || (i > 0 && text[i - 1] == '*')) return false;
        maxLength = kMaxWordLength;
        break;
      case '-':
        if (i != 0) return false;
        break;
      default:
        if (!classOpen) ++minLength;
        break;
    }
  }
  if (i < text.size()) {
    // Only a pattern with a run may name its length after the blank; the count of positions
    // would otherwise fix it.
    if (maxLength == kMaxWordLength) {
      std::size_t end = 0;
      minLength = maxLength = ReadDecimalInteger(text, i + 1, end);
    }
    text.resize(i);
  }
  if (squareOpen || curlyOpen) return false;
  // These three are the binding marks below; typed by the user they would bind by surprise.
  if (text.find_first_of("'%_") != std::string::npos) return false;
  static constexpr char kVariables[] = {'&', '$', '^'};
  static constexpr char kBindingMarks[] = {'\'', '%', '_'};
  for (int v = 0; v < 3; ++v) {
    const std::size_t first = text.find(kVariables[v]);
    if (first != std::string::npos) text[first] = kBindingMarks[v];
  }
  return true;
}

bool PrepareFrequency(const std::string& text, int& minLength, int& maxLength) {
  if (!IsWordCharacter(text[0])) return false;
  int sum = 0;
  bool run = false;
  for (std::size_t i = 0; i < text.size() && IsWordCharacter(text[i]); ++i) {
    const char c = text[i];
    if (c == '*') {
      run = true;
    } else if (c >= '1' && c <= '9') {
      // Past the longest length the sum changes nothing; stopping there keeps any text safe.
      if (sum <= kMaxWordLength) sum += c - '0';
    } else {
      return false;
    }
  }
  if (sum < 2) return false;
  minLength = sum;
  maxLength = run ? kMaxWordLength : sum;
  return true;
}

// A number (truncated toward zero) or, when that gives 0, letters whose values are multiplied or
// added; then an optional minimum and maximum word length.
bool PrepareProductOrSum(std::string& text, SearchType type, int& minLength, int& maxLength) {
  const bool product = type == SearchType::Product;
  const DecimalNumber number = ReadDecimalNumber(text, 0);
  if (number.status == NumberStatus::kOutOfRange) return false;
  std::size_t pos = 0;
  if (number.value != 0) {
    target = number.value;
    if (product && !IsLetterProduct(static_cast<std::uint64_t>(target))) return false;
    pos = number.end;
  } else {
    // Only blanks: a tab before the letters is no part of a letters pattern.
    while (pos < text.size() && text[pos] == ' ') ++pos;
    for (std::size_t k = pos; k < text.size(); ++k) text[k] = ToUpperAscii(text[k]);
    // Unsigned so that long words wrap as the matchers' own 64-bit arithmetic does.
    std::uint64_t value = product ? 1 : 0;
    for (; pos < text.size() && text[pos] >= 'A' && text[pos] <= 'Z'; ++pos) {
      const std::uint64_t letterValue = static_cast<std::uint64_t>(text[pos] - 64);
      value = product ? value * letterValue : value + letterValue;
    }
    target = static_cast<std::int64_t>(value);
  }
  std::size_t end = 0;
  minLength = ReadDecimalInteger(text, pos, end);
  maxLength = ReadDecimalInteger(text, end, end);
  if (minLength <= 0) minLength = kMinWordLength;
  if (maxLength >= kMaxWordLength || maxLength <= minLength) maxLength = kMaxWordLength;
  return true;
}

bool PrepareTelephone(std::string& text, int& minLength, int& maxLength) {
  if (text.size() < 2) return false;
  minLength = maxLength = LengthOf(text.size());
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = KeypadDigit(c);
    if (c < '2' || c > '9') return false;
  }
  return true;
}

bool PrepareForType(std::string& text, SearchType type, int& minLength, int& maxLength) {
  switch (type) {
    case SearchType::Sequence:
      return PrepareSequence(text, minLength, maxLength);
    case SearchType::Anagram: {
      const std::size_t dash = text.find('-');
      minLength = LengthOf(dash == std::string::npos ? text.size() : dash);
      if (minLength < kMinWordLength) minLength = kMinWordLength;
      maxLength = kMaxWordLength;
      return true;
    }
    case SearchType::Set:
      minLength = kMinWordLength;
      maxLength = kMaxWordLength;
      return true;
    case SearchType::Subset:
      minLength = kMinWordLength;
      maxLength = LengthOf(text.size());
      return true;
    case SearchType::Frequency:
      return PrepareFrequency(text, minLength, maxLength);
    case SearchType::Stack: {
      std::size_t pos = 0;
      while (pos < text.size() && IsWordCharacter(text[pos])) ++pos;
      std::size_t end = 0;
      minLength = ReadDecimalInteger(text, pos, end);
      maxLength = kMaxWordLength;
      return true;
    }
    case SearchType::Product:
    case SearchType::Sum:
      return PrepareProductOrSum(text, type, minLength, maxLength);
    case SearchType::AnagramMinusOne:
      if (text.size() < 2) return false;
      minLength = maxLength = LengthOf(text.size());
      return true;
    case SearchType::Telephone:
      return PrepareTelephone(text, minLength, maxLength);
  }
  return false;  // not one of the ten types
}

}  // namespace

bool PrepareSearchPattern(std::string& text, SearchType type, int& minLength, int& maxLength) {
  // The matchers read the text up to its first NUL; preparation must judge that same text.
  text.resize(std::strlen(text.c_str()));
  if (text.empty()) return false;
  if (!PrepareForType(text, type, minLength, maxLength)) return false;
  return ApplyCommonClamp(minLength, maxLength);
}

bool PrepareSearchPattern(PreparedPattern& pattern, SearchType type) {
  return PrepareSearchPattern(pattern.text, type, pattern.minLength, pattern.maxLength);
}

bool IsLetterProduct(std::uint64_t value) {
  if (value == 0) return false;  // 0 would never stop halving
  while (value % 2 == 0) value /= 2;
  for (std::uint64_t d = 3; d <= 25; d += 2) {
    while (value % d == 0) value /= d;
  }
  return value <= 26;
}

char KeypadDigit(char upperCaseLetter) {
  if (upperCaseLetter < 'A' || upperCaseLetter > 'Z') return '\0';
  return KeypadDigits[static_cast<std::size_t>(upperCaseLetter - 'A')];
}

}  // namespace kwintel
