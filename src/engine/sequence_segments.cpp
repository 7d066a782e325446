#include "engine/sequence_segments.h"

#include <algorithm>
#include <bit>

#include "engine/word_bytes.h"

namespace kwintel {

bool SequenceSegments::UseNew(const char* pattern) {
  pattern_.assign(pattern);
  trusted_ = nullptr;
  known_ = true;
  usable_ = Compile(pattern);
  return usable_;
}

bool SequenceSegments::Compile(const char* pattern) {
  sets_.clear();
  masks_.clear();
  between_.clear();
  betweenElements_ = 0;
  hasRun_ = false;
  std::vector<Piece> pieces;
  Piece current;
  for (const char* p = pattern; *p != '\0';) {
    if (*p == '*') {
      if (p[1] == '*') return false;
      hasRun_ = true;
      pieces.push_back(current);
      current = Piece{sets_.size(), 0};
      ++p;
      continue;
    }
    const char* next = p + 1;
    if (*p == '[' || *p == '{') {
      next = SkipSequenceClass(p);
      if (next[-1] != (*p == '[' ? ']' : '}')) return false;
    }
    SequenceCharacterSet set;
    if (!SequenceElementSet(p, set)) return false;
    sets_.push_back(set);
    ++current.count;
    p = next;
  }
  pieces.push_back(current);
  head_ = pieces.front();
  tail_ = hasRun_ ? pieces.back() : Piece{};
  for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
    Piece piece = pieces[i];
    if (piece.count <= 64) {
      piece.masks = masks_.size();
      masks_.resize(masks_.size() + kMasksPerPiece, 0);
      for (std::size_t k = 0; k < piece.count; ++k) {
        for (int c = 32; c < 128; ++c) {
          if (sets_[piece.first + k].Has(static_cast<char>(c))) {
            masks_[piece.masks + static_cast<std::size_t>(c)] |= std::uint64_t{1} << k;
          }
        }
      }
    }
    between_.push_back(piece);
    betweenElements_ += piece.count;
  }
  PrepareBetweenWhole();
  return true;
}

void SequenceSegments::PrepareBetweenWhole() {
  whole_ = false;
  wholeSets_.clear();
  wholeSetOf_.assign(sets_.size(), 0);
  if (between_.empty() || !HasWholeWordMatchers()) return;
  std::vector<SequenceCharacterSet> distinct;
  for (const Piece& piece : between_) {
    if (piece.count > 32) return;
    for (std::size_t k = piece.first; k < piece.first + piece.count; ++k) {
      const SequenceCharacterSet& set = sets_[k];
      const auto at = static_cast<std::size_t>(std::find(distinct.begin(), distinct.end(), set) - distinct.begin());
      if (at == distinct.size()) {
        if (distinct.size() == kMaxWholeSets) return;
        distinct.push_back(set);
      }
      wholeSetOf_[k] = static_cast<std::uint8_t>(at);
    }
  }
  for (const SequenceCharacterSet& set : distinct) {
    NibbleByteSet& nibbles = wholeSets_.emplace_back();
    for (int c = 32; c < 128; ++c) {
      if (set.Has(static_cast<char>(c))) nibbles.Add(static_cast<unsigned char>(c));
    }
  }
  whole_ = true;
}

int SequenceSegments::MatchBetweenWhole(const char* word, std::size_t length, std::size_t from,
                                        std::size_t stop) const {
  std::uint32_t members[kMaxWholeSets];
  const std::size_t end = MembersWhole(word, length, wholeSets_.data(), static_cast<int>(wholeSets_.size()), members);
  if (stop == kUnknownLength) stop = end;
  for (const Piece& piece : between_) {
    if (from + piece.count > stop) return 0;
    // Bit s: the piece fits at s.
    std::uint32_t fits = ~std::uint32_t{0};
    for (std::size_t k = 0; k < piece.count; ++k) fits &= members[wholeSetOf_[piece.first + k]] >> k;
    // Only the places from `from` on where the piece ends by `stop`.
    const std::size_t lastStart = stop - piece.count;
    fits &= ~std::uint32_t{0} << from;
    if (lastStart < 31) fits &= (std::uint32_t{2} << lastStart) - 1;
    if (fits == 0) return 0;
    from = static_cast<std::size_t>(std::countr_zero(fits)) + piece.count;
  }
  return 1;
}

// Whether the piece fits at `at`, all of whose count characters are word characters. Every
// character is tested, without an early way out: whether a word fits is no more predictable at
// its first character than at its last, and one mispredicted branch costs more than the tests.
bool SequenceSegments::Fits(const Piece& piece, const char* at) const {
  bool fits = true;
  for (std::size_t k = 0; k < piece.count; ++k) fits &= sets_[piece.first + k].Has(at[k]);
  return fits;
}

const char* SequenceSegments::Find(const Piece& piece, const char* from, const char* limit) const {
  if (piece.masks != kNoMasks) {
    // Bit k of `state`: the last k + 1 characters fit the piece's first k + 1 elements.
    const std::uint64_t* masks = masks_.data() + piece.masks;
    const std::uint64_t whole = std::uint64_t{1} << (piece.count - 1);
    std::uint64_t state = 0;
    for (const char* s = from; s != limit && !IsSequenceWordEnd(*s); ++s) {
      state = ((state << 1) | 1) & masks[static_cast<unsigned char>(*s)];
      if (state & whole) return s + 1;
    }
    return nullptr;
  }
  for (const char* s = from;; ++s) {
    std::size_t k = 0;
    for (; k < piece.count; ++k) {
      const char c = s[k];
      if (s + k == limit || IsSequenceWordEnd(c)) return nullptr;  // no room here or further on
      if (!sets_[piece.first + k].Has(c)) break;
    }
    if (k == piece.count) return s + piece.count;
  }
}

int SequenceSegments::Match(const char* word, std::size_t length) const {
  for (std::size_t k = 0; k < head_.count; ++k) {
    const char c = word[k];
    if (IsSequenceWordEnd(c) || !sets_[head_.first + k].Has(c)) return 0;
  }
  const char* from = word + head_.count;
  if (!hasRun_) return IsSequenceWordEnd(*from) ? 1 : 0;
  const char* limit = nullptr;
  if (tail_.count > 0) {
    const char* end = from;
    if (length != kUnknownLength) {
      // The head's characters are no word ends, so the end lies at or after `from`.
      end = word + WordEndOffset(word, length);
    } else {
      while (!IsSequenceWordEnd(*end)) ++end;
    }
    if (static_cast<std::size_t>(end - from) < tail_.count + betweenElements_) return 0;
    limit = end - tail_.count;
    if (!Fits(tail_, limit)) return 0;
  }
  if (whole_ && length != kUnknownLength && length <= 32) {
    return MatchBetweenWhole(word, length, static_cast<std::size_t>(from - word),
                             limit != nullptr ? static_cast<std::size_t>(limit - word) : kUnknownLength);
  }
  for (const Piece& piece : between_) {
    from = Find(piece, from, limit);
    if (from == nullptr) return 0;
  }
  return 1;
}

}  // namespace kwintel
