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

#include "engine/counts_check.h"
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

// A file out of order, with words listed twice, against a plain map: rewritten into sorted lines,
// one per word, it must give every word of 1 to 40 bytes its sum, both before and after
// kSearchedLookups look-ups, and the absent ones nothing.
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

// A file as kwintel-mkwords writes it (sorted, each word once) is first searched in its bytes,
// and after kSearchedLookups look-ups in the runs of its words' lengths, from where the previous
// look-up of that length ended. Look-ups in rising order (as a scan finds words), falling, at
// random and of every other word must all find every listed word, the first and last lines and
// bytes of 128 and above included, and no unlisted one.
TEST(WordCountsTest, ASortedFileAnswersInAnyOrderOfLookUps) {
  std::map<std::string, std::uint64_t> listed;
  std::mt19937 random(16);
  std::uniform_int_distribution<int> byte(0x20, 0xFF);
  while (listed.size() < 3'000) {
    std::string word(static_cast<std::size_t>(1 + random() % 4), ' ');
    for (char& c : word) c = static_cast<char>(byte(random));
    listed[word] = random() % 1000;
  }
  std::string contents;
  for (const auto& [word, n] : listed) contents += word + "\t" + std::to_string(n) + "\n";
  contents.pop_back();  // the last line without its line feed
  const WordCounts counts = Parse(contents);
  EXPECT_EQ(counts.Size(), listed.size());
  std::vector<std::pair<std::string, std::uint64_t>> lookUps(listed.begin(), listed.end());
  const auto check = [&](const char* order, std::size_t every) {
    for (std::size_t i = 0; i < lookUps.size(); i += every) {
      const auto& [word, n] = lookUps[i];
      ASSERT_EQ(counts.CountOf(word), n) << order << ": " << word;
      ASSERT_EQ(counts.CountOf(word + "\x01"), 0u) << order << ": " << word;
    }
  };
  static_assert(WordCounts::kSearchedLookups < 2 * 3'000);  // the runs take over in the first round
  check("rising", 1);
  check("every other", 2);
  std::reverse(lookUps.begin(), lookUps.end());
  check("falling", 1);
  std::shuffle(lookUps.begin(), lookUps.end(), random);
  check("random", 1);
  EXPECT_EQ(counts.CountOf(std::string(1, '\x1F')), 0u);  // before the first line
  EXPECT_EQ(counts.CountOf(std::string(8, '\xFF')), 0u);  // longer than any word
}

// Words of a run compare by their first eight bytes as a number, then by the rest: words of 7, 8,
// 9 and 16 bytes that share their first eight, or differ only in the eighth or ninth byte (one of
// 128 and above), looked up after the runs are built.
TEST(WordCountsTest, WordsAlikeInTheirFirstEightBytesAreToldApart) {
  const std::vector<std::string> words = {"ABCDEFG",   "ABCDEFGH",         "ABCDEFG\xC9",
                                          "ABCDEFGHA", "ABCDEFGHB",        "ABCDEFGH\xC9",
                                          "ABCDEFGI",  "ABCDEFGHABCDEFGH", "ABCDEFGHABCDEFGI"};
  std::vector<std::string> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  std::string contents;
  for (std::size_t i = 0; i < sorted.size(); ++i) contents += sorted[i] + "\t" + std::to_string(i + 1) + "\n";
  const WordCounts counts = Parse(contents);
  for (std::size_t i = 0; i < WordCounts::kSearchedLookups; ++i) counts.CountOf("A");
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    EXPECT_EQ(counts.CountOf(sorted[i]), i + 1) << sorted[i];
    EXPECT_EQ(counts.CountOf(sorted[i].substr(0, sorted[i].size() - 1) + "@"), 0u) << sorted[i];
  }
  EXPECT_EQ(counts.CountOf("ABCDEFGHABCDEFGG"), 0u);
}

