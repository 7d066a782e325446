// The word-file scan's entry, MatchWordOfLength, with and without a steady pattern: the same
// verdict, letter variables and remainder as MatchWord for every type, and the word-end search it
// uses at every length and place.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "engine/stack_pattern.h"
#include "engine/whole_word_matchers.h"
#include "engine/word_bytes.h"

namespace kwintel {
namespace {

struct Verdict {
  int matched;
  int ampVar;
  std::string remainder;
  char missingLetter;
  bool operator==(const Verdict&) const = default;
};

Verdict Take() {
  return Verdict{matchState.matched, matchState.ampVar, matchState.remainder, matchState.missingLetter};
}

// A prepared pattern of each type, drawn from letters the words use.
std::string RandomPattern(SearchType type, std::mt19937& random) {
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::string pattern;
  static const char kLetters[] = "ROSTEKAN";
  const int letters = 1 + below(5);
  switch (type) {
    case SearchType::Sequence:
      if (below(3) == 0) pattern += '-';
      for (int i = 0; i < letters; ++i) pattern += "RO*.S/&["[below(8)];
      if (pattern.find('[') != std::string::npos) pattern += "AE]";
      break;
    case SearchType::Frequency:
      for (int i = 0; i < letters; ++i) pattern += "1122*"[below(5)];
      pattern += '2';
      break;
    case SearchType::Stack:
      for (int i = 0; i < letters; ++i) pattern += kLetters[below(8)];
      pattern += ' ';
      pattern += static_cast<char>('1' + below(4));
      break;
    case SearchType::Telephone:
      for (int i = 0; i < letters + 1; ++i) pattern += static_cast<char>('2' + below(8));
      break;
    case SearchType::Product:
    case SearchType::Sum:
      pattern = "KAT";
      break;
    default:
      for (int i = 0; i < letters; ++i) pattern += kLetters[below(8)];
      if (type == SearchType::Anagram && below(3) == 0) pattern += "-T";
      if (type == SearchType::AnagramMinusOne) pattern += 'X';
      break;
  }
  return pattern;
}

TEST(MatchWordOfLengthTest, EveryTypeGivesMatchWordsVerdict) {
  std::mt19937 random(8128);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  static const char kWordCharacters[] = {'R', 'O', 'S', 'T', 'E', 'K', 'A', 'N', 'O', ' ', '\xC9', '\x01'};
  for (int typeValue = 0; typeValue <= 9; ++typeValue) {
    const auto type = static_cast<SearchType>(typeValue);
    SCOPED_TRACE(typeValue);
    int matches = 0;
    for (int p = 0; p < 300; ++p) {
      std::string pattern = RandomPattern(type, random);
      int minLength = 0;
      int maxLength = 0;
      if (!PrepareSearchPattern(pattern, type, minLength, maxLength)) continue;
      for (int w = 0; w < 20; ++w) {
        std::string word;
        const int length = below(5) == 0 ? 20 + below(20) : below(10);
        for (int c = 0; c < length; ++c) word += kWordCharacters[below(below(6) == 0 ? 12 : 9)];
        matchState.remainder = "stale";
        MatchWord(type, pattern.c_str(), word.c_str());
        const Verdict expected = Take();
        matchState.remainder = "stale";
        MatchWordOfLength(type, pattern.c_str(), word.c_str(), word.size());
        ASSERT_EQ(Take(), expected) << "pattern «" << pattern << "» word «" << word << "»";
        {
          const SteadyPatternScope steady(type, pattern.c_str());
          matchState.remainder = "stale";
          MatchWordOfLength(type, pattern.c_str(), word.c_str(), word.size());
          ASSERT_EQ(Take(), expected) << "steady pattern «" << pattern << "» word «" << word << "»";
        }
        matches += expected.matched;
      }
    }
    EXPECT_GT(matches, 0);
  }
}

// The Anagram scan refuses words before pairing by counting the pattern's letters in the word
// whole; it must never refuse one the pairing takes: repeated letters, more distinct letters than
// it counts, words of every length around 16 bytes, bytes past a word end.
TEST(MatchWordOfLengthTest, AnagramWordsOfEveryLengthAroundSixteenBytes) {
  std::mt19937 random(4096);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  static const char kLetters[] = "ROSTEKANBLMP";
  static const char kWordCharacters[] = "ROSTEKANBLMPROSE \xC9\x01";
  int matches = 0;
  for (int p = 0; p < 400; ++p) {
    std::string pattern;
    const int letters = 1 + below(12);
    const int alphabet = below(2) == 0 ? 4 : 12;
    for (int i = 0; i < letters; ++i) pattern += kLetters[below(alphabet)];
    if (below(4) == 0) pattern += "-T";
    const SteadyPatternScope steady(SearchType::Anagram, pattern.c_str());
    for (int length = 0; length <= 20; ++length) {
      for (int w = 0; w < 4; ++w) {
        std::string word;
        for (int c = 0; c < length; ++c) word += kWordCharacters[below(below(5) == 0 ? 20 : alphabet)];
        // Often a shuffle of the pattern's letters with a few more, so that many words match.
        if (below(2) == 0 && length >= letters) {
          word = pattern.substr(0, pattern.find('-')) + word.substr(static_cast<std::size_t>(letters));
          std::shuffle(word.begin(), word.end(), random);
        }
        MatchWord(SearchType::Anagram, pattern.c_str(), word.c_str());
        const Verdict expected = Take();
        const std::unique_ptr<char[]> exact(new char[word.size() + 1]);
        std::copy(word.c_str(), word.c_str() + word.size() + 1, exact.get());
        MatchWordOfLength(SearchType::Anagram, pattern.c_str(), exact.get(), word.size());
        ASSERT_EQ(Take(), expected) << "pattern «" << pattern << "» word «" << word << "»";
        matches += expected.matched;
      }
    }
  }
  EXPECT_GT(matches, 1'000);
}

// Stack on whole words against the byte-wise run: sets with bytes of every kind (the table of
// bytes of 128 and above included), run lengths from none to longer than any word, words of every
// length to past 32 bytes, each in a block of exactly its size and NUL.
TEST(MatchWordOfLengthTest, StackWordsTakenWholeGiveTheByteWiseRun) {
  if (!HasWholeWordMatchers()) GTEST_SKIP() << "this processor has no AVX2";
  std::mt19937 random(2718);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  static const char kBytes[] = {'B', 'C', 'D', 'A', 'E', ' ', '4', '\x7F', '\x80', '\xC9', '\xFF', '\x01', '\x1F'};
  int decided = 0;
  int matches = 0;
  for (int p = 0; p < 600; ++p) {
    std::string pattern;
    const int size = 1 + below(6);
    for (int k = 0; k < size; ++k) pattern += kBytes[below(sizeof kBytes)];
    pattern += below(4) == 0 ? kBytes[below(sizeof kBytes)] : static_cast<char>('0' + below(10));
    const StackPattern stack(pattern.c_str());
    const NibbleByteSet nibbles(stack.set);
    for (int w = 0; w < 40; ++w) {
      const std::size_t length = static_cast<std::size_t>(below(4) == 0 ? below(41) : below(17));
      std::string word;
      const int alphabet = below(2) == 0 ? 5 : static_cast<int>(sizeof kBytes);
      for (std::size_t c = 0; c < length; ++c) word += kBytes[below(alphabet)];
      const std::unique_ptr<char[]> exact(new char[length + 1]);
      std::copy(word.c_str(), word.c_str() + length + 1, exact.get());
      matchState.matched = 0;
      MatchStack(exact.get(), stack);
      const int reaches = LongestRunReachesWhole(exact.get(), length, nibbles, stack.runLength);
      if (length > 32) {
        EXPECT_EQ(reaches, -1);
        continue;
      }
      ++decided;
      ASSERT_EQ(reaches, matchState.matched) << "pattern «" << pattern << "» word «" << word << "»";
      matches += reaches;
    }
  }
  EXPECT_GT(decided, 15'000);
  EXPECT_GT(matches, 2'000);
  EXPECT_LT(matches, decided - 2'000);
}

TEST(MatchWordOfLengthTest, AStackPatternIsWorkedOutAgainOutsideItsScope) {
  std::string pattern = "RS 2";
  {
    const SteadyPatternScope steady(SearchType::Stack, pattern.c_str());
    MatchWordOfLength(SearchType::Stack, pattern.c_str(), "ROOS", 4);
    EXPECT_EQ(0, matchState.matched);
  }
  pattern[1] = 'O';  // "RO 2", at the same address
  MatchWordOfLength(SearchType::Stack, pattern.c_str(), "ROOS", 4);
  EXPECT_EQ(1, matchState.matched);
}

TEST(WordBytesTest, EveryLengthAndPlace) {
  for (std::size_t length = 0; length <= 19; ++length) {
    for (std::size_t at = 0; at <= length; ++at) {
      // A buffer of exactly `length` bytes, so that the address sanitizer catches a read past it.
      std::string text(length, 'A');
      if (at < length) text[at] = '\x80';
      std::unique_ptr<char[]> exact(new char[length == 0 ? 1 : length]);
      std::copy(text.begin(), text.end(), exact.get());
      EXPECT_EQ(WordEndOffset(exact.get(), length), at) << length << " " << at;
    }
  }
}

}  // namespace
}  // namespace kwintel
