#pragma once
// The random patterns and words of the differential tests: one generator, seeded per test, so
// every fast form is held to its plain counterpart on the same kind of input.

#include <random>
#include <string>

#include "engine/search_type.h"

namespace kwintel::testing_support {

class RandomPatterns {
 public:
  explicit RandomPatterns(unsigned seed) : random_(seed) {}

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  // A sequence pattern as a user would type it: letters, wildcards, classes, variables and
  // several runs; with `variables` false, none of & $ ^.
  std::string TypedSequence(bool variables = true, int maxTokens = 14) {
    static const char* const kTokens[] = {"A",  "B",  "C",    ".",    ".", "/", "\\", "@", "[AB]", "{A}",
                                          "[]", "{}", "[&B]", "[@C]", "*", "*", "*",  "*", "*",    "*",
                                          "*",  "*",  "&",    "$",    "^", "&", "$",  "^"};
    const int count = variables ? 28 : 22;
    std::string pattern = Below(3) == 0 ? "-" : "";
    const int length = 1 + Below(maxTokens);
    for (int i = 0; i < length; ++i) {
      const std::string token = kTokens[Below(count)];
      if (token == "*" && !pattern.empty() && pattern.back() == '*') continue;
      pattern += token;
    }
    return pattern;
  }

  // A sequence pattern as no preparation would leave it: binding marks anywhere and more than
  // once, "**", classes left open.
  std::string RawSequence() {
    static const char* const kTokens[] = {"A", "B", "'",    "%",   "_", "&", "$", "^", "'",
                                          "%", ".", "[AB]", "{B}", "*", "*", "*", "[A"};
    std::string pattern;
    const int length = 1 + Below(14);
    for (int i = 0; i < length; ++i) pattern += kTokens[Below(17)];
    return pattern;
  }

  // A prepared-looking pattern of any type, drawn from letters the words use.
  std::string OfType(SearchType type) {
    std::string pattern;
    static const char kLetters[] = "ROSTEKAN";
    const int letters = 1 + Below(5);
    switch (type) {
      case SearchType::Sequence:
        return TypedSequence();
      case SearchType::Frequency:
        for (int i = 0; i < letters; ++i) pattern += "1122*"[Below(5)];
        pattern += '2';
        break;
      case SearchType::Stack:
        for (int i = 0; i < letters; ++i) pattern += kLetters[Below(8)];
        pattern += ' ';
        pattern += static_cast<char>('1' + Below(4));
        break;
      case SearchType::Telephone:
        for (int i = 0; i < letters + 1; ++i) pattern += static_cast<char>('2' + Below(8));
        break;
      case SearchType::Product:
      case SearchType::Sum:
        pattern = "KAT";
        break;
      default:
        for (int i = 0; i < letters; ++i) pattern += kLetters[Below(8)];
        if (type == SearchType::Anagram && Below(3) == 0) pattern += "-T";
        if (type == SearchType::AnagramMinusOne) pattern += 'X';
        break;
    }
    return pattern;
  }

  // A word of `length` characters from a small alphabet (so that patterns often match), with
  // now and then a blank, an accented byte (a sequence word end) or a control byte.
  std::string Word(int length) {
    static const char kCharacters[] = {'A', 'B', 'C', 'A', 'B', 'R', 'O', 'S', 'T', 'K', 'E', 'N', ' ', '\xC9', '\x01'};
    std::string word;
    const int alphabet = Below(6) == 0 ? 15 : Below(2) == 0 ? 12 : 5;
    for (int i = 0; i < length; ++i) word += kCharacters[Below(alphabet)];
    return word;
  }
  std::string Word() { return Word(Below(15)); }

  // `length` characters drawn from the first `alphabet` of `characters`.
  std::string Characters(int length, const char* characters, int alphabet) {
    std::string text;
    for (int i = 0; i < length; ++i) text += characters[Below(alphabet)];
    return text;
  }

  // A letter variable's value before a match: unbound, or a letter the words use.
  int Variable() {
    static const int kValues[] = {0, 0, 0, 'A', 'B', 'C'};
    return kValues[Below(6)];
  }

 private:
  std::mt19937 random_;
};

}  // namespace kwintel::testing_support
