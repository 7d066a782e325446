// "Wordfeud" and "Scrabble": the tile tables, reading a rack and board, the words they lay and
// their scores.

#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>
#include <string>

#include "engine/tile_game.h"

namespace kwintel {
namespace {

constexpr TileGame W = TileGame::Wordfeud;
constexpr TileGame S = TileGame::Scrabble;

TileVerdict MatchIn(TileGame game, const std::string& pattern, const std::string& word) {
  const auto prepared = PrepareTilePattern(game, pattern);
  EXPECT_TRUE(prepared.has_value()) << pattern;
  return prepared ? prepared->Match(word) : TileVerdict{};
}

// The totals of the game boxes: a slip in one entry of a table changes them.
TEST(TileValues, HoldTheTilesOfEachGame) {
  struct Row {
    TileGame game;
    int tiles;  // letters and blanks
    int worth;  // value times count, summed over the letters
    int bonus;
  };
  for (const Row& row : {Row{W, 104, 236, 40}, Row{S, 102, 230, 50}}) {
    const TileSet& set = TilesOf(row.game);
    EXPECT_EQ(std::accumulate(set.counts.begin(), set.counts.end(), 0) + set.blanks, row.tiles);
    EXPECT_EQ(std::inner_product(set.values.begin(), set.values.end(), set.counts.begin(), 0), row.worth);
    EXPECT_EQ(set.blanks, 2);
    EXPECT_EQ(set.allTilesBonus, row.bonus);
  }
}

struct ScoreRow {
  TileGame game;
  const char* pattern;
  const char* word;
  int score;
};

TEST(TilePattern, ScoresTheTilesTheWordUses) {
  for (const ScoreRow& row : std::initializer_list<ScoreRow>{
           {W, "PUZZEL", "PUZZEL", 20},  // P4 U2 Z5 Z5 E1 L3
           {S, "PUZZEL", "PUZZEL", 19},  // P3 U4 Z4 Z4 E1 L3
           {W, "CHIQUE", "CHIQUE", 24},
           {S, "CHIQUE", "CHIQUE", 25},
           {W, "PU?ZEL", "PUZZEL", 15},  // a blank counts 0
           {W, "??", "ZO", 0},
           {W, "A?K", "KA", 4},   // the real A, not the blank
           {W, "IJS", "IJS", 8},  // IJ is the two tiles I and J
           {S, "IJS", "IJS", 7},
           {W, "AEKNRT?", "KRANT", 9},
           {W, "AEKNRT", "KANTER", 10},         // a whole rack of six: no bonus
           {W, "AEKNRT?", "KRANTEN", 50},       // all seven: 10 + 40
           {S, "AEKNRT?", "KRANTEN", 60},       // 10 + 50
           {W, "IJZERN?", "IJZEREN", 55},       // seven tiles, I and J among them
           {W, "KT .A.", "KAT", 6},             // the board's A counts
           {W, "AEKNRT? *S*", "KANTERS", 12},   // six tiles and the board's S: no bonus
           {W, "AEKNRT? *S*", "SKRANTEN", 52},  // seven tiles and the board's S
           {W, "AKT *A*", "KAAT", 7},           // either A may be the board's
           {W, "K?T *A*", "KAAT", 6},           // ... and either the blank's
           {W, "??E *E*", "EEE", 2},            // the rack's E, the board's E and a blank: 1 + 1 + 0
       }) {
    EXPECT_EQ(MatchIn(row.game, row.pattern, row.word), (TileVerdict{true, row.score}))
        << row.pattern << " / " << row.word;
  }
}

struct MatchRow {
  const char* pattern;
  const char* word;
  bool matched;
};

TEST(TilePattern, LaysWhatTheRackAndTheBoardAllow) {
  for (const MatchRow& row : std::initializer_list<MatchRow>{
           // No board: any word of rack tiles.
           {"AEKRST?", "KAART", true},
           {"AEKRST?", "KAARTEN", false},  // A and N both need the one blank
           {"AEKRST?", "KRATTEN", false},
           {"KAT", "KAAT", false},
           {"KAT", "TAK", true},
           {"OPAS?", "OPA'S", false},  // only the letters A-Z can be laid
           {"EN?", "\xC9\xC9N", false},
           // The board: its letters fixed, its squares filled from the rack.
           {"OO R..S", "ROOS", true},
           {"OO R..S", "RAAS", false},
           {"OO R..S", "ROS", false},
           {"RO R..S", "ROOS", false},  // one O short: the rack's R cannot stand in for it
           {"AT *K*", "KAT", true},
           {"AT *K*", "TAAK", false},
           {"AT *K*", "AT", false},
           {"E *KAT*", "KAT", false},  // no tile of the rack laid
           {"E *KAT*", "KATE", true},
           {"OT R/\\S", "ROTS", true},
           {"OT R/\\S", "RTOS", false},
           {"R [RB]OOS", "ROOS", true},
           {"R [RB]OOS", "BOOS", false},
           {"? [RB]OOS", "BOOS", true},
           {"? {RB}OOS", "KOOS", true},
           {"? {RB}OOS", "ROOS", false},
           {"AB A*", "AB", true},
           {"ABC *A", "CABA", true},
           {"?? *AB", "AAB", true},  // the run must give back its A
           {"AB? *A*B*", "BAAB", true},
           {"AB? *A*B*", "BBA", false},
           {"AB ....", "ABBA", false},  // more squares than tiles
           {"KAT KAT", "KAT", false},
       }) {
    EXPECT_EQ(MatchIn(W, row.pattern, row.word).matched, row.matched) << row.pattern << " / " << row.word;
  }
}

TEST(TilePattern, AWordNotLaidScoresNothing) { EXPECT_EQ(MatchIn(W, "KAT", "KAAT"), TileVerdict{}); }

struct LengthRow {
  const char* pattern;
  int minLength;
  int maxLength;
};

TEST(PrepareTilePattern, GivesTheLengthsThatCanBeLaid) {
  for (const LengthRow& row : std::initializer_list<LengthRow>{
           {"AEKRST?", 2, 7},
           {"A", 2, 2},
           {"AEKRST? ..A..", 5, 5},
           {"AEKRST? *K*", 2, 8},
           {"AEKRST? *", 2, 7},
           {"KT .A.", 3, 3},
           {"AB R*S", 3, 4},
           {"AB ....", 4, 4},
           {"AB KAT", 4, 4},  // nothing to lay: no word fits
           {"ABCDEFG *ONDERWIJS*", 10, 16},
           {"A ONDERWIJSBEVOEGDHEID*", 19, 19},
       }) {
    SCOPED_TRACE(row.pattern);
    const auto pattern = PrepareTilePattern(W, row.pattern);
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->minLength(), row.minLength);
    EXPECT_EQ(pattern->maxLength(), row.maxLength);
  }
}

TEST(PrepareTilePattern, RefusesWhatCannotBeARackAndABoard) {
  for (const char* text :
       {"",         " ..A..",  "AEKRSTEN", "AB1",     "A*",     "a",      "QQ",        "???",       "ZZZ",
        "AB -R..S", "AB R&.S", "AB R$.S",  "AB R^.S", "AB R@S", "AB R'S", "AB R%S",    "AB R_S",    "AB [RK",
        "AB RK]",   "AB [R.]", "AB [R-K]", "AB {R",   "AB [R}", "AB R5S", "AB \xC9..", "AB R..S 4", "AB R..S X"}) {
    EXPECT_FALSE(PrepareTilePattern(W, text).has_value()) << text;
  }
  // The games differ in their number of A tiles.
  EXPECT_TRUE(PrepareTilePattern(W, "AAAAAAA").has_value());
  EXPECT_FALSE(PrepareTilePattern(S, "AAAAAAA").has_value());
  // Blanks may come between rack and board and after the board.
  EXPECT_TRUE(PrepareTilePattern(W, "OO   R..S  ").has_value());
  EXPECT_TRUE(PrepareTilePattern(W, "OO ").has_value());
}

TEST(TileResultLine, PutsTheScoreAfterTheWord) {
  EXPECT_EQ(TileResultLine("KAART", 9), "KAART 9");
  EXPECT_EQ(TileResultLine("KRANTEN", 50), "KRANTEN 50");
}

}  // namespace
}  // namespace kwintel
