// Compile: what each type's preparation refuses, the lengths it reads and the text it leaves for
// the matchers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "engine/keypad_digits.h"
#include "engine/matchers.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

using testing_support::Compiled;
using testing_support::PreparedText;

// One pattern of one type: refused (no lengths), or accepted with its lengths and the text the
// matchers will receive.
struct Row {
  SearchType type;
  std::string pattern;
  bool accepted;
  int minLength = 0;
  int maxLength = 0;
  std::optional<std::string> prepared = std::nullopt;  // unchanged text when absent
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << "type " << static_cast<int>(row.type) << " «" << row.pattern << "»";
}

Row Accept(SearchType type, std::string pattern, int minLength, int maxLength,
           std::optional<std::string> prepared = std::nullopt) {
  return Row{type, std::move(pattern), true, minLength, maxLength, std::move(prepared)};
}
Row Refuse(SearchType type, std::string pattern) { return Row{type, std::move(pattern), false}; }

class CompileTest : public testing::TestWithParam<Row> {};

TEST_P(CompileTest, GivesLengthsAndText) {
  const Row& row = GetParam();
  const std::optional<Pattern> pattern = Compiled(row.type, row.pattern);
  ASSERT_EQ(pattern.has_value(), row.accepted);
  if (!row.accepted) return;
  EXPECT_EQ(pattern->MinLength(), row.minLength);
  EXPECT_EQ(pattern->MaxLength(), row.maxLength);
  // The types whose matchers read the text; the others keep what they worked out of it.
  const SearchType withText[] = {SearchType::Sequence, SearchType::Anagram, SearchType::Subset,
                                 SearchType::AnagramMinusOne, SearchType::Telephone};
  if (std::find(std::begin(withText), std::end(withText), row.type) != std::end(withText)) {
    EXPECT_EQ(PreparedText(*pattern), row.prepared.value_or(row.pattern));
  }
}

using T = SearchType;

INSTANTIATE_TEST_SUITE_P(
    SequencePositions, CompileTest,
    testing::Values(Accept(T::Sequence, "R..S", 4, 4), Accept(T::Sequence, "A", 2, 2),  // one position is raised to two
                    Accept(T::Sequence, "[AEIOU]/", 2, 2),                              // a class is one position
                    Accept(T::Sequence, "{RK}OOS", 4, 4), Accept(T::Sequence, "A@B", 3, 3),
                    Accept(T::Sequence, "?\\/X", 4, 4),
                    Accept(T::Sequence, "[@X]", 2, 2),  // '@' listed in a class adds nothing
                    Accept(T::Sequence, "[]", 2, 2), Accept(T::Sequence, "-AB", 2, 2),  // the negation has no position
                    Accept(T::Sequence, "ABCDEFGHIJKLMNOPQRSTUVWXY", 19, 19), Accept(T::Sequence, "A\xC9\x01", 3, 3)));

INSTANTIATE_TEST_SUITE_P(
    SequenceRuns, CompileTest,
    testing::Values(Accept(T::Sequence, "A*B", 2, 19), Accept(T::Sequence, "A*B*", 2, 19),
                    Accept(T::Sequence, "*EN", 2, 19), Accept(T::Sequence, "-*E*", 2, 19),
                    Accept(T::Sequence, "ABCDEFGHIJKLMNOPQRSTU*", 19, 19),
                    // After a blank: the length of a pattern with a run; ignored without one.
                    Accept(T::Sequence, "A*B 7", 7, 7, "A*B"), Accept(T::Sequence, "A*B   7X", 7, 7, "A*B"),
                    Accept(T::Sequence, "A*B 1", 2, 2, "A*B"), Accept(T::Sequence, "A*B 40", 19, 19, "A*B"),
                    Accept(T::Sequence, "A*B 99999999999999999999", 19, 19, "A*B"),
                    Accept(T::Sequence, "AB 7", 2, 2, "AB"), Accept(T::Sequence, "AB X", 2, 2, "AB"),
                    Accept(T::Sequence, "R..S [*'", 4, 4, "R..S"),  // the rest is not checked
                    Refuse(T::Sequence, "A*B X"),                   // reads as 0
                    Refuse(T::Sequence, "A*B -3"), Refuse(T::Sequence, "A*B -99999999999999999999"),
                    Refuse(T::Sequence, "A*B "), Refuse(T::Sequence, "*"), Refuse(T::Sequence, "-*"),
                    Refuse(T::Sequence, "A**B"), Refuse(T::Sequence, "**")));

