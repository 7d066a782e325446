#pragma once
// "Wordfeud" and "Scrabble": the words a rack of tiles can lay, on empty squares and through the
// letters already on the board, and what each scores.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/tile_values.h"

namespace kwintel {

struct TileVerdict {
  bool matched = false;
  int score = 0;  // 0 when not matched

  bool operator==(const TileVerdict&) const = default;
};

// A rack and board read once, matched against every word of a search.
class TilePattern {
 public:
  // Whether the word can be laid and its best score. It can when it is made of the letters A-Z
  // only, fits the board (any word does when there is none), uses at least one tile of the rack,
  // and the rack holds every letter the board does not fix, a blank standing for any letter. The
  // score is the sum of the values of the word's letters, board letters included, a letter laid
  // with a blank counting 0, plus the game's bonus when the word takes all seven tiles of the
  // rack; a word that can be laid in several ways scores the best of them. Cost: one pass over
  // the word, which most words leave at an early letter the rack lacks; only a word that passes
  // is then held to the board, in one more pass while no '*' has to give back letters.
  TileVerdict Match(std::string_view word) const;

  // The word files worth reading, 2 .. 19 (19 the file of 19 letters and more): every word the
  // pattern can lay has a length in this range.
  int minLength() const { return minLength_; }
  int maxLength() const { return maxLength_; }

 private:
  friend std::optional<TilePattern> PrepareTilePattern(TileGame game, std::string_view pattern);
  TilePattern() = default;

  static constexpr std::uint32_t kRun = std::uint32_t{1} << 31;

  bool FitsBoard(std::string_view word) const;

  // Per letter A .. Z the tiles of it the rack and the board letters hold together.
  std::array<std::int8_t, 26> allowance_{};
  std::array<std::int8_t, 26> values_{};
  int blanks_ = 0;
  int bonus_ = 0;
  std::size_t boardLetters_ = 0;  // letters the board fixes; the word's other letters are laid
  std::size_t minSize_ = 0;       // the word sizes that can be laid, unclamped
  std::size_t maxSize_ = 0;
  // The board's squares from left to right: per square the letters A .. Z (bit 0 for A) it takes,
  // or kRun for a '*'. Empty when the board takes any word.
  std::vector<std::uint32_t> squares_;
  int minLength_ = 2;
  int maxLength_ = 2;
};

// Reads an upper-cased pattern `RACK [BOARD]` for `game`. RACK: 1 to 7 tiles, each a letter A-Z or
// '?' for a blank, no more of a letter (or of blanks) than the game has. BOARD, after one or more
// blanks: the squares the word fills, from left to right, read as the sequence type reads them: a
// letter A-Z is a tile on the board; '.' or '?' an empty square, '/' one for a vowel (AEIOU), '\' one
// for a consonant (not Y), "[..]" one for any of the letters inside, "{..}" one for any letter but
// those inside (a class holds letters A-Z only); '*' any run of empty squares, none included.
// Blanks may follow the board. Refused (nothing): an empty rack, a rack too long or with another
// character or more tiles than the game has; a board with anything else (the letter variables
// & $ ^, a leading or any '-', '@', accented letters, digits, a class left open), or a second word
// after it.
std::optional<TilePattern> PrepareTilePattern(TileGame game, std::string_view pattern);

// The result line of a laid word: «WORD SCORE», as in «KAART 9».
std::string TileResultLine(std::string_view word, int score);

}  // namespace kwintel
