// The sequence matcher over words far longer than a word list's, as a word file with one long
// line gives them: each run is tried from every start of the run before it, and that must not
// walk the word once per start (quadratic time, a search that never ends). The long rows would
// run for hours without it; the differential rows check that the shortcuts change no outcome.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/matchers.h"
#include "engine/sequence_plain_match.h"
#include "random_patterns.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

// The text a typed sequence pattern compiles to, without its leading '-'; empty when refused.
std::string Prepared(const std::string& typed) {
  const std::optional<Pattern> pattern = testing_support::Compiled(SearchType::Sequence, typed);
  return pattern ? std::get<SequenceForm>(pattern->Forms()).text : std::string();
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
    EXPECT_EQ(testing_support::Matches(SearchType::Sequence, row.pattern, row.word), row.matched)
        << row.pattern << " on " << row.word.size() << " characters";
  }
}

TEST(SequenceLongWordTest, LongerWordsGiveThePlainOutcome) {
  // Words of 20 to 48 characters, so that runs find many starts and tries of a run come round
  // again from many positions, with patterns of two inner runs and more.
  testing_support::RandomPatterns random(4711);
  int compared = 0;
  int matches = 0;
  while (compared < 400) {
    const std::string typed = random.TypedSequence(true, 9);
    if (std::count(typed.begin(), typed.end(), '*') < 2) continue;
    const std::string pattern = Prepared(typed);
    if (pattern.empty()) continue;
    const std::string word = random.Word(20 + random.Below(29));
    const SequenceOutcome plain = MatchSequencePlain(word.c_str(), pattern.c_str());
    ASSERT_EQ(plain.matched, MatchSequence(word.c_str(), pattern.c_str()))
        << "pattern «" << pattern << "» word «" << word << "»";
    matches += plain.matched ? 1 : 0;
    ++compared;
  }
  // Both verdicts must be well represented for the comparison to mean something.
  EXPECT_GT(matches, 40);
  EXPECT_LT(matches, compared - 40);
}

}  // namespace
}  // namespace kwintel