INSTANTIATE_TEST_SUITE_P(
    SequenceRefusals, CompileTest,
    testing::Values(Refuse(T::Sequence, ""), Refuse(T::Sequence, "-"), Refuse(T::Sequence, " AB"),  // cut to nothing
                    Refuse(T::Sequence, "[AB"), Refuse(T::Sequence, "{AB"),
                    Refuse(T::Sequence, "[A B]"),  // the blank cuts inside the class
                    Refuse(T::Sequence, "AB]"), Refuse(T::Sequence, "AB}"), Refuse(T::Sequence, "{A]"),
                    Refuse(T::Sequence, "[A}"), Refuse(T::Sequence, "[A[B]]"), Refuse(T::Sequence, "[A{B}]"),
                    Refuse(T::Sequence, "{A[B]}"), Refuse(T::Sequence, "[A.]"), Refuse(T::Sequence, "[A?]"),
                    Refuse(T::Sequence, "[A/]"), Refuse(T::Sequence, "{A\\}"), Refuse(T::Sequence, "[A*]"),
                    Refuse(T::Sequence, "[-A]"), Refuse(T::Sequence, "A-B"), Refuse(T::Sequence, "--A"),
                    Refuse(T::Sequence, "AB-")));

INSTANTIATE_TEST_SUITE_P(SequenceLetterVariables, CompileTest,
                         testing::Values(Accept(T::Sequence, "&.&", 3, 3, "'.&"),
                                         Accept(T::Sequence, "&$^^$&", 6, 6, "'%_^$&"),
                                         Accept(T::Sequence, "$$$", 3, 3, "%$$"),
                                         Accept(T::Sequence, "*&$", 2, 19, "*'%"),
                                         Accept(T::Sequence, "-&&", 2, 2, "-'&"),
                                         // The binding marks typed by the user would bind by surprise.
                                         Refuse(T::Sequence, "A'B"), Refuse(T::Sequence, "50%"),
                                         Refuse(T::Sequence, "A_B"), Refuse(T::Sequence, "[_A]"),
                                         Accept(T::Sequence, "AB '", 2, 2, "AB")));  // after the cut they are gone

INSTANTIATE_TEST_SUITE_P(
    LetterTypes, CompileTest,
    testing::Values(Accept(T::Anagram, "ABC", 3, 19), Accept(T::Anagram, "AB-CDE", 2, 19),
                    Accept(T::Anagram, "ABCD-E", 4, 19), Accept(T::Anagram, "A", 2, 19),
                    Accept(T::Anagram, "-ABC", 2, 19), Accept(T::Anagram, "ABCDEFGHIJKLMNOPQRSTUV", 19, 19),
                    Accept(T::Set, "X", 2, 19), Accept(T::Set, "ABCDEFGHIJKLMNOPQRSTUV", 2, 19),
                    Accept(T::Subset, "ABCDE", 2, 5), Accept(T::Subset, "A", 2, 2),
                    Accept(T::Subset, "ABCDEFGHIJKLMNOPQRSTUV", 2, 19), Accept(T::AnagramMinusOne, "ABCDE", 5, 5),
                    Accept(T::AnagramMinusOne, "AB", 2, 2),
                    Accept(T::AnagramMinusOne, "ABCDEFGHIJKLMNOPQRSTUV", 19, 19), Refuse(T::AnagramMinusOne, "A"),
                    Refuse(T::Anagram, ""), Refuse(T::Set, ""), Refuse(T::Subset, ""), Refuse(T::AnagramMinusOne, "")));

