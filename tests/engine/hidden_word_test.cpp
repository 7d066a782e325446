// "Verborgen": the hidden string of a clue, words found in it either way, and the narrowing test.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/hidden_word.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

struct ClueRow {
  std::string clue;
  const char* letters;  // nullptr: refused
  int maxLength;
};

TEST(PrepareHiddenWord, KeepsTheLettersOfTheClueInOrder) {
  const ClueRow rows[] = {
      {"de kat eet rood vlees", "DEKATEETROODVLEES", 17},
      {"Café, au lait!", "CAFAULAIT", 9},
      {"A-B", "AB", 2},
      {std::string(30, 'x') + " 12", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", 19},
      {"a", nullptr, 0},
      {"A 1 2 3 !", nullptr, 0},
      {"ÉÉÉ", nullptr, 0},
      {"", nullptr, 0},
  };
  for (const ClueRow& row : rows) {
    SCOPED_TRACE(row.clue);
    const auto pattern = PrepareHiddenWord(row.clue);
    ASSERT_EQ(pattern.has_value(), row.letters != nullptr);
    if (!pattern) continue;
    EXPECT_EQ(pattern->letters, row.letters);
    EXPECT_EQ(pattern->minLength, 2);
    EXPECT_EQ(pattern->maxLength, row.maxLength);
  }
}

struct FindRow {
  const char* word;
  HiddenWordFind find;
};

TEST(FindHiddenWord, ForwardsFirstThenBackwardsAndOnlyPlainWords) {
  const auto pattern = PrepareHiddenWord("de kat eet rood vlees");
  for (const FindRow& row : std::initializer_list<FindRow>{
           {"KAT", HiddenWordFind::Forwards},
           {"EET", HiddenWordFind::Forwards},
           {"ROOD", HiddenWordFind::Forwards},
           {"KATEET", HiddenWordFind::Forwards},  // across the blanks of the clue
           {"DE", HiddenWordFind::Forwards},      // at the start
           {"EES", HiddenWordFind::Forwards},     // at the end
           {"DEKATEETROODVLEES", HiddenWordFind::Forwards},
           {"DOOR", HiddenWordFind::Backwards},
           {"TAK", HiddenWordFind::Backwards},
           {"SEE", HiddenWordFind::Backwards},
           {"EE", HiddenWordFind::Forwards},  // both ways: forwards wins
           {"DEKATEETROODVLEESX", HiddenWordFind::None},
           {"KATER", HiddenWordFind::None},
           {"kat", HiddenWordFind::None},
           {"KA T", HiddenWordFind::None},
           {"K", HiddenWordFind::Forwards},
           {"Q", HiddenWordFind::None},
           {"", HiddenWordFind::None},
           {"SX", HiddenWordFind::None},
       }) {
    EXPECT_EQ(FindHiddenWord(*pattern, row.word), row.find) << row.word;
  }
}

// The pair index against a plain substring search, over short strings of few letters so that
// pairs repeat, words run into the ends, and misses are near misses.
TEST(FindHiddenWord, AgreesWithASubstringSearch) {
  std::mt19937 random(14);
  std::uniform_int_distribution<int> letter('A', 'D');
  const auto text = [&](std::size_t size) {
    std::string s;
    for (std::size_t i = 0; i < size; ++i) s.push_back(static_cast<char>(letter(random)));
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    const std::string clue = text(2 + static_cast<std::size_t>(round % 20));
    const std::string reversed(clue.rbegin(), clue.rend());
    const auto pattern = PrepareHiddenWord(clue);
    ASSERT_TRUE(pattern.has_value());
    for (int w = 0; w < 40; ++w) {
      const std::string word = text(1 + static_cast<std::size_t>(w % 8));
      const HiddenWordFind expected = clue.find(word) != std::string::npos       ? HiddenWordFind::Forwards
                                      : reversed.find(word) != std::string::npos ? HiddenWordFind::Backwards
                                                                                 : HiddenWordFind::None;
      ASSERT_EQ(FindHiddenWord(*pattern, word), expected) << clue << " / " << word;
    }
  }
}

TEST(HiddenWordNarrowing, KeepsHiddenWordsAndTheirOwnBackwardsLines) {
  const std::optional<Pattern> pattern = testing_support::Compiled(SearchType::HiddenWord, "de kat eet rood vlees");
  ASSERT_TRUE(pattern.has_value());
  struct Row {
    const char* text;
    bool passes;
    bool backwardsLine;
  };
  for (const Row& row : {
           Row{"KAT", true, false},
           Row{"DOOR", true, false},  // found backwards, but kept as the line it is
           Row{"DOOR <", true, true},
           Row{"TAK <", true, true},
           Row{"ROOD <", false, false},  // ROOD read backwards is not in the clue
           Row{"KAT <", false, false},
           Row{"DOOR  <", false, false},
           Row{"DOOR<", false, false},
           Row{" <", false, false},
           Row{"KAT - X", false, false},
           Row{"KATER", false, false},
       }) {
    const Verdict verdict = pattern->MatchLine(row.text);
    EXPECT_EQ(verdict.matched, row.passes) << row.text;
    EXPECT_EQ(verdict.backwards, row.backwardsLine) << row.text;
  }
}

}  // namespace
}  // namespace kwintel
