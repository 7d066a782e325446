// "Drukfout": the pattern, the one-character-wrong match, and its agreement with the sequence
// type's element tests.

#include <gtest/gtest.h>

#include <string>

#include "engine/matchers.h"
#include "engine/misprint.h"

namespace kwintel {
namespace {

struct PatternRow {
  std::string text;
  std::size_t elements;
  int length;
};

TEST(PrepareMisprint, CountsTheFixedLengthElements) {
  const PatternRow rows[] = {
      {"ROOS", 4, 4},    {"R.?S", 4, 4},  {"[RK]OOS", 4, 4},
      {"{RK}OOS", 4, 4}, {"/\\@.", 4, 4}, {"[A@&$^]B", 2, 2},
      {"ROOS  ", 4, 4},  {"A", 1, 2},     {std::string(25, 'E'), 25, 19},
      {"R5S!", 4, 4},    {"[]{}", 2, 2},
  };
  for (const PatternRow& row : rows) {
    SCOPED_TRACE(row.text);
    const auto pattern = PrepareMisprint(row.text);
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->elements.size(), row.elements);
    EXPECT_EQ(pattern->minLength, row.length);
    EXPECT_EQ(pattern->maxLength, row.length);
  }
}

TEST(PrepareMisprint, RefusesWhatIsNotOneFixedLength) {
  for (const char* text : {"",      " ",     " ROOS", "RO*S",   "ROOS*",  "-ROOS", "R-OS",  "&OOS", "R$OS", "R^OS",
                           "R'OS",  "R%OS",  "R_OS",  "ROOS 4", "ROOS X", "[RK",   "RK]",   "{RK",  "RK}",  "[R}K]",
                           "{R]K}", "[R.K]", "[R?]",  "[R[K]]", "{R{K}}", "[R/]",  "{R\\}", "[R*]", "[R-]", "[R']"}) {
    EXPECT_FALSE(PrepareMisprint(text).has_value()) << text;
  }
}

struct MatchRow {
  const char* pattern;
  const char* word;
  bool matched;
};

TEST(MatchMisprint, ExactlyOneElementRefusesItsCharacter) {
  for (const MatchRow& row : std::initializer_list<MatchRow>{
           {"ROOS", "ROOK", true},
           {"ROOS", "BOOS", true},
           {"ROOS", "ROTS", true},
           {"ROOS", "ROOS", false},  // fits outright
           {"ROOS", "RAAS", false},  // two wrong
           {"ROOS", "ROO", false},
           {"ROOS", "ROOST", false},
           {"ROOS", "roos", false},
           {"ROOS", "ROO ", true},  // a blank is a character
           {"[RK]OOS", "KOOS", false},
           {"[RK]OOS", "KOOT", true},
           {"{RK}OOS", "ROOS", true},
           {"{RK}OOS", "BOOS", false},
           {"\\/\\", "YAK", true},  // Y is no consonant
           {"/\\/\\", "BAAN", false},
           {"A@B", "AXB", true},
           {"A@B", "A B", false},
           {"R.OS", "R OS", false},
       }) {
    EXPECT_EQ(MatchMisprint(*PrepareMisprint(row.pattern), row.word), row.matched) << row.pattern << " / " << row.word;
  }
}

TEST(MatchMisprint, TheWordEndsWhereTheSequenceMatcherEndsIt) {
  const auto pattern = PrepareMisprint("ROOS");
  EXPECT_TRUE(MatchMisprint(*pattern, "ROOK\xC9"));   // É ends the word after ROOK
  EXPECT_FALSE(MatchMisprint(*pattern, "ROOS\xC9"));  // ... and ROOS fits outright
  EXPECT_FALSE(MatchMisprint(*pattern, "RO\xC9K"));   // two characters only
  EXPECT_TRUE(MatchMisprint(*pattern, std::string_view("ROTS\0X", 6)));
  EXPECT_TRUE(MatchMisprint(*pattern, "ROTS\tX"));
}

// Every element against every word character, as a two-element pattern whose second element is
// always wrong: the word is a result exactly when the sequence type accepts the character.
TEST(MatchMisprint, ElementsAcceptWhatTheSequenceTypeAccepts) {
  for (const char* element : {".", "?", "/", "\\", "@", "[AB@]", "{AB}", "{}", "[]", "X", "5", "[&]", "{A}"}) {
    const auto pattern = PrepareMisprint(std::string(element) + "Q");
    ASSERT_TRUE(pattern.has_value()) << element;
    for (int c = 32; c < 128; ++c) {
      const std::string character(1, static_cast<char>(c));
      const bool accepted = MatchSequence(character.c_str(), element);
      EXPECT_EQ(MatchMisprint(*pattern, character + "Z"), accepted) << element << " on character " << c;
    }
  }
}

}  // namespace
}  // namespace kwintel
