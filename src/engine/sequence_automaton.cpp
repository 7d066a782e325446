#include "engine/sequence_automaton.h"

#include "engine/sequence_elements.h"

namespace kwintel {
namespace {

constexpr int kCharacters = 128;  // word characters are 32 .. 127

}  // namespace

std::optional<SequenceAutomaton> SequenceAutomaton::Compile(const char* pattern) {
  // First pass: the elements' sets and which states a run follows.
  std::vector<SequenceCharacterSet> sets;
  std::vector<bool> runAfter(1, false);  // runAfter[i]: a '*' follows state i
  for (const char* p = pattern; *p != '\0';) {
    if (*p == '*') {
      if (runAfter.back()) return std::nullopt;  // "**"
      runAfter.back() = true;
      ++p;
      continue;
    }
    SequenceCharacterSet set;
    if (!SequenceElementSet(p, set)) return std::nullopt;  // a letter variable or binding mark
    if (*p == '[' || *p == '{') {
      const char* after = SkipSequenceClass(p);
      if (after[-1] != (*p == '[' ? ']' : '}')) return std::nullopt;  // left open
      p = after;
    } else {
      ++p;
    }
    sets.push_back(set);
    runAfter.push_back(false);
  }

  SequenceAutomaton automaton;
  automaton.elements_ = static_cast<int>(sets.size());
  automaton.vectorWords_ = automaton.elements_ / 64 + 1;
  const auto words = static_cast<std::size_t>(automaton.vectorWords_);
  automaton.takes_.assign(kCharacters * words, 0);
  automaton.runs_.assign(words, 0);
  for (std::size_t state = 0; state < runAfter.size(); ++state) {
    const std::uint64_t bit = std::uint64_t{1} << (state % 64);
    if (runAfter[state]) automaton.runs_[state / 64] |= bit;
    if (state == 0) continue;
    for (int c = 32; c < kCharacters; ++c) {
      if (sets[state - 1].Has(static_cast<char>(c)))
        automaton.takes_[static_cast<std::size_t>(c) * words + state / 64] |= bit;
    }
  }
  return automaton;
}

int SequenceAutomaton::Match(const char* word) const {
  return vectorWords_ == 1 ? MatchOneWord(word) : MatchManyWords(word);
}

int SequenceAutomaton::MatchOneWord(const char* word) const {
  const std::uint64_t runs = runs_[0];
  std::uint64_t states = 1;
  for (; !IsSequenceWordEnd(*word); ++word) {
    const std::uint64_t takes = takes_[static_cast<unsigned char>(*word)];
    states = ((states << 1) & takes) | (states & runs);
    if (states == 0) return 0;  // no state is left to reach the end
  }
  return static_cast<int>((states >> elements_) & 1);
}

int SequenceAutomaton::MatchManyWords(const char* word) const {
  // At most 299 pattern characters give at most 5 words; a longer unprepared text a few more.
  const auto words = static_cast<std::size_t>(vectorWords_);
  std::vector<std::uint64_t> states(words, 0);
  states[0] = 1;
  for (; !IsSequenceWordEnd(*word); ++word) {
    const std::uint64_t* takes = &takes_[static_cast<unsigned char>(*word) * words];
    std::uint64_t carry = 0;
    std::uint64_t any = 0;
    for (std::size_t k = 0; k < words; ++k) {
      const std::uint64_t old = states[k];
      states[k] = (((old << 1) | carry) & takes[k]) | (old & runs_[k]);
      carry = old >> 63;
      any |= states[k];
    }
    if (any == 0) return 0;
  }
  const auto last = static_cast<std::size_t>(elements_);
  return static_cast<int>((states[last / 64] >> (last % 64)) & 1);
}

}  // namespace kwintel
