#include "mkwords/word_list_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kwintel {
namespace {

struct LineCase {
  const char* name;
  std::string line;    // UTF-8, as in the list
  int length;          // file it must land in; 0: not stored
  std::string stored;  // Windows-1252 bytes
};

class StoredWord : public testing::TestWithParam<LineCase> {};

TEST_P(StoredWord, LandsInItsFileAsCapitals) {
  const LineCase& c = GetParam();
  WordListBuilder builder;
  builder.AddLine(c.line);
  const WordLists set = builder.Finish();
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    if (length == c.length) {
      ASSERT_EQ(set.ForLength(length).size(), 1u) << "length " << length;
      EXPECT_EQ(set.ForLength(length)[0], c.stored);
    } else {
      EXPECT_TRUE(set.ForLength(length).empty()) << "length " << length;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Conversion, StoredWord,
                         testing::Values(LineCase{"Plain", "roos", 4, "ROOS"}, LineCase{"CrLf", "roos\r\n", 4, "ROOS"},
                                         LineCase{"AccentedSmallBecomesCapital", "caf\xC3\xA9", 4, "CAF\xC9"},
                                         LineCase{"OeLigatureInTheHighControls", "\xC5\x93uvre", 5, "\x8CUVRE"},
                                         LineCase{"SharpSStays",
                                                  "stra\xC3\x9F"
                                                  "e",
                                                  6,
                                                  "STRA\xDF"
                                                  "E"},
                                         LineCase{"InnerSpaceKept", "1e Exlo\xC3\xABrmond", 13, "1E EXLO\xCBRMOND"},
                                         LineCase{"EuroSign",
                                                  "\xE2\x82\xAC"
                                                  "10-biljet",
                                                  10,
                                                  "\x80"
                                                  "10-BILJET"},
                                         LineCase{"TwoCharacters", "ai", 2, "AI"},
                                         LineCase{"NineteenInNineteen", std::string(19, 'x'), 19, std::string(19, 'X')},
                                         LineCase{"LongerInNineteen", std::string(20, 'x'), 19, std::string(20, 'X')},
                                         LineCase{"NinetySevenFits", std::string(97, 'a'), 19, std::string(97, 'A')},
                                         // Two UTF-8 bytes but one Windows-1252 character: counted after conversion.
                                         LineCase{"LengthCountsConvertedCharacters", "\xC3\xA9\xC3\xA9n", 3,
                                                  "\xC9\xC9N"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SkipCase {
  const char* name;
  std::string line;
  int WordLists::*counter;
};

class DroppedWord : public testing::TestWithParam<SkipCase> {};

TEST_P(DroppedWord, IsCountedAndNotStored) {
  WordListBuilder builder;
  builder.AddLine(GetParam().line);
  const WordLists set = builder.Finish();
  for (const auto& words : set.words) EXPECT_TRUE(words.empty());
  EXPECT_EQ(set.*(GetParam().counter), 1);
}

INSTANTIATE_TEST_SUITE_P(Refusals, DroppedWord,
                         testing::Values(SkipCase{"Empty", "", &WordLists::tooShort},
                                         SkipCase{"OneLetter", "a", &WordLists::tooShort},
                                         SkipCase{"OneAccentedLetter", "\xC3\xA9\r\n", &WordLists::tooShort},
                                         SkipCase{"SubscriptTwo", "CO\xE2\x82\x82", &WordLists::noCp1252Form},
                                         SkipCase{"NotUtf8", "caf\xE9", &WordLists::noCp1252Form},
                                         SkipCase{"Tab", "a\tb", &WordLists::controlCharacter},
                                         SkipCase{"CarriageReturnInside", "ab\rcd", &WordLists::controlCharacter},
                                         SkipCase{"NinetyEight", std::string(98, 'a'), &WordLists::tooLong}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WordFileSetTest, SortsByByteValueAndDropsDuplicatesAfterCapitals) {
  std::istringstream list("\xEF\xBB\xBFzee\nroos\nRoos\nROOS\n\xC3\xA9\xC3\xA9n\naap\nab\nAAP\nzzz\n");
  const WordLists set = BuildWordLists(list);
  EXPECT_EQ(set.ForLength(3), (std::vector<std::string>{"AAP", "ZEE", "ZZZ", "\xC9\xC9N"}));  // 0xC9 after Z
  EXPECT_EQ(set.ForLength(4), std::vector<std::string>{"ROOS"});
  EXPECT_EQ(set.ForLength(2), std::vector<std::string>{"AB"});
  EXPECT_EQ(set.duplicates, 3);
  EXPECT_EQ(set.Skipped(), 0);  // the byte-order mark is not part of "zee"
}

TEST(WordFileSetTest, LastLineWithoutLineEndIsKept) {
  std::istringstream list("kat\r\nroos");
  const WordLists set = BuildWordLists(list);
  EXPECT_EQ(set.ForLength(3), std::vector<std::string>{"KAT"});
  EXPECT_EQ(set.ForLength(4), std::vector<std::string>{"ROOS"});
}

TEST(WordListsTest, FileContents) {
  EXPECT_EQ(WordFileContents({"AAP", "ZEE"}), "AAP\nZEE\n");
  EXPECT_EQ(WordFileContents({}), "");
}

}  // namespace
}  // namespace kwintel
