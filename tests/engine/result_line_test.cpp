// How a found word becomes a result line.

#include "engine/result_line.h"

#include <gtest/gtest.h>

namespace kwintel {
namespace {

struct DecorationRow {
  SearchType type;
  const char* remainder;
  char missingLetter;
  int upperCase;
  const char* line;
};

TEST(BuildResultLine, DecoratesByTypeAndConvertsTheWholeLine) {
  const DecorationRow rows[] = {
      {SearchType::Anagram, "TER", 0, 1, "ROOSTER - TER"},
      {SearchType::Subset, "T", 0, 1, "ROOSTER + T"},
      {SearchType::AnagramMinusOne, "KT", 'S', 1, "ROOSTER - KT + ST"},
      {SearchType::Anagram, "", 0, 1, "ROOSTER"},
      {SearchType::Sequence, "TER", 0, 1, "ROOSTER"},  // a remainder decorates no other type
      {SearchType::Telephone, "TER", 0, 1, "ROOSTER"},
      {SearchType::Anagram, "TER", 0, 0, "rooster - ter"},
      {SearchType::AnagramMinusOne, "K", 'S', 0, "rooster - k + s"},
  };
  for (const DecorationRow& row : rows) {
    SCOPED_TRACE(row.line);
    Verdict verdict;
    verdict.matched = true;
    verdict.remainder = row.remainder;
    verdict.missingLetter = row.missingLetter;
    std::string line = "left over from the last line, longer than this one";
    BuildResultLine(row.type, "ROOSTER", verdict, row.upperCase != 0, line);
    EXPECT_EQ(line, row.line);
  }
  Verdict backwards;
  backwards.matched = backwards.backwards = true;
  std::string line;
  BuildResultLine(SearchType::HiddenWord, "DOOR", backwards, false, line);
  EXPECT_EQ(line, "door <");
  BuildResultLine(SearchType::Sequence, "CAF\xC9", Verdict{}, true, line);
  EXPECT_EQ(line, "CAF\xC9") << "only ASCII letters change case";
}

TEST(ShownLength, CountsTheLettersOfAMultiWordLine) {
  EXPECT_EQ(ShownLength(SearchType::MultiWordAnagram, "KRUIS WOORD PUZZEL"), 16);
  EXPECT_EQ(ShownLength(SearchType::Sequence, "DE KAT"), 6);
}

}  // namespace
}  // namespace kwintel
