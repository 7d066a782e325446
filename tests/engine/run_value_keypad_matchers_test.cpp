// Stack, Product, Sum and Telephone, called directly with prepared patterns and targets.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/keypad_digits.h"
#include "engine/matchers.h"

namespace kwintel {
namespace {

// A NUL-terminated copy in a buffer of exactly its size, so that a read past the NUL is caught by
// the address sanitizer.
std::unique_ptr<char[]> ExactCopy(const std::string& text) {
  auto copy = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

struct PatternRow {
  std::string pattern;
  std::string word;
  bool matched;
};

void ExpectRows(bool (*matcher)(const char*, const char*), std::initializer_list<PatternRow> rows) {
  for (const PatternRow& row : rows) {
    SCOPED_TRACE(row.pattern + " / " + row.word);
    auto word = ExactCopy(row.word);
    auto pattern = ExactCopy(row.pattern);
    EXPECT_EQ(matcher(word.get(), pattern.get()), row.matched);
  }
}

bool Stack(const char* word, const char* pattern) { return MatchStack(word, StackPattern(pattern)); }

struct TargetRow {
  std::int64_t target;
  std::string word;
  bool matched;
};

void ExpectRows(bool (*matcher)(const char*, std::uint64_t), std::initializer_list<TargetRow> rows) {
  for (const TargetRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.target) + " / " + row.word);
    auto word = ExactCopy(row.word);
    EXPECT_EQ(matcher(word.get(), static_cast<std::uint64_t>(row.target)), row.matched);
  }
}

constexpr const char* kConsonants4 = "BCDFGHJKLMNPQRSTVWXZ 4";

TEST(MatchStack, RunOfSetLettersAnywhereInTheWord) {
  ExpectRows(Stack, {
                        {kConsonants4, "HERFST", true},   // at the end
                        {kConsonants4, "ANGSTIG", true},  // inside
                        {kConsonants4, "SCHRAP", true},   // at the start
                        {kConsonants4, "KERST", false},   // three at most
                        {kConsonants4, "KRSAKRS", false},
                        {"AEIOU 2", "AU", true},  // the only run ends with the word
                        {"AEIOU 2", "KAT", false},
                    });
}

TEST(MatchStack, EveryByteCountsAndThePatternsSpaceAndDigitBelongToTheSet) {
  ExpectRows(Stack, {
                        {"AEIOU 3", "A IK", true},  // A, space, I
                        {"AEIOU 2", "K3A", false},
                        {"AEIOU 2", "K2A", true},           // the digit is in the set too
                        {"\xC9\xC8 2", "X\xC9\xC8", true},  // high bytes are bytes like any other
                        {"AEIOU 2",
                         "\xC9"
                         "EA",
                         true},  // and do not end the word
                    });
}

TEST(MatchStack, RunLengthIsThePatternsLastCharacter) {
  ExpectRows(Stack, {
                        {"ABC 12", "XABX", true},  // N is 2, not 12
                        {"ABC 12", "XAXBX", false},
                        {"ABC 5X", std::string(39, 'A'), false},  // 'X' reads as 40
                        {"ABC 5X", std::string(40, 'A'), true},
                        {"ABC 5\xE9", "ABCABC", false},  // 0xE9 reads as 185
                        {"ABC 5 ", "XYZ", true},         // a blank reads below zero: any word has such a run
                        {"", "XYZ", true},
                        {"ABC 1", "", false},
                        {"ABC 0", "", true},
                    });
}

TEST(MatchProduct, LetterValuesMultiplyToTheTarget) {
  ExpectRows(MatchProduct, {
                               {220, "KAT", true},
                               {220, "TAK", true},
                               {220, "DEK", true},
                               {220, "KATS", false},
                               {1710, "IJS", true},    // I and J are two letters
                               {220, "KAT X", true},   // the word ends at the space
                               {220, "KAT\tX", true},  // and at a control byte
                               {220,
                                "KAT\xC9"
                                "ZZ",
                                true},              // only the letters before an accented letter count
                               {-38, "A-B", true},  // '-' is worth -19
                               {-15, "A1", true},   // '1' is worth -15
                               {0, "A@", true},     // '@' is worth 0
                               {1, "", true},
                           });
}

TEST(MatchProduct, ProductWrapsModulo2To64) {
  std::uint64_t wrapped = 1;
  for (int i = 0; i < 14; ++i) wrapped *= 26;  // 26^14 exceeds 2^64
  ExpectRows(MatchProduct, {
                               {static_cast<std::int64_t>(wrapped), std::string(14, 'Z'), true},
                               {static_cast<std::int64_t>(wrapped), std::string(13, 'Z'), false},
                           });
  // A word of 64 B's is worth 2^64, which wraps to 0.
  ExpectRows(MatchProduct, {{0, std::string(64, 'B'), true}});
}

TEST(MatchSum, LetterValuesAddUpToTheTarget) {
  ExpectRows(MatchSum, {
                           {32, "KAT", true},
                           {32, "TAK", true},
                           {32, "DEK", false},
                           {20, "DEK", true},
                           {38, "IJS", true},
                           {32, "KAT KAT", true},
                           {32, "KAT\nKAT", true},
                           {32,
                            "KAT\xC9"
                            "ZZ",
                            true},
                           {-62, "!!", true},    // '!' is worth -31
                           {-12, "A-AE", true},  // '-' is worth -19
                           {0, "", true},
                       });
}

TEST(MatchTelephone, LettersGiveThePatternsDigitsPlaceByPlace) {
  ExpectRows(MatchTelephone, {
                                 {"7667", "ROOS", true},
                                 {"7667", "SOOR", true},
                                 {"7667", "POOR", true},
                                 {"7667", "ROOD", false},
                                 {"7667", "ROO", true},      // a shorter line in a narrowing
                                 {"7667", "ROOSJE", false},  // a longer word meets the pattern's end
                                 {"7667", "RO-S", false},    // a non-letter word character
                                 {"7667", "roos", false},
                                 {"7667", "ROOS JE", true},  // the word ends at the space
                                 {"7667", "ROOS\tX", true},
                                 {"7667", "RO\xC9MI", true},  // the word ends at the accented letter: RO is 76
                                 {"457", "IJS", true},
                                 {"22233344455566677778889999", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", true},
                             });
}

TEST(KeypadDigits, EveryLetterOnItsKey) {
  const char* keys[] = {"ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ"};
  for (char digit = '2'; digit <= '9'; ++digit)
    for (const char* c = keys[digit - '2']; *c != '\0'; ++c) EXPECT_EQ(KeypadDigits[*c - 'A'], digit) << *c;
}

}  // namespace
}  // namespace kwintel
