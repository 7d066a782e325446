// Fuzz target: one pattern prepared for each of the thirteen search types, then matched against words.
//
// Input: the first line is the pattern (at most 400 bytes are used), every further line a word
// (at most 100 bytes each, at most 64 words). Promises checked:
// - preparation never reads or writes outside the pattern, rewrites it without growing it, and an
//   accepted pattern scans lengths 2 <= min <= max <= 19;
// - MatchWord reads word and pattern only up to their terminating NUL, changes neither, gives 0
//   or 1, and gives the same verdict for the same word twice (no verdict leaks from one word into
//   the next);
// - an accepted Sequence pattern is one the matcher can read (classes closed, no '*' after '*');
// - the Sequence verdict equals that of plain backtracking, stale letter variables included;
// - the pattern compiled once, as a search holds it, gives MatchWord's verdict, letter variables
//   and remainder at every word, and so does the sequence matcher with its memo from the start;
// - a type value that is no search type matches nothing.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/compiled_pattern.h"
#include "engine/engine_types.h"
#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
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

int Verdict(SearchType type, const ExactText& pattern, const ExactText& word) {
  MatchWord(type, pattern.bytes.get(), word.bytes.get());
  FUZZ_REQUIRE(matchState.matched == 0 || matchState.matched == 1);
  return matchState.matched;
}

void CheckType(SearchType type, std::string_view pattern, const std::vector<std::string_view>& words,
               long& referenceBudget) {
  std::string text(pattern);
  int minLength = -1;
  int maxLength = -1;
  if (!PrepareSearchPattern(text, type, minLength, maxLength)) return;
  FUZZ_REQUIRE(kMinWordLength <= minLength && minLength <= maxLength && maxLength <= kMaxWordLength);
  FUZZ_REQUIRE(text.size() <= pattern.size());

  // What the matchers receive is a C string: it ends at the first NUL of the prepared text.
  const std::string_view prepared(text.c_str());
  const ExactText preparedCopy(prepared);
  if (type == SearchType::Sequence && prepared.size() == text.size()) {
    FUZZ_REQUIRE(IsWellFormedSequence(prepared.data()));
  }
  const CompiledPattern compiled = CompilePattern(type, std::string(prepared));
  for (std::string_view word : words) {
    const ExactText wordCopy(word);
    const int verdict = Verdict(type, preparedCopy, wordCopy);
    FUZZ_REQUIRE(preparedCopy.Unchanged(prepared));
    FUZZ_REQUIRE(wordCopy.Unchanged(word));
    FUZZ_REQUIRE(Verdict(type, preparedCopy, wordCopy) == verdict);
    const int variables[] = {matchState.ampVar, matchState.dollarVar, matchState.caretVar};
    const std::string remainder = matchState.remainder;
    MatchCompiled(compiled, wordCopy.bytes.get(), std::strlen(wordCopy.bytes.get()));
    FUZZ_REQUIRE(matchState.matched == verdict && matchState.ampVar == variables[0] &&
                 matchState.dollarVar == variables[1] && matchState.caretVar == variables[2]);
    if (verdict == 1) FUZZ_REQUIRE(matchState.remainder == remainder);
    if (type == SearchType::Sequence) {
      const char* rest = preparedCopy.bytes.get();
      const bool negated = rest[0] == '-';
      ClearVerdict(matchState);
      MatchSequenceWithBudget(wordCopy.bytes.get(), negated ? rest + 1 : rest, 0);
      FUZZ_REQUIRE((matchState.matched ^ (negated ? 1 : 0)) == verdict && matchState.ampVar == variables[0] &&
                   matchState.dollarVar == variables[1] && matchState.caretVar == variables[2]);
    }
    // A NUL inside the pattern cuts it short of what preparation checked; the engine must merely
    // survive that, so the comparison is left out.
    if (type == SearchType::Sequence && referenceBudget > 0 && prepared.size() == text.size()) {
      const auto expected = ReferenceSequenceMatch(preparedCopy.bytes.get(), wordCopy.bytes.get(), referenceBudget);
      if (expected) FUZZ_REQUIRE(*expected == (verdict == 1));
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
  for (int type = 0; type <= 12; ++type) {
    CheckType(static_cast<SearchType>(type), pattern, words, referenceBudget);
  }
  const ExactText anyPattern(pattern);
  for (std::string_view word : words) {
    FUZZ_REQUIRE(Verdict(static_cast<SearchType>(13), anyPattern, ExactText(word)) == 0);
  }
  return 0;
}
