// The fast forms a compiled pattern holds against the plain matchers: each must give the verdict
// and remainder that the matcher reading the prepared text gives, and the Shift-And automaton that
// of plain backtracking, at the edges of its state vector's words too.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/matchers.h"
#include "engine/sequence_plain_match.h"
#include "random_patterns.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

using testing_support::Compiled;
using testing_support::RandomPatterns;

// The verdict of the plain matcher of a compiled pattern's type, reading its prepared text.
Verdict PlainVerdict(const Pattern& pattern, const std::string& word) {
  Verdict verdict;
  const char* w = word.c_str();
  if (const auto* sequence = std::get_if<SequenceForm>(&pattern.Forms())) {
    verdict.matched = MatchSequencePlain(w, sequence->text.c_str()).matched != sequence->negated;
  } else if (const auto* stack = std::get_if<StackForm>(&pattern.Forms())) {
    verdict.matched = MatchStack(w, stack->pattern);
  } else if (const auto* frequency = std::get_if<FrequencyForm>(&pattern.Forms())) {
    verdict.matched = MatchFrequency(w, frequency->pattern);
  } else if (const auto* anagram = std::get_if<AnagramForm>(&pattern.Forms())) {
    verdict = MatchAnagram(w, anagram->text.c_str());
  }
  return verdict;
}

// The compiled verdict on a word in a heap block of exactly its size, so that the sanitizer build
// catches a read past its end.
Verdict CompiledVerdict(const Pattern& pattern, const std::string& word) {
  const auto exact = std::make_unique<char[]>(word.size() + 1);
  std::memcpy(exact.get(), word.c_str(), word.size() + 1);
  return pattern.Match(exact.get(), std::strlen(exact.get()));
}

// A verdict as text, for comparison: "-" refused, "+REMAINDER" matched.
std::string Said(const Verdict& verdict) { return verdict.matched ? "+" + verdict.remainder : "-"; }

constexpr SearchType kFastTypes[] = {SearchType::Sequence, SearchType::Stack, SearchType::Frequency,
                                     SearchType::Anagram};

TEST(PatternTest, EveryFastFormGivesThePlainMatchersVerdict) {
  RandomPatterns random(8128);
  for (const SearchType type : kFastTypes) {
    SCOPED_TRACE(static_cast<int>(type));
    int matches = 0;
    for (int p = 0; p < 600; ++p) {
      const std::optional<Pattern> pattern = Compiled(type, random.OfType(type));
      if (!pattern) continue;
      for (int w = 0; w < 20; ++w) {
        const std::string word = random.Word(random.Below(5) == 0 ? 15 + random.Below(25) : random.Below(10));
        const Verdict expected = PlainVerdict(*pattern, word);
        ASSERT_EQ(Said(CompiledVerdict(*pattern, word)), Said(expected)) << "word «" << word << "»";
        matches += expected.matched ? 1 : 0;
      }
    }
    EXPECT_GT(matches, 0);
  }
}

TEST(PatternTest, RawSequenceTextsGiveTheBacktrackingVerdict) {
  // Texts no preparation leaves ("**", open classes, binding marks) are not for the automaton.
  RandomPatterns random(31337);
  for (int i = 0; i < 5'000; ++i) {
    const std::string pattern = random.RawSequence();
    const std::string word = random.Word();
    if (const auto automaton = SequenceAutomaton::Compile(pattern.c_str())) {
      ASSERT_EQ(automaton->Match(word.c_str()) == 1, MatchSequencePlain(word.c_str(), pattern.c_str()).matched)
          << "pattern «" << pattern << "» word «" << word << "»";
    }
  }
}

