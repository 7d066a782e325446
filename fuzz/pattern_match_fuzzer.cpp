// Fuzz target: one pattern compiled for each of the nineteen search types, then matched against
// words.
//
// Input: the first line is the pattern as typed (at most 400 bytes are used), every further line
// a word (at most 100 bytes each, at most 64 words). Promises checked:
// - compiling never reads outside the pattern, and an accepted pattern reads lengths
//   2 <= min <= max <= 19;
// - matching reads a word only up to its terminating NUL, changes nothing, and gives the same
//   verdict for the same word twice, with other words and patterns matched in between;
// - an accepted Sequence pattern is one the matcher can read (classes closed, no '*' after '*');
// - the Sequence verdict equals that of the matcher with its memo from the start, stale letter
//   variables included, and that of a naive reference;
// - the fast forms of Stack, Frequency and Anagram give the verdict of their plain matchers;
// - a type value that is no search type is refused.

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/matchers.h"
#include "engine/pattern.h"
#include "engine/search_type.h"
#include "engine/sequence_plain_match.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "reference_sequence_match.h"

namespace kwintel::fuzz {
namespace {

constexpr std::size_t kMaxPatternBytes = 400;
constexpr std::size_t kMaxWordBytes = 100;
constexpr std::size_t kMaxWords = 64;
// Plain backtracking steps allowed per input; beyond them the comparison is skipped.
constexpr long kReferenceBudget = 200000;
// The plain run starts a search's sequence matcher takes before its memo.
constexpr long kSearchBudget = 20000;

// A NUL-terminated copy in a heap block of exactly its size, so that the address sanitizer
// catches a read past the NUL (a std::string keeps spare capacity there).
struct ExactText {
  explicit ExactText(std::string_view text) : size(text.size()), bytes(new char[text.size() + 1]) {
    std::memcpy(bytes.get(), text.data(), text.size());
    bytes[text.size()] = '\0';
  }
  bool Unchanged(std::string_view original) const {
    return std::memcmp(bytes.get(), original.data(), size) == 0 && bytes[size] == '\0';
  }
  std::size_t size;
  std::unique_ptr<char[]> bytes;
};

// What the plain matcher of a fast form says, or nothing for the other forms.
std::optional<Verdict> PlainVerdict(const Pattern& pattern, const char* word) {
  Verdict verdict;
  if (const auto* stack = std::get_if<StackForm>(&pattern.Forms())) {
    verdict.matched = MatchStack(word, stack->pattern);
  } else if (const auto* frequency = std::get_if<FrequencyForm>(&pattern.Forms())) {
    verdict.matched = MatchFrequency(word, frequency->pattern);
  } else if (const auto* anagram = std::get_if<AnagramForm>(&pattern.Forms())) {
    verdict = MatchAnagram(word, anagram->text.c_str());
  } else {
    return std::nullopt;
  }
  return verdict;
}

void CheckType(SearchType type, std::string_view typed, const std::vector<std::string_view>& words,
               long& referenceBudget) {
  const ExactText typedCopy(typed);
  const auto compiled = Compile(type, std::string_view(typedCopy.bytes.get(), typedCopy.size));
  FUZZ_REQUIRE(typedCopy.Unchanged(typed));
  const auto* pattern = std::get_if<Pattern>(&compiled);
  if (pattern == nullptr) return;
  FUZZ_REQUIRE(kMinWordLength <= pattern->MinLength() && pattern->MinLength() <= pattern->MaxLength() &&
               pattern->MaxLength() <= kMaxWordLength);
  const auto* sequence = std::get_if<SequenceForm>(&pattern->Forms());
  std::string prepared;
  if (sequence != nullptr) {
    prepared = (sequence->negated ? "-" : "") + sequence->text;
    FUZZ_REQUIRE(IsWellFormedSequence(prepared.c_str()));
  }
  for (std::string_view word : words) {
    const ExactText wordCopy(word);
    const char* w = wordCopy.bytes.get();
    const std::size_t length = std::strlen(w);
    const Verdict verdict = pattern->Match(w, length);
    FUZZ_REQUIRE(wordCopy.Unchanged(word));
    const Verdict again = pattern->Match(w, length);
    FUZZ_REQUIRE(again.matched == verdict.matched && again.remainder == verdict.remainder &&
                 again.missingLetter == verdict.missingLetter && again.backwards == verdict.backwards);
    if (const auto plain = PlainVerdict(*pattern, w)) {
      FUZZ_REQUIRE(plain->matched == verdict.matched && (!verdict.matched || plain->remainder == verdict.remainder));
    }
    if (sequence == nullptr) continue;
    // As a search matches (plain backtracking within its budget, then the memo), against the memo
    // from the start: plain backtracking without a budget could take for ever.
    const SequenceOutcome usual = MatchSequenceWithBudget(w, sequence->text.c_str(), kSearchBudget);
    FUZZ_REQUIRE((usual.matched != sequence->negated) == verdict.matched);
    FUZZ_REQUIRE(MatchSequenceWithBudget(w, sequence->text.c_str(), 0) == usual);
    if (referenceBudget > 0) {
      const auto expected = ReferenceSequenceMatch(prepared.c_str(), w, referenceBudget);
      if (expected) FUZZ_REQUIRE(*expected == verdict.matched);
    }
  }
}

}  // namespace
}  // namespace kwintel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kwintel;
  using namespace kwintel::fuzz;
  InputLines input(data, size);
  const std::string_view pattern = input.Next(kMaxPatternBytes);
  std::vector<std::string_view> words;
  while (!input.AtEnd() && words.size() < kMaxWords) words.push_back(input.Next(kMaxWordBytes));

  long referenceBudget = kReferenceBudget;
  for (const SearchTypeEntry& entry : kSearchTypes) CheckType(entry.type, pattern, words, referenceBudget);
  FUZZ_REQUIRE(std::holds_alternative<Refusal>(Compile(static_cast<SearchType>(19), pattern)));
  return 0;
}
