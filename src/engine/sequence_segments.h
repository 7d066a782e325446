#pragma once
// A sequence pattern without letter variables, worked out once for a whole search: its elements
// as character sets, cut at its runs into pieces of fixed length. Such a pattern is a plain regular
// pattern: a word matches when the first piece fits at the word's start, the last piece at its
// end, and each piece between them fits somewhere after the one before. The leftmost place of a
// piece between is always the best one, because the run after it takes any characters, so one
// pass over the word decides it, with no calls and no memo. Only letter variables, whose values
// depend on the path taken, need the backtracking matcher. Internal to the sequence matcher.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/sequence_run_plan.h"
#include "engine/whole_word_matchers.h"

namespace kwintel {

class SequenceSegments {
 public:
  // Makes `pattern` (a prepared sequence pattern without its leading '-') the current one,
  // working it out only when it differs from the last. False when the pattern holds a letter
  // variable or a binding mark, or has a shape no preparation leaves ("**", a class left open):
  // those are for the backtracking matcher.
  bool Use(const char* pattern) {
    if (pattern == trusted_ || (known_ && IsCurrent(pattern))) return usable_;
    return UseNew(pattern);
  }

  // Makes `pattern` the current one and promises that, until Distrust(), the text at that address
  // does not change, so that Use() knows it by its address instead of comparing it at every word.
  // Returns what Use() returns.
  bool Trust(const char* pattern) {
    const bool usable = Use(pattern);
    trusted_ = pattern;
    return usable;
  }
  void Distrust() { trusted_ = nullptr; }

  static constexpr std::size_t kUnknownLength = static_cast<std::size_t>(-1);

  // 1 when the word (up to its sequence word end) matches the current pattern, else 0. The same
  // verdict as the backtracking matcher; the letter variables are never touched. `length`: where
  // the word's terminating NUL is, or kUnknownLength.
  int Match(const char* word, std::size_t length) const;

 private:
  // A run of consecutive elements between two runs: sets_[first .. first + count).
  struct Piece {
    std::size_t first = 0;
    std::size_t count = 0;
    // Into masks_, for the pieces between runs of up to 64 elements: for each character, bit k
    // set when element k accepts it.
    std::size_t masks = kNoMasks;
  };
  static constexpr std::size_t kNoMasks = static_cast<std::size_t>(-1);
  static constexpr std::size_t kMasksPerPiece = 128;

  // Compared up to the first difference, so nothing past either text's end is read. Inline and
  // byte by byte: it runs once per word, on a pattern of a few characters.
  bool IsCurrent(const char* pattern) const {
    const char* known = pattern_.c_str();
    while (*known != '\0' && *known == *pattern) {
      ++known;
      ++pattern;
    }
    return *known == *pattern;
  }
  bool UseNew(const char* pattern);
  bool Compile(const char* pattern);
  bool Fits(const Piece& piece, const char* at) const;
  // Just past the leftmost place at or after `from` where `piece` fits and ends by `limit` (null:
  // by the word's end); null when there is none.
  const char* Find(const Piece& piece, const char* from, const char* limit) const;

  std::string pattern_;
  const char* trusted_ = nullptr;
  bool known_ = false;   // pattern_ has been worked out
  bool usable_ = false;  // ... and is a pattern without letter variables
  bool hasRun_ = false;
  Piece head_;
  Piece tail_;  // empty without a run
  std::vector<Piece> between_;
  std::size_t betweenElements_ = 0;
  std::vector<SequenceCharacterSet> sets_;
  std::vector<std::uint64_t> masks_;

  // The pieces between runs for a word of at most 32 bytes whose length is known, taken whole
  // where the processor allows: the distinct sets of their elements as nibble tables, and for
  // each element of a piece between (by its place in sets_) the one it uses.
  static constexpr std::size_t kMaxWholeSets = 8;
  void PrepareBetweenWhole();
  // The verdict of the pieces between for a word of at most 32 bytes: each fits, in order, from
  // `from` on and ending by `stop` (kUnknownLength: by the word's end).
  int MatchBetweenWhole(const char* word, std::size_t length, std::size_t from, std::size_t stop) const;
  bool whole_ = false;
  std::vector<NibbleByteSet> wholeSets_;
  std::vector<std::uint8_t> wholeSetOf_;
};

}  // namespace kwintel
