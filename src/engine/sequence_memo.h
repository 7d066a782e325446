#pragma once
// The sequence matcher's memory of one word: the calls already made without success, each with
// the letter-variable values it ended with. Without it, a pattern with several '*' would try
// exponentially many ways to split a long word; with it every state is explored once.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kwintel {

class SequenceMemo {
 public:
  // One state of the matcher: where it stands in the word and in the pattern (offsets from the
  // start of both), and the three letter variables packed as amp | dollar << 8 | caret << 16.
  struct Key {
    std::uint32_t wordOffset = 0;
    std::uint32_t patternOffset = 0;
    std::uint32_t variables = 0;
  };

  // Starts the match of a new word: a few stores, no clearing. The table itself is only touched
  // by Remembered and Remember, which the matcher calls only below a second '*'.
  void BeginWord(const char* word, const char* pattern) {
    wordBase_ = word;
    patternBase_ = pattern;
    armed_ = false;
  }
  const char* WordBase() const { return wordBase_; }
  const char* PatternBase() const { return patternBase_; }

  // Whether a call from `key` failed earlier in this word; if so, `endVariables` receives the
  // packed variable values that call ended with.
  bool Remembered(const Key& key, std::uint32_t& endVariables);

  // Records that the call from `key` failed and ended with `endVariables`. Memory is bounded: a
  // full table remembers nothing more, which costs time but never changes a result.
  void Remember(const Key& key, std::uint32_t endVariables);

 private:
  struct Entry {
    std::uint32_t generation = 0;  // valid only when equal to generation_; 0 is never current
    Key key;
    std::uint32_t endVariables = 0;
  };

  // Begins this word's generation on its first use, so words that never use the table pay
  // nothing for it.
  void Arm();
  std::size_t SlotOf(const Key& key) const;
  void Grow();

  const char* wordBase_ = nullptr;
  const char* patternBase_ = nullptr;
  bool armed_ = false;
  std::uint32_t generation_ = 0;
  std::size_t count_ = 0;       // entries of the current generation
  std::vector<Entry> entries_;  // open addressing; size 0 or a power of two
};

}  // namespace kwintel