TEST(WordCountsTest, CountsFileBesideTheWordFiles) {
  EXPECT_EQ(CountsFilePath("/usr/lib/kwintel/opentaal"), "/usr/lib/kwintel/opentaal.FRQ");
  EXPECT_EQ(CountsFilePath("wl"), "wl.FRQ");
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

// A check file that vouches for the bytes lets them be searched unread; one for other bytes (the
// counts file edited after it was made) changes nothing: a word listed twice still adds up.
TEST_F(LoadWordCountsTest, ACheckFileCountsOnlyForTheBytesItVouchesFor) {
  const std::string sorted = "AAP\t12\nEN\t5\nZEE\t3\n";
  const std::string path = folder.Write("ot.FRQ", sorted);
  folder.Write("ot.FRQ.check", CountsCheckLine(sorted, 3));
  const LoadedWordCounts checked = LoadWordCounts(path);
  EXPECT_TRUE(checked.counts.WellFormed());
  EXPECT_EQ(checked.counts.Size(), 3u);
  for (const auto& [word, count] : {std::pair{"AAP", 12u}, {"EN", 5u}, {"ZEE", 3u}, {"NOT", 0u}}) {
    EXPECT_EQ(checked.counts.CountOf(word), count) << word;
  }

  folder.Write("ot.FRQ", "ZEE\t3\nAAP\t12\nZEE\t4\n");
  const LoadedWordCounts edited = LoadWordCounts(path);
  EXPECT_FALSE(edited.counts.WellFormed());
  EXPECT_EQ(edited.counts.CountOf("ZEE"), 7u);
  EXPECT_EQ(edited.counts.CountOf("AAP"), 12u);
}

// Mapped or copied, a file gives the same counts: checked, well-formed, rewritten (which drops the
// mapping) and empty (which cannot be mapped).
TEST_F(LoadWordCountsTest, AMappedFileAnswersAsACopiedOne) {
  const std::string sorted = "AAP\t12\nEN\t5\nZEE\t3\n";
  const std::pair<std::string, std::string> files[] = {
      {sorted, CountsCheckLine(sorted, 3)},
      {sorted, ""},
      {"ZEE\t3\nAAP\t12\nkapot\nZEE\t4\n", ""},
      {"", ""},
  };
  for (const auto& [contents, check] : files) {
    const std::string path = folder.Write("ot.FRQ", contents);
    folder.Write("ot.FRQ.check", check);
    const LoadedWordCounts copied = LoadWordCounts(path, CountsReading::kCopy);
    const LoadedWordCounts mapped = LoadWordCounts(path, CountsReading::kMap);
    ASSERT_EQ(mapped.state, CountsFileState::kRead);
    EXPECT_EQ(mapped.counts.Size(), copied.counts.Size()) << contents;
    for (const char* word : {"AAP", "EN", "ZEE", "NOT"}) {
      EXPECT_EQ(mapped.counts.CountOf(word), copied.counts.CountOf(word)) << contents << word;
    }
  }
  EXPECT_EQ(LoadWordCounts(folder.Path() + "/geen.FRQ", CountsReading::kMap).state, CountsFileState::kMissing);
}

// A check file forged for damaged, unsorted bytes may make counts wrong, but never reads outside
// them, before or after the runs are built, nor takes room for a "word" longer than any can be.
TEST_F(LoadWordCountsTest, AForgedCheckFileCannotLeadOutsideTheBytes) {
  const std::string damaged =
      "ZEE\t3\n" + std::string(WordCounts::kMaxWordLength + 1, 'W') + "\t2\nAAP\t1x\n\ngeen tab\nAB\t";
  const std::string path = folder.Write("ot.FRQ", damaged);
  folder.Write("ot.FRQ.check", CountsCheckLine(damaged, 5));
  const LoadedWordCounts loaded = LoadWordCounts(path);
  for (std::size_t i = 0; i <= WordCounts::kSearchedLookups; ++i) {
    for (const char* word : {"AAP", "ZEE", "AB", "geen tab", "ZZZZZZZZZZZZ"}) loaded.counts.CountOf(word);
  }
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
