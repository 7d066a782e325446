// Compile: the preparation of each type (what it refuses, how it rewrites the text, the word
// lengths to read) and the form it compiles into.

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

#include "engine/keypad_digits.h"
#include "engine/matchers.h"
#include "engine/number_reading.h"
#include "engine/pattern.h"
#include "engine/word_character.h"
#include "text/text_encoding.h"

namespace kwintel {

namespace {

// A pattern's length as an int, saturated: preparation works with any length of text.
int LengthOf(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

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
bool PrepareProductOrSum(std::string& text, SearchType type, int& minLength, int& maxLength, std::int64_t& target) {
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
    for (std::size_t k = pos; k < text.size(); ++k) text[k] = AsciiUpper(text[k]);
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

// The lengths of a pattern that its own preparation has read, or false when it refused it.
template <typename Prepared>
bool TakeLengths(const std::optional<Prepared>& prepared, int& minLength, int& maxLength) {
  if (!prepared) return false;
  minLength = prepared->minLength;
  maxLength = prepared->maxLength;
  return true;
}

template <typename Prepared>
std::optional<Pattern::Form> FormOf(std::optional<Prepared> prepared) {
  if (!prepared) return std::nullopt;
  return Pattern::Form(std::move(*prepared));
}

// The prepared text's form, or nothing when `type` refuses `text` (with the reason in `refusal`
// where the type gives one); `text` is rewritten and the lengths set as the type's preparation says.
std::optional<Pattern::Form> Prepare(std::string& text, SearchType type, int& minLength, int& maxLength,
                                     std::string& refusal) {
  switch (type) {
    case SearchType::Sequence: {
      if (!PrepareSequence(text, minLength, maxLength)) return std::nullopt;
      // A leading '-' negates the verdict of the rest of the pattern.
      SequenceForm form{text, text[0] == '-', std::nullopt};
      if (form.negated) form.text.erase(0, 1);
      form.automaton = SequenceAutomaton::Compile(form.text.c_str());
      return form;
    }
    case SearchType::Anagram: {
      const std::size_t dash = text.find('-');
      minLength = std::max(LengthOf(dash == std::string::npos ? text.size() : dash), kMinWordLength);
      maxLength = kMaxWordLength;
      return AnagramForm{text, AnagramLetters(text.c_str())};
    }
    case SearchType::Set:
      minLength = kMinWordLength;
      maxLength = kMaxWordLength;
      return SetForm{ByteSet(text.c_str())};
    case SearchType::Subset:
      minLength = kMinWordLength;
      maxLength = LengthOf(text.size());
      return SubsetForm{text};
    case SearchType::Frequency: {
      if (!PrepareFrequency(text, minLength, maxLength)) return std::nullopt;
      const FrequencyPattern pattern(text.c_str());
      return FrequencyForm{pattern,
                           pattern.wildcard && pattern.digits > 0 && !pattern.refused && HasWholeWordMatchers()};
    }
    case SearchType::Stack: {
      std::size_t pos = 0;
      while (pos < text.size() && IsWordCharacter(text[pos])) ++pos;
      std::size_t end = 0;
      minLength = ReadDecimalInteger(text, pos, end);
      maxLength = kMaxWordLength;
      StackForm form{StackPattern(text.c_str()), std::nullopt};
      if (HasWholeWordMatchers()) form.nibbles.emplace(form.pattern.set);
      return form;
    }
    case SearchType::Product:
    case SearchType::Sum: {
      LetterValueForm form{type == SearchType::Product, 0};
      if (!PrepareProductOrSum(text, type, minLength, maxLength, form.target)) return std::nullopt;
      return form;
    }
    case SearchType::AnagramMinusOne:
      if (text.size() < 2) return std::nullopt;
      minLength = maxLength = LengthOf(text.size());
      return AnagramMinusOneForm{text};
    case SearchType::Telephone:
      if (!PrepareTelephone(text, minLength, maxLength)) return std::nullopt;
      return TelephoneForm{text};
    case SearchType::MultiWordAnagram: {
      auto prepared = PrepareMultiWordAnagram(text);
      if (!TakeLengths(prepared, minLength, maxLength)) return std::nullopt;
      return FormOf(std::move(prepared));
    }
    case SearchType::HiddenWord: {
      auto prepared = PrepareHiddenWord(text);
      if (!TakeLengths(prepared, minLength, maxLength)) return std::nullopt;
      return FormOf(std::move(prepared));
    }
    case SearchType::Misprint: {
      auto prepared = PrepareMisprint(text);
      if (!TakeLengths(prepared, minLength, maxLength)) return std::nullopt;
      return FormOf(std::move(prepared));
    }
    case SearchType::Rhyme:
    case SearchType::HalfRhyme:
    case SearchType::SoundsLike: {
      auto prepared = ParseSoundPattern(text);
      if (!prepared) return std::nullopt;
      minLength = kMinWordLength;
      maxLength = kMaxWordLength;
      return FormOf(std::move(prepared));
    }
    case SearchType::Wordfeud:
    case SearchType::Scrabble: {
      auto prepared = PrepareTilePattern(type == SearchType::Wordfeud ? TileGame::Wordfeud : TileGame::Scrabble, text);
      if (!prepared) return std::nullopt;
      minLength = prepared->minLength();
      maxLength = prepared->maxLength();
      return FormOf(std::move(prepared));
    }
    case SearchType::Lingo: {
      auto prepared = PrepareLingo(text);
      if (auto* reason = std::get_if<std::string>(&prepared)) {
        refusal = std::move(*reason);
        return std::nullopt;
      }
      const LingoPattern& lingo = std::get<LingoPattern>(prepared);
      minLength = lingo.minLength();
      maxLength = lingo.maxLength();
      return Pattern::Form(std::get<LingoPattern>(std::move(prepared)));
    }
  }
  return std::nullopt;  // not one of the search types
}

}  // namespace

std::variant<Pattern, Refusal> Compile(SearchType type, std::string_view typed) {
  std::string text(typed);
  AsciiUpperInPlace(text);
  // The matchers read the text up to its first NUL; preparation must judge that same text.
  text.resize(std::strlen(text.c_str()));
  int minLength = 0;
  int maxLength = 0;
  std::optional<Pattern::Form> form;
  std::string refusal;
  if (!text.empty()) form = Prepare(text, type, minLength, maxLength, refusal);
  if (!form || !ApplyCommonClamp(minLength, maxLength)) return Refusal{refusal.empty() ? std::string(typed) : refusal};
  return Pattern(type, minLength, maxLength, std::move(*form));
}

}  // namespace kwintel
