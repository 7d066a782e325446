// Frequency against the plain pairing it must equal: the word's distinct bytes in the order of
// their first occurrence, each taking an unused digit of its count (ten and more take none), a
// byte without its digit ending the pairing unless the pattern has '*'.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/frequency_pattern.h"
#include "engine/matchers.h"
#include "random_patterns.h"

namespace kwintel {
namespace {

bool PlainFrequency(const std::string& word, const std::string& pattern) {
  std::string digits;
  bool wildcard = false;
  for (const char c : pattern) {
    if (c >= '1' && c <= '9') {
      digits += c;
    } else if (c == '*') {
      wildcard = true;
    } else if (c != '0') {
      return false;
    }
  }
  std::string counted;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x80) break;
    counted += c;
  }
  std::map<char, std::size_t> counts;
  for (const char c : counted) ++counts[c];
  std::string seen;
  for (const char c : counted) {
    if (digits.empty()) break;
    if (seen.find(c) != std::string::npos) continue;
    seen += c;
    const std::size_t count = counts[c];
    const std::size_t at = count < 10 ? digits.find(static_cast<char>('0' + count)) : std::string::npos;
    if (at != std::string::npos) {
      digits.erase(at, 1);
    } else if (!wildcard) {
      break;
    }
  }
  return digits.empty();
}

TEST(FrequencyDifferentialTest, RandomPatternsAndWordsGiveThePlainPairing) {
  testing_support::RandomPatterns random(5150);
  const auto below = [&random](int n) { return random.Below(n); };
  static const char kPatternCharacters[] = "1122334590**** X";
  static const char kWordCharacters[] = {'A', 'B', 'C', 'D', 'A', 'B', 'E', ' ', '-', 'a', '~', '\xC9', '\t'};
  int matches = 0;
  for (int i = 0; i < 30'000; ++i) {
    const std::string pattern = random.Characters(1 + below(5), kPatternCharacters, sizeof kPatternCharacters - 1);
    const int wordLength = below(8) == 0 ? 10 + below(30) : below(12);
    const std::string word = random.Characters(wordLength, kWordCharacters, below(4) == 0 ? 13 : 7);
    const bool matched = MatchFrequency(word.c_str(), FrequencyPattern(pattern.c_str()));
    ASSERT_EQ(matched, PlainFrequency(word, pattern)) << "pattern «" << pattern << "» word «" << word << "»";
    matches += matched ? 1 : 0;
  }
  EXPECT_GT(matches, 2'000);
  EXPECT_LT(matches, 28'000);
}

TEST(FrequencyDifferentialTest, EveryDigitWithItsWildcard) {
  // Each digit 1-9 sets how many counts the wildcard form tells apart.
  for (char digit = '1'; digit <= '9'; ++digit) {
    const int n = digit - '0';
    for (const std::string& word : {std::string(n, 'A') + "B", std::string(n + 1, 'A') + "B",
                                    std::string(n - 1, 'A') + "BC", std::string(n, 'A') + std::string(n, '-')}) {
      for (const std::string& pattern :
           {std::string{digit, '*'}, std::string{digit, digit, '*'}, std::string{'1', digit, '*'}}) {
        EXPECT_EQ(MatchFrequency(word.c_str(), FrequencyPattern(pattern.c_str())), PlainFrequency(word, pattern))
            << "pattern «" << pattern << "» word «" << word << "»";
      }
    }
  }
}

}  // namespace
}  // namespace kwintel