INSTANTIATE_TEST_SUITE_P(Frequency, CompileTest,
                         testing::Values(Accept(T::Frequency, "2211", 6, 6), Accept(T::Frequency, "21*", 3, 19),
                                         Accept(T::Frequency, "*11", 2, 19), Accept(T::Frequency, "11", 2, 2),
                                         Accept(T::Frequency, "99999", 19, 19),
                                         Accept(T::Frequency, "22 X", 4, 4),  // reading stops at the blank
                                         Accept(T::Frequency,
                                                "2\x80"
                                                "9",
                                                2, 2),  // and at a byte of 128 or above
                                         Accept(T::Frequency,
                                                "3\x01"
                                                "9",
                                                3, 3),  // and at a control byte
                                         Refuse(T::Frequency, "1"), Refuse(T::Frequency, "*"),
                                         Refuse(T::Frequency, "1*"), Refuse(T::Frequency, "20"),
                                         Refuse(T::Frequency, "2A"), Refuse(T::Frequency, "2\x7F"),
                                         Refuse(T::Frequency, " 22"),
                                         Refuse(T::Frequency,
                                                "\x80"
                                                "22"),
                                         Refuse(T::Frequency, "")));

INSTANTIATE_TEST_SUITE_P(Stack, CompileTest,
                         testing::Values(Accept(T::Stack, "ABC 5", 5, 19), Accept(T::Stack, "ABC 1", 2, 19),
                                         Accept(T::Stack, "ABC 40", 19, 19), Accept(T::Stack, "ABC  +3", 3, 19),
                                         Accept(T::Stack, " 5", 5, 19),
                                         Refuse(T::Stack, "AB\xC9 4"),  // the number is read right after "AB"
                                         Accept(T::Stack, "BCDFGHJKLMNPQRSTVWXZ 4", 4, 19),
                                         Accept(T::Stack, "ABC 99999999999999999999", 19, 19), Refuse(T::Stack, "ABC"),
                                         Refuse(T::Stack, "ABC 0"), Refuse(T::Stack, "ABC -2"),
                                         Refuse(T::Stack, "ABC X"),
                                         Refuse(T::Stack, "ABC5"),  // the digit belongs to the leading group
                                         Refuse(T::Stack, "ABC -99999999999999999999"), Refuse(T::Stack, "")));

INSTANTIATE_TEST_SUITE_P(
    Telephone, CompileTest,
    testing::Values(Accept(T::Telephone, "HALLO", 5, 5, "42556"), Accept(T::Telephone, "ROOS", 4, 4, "7667"),
                    Accept(T::Telephone, "7667", 4, 4),
                    Accept(T::Telephone, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 19, 19, "22233344455566677778889999"),
                    Accept(T::Telephone, "R6O7", 4, 4, "7667"), Refuse(T::Telephone, "H1"), Refuse(T::Telephone, "A"),
                    Refuse(T::Telephone, "20"), Refuse(T::Telephone, "AB CD"),
                    Accept(T::Telephone, "ab", 2, 2, "22"),  // typed letters are upper-cased
                    Refuse(T::Telephone, "A-B"), Refuse(T::Telephone, "A\xC9"), Refuse(T::Telephone, "")));

INSTANTIATE_TEST_SUITE_P(ProductAndSumLengths, CompileTest,
                         testing::Values(Accept(T::Product, "120", 2, 19), Accept(T::Product, "120 5 5", 5, 19),
                                         Accept(T::Product, "120 5 8", 5, 8), Accept(T::Product, "120 8 5", 8, 19),
                                         Accept(T::Product, "120 5 25", 5, 19), Accept(T::Product, "120 0 4", 2, 4),
                                         Accept(T::Product, "120 -3 4", 2, 4), Accept(T::Product, "120 1", 2, 19),
                                         Accept(T::Product, "120 30", 19, 19),
                                         Accept(T::Product, "120 99999999999 3", 19, 19),
                                         Accept(T::Product, "ABC 3 4", 3, 4), Accept(T::Sum, "ZZ 4", 4, 19),
                                         Accept(T::Sum, "ZZ4 6", 4, 6), Accept(T::Sum, "32 X 5", 2, 19),
                                         Accept(T::Sum, "abc 3", 3, 19, "ABC 3"),  // the letters are upper-cased
                                         Accept(T::Product, "  kat", 2, 19, "  KAT"),
                                         // The number takes its point: the length after it is read.
                                         Accept(T::Sum, "46. 5", 5, 19), Accept(T::Product, "12.e1 4", 4, 19),
                                         Refuse(T::Product, ""), Refuse(T::Sum, "")));

