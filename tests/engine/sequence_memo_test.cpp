#include "engine/sequence_memo.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kwintel {
namespace {

SequenceMemo::Key KeyOf(std::uint32_t word, std::uint32_t pattern, std::uint32_t variables) {
  return SequenceMemo::Key{word, pattern, variables};
}

TEST(SequenceMemoTest, RemembersEveryPartOfTheKey) {
  SequenceMemo memo;
  const char text[] = "WORD";
  memo.BeginWord(text, text);
  memo.Remember(KeyOf(3, 5, 0x414243), 0x010203);
  std::uint32_t end = 0;
  ASSERT_TRUE(memo.Remembered(KeyOf(3, 5, 0x414243), end));
  EXPECT_EQ(end, 0x010203u);
  EXPECT_FALSE(memo.Remembered(KeyOf(4, 5, 0x414243), end));
  EXPECT_FALSE(memo.Remembered(KeyOf(3, 6, 0x414243), end));
  EXPECT_FALSE(memo.Remembered(KeyOf(3, 5, 0x414244), end));
  EXPECT_FALSE(memo.Remembered(KeyOf(5, 3, 0x414243), end));
}

TEST(SequenceMemoTest, ForgetsEverythingAtTheNextWord) {
  SequenceMemo memo;
  const char text[] = "WORD";
  memo.BeginWord(text, text);
  for (std::uint32_t i = 0; i < 100; ++i) memo.Remember(KeyOf(i, 1, 0), i);
  memo.BeginWord(text, text);
  std::uint32_t end = 0;
  for (std::uint32_t i = 0; i < 100; ++i) EXPECT_FALSE(memo.Remembered(KeyOf(i, 1, 0), end));
  memo.Remember(KeyOf(7, 1, 0), 99);
  ASSERT_TRUE(memo.Remembered(KeyOf(7, 1, 0), end));
  EXPECT_EQ(end, 99u);
}

TEST(SequenceMemoTest, GrowsBeyondItsFirstTableAndKeepsWhatItHeld) {
  SequenceMemo memo;
  const char text[] = "WORD";
  memo.BeginWord(text, text);
  constexpr std::uint32_t kCount = 100'000;
  for (std::uint32_t i = 0; i < kCount; ++i) memo.Remember(KeyOf(i % 1000, i / 1000, i), i * 3);
  std::uint32_t end = 0;
  for (std::uint32_t i = 0; i < kCount; ++i) {
    ASSERT_TRUE(memo.Remembered(KeyOf(i % 1000, i / 1000, i), end)) << i;
    ASSERT_EQ(end, i * 3);
  }
  EXPECT_FALSE(memo.Remembered(KeyOf(0, 0, 1), end));
}

TEST(SequenceMemoTest, AFullTableStopsRememberingButKeepsAnswering) {
  SequenceMemo memo;
  const char text[] = "WORD";
  memo.BeginWord(text, text);
  constexpr std::uint32_t kCount = 3'000'000;  // more than the table may ever hold
  for (std::uint32_t i = 0; i < kCount; ++i) memo.Remember(KeyOf(i, 0, 0), i);
  std::uint32_t end = 0;
  ASSERT_TRUE(memo.Remembered(KeyOf(0, 0, 0), end));
  EXPECT_EQ(end, 0u);
  int remembered = 0;
  for (std::uint32_t i = 0; i < kCount; i += 1000) {
    remembered += memo.Remembered(KeyOf(i, 0, 0), end);
  }
  EXPECT_GT(remembered, 0);
  EXPECT_LT(remembered, static_cast<int>(kCount / 1000));
}

}  // namespace
}  // namespace kwintel
