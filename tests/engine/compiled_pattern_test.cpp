// The compiled pattern against the plain matchers: every type's compiled form must give the
// verdict, remainder and missing letter that the matcher reading the pattern's text gives, and the
// Shift-And automaton that of plain backtracking, at the edges of its state vector's words too.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/compiled_pattern.h"
#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "engine/sequence_plain_match.h"
#include "engine/word_scan.h"
#include "random_patterns.h"
#include "word_file_fixture.h"

namespace kwintel {
namespace {

using testing_support::RandomPatterns;
using testing_support::TempFolder;

struct Verdict {
  int matched;
  std::string remainder;
  char missingLetter;
  bool operator==(const Verdict&) const = default;
};

Verdict Take() { return Verdict{matchState.matched, matchState.remainder, matchState.missingLetter}; }

// The verdict of the matcher that reads the pattern as text, with no compiled form.
Verdict PlainVerdict(SearchType type, const std::string& pattern, const std::string& word) {
  matchState.remainder = "stale";
  ClearVerdict(matchState);
  const char* w = word.c_str();
  const char* p = pattern.c_str();
  switch (type) {
    case SearchType::Sequence:
      MatchSequencePlain(w, p[0] == '-' ? p + 1 : p);
      if (p[0] == '-') matchState.matched = 1 - matchState.matched;
      break;
    case SearchType::Stack:
      MatchStack(w, p);
      break;
    case SearchType::Set:
      MatchSet(w, p);
      break;
    case SearchType::Frequency:
      MatchFrequency(w, p);
      break;
    case SearchType::Anagram:
      MatchAnagram(w, p);
      break;
    default:
      MatchWord(type, p, w);  // these types have no compiled form
      break;
  }
  return Take();
}

Verdict CompiledVerdict(const CompiledPattern& compiled, const std::string& word) {
  matchState.remainder = "stale";
  MatchCompiled(compiled, word.c_str(), std::strlen(word.c_str()));
  return Take();
}

TEST(CompiledPatternTest, EveryTypeGivesThePlainMatchersVerdict) {
  RandomPatterns random(8128);
  for (int typeValue = 0; typeValue <= 9; ++typeValue) {
    const auto type = static_cast<SearchType>(typeValue);
    SCOPED_TRACE(typeValue);
    int matches = 0;
    for (int p = 0; p < 300; ++p) {
      std::string pattern = random.OfType(type);
      int minLength = 0;
      int maxLength = 0;
      if (!PrepareSearchPattern(pattern, type, minLength, maxLength)) continue;
      const CompiledPattern compiled = CompilePattern(type, pattern);
      for (int w = 0; w < 20; ++w) {
        const std::string word = random.Word(random.Below(5) == 0 ? 15 + random.Below(25) : random.Below(10));
        const Verdict expected = PlainVerdict(type, pattern, word);
        ASSERT_EQ(CompiledVerdict(compiled, word), expected) << "pattern «" << pattern << "» word «" << word << "»";
        matches += expected.matched;
      }
    }
    EXPECT_GT(matches, 0);
  }
}

TEST(CompiledPatternTest, RawSequenceTextsGiveTheBacktrackingVerdict) {
  // Texts no preparation leaves ("**", open classes, binding marks) are not for the automaton.
  RandomPatterns random(31337);
  for (int i = 0; i < 5'000; ++i) {
    const std::string pattern = random.RawSequence();
    const std::string word = random.Word();
    ASSERT_EQ(CompiledVerdict(CompilePattern(SearchType::Sequence, pattern), word),
              PlainVerdict(SearchType::Sequence, pattern, word))
        << "pattern «" << pattern << "» word «" << word << "»";
  }
}

// The automaton keeps its states in 64-bit words: patterns of 62 to 66 elements cross the first
// word's edge, and words of 15-17, 31-33 and 63-65 characters take as many steps.
TEST(CompiledPatternTest, AutomatonAtItsWidthEdgesGivesThePlainVerdict) {
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
      const CompiledPattern compiled = CompilePattern(SearchType::Sequence, pattern);
      ASSERT_TRUE(compiled.sequence.has_value()) << pattern;
      for (const int length : {15, 16, 17, 31, 32, 33, 63, 64, 65, 66, 131}) {
        if (length < elements - 2 || length > elements + 40) continue;
        const std::string word = random.Word(length);
        const Verdict expected = PlainVerdict(SearchType::Sequence, pattern, word);
        ASSERT_EQ(CompiledVerdict(compiled, word), expected) << "pattern «" << pattern << "» word «" << word << "»";
        matches += expected.matched;
        ++compared;
      }
    }
  }
  EXPECT_GT(matches, 200);
  EXPECT_LT(matches, compared - 200);
}

