// Anagram, Anagram-1, Subset, Set and Frequency, called directly with prepared patterns.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "engine/matchers.h"

namespace kwintel {
namespace {

// A NUL-terminated copy in a buffer of exactly its size, so that a read past the NUL is caught by
// the address sanitizer.
std::unique_ptr<char[]> ExactCopy(const std::string& text) {
  auto copy = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

using Matcher = Verdict (*)(const char* word, const char* pattern);

Verdict Set(const char* word, const char* pattern) {
  Verdict verdict;
  verdict.matched = MatchSet(word, ByteSet(pattern));
  return verdict;
}

Verdict Frequency(const char* word, const char* pattern) {
  Verdict verdict;
  verdict.matched = MatchFrequency(word, FrequencyPattern(pattern));
  return verdict;
}

Verdict RunMatcher(Matcher matcher, const std::string& word, const std::string& pattern) {
  auto wordCopy = ExactCopy(word);
  auto patternCopy = ExactCopy(pattern);
  Verdict verdict = matcher(wordCopy.get(), patternCopy.get());
  EXPECT_EQ(std::string(wordCopy.get()), word) << "the word was changed";
  EXPECT_EQ(std::string(patternCopy.get()), pattern) << "the pattern was changed";
  return verdict;
}

struct RemainderRow {
  const char* pattern;
  std::string word;
  bool matched;
  const char* remainder;  // checked when matched
};

void PrintTo(const RemainderRow& row, std::ostream* out) { *out << row.pattern << " / " << row.word; }

void ExpectRows(Matcher matcher, std::initializer_list<RemainderRow> rows) {
  for (const RemainderRow& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row));
    const Verdict verdict = RunMatcher(matcher, row.word, row.pattern);
    EXPECT_EQ(verdict.matched, row.matched);
    if (row.matched) {
      EXPECT_EQ(verdict.remainder, row.remainder);
    }
  }
}

TEST(MatchAnagram, PairsEachPatternLetterWithItsOwnWordLetter) {
  ExpectRows(MatchAnagram, {
                               {"ROOS", "ROOSTER", true, "TER"},
                               {"ROOS", "SOOR", true, ""},
                               {"ROOS", "ROSE", false, ""},  // one O cannot pair twice
                               {"ROOS", "ROOSJE", true, "JE"},
                               {"ROOS", "roos", false, ""},  // exact bytes: no case folding
                               {"IJS", "IJS", true, ""},     // I and J are two letters
                           });
}

TEST(MatchAnagram, ExclusionMarkerDemandsExactCountsAndNoExcludedLetter) {
  ExpectRows(MatchAnagram, {
                               {"ROOS-T", "ROOSJE", true, "JE"},
                               {"ROOS-T", "ROOSTER", false, ""},  // a second R, and the excluded T
                               {"ROOS-T", "ROOSSEN", false, ""},  // S occurs more often than typed
                               {"ROOS-T", "ROOSTJE", false, ""},  // T alone refuses it
                               {"-XYZ", "KAT", true, "KAT"},      // nothing to pair: the whole word is left
                               {"-XYZ", "KAX", false, ""},
                               {"-XYZ", "KA-T", false, ""},  // the marker itself is excluded
                           });
}

TEST(MatchAnagram, RemainderHoldsWordCharactersOnly) {
  ExpectRows(MatchAnagram, {
                               {"ROOS", "ROOS JE", true, "JE"},
                               {"ROOS",
                                "ROOS\xC9"
                                "T",
                                true, "T"},                       // the whole text is paired, 0xC9 left out
                               {"ROS\xC9", "\xC9ROS", true, ""},  // an accented letter pairs like any other byte
                               {"ROOS", "ROOS\x01\x7F", true, "\x7F"},
                               {"ROOS-T", "ROOS JE", true, "JE"},
                           });
}

TEST(MatchAnagramMinusOne, ExactlyOnePatternLetterIsMissing) {
  struct Row {
    const char* pattern;
    const char* word;
    bool matched;
    const char* remainder;
    char missingLetter;
  };
  const Row rows[] = {
      {"ROOS", "SOOR", false, "", 0},  // nothing missing is no result
      {"ROOS", "ROSE", true, "E", 'O'},   {"ROOS", "ROOK", true, "K", 'S'},
      {"ROOS", "RAAS", false, "", 0},                                       // the second missing O refuses it
      {"KAART", "KAARS", true, "S", 'T'}, {"ROOS", "ROS ", true, "", 'O'},  // the space stays out of the remainder
      {"ROOS", "ROO", true, "", 'S'},      // a shorter line (narrowing) with nothing left
      {"ROOS", "RO\xC9S", true, "", 'O'},  // 0xC9 is paired with nothing and left out
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.pattern) + " / " + row.word);
    const Verdict verdict = RunMatcher(MatchAnagramMinusOne, row.word, row.pattern);
    EXPECT_EQ(verdict.matched, row.matched);
    if (row.matched) {
      EXPECT_EQ(verdict.remainder, row.remainder);
      EXPECT_EQ(verdict.missingLetter, row.missingLetter);
    }
  }
}