class FirstNulTest : public testing::TestWithParam<SearchType> {};

TEST_P(FirstNulTest, TextEndsAtItsFirstNul) {
  // The matchers read up to the first NUL, so preparation judges that same text.
  EXPECT_FALSE(Compiled(GetParam(), std::string("\0ABC 5", 6)).has_value());
}

TEST_P(FirstNulTest, HandlesVeryLongTexts) {
  // The dialog refuses more than 299 characters, but preparation must stay inside any text.
  for (const char fill : {'A', '9', '*', '[', ' ', '&', '-', '\xC9'}) {
    if (const std::optional<Pattern> pattern = Compiled(GetParam(), std::string(200'000, fill))) {
      EXPECT_GE(pattern->MinLength(), kMinWordLength);
      EXPECT_LE(pattern->MaxLength(), kMaxWordLength);
      EXPECT_LE(pattern->MinLength(), pattern->MaxLength());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryType, FirstNulTest,
                         testing::Values(T::Sequence, T::Anagram, T::Set, T::Subset, T::Frequency, T::Stack, T::Product,
                                         T::Sum, T::AnagramMinusOne, T::Telephone, T::MultiWordAnagram, T::HiddenWord,
                                         T::Misprint));

TEST(CompileTest, RefusesAValueThatIsNoSearchTypeWithTheTextAsTyped) {
  for (const int value : {19, -1}) {
    const auto compiled = Compile(static_cast<SearchType>(value), "abc");
    ASSERT_TRUE(std::holds_alternative<Refusal>(compiled));
    EXPECT_EQ(std::get<Refusal>(compiled).message, "abc");
  }
}

// ---- Product and Sum targets ----

struct TargetRow {
  SearchType type;
  std::string pattern;
  bool accepted;
  std::int64_t target;
};

std::ostream& operator<<(std::ostream& out, const TargetRow& row) {
  return out << "type " << static_cast<int>(row.type) << " «" << row.pattern << "»";
}

class TargetTest : public testing::TestWithParam<TargetRow> {};

TEST_P(TargetTest, HoldsTheTarget) {
  const TargetRow& row = GetParam();
  const std::optional<Pattern> pattern = Compiled(row.type, row.pattern);
  ASSERT_EQ(pattern.has_value(), row.accepted);
  if (row.accepted) {
    EXPECT_EQ(pattern->TargetText(), std::to_string(row.target));
  }
}

// 26^14 in 64-bit wrap-around arithmetic.
std::int64_t WrappedPowerOf26(int exponent) {
  std::uint64_t value = 1;
  for (int i = 0; i < exponent; ++i) value *= 26;
  return static_cast<std::int64_t>(value);
}

INSTANTIATE_TEST_SUITE_P(
    NumberForm, TargetTest,
    testing::Values(
        TargetRow{T::Product, "120", true, 120}, TargetRow{T::Product, "58", false, 0},  // 2 x 29
        TargetRow{T::Product, "29", false, 0}, TargetRow{T::Product, "23", true, 23},
        TargetRow{T::Product, "1", true, 1},
        TargetRow{T::Product, "-6", false, 0},  // as unsigned it has a large factor
        TargetRow{T::Product, "12.9", true, 12}, TargetRow{T::Product, "1.2E1", true, 12},
        TargetRow{T::Product, "1E2", true, 100},
        TargetRow{T::Product, "4611686018427387904", true, 4611686018427387904}, TargetRow{T::Product, ".5e1", true, 5},
        TargetRow{T::Product, "12.e1", true, 120}, TargetRow{T::Sum, "46. 5", true, 46},
        // The letters form passes over blanks only: after a tab no letter is read.
        TargetRow{T::Sum, "  KAT", true, 32}, TargetRow{T::Sum, "\tKAT", true, 0},
        TargetRow{T::Product, "\tKAT", true, 1}, TargetRow{T::Sum, "32", true, 32}, TargetRow{T::Sum, "-6", true, -6},
        TargetRow{T::Sum, " +32.99 4", true, 32}, TargetRow{T::Sum, "9223372036854775807", true, INT64_MAX},
        TargetRow{T::Sum, "-9223372036854775808", true, INT64_MIN}, TargetRow{T::Sum, "9223372036854775808", false, 0},
        TargetRow{T::Sum, "-9223372036854775809", false, 0},
        TargetRow{T::Sum, "18446744073709551648", false, 0},  // 2^64 + 32
        TargetRow{T::Sum, "1E30", false, 0}, TargetRow{T::Product, "1E30", false, 0},
        TargetRow{T::Product, "99999999999999999999", false, 0}));

INSTANTIATE_TEST_SUITE_P(LettersForm, TargetTest,
                         testing::Values(TargetRow{T::Product, "ABC", true, 6}, TargetRow{T::Product, "KAT", true, 220},
                                         TargetRow{T::Sum, "ABC", true, 6}, TargetRow{T::Sum, "KAT", true, 32},
                                         TargetRow{T::Sum, "ZZ 4", true, 52}, TargetRow{T::Sum, "  ZZ", true, 52},
                                         TargetRow{T::Product, "kat", true, 220},
                                         // Not numbers here, whatever the C library makes of them.
                                         TargetRow{T::Product, "INFO", true, 9 * 14 * 6 * 15},
                                         TargetRow{T::Product, "INF", true, 9 * 14 * 6},
                                         TargetRow{T::Sum, "NAN", true, 14 + 1 + 14},
                                         TargetRow{T::Sum, "INFINITY", true, 9 + 14 + 6 + 9 + 14 + 9 + 20 + 25},
                                         // A number that truncates to 0 is the letters form, with no letters.
                                         TargetRow{T::Product, "0", true, 1}, TargetRow{T::Sum, "0", true, 0},
                                         TargetRow{T::Product, "0.9", true, 1}, TargetRow{T::Product, "-0.9", true, 1},
                                         TargetRow{T::Product, "0X1A", true, 1}, TargetRow{T::Sum, "0X1A", true, 0},
                                         TargetRow{T::Product, "1E-5", true, 1}, TargetRow{T::Product, ".5", true, 1},
                                         TargetRow{T::Sum, "- 5", true, 0},
                                         TargetRow{T::Sum, "AB-C", true, 3},  // letters end at the first non-letter
                                         TargetRow{T::Product, "ZZZZZZZZZZZZZZ", true, WrappedPowerOf26(14)}));

// ---- IsLetterProduct and KeypadDigit ----

TEST(IsLetterProductTest, AcceptsExactlyProductsOfPrimesUpTo23) {
  struct Case {
    std::uint64_t value;
    bool expected;
  };
  const Case cases[] = {
      {1, true},
      {2, true},
      {23, true},
      {26, true},
      {25, true},
      {27, true},
      {120, true},
      {29, false},
      {31, false},
      {58, false},
      {2ull * 29, false},
      {23ull * 23 * 23 * 23 * 23 * 23 * 23 * 23 * 23 * 23 * 23 * 23 * 23, true},
      {1ull << 63, true},
      {UINT64_MAX, false},  // 3 x 5 x 17 x 257 x 641 x ...
      {19ull * 19 * 19 * 29, false},
      {0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLetterProduct(c.value), c.expected) << c.value;
}

TEST(KeypadDigitTest, MapsTheTwentySixLettersAsAKeypadDoes) {
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string digits = "22233344455566677778889999";
  for (std::size_t i = 0; i < letters.size(); ++i) {
    EXPECT_EQ(KeypadDigit(letters[i]), digits[i]) << letters[i];
  }
  for (const char other : {'a', '@', '[', '2', ' ', '\xC9', '\0'}) {
    EXPECT_EQ(KeypadDigit(other), '\0') << static_cast<int>(other);
  }
}

}  // namespace
}  // namespace kwintel