// Stack and Frequency take a word of up to 32 bytes whole in a vector register, and Anagram's
// refusal one of up to 16: words of 15-17 and 31-33 bytes cross those edges. Each word sits in a
// heap block of exactly its size, so the sanitizer build catches a read past its end.
TEST(CompiledPatternTest, WholeWordFormsAtTheirWidthEdgesGiveThePlainVerdict) {
  RandomPatterns random(3232);
  for (const SearchType type : {SearchType::Stack, SearchType::Frequency, SearchType::Anagram}) {
    SCOPED_TRACE(static_cast<int>(type));
    int matches = 0;
    for (int p = 0; p < 200; ++p) {
      std::string pattern = random.OfType(type);
      if (type == SearchType::Frequency) pattern = "*" + pattern;
      int minLength = 0;
      int maxLength = 0;
      if (!PrepareSearchPattern(pattern, type, minLength, maxLength)) continue;
      const CompiledPattern compiled = CompilePattern(type, pattern);
      for (const int length : {0, 1, 15, 16, 17, 31, 32, 33, 34}) {
        const std::string word = random.Word(length);
        const auto exact = std::make_unique<char[]>(word.size() + 1);
        std::memcpy(exact.get(), word.c_str(), word.size() + 1);
        const Verdict expected = PlainVerdict(type, pattern, word);
        matchState.remainder = "stale";
        MatchCompiled(compiled, exact.get(), word.size());
        ASSERT_EQ(Take(), expected) << "pattern «" << pattern << "» word «" << word << "»";
        matches += expected.matched;
      }
    }
    EXPECT_GT(matches, 20);
  }
}

TEST(CompiledPatternTest, AutomatonRows) {
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
    EXPECT_EQ(CompiledVerdict(CompilePattern(SearchType::Sequence, row.pattern), row.word).matched, row.matched)
        << row.pattern << " " << row.word;
  }
}

// A sink that matches another pattern at every pump, as a narrowing nested in the search's pump
// would: the scan must go on answering for its own pattern.
class MeddlingSink : public ScanSink {
 public:
  void Found(std::string_view word) override { found.emplace_back(word); }
  void Pump(const WordFile&) override {
    MatchWord(SearchType::Sequence, "R..S", "ROOS");
    MatchWord(SearchType::Stack, "AB 2", "AABB");
    MatchWord(SearchType::Frequency, "11", "AB");
  }
  std::vector<std::string> found;
};

TEST(CompiledPatternTest, AnotherPatternMatchedInTheScansPumpChangesNothing) {
  std::vector<std::string> words;
  for (int i = 0; i < 25'000; ++i) words.push_back(i % 3 == 0 ? "LOPEN" : i % 3 == 1 ? "ROOS" : "KAARTEN");
  std::string bytes;
  for (const std::string& word : words) bytes += word + "\n";
  const TempFolder folder;
  const std::string path = folder.Write("ot05.DOC", bytes);
  for (const auto& [type, pattern] : {std::pair{SearchType::Sequence, "*EN"}, std::pair{SearchType::Stack, "AE 2"},
                                      std::pair{SearchType::Frequency, "2*"}}) {
    WordFile file;
    ASSERT_TRUE(file.Open(path));
    MeddlingSink sink;
    searchRunState = SearchRunState{};
    ScanWords(CompilePattern(type, pattern), file, sink);
    std::vector<std::string> expected;
    for (const std::string& word : words) {
      MatchWord(type, pattern, word.c_str());
      if (matchState.matched) expected.push_back(word);
    }
    EXPECT_EQ(sink.found, expected) << pattern;
  }
}

}  // namespace
}  // namespace kwintel
