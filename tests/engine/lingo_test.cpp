// "Lingo": the colour rule with repeated letters, reading guesses, and the words they leave.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "engine/lingo.h"

namespace kwintel {
namespace {

struct ColourRow {
  const char* guess;
  const char* answer;
  const char* colours;
};

TEST(LingoColours, GreensFirstThenOrangesFromTheLeft) {
  for (const ColourRow& row : std::initializer_list<ColourRow>{
           {"KAART", "KAART", "GGGGG"},
           {"KAART", "KOERS", "G..G."},
           {"KAART", "TAART", ".GGGG"},
           {"KAART", "DANST", ".G..G"},  // two A against one: the green one takes it
           {"KAART", "ZEBRA", ".O.G."},  // ... and else the first A, the second stays grey
           {"KOKEN", "BAKEN", "..GGG"},  // a green takes the letter from an earlier place
           {"KAART", "TAPAS", ".GO.O"},  // two A against two: one green, one orange
           {"ROOS", "OOST", ".GOO"},
           {"ERGER", "EERST", "GO.O."},  // the second R finds the answer's one R taken
           {"STAP", "PAPA", "..OO"},     // one of a letter against two
           {"EEEE", "ABCE", "...G"},
           {"AABB", "BBAA", "OOOO"},
           {"KAART", "TAK", "OG..O"},  // an answer of another length: no place past its end is green
       }) {
    EXPECT_EQ(LingoColours(row.guess, row.answer), row.colours) << row.guess << " / " << row.answer;
  }
}

const LingoPattern& Prepared(const std::variant<LingoPattern, std::string>& result) {
  if (const auto* refusal = std::get_if<std::string>(&result)) ADD_FAILURE() << *refusal;
  return std::get<LingoPattern>(result);
}

TEST(PrepareLingo, ReadsTheGuessesBetweenBlanks) {
  const auto result = PrepareLingo("  KAART/G..G.   KOERS/GGGGG ");
  const LingoPattern& pattern = Prepared(result);
  ASSERT_EQ(pattern.guesses().size(), 2u);
  EXPECT_EQ(pattern.guesses()[1].word, "KOERS");
  EXPECT_EQ(pattern.guesses()[1].colours, "GGGGG");
  EXPECT_EQ(pattern.minLength(), 5);
  EXPECT_EQ(pattern.maxLength(), 5);

  const auto longer = PrepareLingo(std::string(22, 'E') + "/" + std::string(22, '.'));
  EXPECT_EQ(Prepared(longer).minLength(), 19);  // the file of 19 letters and more
  EXPECT_EQ(Prepared(longer).maxLength(), 19);
}

struct RefusalRow {
  const char* pattern;
  const char* message;
};

TEST(PrepareLingo, SaysWhyAPatternIsRefused) {
  for (const RefusalRow& row : std::initializer_list<RefusalRow>{
           {"", "Geef een of meer gokken, zoals KAART/G..O."},
           {"KAART", "Kleuren ontbreken bij KAART"},
           {"/G....", "Woord ontbreekt bij /G...."},
           {"KA3RT/G....", "Onbekend teken 3 in KA3RT/G...."},
           {"KAART/G..X.", "Onbekend teken X in KAART/G..X."},
           {"KAART/g....", "Onbekend teken g in KAART/g...."},  // the caller upper-cases
           {"KAART/G...", "Kleuren van KAART: 5 tekens nodig"},
           {"A/G", "Een gok heeft minstens 2 letters"},
           {"KAART/G..G. ROOS/G...", "Alle gokken moeten even lang zijn"},
           {"KAART/G..G. ROOS", "Kleuren ontbreken bij ROOS"},
       }) {
    const auto result = PrepareLingo(row.pattern);
    const auto* refusal = std::get_if<std::string>(&result);
    ASSERT_NE(refusal, nullptr) << row.pattern;
    EXPECT_EQ(*refusal, row.message);
  }
}

struct MatchRow {
  const char* pattern;
  const char* word;
  bool matched;
};

TEST(LingoPattern, KeepsTheWordsThatGiveEveryGuessItsColours) {
  for (const MatchRow& row : std::initializer_list<MatchRow>{
           {"KAART/G..G.", "KOERS", true},
           {"KAART/G..G.", "KAART", false},
           {"KAART/G..G.", "KOERST", false},
           {"KAART/G..G.", "KO-RS", false},  // only words of the letters A-Z
           {"KAART/G..G. KOERS/GGGGG", "KOERS", true},
           {"KAART/G..G. KOERS/G..G.", "KOERS", false},
           {"KAART/GO...", "KLOAK", true},
           {"KAART/G.O..", "KLOAK", false},  // the first A would take the orange
           {"KAART/.O.G.", "ZEBRA", true},
           {"KOKEN/..GGG", "BAKEN", true},
           {"KOKEN/O.GGG", "BAKEN", false},
       }) {
    EXPECT_EQ(Prepared(PrepareLingo(row.pattern)).Match(row.word), row.matched) << row.pattern << " / " << row.word;
  }
}

// Match decides without building the colours; held here to LingoColours on every guess and
// word of four letters from A, B and C, repeated letters in every arrangement.
TEST(LingoPattern, AgreesWithTheColoursOnEveryWordOfASmallAlphabet) {
  std::vector<std::string> words;
  for (int n = 0; n < 81; ++n) {
    std::string word;
    for (int k = n, i = 0; i < 4; ++i, k /= 3) word += static_cast<char>('A' + k % 3);
    words.push_back(word);
  }
  for (const std::string& guess : words) {
    for (const std::string& answer : words) {
      const std::string colours = LingoColours(guess, answer);
      const auto result = PrepareLingo(guess + "/" + colours);
      const LingoPattern& pattern = Prepared(result);
      for (const std::string& word : words) {
        ASSERT_EQ(pattern.Match(word), LingoColours(guess, word) == colours) << guess << "/" << colours << " " << word;
      }
    }
  }
}

}  // namespace
}  // namespace kwintel
