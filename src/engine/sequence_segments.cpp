#include "engine/sequence_segments.h"

#include <bit>
#include <cstring>

namespace kwintel {

namespace {

// Bit 7 of each byte of x that ends a sequence word (below 32 or 128 and above); bytes never carry
// into each other.
std::uint64_t WordEndBytes(std::uint64_t x) {
  constexpr std::uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7F;
  constexpr std::uint64_t kHigh = 0x8080808080808080;
  constexpr std::uint64_t kToThirtyTwo = 0x6060606060606060;  // 32 + 96 sets bit 7
  const std::uint64_t atLeastThirtyTwo = (x & kLowSeven) + kToThirtyTwo;
  return (x | ~atLeastThirtyTwo) & kHigh;
}

template <typename Unsigned>
std::uint64_t Load(const char* at) {
  Unsigned value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// The offset of the first byte among the `length` at `word` that ends a sequence word, or length.
// Reads those bytes only, eight at a time.
std::size_t WordEndOffset(const char* word, std::size_t length) {
  if constexpr (std::endian::native != std::endian::little) {
    std::size_t i = 0;
    while (i < length && !IsSequenceWordEnd(word[i])) ++i;
    return i;
  }
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    const std::uint64_t ends = WordEndBytes(Load<std::uint64_t>(word + i));
    if (ends != 0) return i + static_cast<std::size_t>(std::countr_zero(ends)) / 8;
  }
  const std::size_t left = length - i;
  if (left == 0) return length;
  std::uint64_t ends = 0;
  if (length >= 8) {
    // The last eight bytes, of which the first 8 - left were looked at already.
    ends = WordEndBytes(Load<std::uint64_t>(word + length - 8)) >> (8 * (8 - left));
  } else {
    // Two loads that overlap cover 2..7 bytes; an overlapping byte is or-ed with itself.
    std::uint64_t x = 0;
    if (left >= 4) {
      x = Load<std::uint32_t>(word) | Load<std::uint32_t>(word + left - 4) << (8 * (left - 4));
    } else if (left >= 2) {
      x = Load<std::uint16_t>(word) | Load<std::uint16_t>(word + left - 2) << (8 * (left - 2));
    } else {
      x = static_cast<unsigned char>(word[0]);
    }
    // The bytes past `left` are zeros, which would count as word ends.
    ends = WordEndBytes(x) & ((std::uint64_t{1} << (8 * left)) - 1);
  }
  return ends != 0 ? i + static_cast<std::size_t>(std::countr_zero(ends)) / 8 : length;
}

}  // namespace

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
  return true;
}

// Whether the piece fits at `at`, all of whose count characters are word characters.
bool SequenceSegments::Fits(const Piece& piece, const char* at) const {
  for (std::size_t k = 0; k < piece.count; ++k) {
    if (!sets_[piece.first + k].Has(at[k])) return false;
  }
  return true;
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
  for (const Piece& piece : between_) {
    from = Find(piece, from, limit);
    if (from == nullptr) return 0;
  }
  return 1;
}

}  // namespace kwintel
