#include "engine/word_counts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "word_file_fixture.h"

namespace kwintel {
namespace {

WordCounts Parse(std::string_view bytes) {
  return WordCounts::FromContents(std::vector<char>(bytes.begin(), bytes.end()));
}

struct ParseCase {
  const char* name;
  std::string contents;
  std::vector<std::pair<std::string, std::uint64_t>> counts;  // looked up afterwards
  std::size_t damaged;
};

class CountsFileLines : public testing::TestWithParam<ParseCase> {};

TEST_P(CountsFileLines, GiveTheirCountsAndPassOverDamage) {
  const ParseCase& c = GetParam();
  const WordCounts counts = Parse(c.contents);
  for (const auto& [word, count] : c.counts) EXPECT_EQ(counts.CountOf(word), count) << word;
  EXPECT_EQ(counts.DamagedLines(), c.damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CountsFileLines,
    testing::Values(
        ParseCase{"Plain", "AAP\t12\nZEE\t3\n", {{"AAP", 12}, {"ZEE", 3}}, 0},
        ParseCase{"CrLf", "AAP\t12\r\nZEE\t3\r\n", {{"AAP", 12}, {"ZEE", 3}}, 0},
        ParseCase{"LastLineWithoutLineEnd", "AAP\t12\nZEE\t3", {{"ZEE", 3}}, 0},
        ParseCase{
            "Cp1252AndInnerSpace", "CAF\xC9\t7\n1E EXLO\xCBRMOND\t2\n", {{"CAF\xC9", 7}, {"1E EXLO\xCBRMOND", 2}}, 0},
        ParseCase{"LargestCount", "AAP\t18446744073709551615\n", {{"AAP", UINT64_MAX}}, 0},
        ParseCase{"TwiceListedAddsUp", "AAP\t1\nZEE\t5\nAAP\t2\n", {{"AAP", 3}, {"ZEE", 5}}, 0},
        ParseCase{"SumStopsAtTheLargest", "AAP\t18446744073709551615\nAAP\t2\n", {{"AAP", UINT64_MAX}}, 0},
        ParseCase{"SpaceInsteadOfTab", "AAP 12\nZEE\t3\n", {{"AAP", 0}, {"AAP 12", 0}, {"ZEE", 3}}, 1},
        ParseCase{"EmptyWord", "\t5\nZEE\t3\n", {{"ZEE", 3}}, 1},
        ParseCase{"NoCount", "AAP\t\nAAP\nZEE\t3\n", {{"AAP", 0}, {"ZEE", 3}}, 2},
        ParseCase{
            "CountWithOtherCharacters", "AAP\t1x\nNOT\t-1\nEEN\t 4\nZEE\t3\n", {{"AAP", 0}, {"NOT", 0}, {"ZEE", 3}}, 3},
        ParseCase{"CountTooLarge", "AAP\t18446744073709551616\nZEE\t3\n", {{"AAP", 0}, {"ZEE", 3}}, 1},
        ParseCase{"SecondTab", "AAP\t1\t2\nZEE\t3\n", {{"AAP", 0}, {"ZEE", 3}}, 1},
        ParseCase{"EmptyLineInside", "AAP\t1\n\nZEE\t3\n", {{"AAP", 1}, {"ZEE", 3}}, 1},
        ParseCase{"BinaryGarbage", std::string("\0\xFF\t\n\x01\x02", 6), {{"AAP", 0}}, 2},
        ParseCase{"Empty", "", {{"AAP", 0}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordCountsTest, OnlyTheExactBytesOfAListedWordCount) {
  const WordCounts counts = Parse("AAP\t12\nEN\t5\nA\t1\n");
  EXPECT_EQ(counts.Size(), 3u);
  for (const char* other : {"en", "En", "AA", "AAPJE", "AAP ", "", "B"}) EXPECT_EQ(counts.CountOf(other), 0u) << other;
  EXPECT_EQ(counts.CountOf("A"), 1u);
}

TEST(WordCountsTest, AMovedValueStillAnswers) {
  // A file this short would sit inside a std::string's own bytes, which a move copies.
  WordCounts first = Parse("AB\t1\n");
  WordCounts moved = std::move(first);
  WordCounts assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.CountOf("AB"), 1u);
}

// A file out of order, with words listed twice, against a plain map: every word of 1 to 40 bytes
// gets its sum, and the absent ones nothing.
TEST(WordCountsTest, AgreesWithAPlainMapOverManyWords) {
  std::mt19937 random(15);
  std::uniform_int_distribution<int> length(1, 40);
  std::uniform_int_distribution<int> byte(0x20, 0xFF);
  std::uniform_int_distribution<std::uint64_t> count(0, 1'000'000);
  std::map<std::string, std::uint64_t> expected;
  std::vector<std::string> absent;
  std::string contents;
  for (int i = 0; i < 20'000; ++i) {
    std::string word;
    const int size = length(random);
    for (int k = 0; k < size; ++k) word += static_cast<char>(byte(random));
    if (i % 5 == 0) {
      absent.push_back(word);
      continue;
    }
    const std::uint64_t n = count(random);
    expected[word] += n;
    contents += word + "\t" + std::to_string(n) + "\n";
    // Every hundredth word again: listed twice, its counts add up.
    if (i % 100 == 1) {
      expected[word] += 7;
      contents += word + "\t7\n";
    }
  }
  const WordCounts counts = Parse(contents);
  EXPECT_EQ(counts.Size(), expected.size());
  for (const auto& [word, n] : expected) ASSERT_EQ(counts.CountOf(word), n) << word;
  for (const std::string& word : absent) {
    ASSERT_EQ(counts.CountOf(word), expected.count(word) ? expected[word] : 0u) << word;
  }
}

// A cursor answers as the plain look-up does, whatever the order of the words asked: in the
// entries' order with gaps of every size (as a scan asks), the same word twice, and going back.
TEST(WordCountsTest, ACursorAnswersAsThePlainLookUp) {
  std::mt19937 random(21);
  std::uniform_int_distribution<int> length(1, 6);
  std::uniform_int_distribution<int> letter('A', 'F');
  std::string contents;
  std::vector<std::string> asked;
  for (int i = 0; i < 3'000; ++i) {
    std::string word;
    for (int k = length(random); k > 0; --k) word += static_cast<char>(letter(random));
    if (i % 3 != 0) contents += word + "\t" + std::to_string(i + 1) + "\n";
    asked.push_back(word);
  }
  const WordCounts counts = Parse(contents);
  std::sort(asked.begin(), asked.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  for (const int stride : {1, 2, 7, 100, 2'999}) {
    WordCounts::Cursor cursor(counts);
    for (std::size_t i = 0; i < asked.size(); i += static_cast<std::size_t>(stride)) {
      ASSERT_EQ(cursor.CountOf(asked[i]), counts.CountOf(asked[i])) << asked[i] << " stride " << stride;
    }
    for (std::size_t i = asked.size(); i-- > 0;) ASSERT_EQ(cursor.CountOf(asked[i]), counts.CountOf(asked[i]));
  }
  std::shuffle(asked.begin(), asked.end(), random);
  WordCounts::Cursor cursor(counts);
  for (const std::string& word : asked) ASSERT_EQ(cursor.CountOf(word), counts.CountOf(word)) << word;
  EXPECT_EQ(WordCounts::Cursor(WordCounts()).CountOf("A"), 0u);
}

class LoadWordCountsTest : public testing::Test {
 protected:
  testing_support::TempFolder folder;
};

TEST_F(LoadWordCountsTest, APresentFileIsRead) {
  const LoadedWordCounts loaded = LoadWordCounts(folder.Write("ot.FRQ", "AAP\t12\nkapot\nZEE\t3\n"));
  ASSERT_EQ(loaded.state, CountsFileState::kRead);
  EXPECT_EQ(loaded.counts.CountOf("AAP"), 12u);
  EXPECT_EQ(loaded.counts.Size(), 2u);
  EXPECT_EQ(loaded.counts.DamagedLines(), 1u);
}

TEST_F(LoadWordCountsTest, AnEmptyFileIsPresentWithNoWords) {
  const LoadedWordCounts loaded = LoadWordCounts(folder.Write("ot.FRQ", ""));
  EXPECT_EQ(loaded.state, CountsFileState::kRead);
  EXPECT_EQ(loaded.counts.Size(), 0u);
  EXPECT_EQ(loaded.counts.CountOf("AAP"), 0u);
}

TEST_F(LoadWordCountsTest, NoFileMeansNoCounts) {
  for (const std::string& path : {folder.Path() + "/ot.FRQ", folder.Write("gewoon", "x") + "/ot.FRQ"}) {
    const LoadedWordCounts loaded = LoadWordCounts(path);
    EXPECT_EQ(loaded.state, CountsFileState::kMissing) << path;
    EXPECT_EQ(loaded.counts.CountOf("AAP"), 0u);
  }
}

TEST_F(LoadWordCountsTest, WhatCannotBeReadIsToldApartWithItsReason) {
  const std::string folderInItsPlace = folder.Path() + "/map.FRQ";
  ASSERT_EQ(::mkdir(folderInItsPlace.c_str(), 0755), 0);
  // A FIFO nobody writes to would block a plain open for ever.
  const std::string fifo = folder.Path() + "/fifo.FRQ";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  for (const std::string& path : {folderInItsPlace, fifo}) {
    const LoadedWordCounts loaded = LoadWordCounts(path);
    EXPECT_EQ(loaded.state, CountsFileState::kUnreadable) << path;
    EXPECT_FALSE(loaded.failure.empty()) << path;
  }
}

}  // namespace
}  // namespace kwintel