// The automaton keeps its states in 64-bit words: patterns of 62 to 66 elements cross the first
// word's edge, and words of 15-17, 31-33 and 63-65 characters take as many steps.
TEST(PatternTest, AutomatonAtItsWidthEdgesGivesThePlainVerdict) {
  RandomPatterns random(6464);
  int matches = 0;
  int compared = 0;
  for (const int elements : {15, 16, 17, 62, 63, 64, 65, 66, 130}) {
    for (int i = 0; i < 300; ++i) {
      // Mostly '.', a few letters and classes, at most two runs: a word of about the pattern's
      // length then matches often enough to test both verdicts.
      std::string pattern;
      int runs = 0;
      for (int e = 0; e < elements; ++e) {
        const int pick = random.Below(20);
        if (pick == 0 && runs < 2) {
          pattern += '*';
          ++runs;
        }
        pattern += pick == 1 ? "A" : pick == 2 ? "[AB]" : pick == 3 ? "{C}" : ".";
      }
      const auto automaton = SequenceAutomaton::Compile(pattern.c_str());
      ASSERT_TRUE(automaton.has_value()) << pattern;
      for (const int length : {15, 16, 17, 31, 32, 33, 63, 64, 65, 66, 131}) {
        if (length < elements - 2 || length > elements + 40) continue;
        const std::string word = random.Word(length);
        const bool expected = MatchSequencePlain(word.c_str(), pattern.c_str()).matched;
        ASSERT_EQ(automaton->Match(word.c_str()) == 1, expected) << "pattern «" << pattern << "» word «" << word << "»";
        matches += expected ? 1 : 0;
        ++compared;
      }
    }
  }
  EXPECT_GT(matches, 200);
  EXPECT_LT(matches, compared - 200);
}

// Stack and Frequency take a word of up to 32 bytes whole in a vector register, and Anagram's
// refusal one of up to 16: words of 15-17 and 31-33 bytes cross those edges.
TEST(PatternTest, WholeWordFormsAtTheirWidthEdgesGiveThePlainVerdict) {
  RandomPatterns random(3232);
  for (const SearchType type : {SearchType::Stack, SearchType::Frequency, SearchType::Anagram}) {
    SCOPED_TRACE(static_cast<int>(type));
    int matches = 0;
    for (int p = 0; p < 200; ++p) {
      std::string typed = random.OfType(type);
      if (type == SearchType::Frequency) typed = "*" + typed;
      const std::optional<Pattern> pattern = Compiled(type, typed);
      if (!pattern) continue;
      for (const int length : {0, 1, 15, 16, 17, 31, 32, 33, 34}) {
        const std::string word = random.Word(length);
        const Verdict expected = PlainVerdict(*pattern, word);
        ASSERT_EQ(Said(CompiledVerdict(*pattern, word)), Said(expected))
            << "pattern «" << typed << "» word «" << word << "»";
        matches += expected.matched ? 1 : 0;
      }
    }
    EXPECT_GT(matches, 20);
  }
}

TEST(PatternTest, AutomatonRows) {
  struct Row {
    const char* pattern;
    const char* word;
    int matched;
  };
  const Row rows[] = {
      {"*B*B", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAB", 0},  // 31 A's and one B
      {"*B*B", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAABB", 1},
      {"R..S", "ROOS", 1},
      {"R..S", "ROOSJE", 0},
      {"*EN", "LOPEN", 1},
      {"*EN", "EN", 1},
      {"*", "", 1},
      {"A*", "A", 1},
      {"*A*",
       "B\xC9"
       "A",
       0},  // an accented byte ends the word
      {"*A",
       "BA\x01"
       "B",
       1},  // so does a control byte
      {"@A", " A", 1},
      {"{AB}[]", "CD", 0},
      {"/\\", "AB", 1},
      {"/\\", "AY", 0},  // Y is neither vowel nor consonant
  };
  for (const Row& row : rows) {
    const auto automaton = SequenceAutomaton::Compile(row.pattern);
    ASSERT_TRUE(automaton.has_value()) << row.pattern;
    EXPECT_EQ(automaton->Match(row.word), row.matched) << row.pattern << " " << row.word;
  }
}

}  // namespace
}  // namespace kwintel
