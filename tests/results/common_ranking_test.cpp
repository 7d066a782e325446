#include "results/common_ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kwintel {
namespace {

using Offers = std::vector<std::pair<std::string, std::uint64_t>>;

std::vector<std::string> Ranked(std::size_t maximum, const Offers& offers) {
  CommonRanking ranking(maximum);
  for (const auto& [line, count] : offers) ranking.Offer(line, count);
  std::vector<std::string> texts;
  ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t) { texts.emplace_back(text); });
  return texts;
}

struct RankCase {
  const char* name;
  std::size_t maximum;
  Offers offers;
  std::vector<std::string> ranked;
};

class RankingOrder : public testing::TestWithParam<RankCase> {};

TEST_P(RankingOrder, KeepsTheHighestCountsHighestFirst) {
  const RankCase& c = GetParam();
  EXPECT_EQ(Ranked(c.maximum, c.offers), c.ranked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RankingOrder,
    testing::Values(
        RankCase{"FewerThanTheMaximum", 10, {{"AAP", 3}, {"EEN", 90}, {"ZEE", 7}}, {"EEN", "ZEE", "AAP"}},
        RankCase{"TheMaximumCutsTheLowest", 2, {{"AAP", 3}, {"EEN", 90}, {"ZEE", 7}, {"NOT", 1}}, {"EEN", "ZEE"}},
        RankCase{"TiesInTheOrderOffered",
                 10,
                 {{"ZEE", 5}, {"AAP", 5}, {"MUS", 9}, {"BOK", 5}},
                 {"MUS", "ZEE", "AAP", "BOK"}},
        // The later of two equal counts loses the last place, also to one offered before it.
        RankCase{"ATieAtTheCutKeepsTheEarlier", 2, {{"EEN", 9}, {"ZEE", 5}, {"AAP", 5}}, {"EEN", "ZEE"}},
        RankCase{"AHigherCountDisplacesTheEarlier", 2, {{"ZEE", 5}, {"AAP", 5}, {"MUS", 6}}, {"MUS", "ZEE"}},
        RankCase{"UncountedWordsLastInFoundOrder", 4, {{"AAP", 0}, {"EEN", 2}, {"ZEE", 0}}, {"EEN", "AAP", "ZEE"}},
        RankCase{"NoneCounted", 4, {{"ZEE", 0}, {"AAP", 0}}, {"ZEE", "AAP"}},
        RankCase{"MaximumOne", 1, {{"AAP", 1}, {"EEN", 3}, {"ZEE", 3}, {"NOT", 2}}, {"EEN"}},
        RankCase{"MaximumZeroKeepsNothing", 0, {{"AAP", 1}}, {}}, RankCase{"NothingOffered", 5, {}, {}},
        RankCase{"LargestCount", 2, {{"AAP", UINT64_MAX}, {"EEN", UINT64_MAX - 1}, {"ZEE", 1}}, {"AAP", "EEN"}},
        // Below the maximum: counts that differ in their lowest, middle or highest byte only.
        RankCase{"CountsOfEveryWidth",
                 10,
                 {{"MUS", 255},
                  {"ZEE", 256},
                  {"AAP", UINT64_MAX},
                  {"BOK", 256},
                  {"EEN", UINT64_MAX - 1},
                  {"KAT", 0},
                  {"NOT", std::uint64_t{1} << 40},
                  {"DAK", 1}},
                 {"AAP", "EEN", "NOT", "ZEE", "BOK", "MUS", "DAK", "KAT"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommonRankingTest, CountsEveryOfferForTheSummary) {
  CommonRanking ranking(2);
  EXPECT_EQ(ranking.Offered(), 0u);
  for (const char* line : {"AAP", "EEN", "ZEE"}) ranking.Offer(line, 1);
  EXPECT_EQ(ranking.Offered(), 3u);  // more than the maximum: "Maximum: 2"
  std::vector<std::pair<std::string, std::uint64_t>> ranked;
  ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t count) { ranked.emplace_back(text, count); });
  ASSERT_EQ(ranked.size(), 2u);
  EXPECT_EQ(ranked[0].second, 1u);
  // Taken: empty again, with the same maximum, numbering its offers afresh.
  EXPECT_EQ(ranking.Offered(), 0u);
  ranking.Offer("MUS", 4);
  ranking.Offer("BOK", 4);
  ranking.Offer("KAT", 4);
  EXPECT_EQ(ranking.Maximum(), 2u);
  std::vector<std::string> again;
  ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t) { again.emplace_back(text); });
  EXPECT_EQ(again, (std::vector<std::string>{"MUS", "BOK"}));
}

TEST(CommonRankingTest, AReplacedLineLeavesNoBytesOfItsOwn) {
  // The newcomer takes the dropped line's string: a short text after a long one must not keep
  // the long one's tail.
  EXPECT_EQ(Ranked(1, {{"ONGEWOONLIJK LANGE REGEL", 1}, {"AB", 2}}), std::vector<std::string>{"AB"});
}

// Every offer better than the last: each one drops a kept line, so the texts are copied
// together again many times over, and the kept ones must survive that intact.
TEST(CommonRankingTest, KeepsItsTextsThroughManyDrops) {
  Offers offers;
  for (int i = 0; i < 20'000; ++i) offers.emplace_back("REGEL " + std::to_string(i), i);
  EXPECT_EQ(Ranked(3, offers), (std::vector<std::string>{"REGEL 19999", "REGEL 19998", "REGEL 19997"}));
  // Three lines to each count: the earlier of equal counts still first after all the copying.
  for (int i = 0; i < 20'000; ++i) offers[static_cast<std::size_t>(i)].second = static_cast<std::uint64_t>(i / 3);
  EXPECT_EQ(Ranked(5, offers),
            (std::vector<std::string>{"REGEL 19998", "REGEL 19999", "REGEL 19995", "REGEL 19996", "REGEL 19997"}));
}

// A line's length is kept beside its text in one to three bytes: lines at each boundary come
// back whole, when they wait unsorted and when they are sifted, dropped and copied together.
TEST(CommonRankingTest, LinesOfEveryLengthComeBackWhole) {
  Offers offers;
  for (const std::size_t length : {0u, 1u, 127u, 128u, 129u, 16383u, 16384u, 100000u}) {
    offers.emplace_back(std::string(length, static_cast<char>('A' + offers.size())), length);
  }
  std::vector<std::string> expected;
  for (auto offer = offers.rbegin(); offer != offers.rend(); ++offer) expected.push_back(offer->first);
  EXPECT_EQ(Ranked(100, offers), expected);
  // Full at three: every later line drops one, and the long ones outweigh the room.
  EXPECT_EQ(Ranked(3, offers), std::vector<std::string>(expected.begin(), expected.begin() + 3));
}

// The ranking against a stable sort of every offer, with many ties, a third of the words uncounted
// (they wait apart until the ranking is full), and maxima from 1 to more than was offered (the
// lines then never become a heap).
TEST(CommonRankingTest, AgreesWithAStableSortOfEveryOffer) {
  std::mt19937 random(15);
  std::uniform_int_distribution<std::uint64_t> count(0, 60);
  Offers offers;
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t n = count(random);
    offers.emplace_back("W" + std::to_string(i), n < 20 ? 0 : n);
  }
  Offers sorted = offers;
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const std::size_t maximum : {1u, 2u, 7u, 100u, 2999u, 3000u, 15000u}) {
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < std::min(maximum, sorted.size()); ++i) expected.push_back(sorted[i].first);
    EXPECT_EQ(Ranked(maximum, offers), expected) << "maximum " << maximum;
  }
}

}  // namespace
}  // namespace kwintel
