#include "engine/number_reading.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace kwintel {
namespace {

struct IntegerRow {
  std::string text;
  std::size_t pos;
  int value;
  std::size_t end;
};

class ReadDecimalIntegerTest : public testing::TestWithParam<IntegerRow> {};

TEST_P(ReadDecimalIntegerTest, ReadsLikeStrtolAndSaturates) {
  const IntegerRow& row = GetParam();
  std::size_t end = 12345;
  EXPECT_EQ(ReadDecimalInteger(row.text, row.pos, end), row.value) << row.text;
  EXPECT_EQ(end, row.end) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadDecimalIntegerTest,
                         testing::Values(
                             // No digits: 0, and the end stays where reading began (not after the blanks or sign).
                             IntegerRow{"", 0, 0, 0}, IntegerRow{"X", 0, 0, 0}, IntegerRow{"  -", 0, 0, 0},
                             IntegerRow{"AB", 2, 0, 2}, IntegerRow{" +X", 0, 0, 0},
                             // White space of every kind, a sign, then digits up to the first non-digit.
                             IntegerRow{"42", 0, 42, 2}, IntegerRow{" \t\n\v\f\r7 ", 0, 7, 7},
                             IntegerRow{"-12X", 0, -12, 3}, IntegerRow{"+5", 0, 5, 2}, IntegerRow{"A*B 7", 3, 7, 5},
                             IntegerRow{"007", 0, 7, 3}, IntegerRow{"0X10", 0, 0, 1}, IntegerRow{"3.9", 0, 3, 1},
                             IntegerRow{"- 5", 0, 0, 0},
                             // The int range, and saturation beyond it instead of a wrapped value.
                             IntegerRow{"2147483647", 0, INT_MAX, 10}, IntegerRow{"2147483648", 0, INT_MAX, 10},
                             IntegerRow{"-2147483648", 0, INT_MIN, 11}, IntegerRow{"-2147483649", 0, INT_MIN, 11},
                             IntegerRow{"4294967301", 0, INT_MAX, 10},  // 2^32 + 5 must not read as 5
                             IntegerRow{"99999999999999999999999", 0, INT_MAX, 23},
                             IntegerRow{"-99999999999999999999999", 0, INT_MIN, 24}));

TEST(ReadDecimalIntegerTest, NeverReadsPastTheView) {
  const std::string text = "12345";
  std::size_t end = 0;
  // A view that stops inside the digits, over a buffer that goes on.
  EXPECT_EQ(ReadDecimalInteger(std::string_view(text).substr(0, 3), 0, end), 123);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(ReadDecimalInteger(text, 5, end), 0);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(ReadDecimalInteger(text, 9, end), 0);  // a start beyond the end reads nothing
  EXPECT_EQ(end, 9u);
  const std::string longText(1'000'000, '9');
  EXPECT_EQ(ReadDecimalInteger(longText, 0, end), INT_MAX);
  EXPECT_EQ(end, longText.size());
}

struct NumberRow {
  std::string text;
  NumberStatus status;
  std::int64_t value;
  std::size_t end;
};

class ReadDecimalNumberTest : public testing::TestWithParam<NumberRow> {};

TEST_P(ReadDecimalNumberTest, ReadsDecimalOnlyAndTruncatesTowardZero) {
  const NumberRow& row = GetParam();
  const DecimalNumber number = ReadDecimalNumber(row.text, 0);
  EXPECT_EQ(number.status, row.status) << row.text;
  if (row.status == NumberStatus::kValue) {
    EXPECT_EQ(number.value, row.value) << row.text;
  }
  if (row.status != NumberStatus::kOutOfRange) {
    EXPECT_EQ(number.end, row.end) << row.text;
  }
}

constexpr auto kNone = NumberStatus::kNone;
constexpr auto kValue = NumberStatus::kValue;
constexpr auto kOut = NumberStatus::kOutOfRange;

INSTANTIATE_TEST_SUITE_P(NoNumber, ReadDecimalNumberTest,
                         testing::Values(
                             // Words the C library would take as numbers are letters here.
                             NumberRow{"INF", kNone, 0, 0}, NumberRow{"INFO", kNone, 0, 0},
                             NumberRow{"INFINITY", kNone, 0, 0}, NumberRow{"NAN", kNone, 0, 0},
                             NumberRow{"-INF", kNone, 0, 0}, NumberRow{"", kNone, 0, 0}, NumberRow{" ", kNone, 0, 0},
                             NumberRow{"ABC", kNone, 0, 0}, NumberRow{"-", kNone, 0, 0}, NumberRow{".", kNone, 0, 0},
                             NumberRow{"-.E1", kNone, 0, 0}, NumberRow{"E5", kNone, 0, 0}));

INSTANTIATE_TEST_SUITE_P(Values, ReadDecimalNumberTest,
                         testing::Values(NumberRow{"120", kValue, 120, 3}, NumberRow{"  +120 5 8", kValue, 120, 6},
                                         NumberRow{"-6", kValue, -6, 2}, NumberRow{"12.9", kValue, 12, 4},
                                         NumberRow{"-12.9", kValue, -12, 5}, NumberRow{"0.5", kValue, 0, 3},
                                         NumberRow{"1.5E1", kValue, 15, 5}, NumberRow{"15e-1", kValue, 1, 5},
                                         NumberRow{"1E+2", kValue, 100, 4}, NumberRow{"1E-30", kValue, 0, 5},
                                         NumberRow{"123456789012345678901234567890E-20", kValue, 1234567890, 34},
                                         NumberRow{"0.0000000000000000000000001E25", kValue, 1, 30},
                                         NumberRow{"000000000000000000000000000000042", kValue, 42, 33},
                                         NumberRow{"0E999999999999999999999", kValue, 0, 23},
                                         // Hexadecimal is not read: "0X10" is the number 0 followed by letters.
                                         NumberRow{"0X10", kValue, 0, 1}, NumberRow{"0x1A", kValue, 0, 1},
                                         // What is not part of the number ends it, and stays for the next reader.
                                         // Either side of the point may be empty, as for the C library.
                                         NumberRow{".5", kValue, 0, 2}, NumberRow{".5e1", kValue, 5, 4},
                                         NumberRow{"12.e1", kValue, 120, 5}, NumberRow{"-.25E2", kValue, -25, 6},
                                         NumberRow{"5.", kValue, 5, 2}, NumberRow{"5.X", kValue, 5, 2},
                                         NumberRow{"1E", kValue, 1, 1}, NumberRow{"1E+", kValue, 1, 1},
                                         NumberRow{"1E 5", kValue, 1, 1}, NumberRow{"7ABC", kValue, 7, 1},
                                         NumberRow{"2.5.5", kValue, 2, 3},
                                         // The exact limits of the signed 64-bit range.
                                         NumberRow{"9223372036854775807", kValue, INT64_MAX, 19},
                                         NumberRow{"9223372036854775807.999", kValue, INT64_MAX, 23},
                                         NumberRow{"-9223372036854775808", kValue, INT64_MIN, 20},
                                         NumberRow{"-9223372036854775808.9", kValue, INT64_MIN, 22},
                                         NumberRow{"9.2E18", kValue, 9'200'000'000'000'000'000, 6}));

INSTANTIATE_TEST_SUITE_P(OutOfRange, ReadDecimalNumberTest,
                         testing::Values(NumberRow{"9223372036854775808", kOut, 0, 0},
                                         NumberRow{"-9223372036854775809", kOut, 0, 0},
                                         NumberRow{"18446744073709551616", kOut, 0, 0},  // 2^64 must not wrap to 0
                                         NumberRow{"18446744073709551621", kOut, 0, 0},  // nor to 5
                                         NumberRow{"92233720368547758.08E2", kOut, 0, 0}, NumberRow{"1E19", kOut, 0, 0},
                                         NumberRow{"-1E19", kOut, 0, 0},
                                         NumberRow{"1E999999999999999999999", kOut, 0, 0}));

TEST(ReadDecimalNumberTest, StartsAtTheGivenPositionAndStaysInsideTheView) {
  const std::string text = "ABC 12.5";
  DecimalNumber number = ReadDecimalNumber(text, 3);
  EXPECT_EQ(number.status, kValue);
  EXPECT_EQ(number.value, 12);
  EXPECT_EQ(number.end, 8u);
  number = ReadDecimalNumber(std::string_view(text).substr(0, 5), 3);  // " 1" of " 12.5"
  EXPECT_EQ(number.value, 1);
  EXPECT_EQ(number.end, 5u);
  number = ReadDecimalNumber(std::string_view(text).substr(0, 7), 3);  // "12." and no more
  EXPECT_EQ(number.value, 12);
  EXPECT_EQ(number.end, 7u);

  std::string manyZeros = "0." + std::string(500'000, '0') + "1E500002";
  number = ReadDecimalNumber(manyZeros, 0);
  EXPECT_EQ(number.status, kValue);
  EXPECT_EQ(number.value, 10);
  EXPECT_EQ(number.end, manyZeros.size());
}

}  // namespace
}  // namespace kwintel
