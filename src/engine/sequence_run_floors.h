#pragma once
// What the sequence matcher learns about the current word while it tries a pattern's runs, so that
// a long word is not walked again at every start of an earlier run: where the word ends, and from
// which word position on each run whose rest binds no letter variable is known to fail.
//
// Such a run, from word position s, tries its rest at every start from s on, and the rest's verdict
// at a start depends on that start and on the values of the variables it reads, which it cannot
// change. So a run that failed from s fails from every later position too, as long as those values
// are the same, and the lowest such s (the run's floor) answers every later try of that run at or
// past it. A pattern of k runs then costs about k walks over the word, instead of one walk per
// start of the run before it, which is quadratic in the word's length and hangs a search over a
// word file with one long line. Internal to the sequence matcher.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kwintel {

class SequenceRunFloors {
 public:
  static constexpr std::size_t kNoFloor = static_cast<std::size_t>(-1);

  // Starts a new word: a counter step, no clearing.
  void BeginWord() {
    wordEnd_ = nullptr;
    if (++generation_ == 0) {
      floors_.assign(floors_.size(), Floor{});  // after 2^32 words the stamps would repeat
      generation_ = 1;
    }
  }

  // One past the word's last character once SetWordEnd told it for this word, else null.
  const char* WordEnd() const { return wordEnd_; }
  void SetWordEnd(const char* end) { wordEnd_ = end; }

  // The word offset from which the run at pattern offset `star` is known to fail while the
  // variables its rest reads hold `variables` (packed as in the memo), or kNoFloor.
  std::size_t FloorOf(std::size_t star, std::uint32_t variables) const {
    if (star >= floors_.size()) return kNoFloor;
    const Floor& floor = floors_[star];
    return floor.generation == generation_ && floor.variables == variables ? floor.from : kNoFloor;
  }
  // Records that the run at `star` failed from word offset `from` with those variables. One
  // floor is kept per run: other values replace it.
  void Failed(std::size_t star, std::uint32_t variables, std::size_t from);

 private:
  struct Floor {
    std::uint32_t generation = 0;  // valid only when equal to generation_; 0 is never current
    std::uint32_t variables = 0;
    std::size_t from = 0;
  };

  const char* wordEnd_ = nullptr;
  std::uint32_t generation_ = 0;
  std::vector<Floor> floors_;  // by the offset of the run's '*' in the pattern
};

}  // namespace kwintel