TEST(MatchSubset, SpellsTheWordFromPatternLettersUsedOnce) {
  ExpectRows(MatchSubset, {
                              {"KAARTEN", "TAART", false, ""},  // one T only
                              {"KAARTEN", "KAARTEN", true, ""},
                              {"KAARTEN", "KAART", true, "EN"},
                              {"KAARTEN", "TAK", true, "AREN"},  // pattern order; the first A is the one used
                              {"KAARTEN", "", true, "KAARTEN"},
                              {"KAARTEN", "kaart", false, ""},
                          });
}

TEST(MatchSubset, WordEndsAtItsFirstSpaceOrControlByte) {
  ExpectRows(MatchSubset, {
                              {"KAARTEN", "KAART XX", true, "EN"},
                              {"KAARTEN", "KAART\tXX", true, "EN"},
                              {"KAART EN", "KAART", true, "EN"},  // the pattern's space stays out of the remainder
                          });
}

TEST(MatchSubset, AnAccentedLetterEndsTheWord) {
  ExpectRows(MatchSubset, {
                              {"KAARTEN", "KAART\xC9XX", true, "EN"},  // only KAART is spelt
                              {"KAARTEN", "\xC9XX", true, "KAARTEN"},  // nothing before the accented letter
                              {"KAART\xC9", "KAART", true, ""},        // nor does it stay in the remainder
                          });
}

TEST(MatchSet, EveryLetterFromThePatternAnyNumberOfTimes) {
  ExpectRows(Set, {
                      {"ANS", "ANANAS", true, ""},
                      {"ANS", "ANANASSEN", false, ""},
                      {"ANS", "ANAS E", true, ""},  // the word ends at the space
                      {"ANS", "ANAS\tE", true, ""},
                      {"ANS", "ANAS\xC9XX", true, ""},  // only the letters before 0x80-0xFF are tested
                      {"ANS", "XANAS\xC9", false, ""},
                      {"ANS", "ANAS-", false, ""},
                      {"ANS", "anas", false, ""},
                      {"ANS", "", true, ""},
                  });
}

TEST(MatchFrequency, CountsOfDistinctLettersUseUpTheDigits) {
  ExpectRows(Frequency, {
                            {"2211", "KOEKEN", true, ""},
                            {"1122", "KOEKEN", true, ""},   // digit order is free
                            {"2211", "KAKKER", false, ""},  // K three times
                            {"2211", "KOEKJA", false, ""},  // K twice, then four letters once: no second 2
                            {"9", "AAAAAAAAA", true, ""},
                            {"2*", "ROOS", true, ""},
                            {"2*", "KAT", false, ""},
                            {"2*", "ROOSTERS", true, ""},  // R and O and S twice, one of them takes the 2
                            {"22*", "ROOSTERS", true, ""},
                            {"222*", "ROOSTERS", true, ""},
                            {"2222*", "ROOSTERS", false, ""},
                        });
}

TEST(MatchFrequency, SpacesCountAndAControlByteOrAccentedLetterEndsTheWord) {
  ExpectRows(Frequency, {
                            {"211", "AA B", true, ""},   // the space is a letter here
                            {"22", "AA BB", false, ""},  // its 1 is missing: pairing ends before B
                            {"22*", "AA BB", true, ""},
                            {"2*", "AB - C", true, ""},  // a decorated line: the two spaces pair with 2
                            {"2",
                             "AA\xC9"
                             "BBB",
                             true, ""},  // nothing from 0xC9 on is counted
                            {"2*",
                             "AA\xC9"
                             "A",
                             true, ""},
                            {"11", "AB\tAB", true, ""},  // nothing after the tab is counted
                        });
}

TEST(MatchFrequency, TextAfterTheDigitsNeverMatches) {
  ExpectRows(Frequency, {
                            {"22 X", "AABB", false, ""},
                            {"22 *", "AABB", false, ""},
                            {"22 0", "AABB", false, ""},
                        });
}

TEST(MatchFrequency, ALetterOccurringTenOrMoreTimesUsesNoDigit) {
  ExpectRows(Frequency, {
                            {"1*", std::string(10, 'A') + "B", true, ""},
                            {"1", std::string(10, 'A') + "B", false, ""},
                            // 256 would read as 0 in an eight-bit counter and let B take the 2.
                            {"2", std::string(256, 'A') + "BB", false, ""},
                        });
}

TEST(LetterMultisetMatchers, LongTextsBeyondTheUsualSizes) {
  const std::string longWord = "ROOS" + std::string(1000, 'T');
  const std::string longPattern = std::string(2000, 'A') + "KRT";
  ExpectRows(MatchAnagram, {{"ROOS", longWord, true, std::string(1000, 'T').c_str()}});
  ExpectRows(MatchAnagramMinusOne, {{"ROOSX", longWord, true, std::string(1000, 'T').c_str()}});
  ExpectRows(MatchSubset, {{longPattern.c_str(), "KAART", true, std::string(1998, 'A').c_str()}});
  ExpectRows(Frequency, {{(std::string(400, '1') + "*").c_str(), "AB", false, ""}});
}

}  // namespace
}  // namespace kwintel
