#include "engine/multi_word_anagram.h"

#include <algorithm>

#include "engine/plain_word.h"
#include "text/text_encoding.h"

namespace kwintel {

namespace {

constexpr int kMaxFileLength = 19;

// The letters of LETTERS: 2 to 60 of A-Z.
bool ReadLetters(std::string_view text, std::string& letters) {
  if (text.size() < MultiWordPattern::kMinLetters || text.size() > MultiWordPattern::kMaxLetters) {
    return false;
  }
  for (const char c : text) {
    const char upper = AsciiUpper(c);
    if (upper < 'A' || upper > 'Z') return false;
    letters.push_back(upper);
  }
  return true;
}

// The enumeration: 2 to 4 whole numbers from 2 to 60, separated by single commas.
bool ReadParts(std::string_view text, std::vector<int>& parts) {
  std::size_t i = 0;
  while (true) {
    int value = 0;
    const std::size_t start = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value = value * 10 + (text[i] - '0');
      if (value > MultiWordPattern::kMaxLetters) return false;  // also keeps the sum in range
    }
    if (i == start || value < 2) return false;
    parts.push_back(value);
    if (parts.size() > MultiWordPattern::kMaxParts) return false;
    if (i == text.size()) break;
    if (text[i] != ',') return false;
    ++i;
  }
  return parts.size() >= 2;
}

int FileLengthOf(int wordLength) { return std::min(wordLength, kMaxFileLength); }

}  // namespace

std::optional<MultiWordPattern> PrepareMultiWordAnagram(std::string_view text) {
  MultiWordPattern pattern;
  const std::size_t blank = text.find(' ');
  if (!ReadLetters(text.substr(0, blank), pattern.letters)) return std::nullopt;
  const int count = static_cast<int>(pattern.letters.size());
  if (blank == std::string_view::npos) {
    // Two words of at least 2 letters each; a group too short for two still searches, and
    // finds nothing.
    pattern.minLength = 2;
    pattern.maxLength = std::clamp(count - 2, 2, kMaxFileLength);
    return pattern;
  }
  if (!ReadParts(text.substr(blank + 1), pattern.parts)) return std::nullopt;
  int sum = 0;
  for (const int part : pattern.parts) sum += part;
  if (sum != count) return std::nullopt;
  const auto [shortest, longest] = std::minmax_element(pattern.parts.begin(), pattern.parts.end());
  pattern.minLength = FileLengthOf(*shortest);
  pattern.maxLength = FileLengthOf(*longest);
  return pattern;
}

bool MultiWordPattern::ReadsLength(int fileLength) const {
  if (parts.empty()) {
    const int longest = static_cast<int>(letters.size()) - 2;
    return fileLength >= 2 && fileLength <= std::min(longest, kMaxFileLength);
  }
  return std::any_of(parts.begin(), parts.end(), [fileLength](int part) { return FileLengthOf(part) == fileLength; });
}

bool PassesMultiWordNarrowing(const MultiWordPattern& pattern, std::string_view text) {
  std::array<int, 26> balance{};
  for (const char c : pattern.letters) ++balance[static_cast<std::size_t>(c - 'A')];
  std::size_t part = 0;
  std::size_t partLength = 0;
  // A part ends at a blank and at the end of the text; its length must be the next number.
  const auto endPart = [&] {
    if (pattern.parts.empty()) return true;
    if (part >= pattern.parts.size() || partLength != static_cast<std::size_t>(pattern.parts[part])) {
      return false;
    }
    ++part;
    partLength = 0;
    return true;
  };
  for (const char c : text) {
    if (c == ' ') {
      if (!endPart()) return false;
    } else if (c >= 'A' && c <= 'Z') {
      if (--balance[static_cast<std::size_t>(c - 'A')] < 0) return false;
      ++partLength;
    } else {
      return false;
    }
  }
  if (!endPart() || (!pattern.parts.empty() && part != pattern.parts.size())) return false;
  return std::all_of(balance.begin(), balance.end(), [](int left) { return left == 0; });
}

MultiWordIndex::MultiWordIndex(const MultiWordPattern& pattern)
    : parts_(pattern.parts), letterCount_(pattern.letters.size()) {
  for (const char c : pattern.letters) ++letters_[static_cast<std::size_t>(c - 'A')];
  std::uint64_t radix = 1;
  for (std::size_t c = 0; c < 26; ++c) {
    radix_[c] = radix;
    fullKey_ += radix * letters_[c];
    radix *= std::uint64_t{letters_[c]} + 1;
  }
  if (parts_.empty()) {
    for (std::size_t length = 2; length + 2 <= letterCount_; ++length) {
      wantedLengths_ |= std::uint64_t{1} << length;
    }
  } else {
    for (const int part : parts_) wantedLengths_ |= std::uint64_t{1} << part;
  }
  keepsCounts_ = parts_.size() >= 3;
}

void MultiWordIndex::Add(std::string_view word) {
  if (word.size() > MultiWordPattern::kMaxLetters || ((wantedLengths_ >> word.size()) & 1) == 0) {
    return;
  }
  Counts counts{};
  std::uint64_t key = 0;
  for (const char c : word) {
    if (c < 'A' || c > 'Z') return;  // not a plain word
    const auto letter = static_cast<std::size_t>(c - 'A');
    if (++counts[letter] > letters_[letter]) return;
    key += radix_[letter];
  }
  if (seen_.contains(word)) return;  // a word counts once, at its first place
  const char* const text = Keep(word);
  seen_.insert(std::string_view(text, word.size()));
  const auto id = static_cast<std::uint32_t>(entries_.size());
  const auto [chain, isNew] = byKey_.try_emplace(key, Chain{id, id});
  if (!isNew) {
    entries_[chain->second.last].nextOfKey = id;
    chain->second.last = id;
  }
  entries_.push_back({text, key, static_cast<std::uint32_t>(word.size()), kNone});
  if (keepsCounts_) counts_.push_back(counts);
  if (!parts_.empty()) byLength_[word.size()].push_back(id);
}

