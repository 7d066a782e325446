#include "engine/tile_game.h"

#include <algorithm>
#include <string>

#include "engine/search_type.h"

// The element tests of the sequence type, so that a board square takes what the same element
// of a sequence pattern would.
#include "engine/sequence_elements.h"

namespace kwintel {

namespace {

// 0 .. 25 for A .. Z, 26 and above for any other byte.
unsigned LetterIndex(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'A'}; }

std::uint32_t LetterMask(const SequenceCharacterSet& set) {
  std::uint32_t mask = 0;
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (set.Has(c)) mask |= std::uint32_t{1} << LetterIndex(c);
  }
  return mask;
}

// The rack and the board of "RACK BOARD" (board empty when there is none), or false when
// anything but blanks follows the board.
bool SplitPattern(std::string_view pattern, std::string_view& rack, std::string_view& board) {
  const std::size_t blank = pattern.find(' ');
  rack = pattern.substr(0, blank);
  board = {};
  if (blank == std::string_view::npos) return true;
  const std::size_t start = pattern.find_first_not_of(' ', blank);
  if (start == std::string_view::npos) return true;
  const std::size_t end = pattern.find(' ', start);
  board = pattern.substr(start, end - start);
  return end == std::string_view::npos || pattern.find_first_not_of(' ', end) == std::string_view::npos;
}

}  // namespace

std::optional<TilePattern> PrepareTilePattern(TileGame game, std::string_view pattern) {
  std::string_view rack;
  std::string_view board;
  if (!SplitPattern(pattern, rack, board)) return std::nullopt;
  if (rack.empty() || rack.size() > static_cast<std::size_t>(kRackSize)) return std::nullopt;

  const TileSet& tiles = TilesOf(game);
  TilePattern compiled;
  std::array<int, 26> allowance{};
  for (const char c : rack) {
    if (c == '?') {
      if (++compiled.blanks_ > tiles.blanks) return std::nullopt;
      continue;
    }
    const unsigned index = LetterIndex(c);
    if (index >= 26 || ++allowance[index] > tiles.counts[index]) return std::nullopt;
  }

  // SequenceElementSet reads a NUL-terminated element; the classes are checked here first.
  const std::string text(board);
  std::size_t emptySquares = 0;  // squares outside a '*' the rack must fill
  bool run = board.empty();      // no board: the word is one run of empty squares
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    std::size_t next = i + 1;
    if (c == '*') {
      if (compiled.squares_.empty() || compiled.squares_.back() != TilePattern::kRun) {
        compiled.squares_.push_back(TilePattern::kRun);
      }
      run = true;
      i = next;
      continue;
    }
    if (c == '[' || c == '{') {
      while (next < text.size() && LetterIndex(text[next]) < 26) ++next;
      if (next == text.size() || text[next] != (c == '[' ? ']' : '}')) return std::nullopt;
      ++next;
      ++emptySquares;
    } else if (LetterIndex(c) < 26) {
      ++allowance[LetterIndex(c)];
      ++compiled.boardLetters_;
    } else if (c == '.' || c == '?' || c == '/' || c == '\\') {
      ++emptySquares;
    } else {
      return std::nullopt;
    }
    SequenceCharacterSet set;
    SequenceElementSet(text.c_str() + i, set);
    compiled.squares_.push_back(LetterMask(set));
    i = next;
  }
  // A board of runs alone takes any word, as no board does.
  if (std::all_of(compiled.squares_.begin(), compiled.squares_.end(),
                  [](std::uint32_t square) { return square == TilePattern::kRun; })) {
    compiled.squares_.clear();
  }

  for (std::size_t i = 0; i < 26; ++i) {
    // No word holds 127 of a letter: kwintel-mkwords keeps words of 97 characters at most.
    compiled.allowance_[i] = static_cast<std::int8_t>(std::min(allowance[i], 127));
    compiled.values_[i] = static_cast<std::int8_t>(tiles.values[i]);
  }
  compiled.bonus_ = tiles.allTilesBonus;

  // Every square outside a run takes one letter; the runs take what the rack has left.
  const std::size_t fixedSquares = emptySquares + compiled.boardLetters_;
  compiled.minSize_ = std::max(compiled.boardLetters_ + 1, fixedSquares);
  compiled.maxSize_ = !run ? fixedSquares : rack.size() < emptySquares ? 0 : fixedSquares + rack.size() - emptySquares;
  const auto clamped = [](std::size_t size) {
    return static_cast<int>(std::clamp<std::size_t>(size, kMinWordLength, kMaxWordLength));
  };
  compiled.minLength_ = clamped(compiled.minSize_);
  compiled.maxLength_ = std::max(compiled.minLength_, clamped(compiled.maxSize_));
  return compiled;
}

TileVerdict TilePattern::Match(std::string_view word) const {
  if (word.size() < minSize_ || word.size() > maxSize_) return {};
  // Whichever occurrence of a board letter the board takes, the tiles laid are the word's letters
  // less the board's; so the score does not depend on the laying, and only the blanks must be
  // placed. The first occurrences of a letter take the rack's real tiles and the blanks the rest:
  // no real tile is worth less than a blank, so that is the best score.
  std::array<std::int8_t, 26> left = allowance_;
  int blanks = blanks_;
  int score = 0;
  for (const char c : word) {
    const unsigned index = LetterIndex(c);
    if (index >= 26) return {};
    if (left[index]-- > 0) {
      score += values_[index];
    } else if (--blanks < 0) {
      return {};
    }
  }
  if (!squares_.empty() && !FitsBoard(word)) return {};
  if (word.size() - boardLetters_ == static_cast<std::size_t>(kRackSize)) score += bonus_;
  return {true, score};
}

// Wildcard matching that, on a mismatch, moves on only the last '*' passed: every square takes
// one letter, so whatever an earlier '*' could still take a later one can take as well, and no
// earlier choice needs trying again. Cost: one pass over the word while it fits, a pass per
// letter a '*' has to take in the worst case.
bool TilePattern::FitsBoard(std::string_view word) const {
  const std::size_t count = squares_.size();
  std::size_t square = 0;
  std::size_t letter = 0;
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t afterRun = kNone;  // the square after the last '*' passed
  std::size_t runEnd = 0;        // the letters taken so far by that '*'
  while (letter < word.size()) {
    if (square < count && squares_[square] == kRun) {
      afterRun = ++square;
      runEnd = letter;
    } else if (square < count && ((squares_[square] >> LetterIndex(word[letter])) & 1) != 0) {
      ++square;
      ++letter;
    } else if (afterRun != kNone) {
      square = afterRun;
      letter = ++runEnd;
    } else {
      return false;
    }
  }
  while (square < count && squares_[square] == kRun) ++square;
  return square == count;
}

std::string TileResultLine(std::string_view word, int score) {
  std::string line(word);
  line += ' ';
  line += std::to_string(score);
  return line;
}

}  // namespace kwintel
