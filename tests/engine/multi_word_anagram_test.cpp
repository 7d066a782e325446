// "Meerwoord": the pattern, the word index fed in word-file order, the enumeration and its
// order, its stops, and the narrowing test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/multi_word_anagram.h"

namespace kwintel {
namespace {

struct PatternRow {
  std::string text;
  std::vector<int> parts;
  int minLength;
  int maxLength;
};

TEST(PrepareMultiWordAnagram, ReadsLettersAndEnumerationAndTheLengthsToRead) {
  const std::string sixty(60, 'E');
  const std::string forty(40, 'E');
  const std::string fortyFour(44, 'E');
  const PatternRow rows[] = {
      {"KRUISWOORDPUZZEL", {}, 2, 14},
      {"KRUISWOORDPUZZEL 5,5,6", {5, 5, 6}, 5, 6},
      {"kruiswoord 5,5", {5, 5}, 5, 5},
      {"ABCD 2,2", {2, 2}, 2, 2},
      {"AB", {}, 2, 2},  // too short for two words: searches, finds nothing
      {sixty, {}, 2, 19},
      {forty + " 20,20", {20, 20}, 19, 19},
      {forty + " 2,18,20", {2, 18, 20}, 2, 19},
      {"ABCDEFGH 2,2,2,2", {2, 2, 2, 2}, 2, 2},
  };
  for (const PatternRow& row : rows) {
    SCOPED_TRACE(row.text);
    const auto pattern = PrepareMultiWordAnagram(row.text);
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->parts, row.parts);
    EXPECT_EQ(pattern->minLength, row.minLength);
    EXPECT_EQ(pattern->maxLength, row.maxLength);
  }
}

TEST(PrepareMultiWordAnagram, RefusesAnythingElse) {
  const std::string sixtyOne(61, 'E');
  const char* const refused[] = {
      "",
      "A",
      sixtyOne.c_str(),
      "KRUIS1",
      "KRUISÉ",
      "KRUIS-T",
      "KRUIS ",
      "KRUIS 5",
      "KRUIS 2,2",
      "KRUIS 2,4",
      "KRUIS  2,3",
      "KRUIS 2,3 ",
      "KRUIS 2;3",
      "KRUIS 2,,3",
      "KRUIS ,2,3",
      "KRUIS 2,3,",
      "KRUIS +2,3",
      "KRUIS 1,4",
      "KRUIS 0,5",
      "ABCDEFGHIJ 2,2,2,2,2",
      "KRUIS 99999999999999999999,3",
      "KRUIS WOORD",
      " KRUIS",
  };
  for (const char* text : refused) {
    EXPECT_FALSE(PrepareMultiWordAnagram(text).has_value()) << text;
  }
}

TEST(MultiWordPattern, ReadsOnlyTheLengthsAResultCanUse) {
  const auto pairs = PrepareMultiWordAnagram("KRUISWOORDPUZZEL");
  const auto parts = PrepareMultiWordAnagram("PUZZELWOORDENBOEK 4,4,9");
  const auto longParts = PrepareMultiWordAnagram(std::string(44, 'E') + " 2,20,22");
  const auto tooShort = PrepareMultiWordAnagram("ABC");
  for (int length = 2; length <= 19; ++length) {
    SCOPED_TRACE(length);
    EXPECT_EQ(pairs->ReadsLength(length), length <= 14);
    EXPECT_EQ(parts->ReadsLength(length), length == 4 || length == 9);
    EXPECT_EQ(longParts->ReadsLength(length), length == 2 || length == 19);
    EXPECT_FALSE(tooShort->ReadsLength(length));
  }
}

// The lines of a whole enumeration over `words`, offered in that order.
std::vector<std::string> Lines(const char* patternText, const std::vector<std::string>& words) {
  const auto pattern = PrepareMultiWordAnagram(patternText);
  EXPECT_TRUE(pattern.has_value()) << patternText;
  if (!pattern) return {};
  MultiWordIndex index(*pattern);
  for (const std::string& word : words) index.Add(word);
  std::vector<std::string> lines;
  const EnumerationEnd end = index.Enumerate(
      [&](std::string_view line) {
        lines.emplace_back(line);
        return Flow::Continue;
      },
      [] { return Flow::Continue; });
  EXPECT_EQ(end, EnumerationEnd::Finished);
  return lines;
}

using Lines_ = std::vector<std::string>;

TEST(MultiWordIndex, PairsShorterWordFirstInTheOrderOfTheirPlaces) {
  // ROOS comes first, so it leads every second place; KAT before TAK as first word.
  EXPECT_EQ(Lines("KATROOS", {"ROOS", "KAT", "ROOS", "TAK", "SOOR"}),
            (Lines_{"KAT ROOS", "KAT SOOR", "TAK ROOS", "TAK SOOR"}));
}

TEST(MultiWordIndex, PairsOfOneLengthInByteOrderAndAWordMayComeTwice) {
  EXPECT_EQ(Lines("ABBA", {"BA", "AB"}), (Lines_{"BA BA", "AB BA", "AB AB"}));
  EXPECT_EQ(Lines("KOEKOE", {"KOE"}), (Lines_{"KOE KOE"}));
}

TEST(MultiWordIndex, KeepsOnlyPlainWordsOfUsableLengthsWithinTheLetters) {
  EXPECT_EQ(
      Lines("KATROOS", {"ROO S", "ROOS-", "K'AT", "roos", "KAT", "ROOSÉ", "ROOSS", "KATROOS", "KA", "TROOS", "ROOS"}),
      (Lines_{"KAT ROOS", "KA TROOS"}));
  // The first place of a repeated word counts: here SOOR comes before ROOS.
  EXPECT_EQ(Lines("KATROOS", {"SOOR", "KAT", "ROOS", "SOOR"}), (Lines_{"KAT SOOR", "KAT ROOS"}));
}

TEST(MultiWordIndex, EnumerationGivesTheLengthsInTheirOrder) {
  const std::vector<std::string> words = {"ROOS", "KAT", "TAK", "SOOR", "KATROOS"};
  EXPECT_EQ(Lines("KATROOS 3,4", words), (Lines_{"KAT ROOS", "KAT SOOR", "TAK ROOS", "TAK SOOR"}));
  EXPECT_EQ(Lines("KATROOS 4,3", words), (Lines_{"ROOS KAT", "ROOS TAK", "SOOR KAT", "SOOR TAK"}));
  EXPECT_EQ(Lines("KRUISWOORD 5,5", {"WOORD", "KRUIS"}), (Lines_{"WOORD KRUIS", "KRUIS WOORD"}));
}

TEST(MultiWordIndex, EnumerationOfThreeAndFourParts) {
  EXPECT_EQ(Lines("KRUISWOORDPUZZEL 5,5,6", {"KRUIS", "RIKUS", "WOORD", "PUZZEL", "ZULKS"}),
            (Lines_{"KRUIS WOORD PUZZEL", "RIKUS WOORD PUZZEL", "WOORD KRUIS PUZZEL", "WOORD RIKUS PUZZEL"}));
  // A letter is used as often as LETTERS holds it, never more.
  EXPECT_EQ(Lines("KRUISWOORDPUZZEL 5,5,6", {"KRUIS", "PUZZEL"}), Lines_{});
  // BA or AB in every part (16), one AA and one BB among them (48), or two of each (6).
  const Lines_ four = Lines("ABABABAB 2,2,2,2", {"BA", "AB", "AA", "BB"});
  ASSERT_EQ(four.size(), 16u + 48u + 6u);
  EXPECT_EQ(four.front(), "BA BA BA BA");
  EXPECT_EQ(four[1], "BA BA BA AB");
  EXPECT_EQ(four.back(), "BB BB AA AA");
}

TEST(MultiWordIndex, StopsWhenALineAsksIt) {
  const auto pattern = PrepareMultiWordAnagram("KATROOS");
  MultiWordIndex index(*pattern);
  for (const char* word : {"KAT", "TAK", "ROOS", "SOOR"}) index.Add(word);
  std::vector<std::string> lines;
  const EnumerationEnd end = index.Enumerate(
      [&](std::string_view line) {
        lines.emplace_back(line);
        return lines.size() == 3 ? Flow::Stop : Flow::Continue;
      },
      [] { return Flow::Continue; });
  EXPECT_EQ(end, EnumerationEnd::StoppedByResult);
  EXPECT_EQ(lines, (Lines_{"KAT ROOS", "KAT SOOR", "TAK ROOS"}));
}

TEST(MultiWordIndex, AHugeEnumerationPumpsAndStopsWhenThePumpAsks) {
  // Every word of 15 letters A and B fits 30 A and 30 B: some 10^16 sequences of four. The
  // words of one letter multiset are many here, which a repeat test per word must not make slow.
  const auto pattern = PrepareMultiWordAnagram(std::string(30, 'A') + std::string(30, 'B') + " 15,15,15,15");
  ASSERT_TRUE(pattern.has_value());
  MultiWordIndex index(*pattern);
  for (unsigned bits = 0; bits < (1u << 15); ++bits) {
    std::string word;
    for (int i = 0; i < 15; ++i) word.push_back((bits >> i) & 1 ? 'B' : 'A');
    index.Add(word);
  }
  ASSERT_EQ(index.WordCount(), 1u << 15);
  int pumps = 0;
  std::size_t lines = 0;
  const EnumerationEnd end = index.Enumerate(
      [&](std::string_view) {
        ++lines;
        return Flow::Continue;
      },
      [&] { return ++pumps == 3 ? Flow::Stop : Flow::Continue; });
  EXPECT_EQ(end, EnumerationEnd::StoppedByPump);
  EXPECT_EQ(pumps, 3);
  EXPECT_LT(lines, 3 * MultiWordIndex::kStepsPerPump);
}

struct NarrowRow {
  const char* text;
  bool passes;
};

TEST(PassesMultiWordNarrowing, LettersExactlyAndWithAnEnumerationThePartsInOrder) {
  const auto free = PrepareMultiWordAnagram("KRUISWOORDPUZZEL");
  for (const NarrowRow& row : std::initializer_list<NarrowRow>{
           {"KRUIS WOORDPUZZEL", true},
           {"PUZZEL KRUISWOORD", true},
           {"KRUISWOORDPUZZEL", true},
           {"KRUIS WOORD PUZZEL", true},
           {"KRUIS WOORDPUZZE", false},
           {"KRUIS WOORDPUZZELS", false},
           {"KRUIS-WOORDPUZZEL", false},
           {"kruis woordpuzzel", false},
       }) {
    EXPECT_EQ(PassesMultiWordNarrowing(*free, row.text), row.passes) << row.text;
  }
  const auto parts = PrepareMultiWordAnagram("KRUISWOORDPUZZEL 5,5,6");
  for (const NarrowRow& row : std::initializer_list<NarrowRow>{
           {"KRUIS WOORD PUZZEL", true},
           {"WOORD KRUIS PUZZEL", true},
           {"PUZZEL KRUIS WOORD", false},
           {"KRUIS WOORDPUZZEL", false},
           {"KRUIS  WOORD PUZZEL", false},
           {"KRUIS WOORD PUZZEL ", false},
           {" KRUIS WOORD PUZZEL", false},
           {"KRUIS WOORD PUZZEL X", false},
           {"KRUIS WOORD PUZZLE", true},
           {"KRUIS WOORD PUZZEE", false},
       }) {
    EXPECT_EQ(PassesMultiWordNarrowing(*parts, row.text), row.passes) << row.text;
  }
}

}  // namespace
}  // namespace kwintel