const char* MultiWordIndex::Keep(std::string_view word) {
  if (kBlockBytes - blockUsed_ < word.size()) {
    blocks_.push_back(std::make_unique<char[]>(kBlockBytes));
    blockUsed_ = 0;
  }
  char* const text = blocks_.back().get() + blockUsed_;
  word.copy(text, word.size());
  blockUsed_ += word.size();
  return text;
}

// One run of Enumerate: the words chosen so far, the step count, and why it stopped.
class MultiWordIndex::Walk {
 public:
  Walk(const MultiWordIndex& index, const std::function<Flow(std::string_view)>& onLine,
       const std::function<Flow()>& pump)
      : index_(index), onLine_(onLine), pump_(pump) {}

  EnumerationEnd Pairs() {
    const std::size_t count = index_.letterCount_;
    for (std::uint32_t first = 0; first < index_.entries_.size() && !stopped(); ++first) {
      const Entry& w1 = index_.entries_[first];
      if (!Step() || 2 * w1.length > count) continue;
      const std::string_view text1 = index_.TextOf(first);
      ForEachOfKey(index_.fullKey_ - w1.key, [&](std::uint32_t second) {
        const std::string_view text2 = index_.TextOf(second);
        if (text1.size() == text2.size() && text2 < text1) return true;
        chosen_[0] = first;
        chosen_[1] = second;
        return Emit(2);
      });
    }
    return end_;
  }

  EnumerationEnd Sequences() {
    Counts left = index_.letters_;
    Level(0, index_.fullKey_, left);
    return end_;
  }

 private:
  bool stopped() const { return end_ != EnumerationEnd::Finished; }

  // Counts one step; false when the pump asked to stop.
  bool Step() {
    if (++steps_ % kStepsPerPump == 0 && pump_() == Flow::Stop) {
      end_ = EnumerationEnd::StoppedByPump;
      return false;
    }
    return true;
  }

  // Calls visit(id) for the words whose letters have `key`, in place order, while it and the
  // steps allow.
  template <typename Visit>
  void ForEachOfKey(std::uint64_t key, Visit visit) {
    const auto found = index_.byKey_.find(key);
    if (found == index_.byKey_.end()) return;
    for (std::uint32_t id = found->second.first; id != kNone; id = index_.entries_[id].nextOfKey) {
      if (!Step() || !visit(id)) return;
    }
  }

  // Chooses the word of part `part` from the letters `left` (whose key is `key`).
  void Level(std::size_t part, std::uint64_t key, Counts& left) {
    const std::size_t last = index_.parts_.size() - 1;
    if (part == last) {
      // The letters left make exactly one multiset: look its words up instead of trying all.
      ForEachOfKey(key, [&](std::uint32_t id) {
        chosen_[part] = id;
        return Emit(part + 1);
      });
      return;
    }
    for (const std::uint32_t id : index_.byLength_[static_cast<std::size_t>(index_.parts_[part])]) {
      if (!Step()) return;
      // Every word kept fits LETTERS, so the first part needs no test.
      if (part > 0 && !Fits(index_.counts_[id], left)) continue;
      if (index_.keepsCounts_) Subtract(left, index_.counts_[id]);
      chosen_[part] = id;
      Level(part + 1, key - index_.entries_[id].key, left);
      if (index_.keepsCounts_) Add(left, index_.counts_[id]);
      if (stopped()) return;
    }
  }

  static bool Fits(const Counts& word, const Counts& left) {
    for (std::size_t c = 0; c < word.size(); ++c) {
      if (word[c] > left[c]) return false;
    }
    return true;
  }
  static void Subtract(Counts& left, const Counts& word) {
    for (std::size_t c = 0; c < word.size(); ++c) left[c] = static_cast<std::uint8_t>(left[c] - word[c]);
  }
  static void Add(Counts& left, const Counts& word) {
    for (std::size_t c = 0; c < word.size(); ++c) left[c] = static_cast<std::uint8_t>(left[c] + word[c]);
  }

  // Hands the line of the first `count` chosen words over; false when it asked to stop.
  bool Emit(std::size_t count) {
    line_.clear();
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) line_.push_back(' ');
      line_.append(index_.TextOf(chosen_[i]));
    }
    if (onLine_(line_) == Flow::Stop) {
      end_ = EnumerationEnd::StoppedByResult;
      return false;
    }
    return true;
  }

  const MultiWordIndex& index_;
  const std::function<Flow(std::string_view)>& onLine_;
  const std::function<Flow()>& pump_;
  std::array<std::uint32_t, MultiWordPattern::kMaxParts> chosen_{};
  std::string line_;
  std::uint64_t steps_ = 0;
  EnumerationEnd end_ = EnumerationEnd::Finished;
};

EnumerationEnd MultiWordIndex::Enumerate(const std::function<Flow(std::string_view)>& onLine,
                                         const std::function<Flow()>& pump) const {
  Walk walk(*this, onLine, pump);
  return parts_.empty() ? walk.Pairs() : walk.Sequences();
}

}  // namespace kwintel
