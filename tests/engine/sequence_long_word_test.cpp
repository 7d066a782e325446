// The sequence matcher over words far longer than a word list's, as a word file with one long
// line gives them: each run is tried from every start of the run before it, and that must not
// walk the word once per start (quadratic time, a search that never ends). The long rows would
// run for hours without it; the differential rows check that the shortcuts change no outcome.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "engine/sequence_plain_match.h"
#include "random_patterns.h"

namespace kwintel {
namespace {

std::string Prepared(std::string pattern) {
  int minLength = 0;
  int maxLength = 0;
  EXPECT_TRUE(PrepareSearchPattern(pattern, SearchType::Sequence, minLength, maxLength)) << pattern;
  return pattern;
}

std::string Runs(int count, const std::string& between) {
  std::string pattern;
  for (int i = 0; i < count; ++i) pattern += "*" + between;
  return pattern;
}

struct LongRow {
  std::string pattern;
  std::string word;
  bool matched;
};

TEST(SequenceLongWordTest, RunsOverAVeryLongWordEndAndAnswerRight) {
  const std::string a300k(300'000, 'A');
  const std::string a100k(100'000, 'A');
  const LongRow rows[] = {
      {"*A*B", a300k, false},
      {"*A*A*C", a300k, false},
      {"*A*A*C", a300k + "C", true},
      {"*A*.A*B.", a300k, false},
      {Runs(60, "A") + "*B", a100k, false},
      {Runs(60, "A") + "*B", a100k + "B", true},
      // A variable read after a run, and one bound after a run.
      {"&*A*A*C&", a100k, false},
      {"*A*&*C&", a100k, false},
      {"*A*&*C&", a100k + "BCB", true},
      {"*A*&B&", a100k, false},
      {"*A*&B&", a100k + "XBX", true},
      {"*&*$*A*C&$", std::string(20'000, 'A'), false},
  };
  for (const LongRow& row : rows) {
    const std::string pattern = Prepared(row.pattern);
    MatchWord(SearchType::Sequence, pattern.c_str(), row.word.c_str());
    EXPECT_EQ(matchState.matched, row.matched ? 1 : 0) << row.pattern << " on " << row.word.size() << " characters";
  }
}

// Outcome of one matcher: the verdict and the three variables as it left them.
std::string Outcome(void (*matcher)(const char*, const char*), const std::string& pattern, const std::string& word) {
  matchState.matched = 0;
  matchState.ampVar = matchState.dollarVar = matchState.caretVar = 0;
  matcher(word.c_str(), pattern.c_str());
  return std::to_string(matchState.matched) + " " + std::to_string(matchState.ampVar) + " " +
         std::to_string(matchState.dollarVar) + " " + std::to_string(matchState.caretVar);
}

TEST(SequenceLongWordTest, LongerWordsGiveThePlainOutcome) {
  // Words of 20 to 48 characters, so that runs find many starts and tries of a run come round
  // again from many positions, with patterns of two inner runs and more.
  testing_support::RandomPatterns random(4711);
  int compared = 0;
  int matches = 0;
  while (compared < 400) {
    std::string pattern = random.TypedSequence(true, 9);
    int minLength = 0;
    int maxLength = 0;
    if (std::count(pattern.begin(), pattern.end(), '*') < 2 ||
        !PrepareSearchPattern(pattern, SearchType::Sequence, minLength, maxLength)) {
      continue;
    }
    if (pattern[0] == '-') pattern.erase(0, 1);
    const std::string word = random.Word(20 + random.Below(29));
    ASSERT_EQ(Outcome(MatchSequencePlain, pattern, word), Outcome(MatchSequence, pattern, word))
        << "pattern «" << pattern << "» word «" << word << "»";
    matches += matchState.matched;
    ++compared;
  }
  // Both verdicts must be well represented for the comparison to mean something.
  EXPECT_GT(matches, 40);
  EXPECT_LT(matches, compared - 40);
}

}  // namespace
}  // namespace kwintel
