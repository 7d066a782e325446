#include "engine/whole_word_matchers.h"

#if defined(__SSE2__)
#include <immintrin.h>

#include "engine/word_vector.h"
#define KWINTEL_WHOLE_WORD_MATCHERS 1
#endif

namespace kwintel {

NibbleByteSet::NibbleByteSet(const ByteSet& set) {
  for (int byte = 0; byte < 256; ++byte) {
    if (set.Mask(static_cast<char>(byte)) != 0) Add(static_cast<unsigned char>(byte));
  }
}

void NibbleByteSet::Add(unsigned char byte) {
  std::uint8_t* rows = byte < 128 ? low : high;
  rows[byte & 15] = static_cast<std::uint8_t>(rows[byte & 15] | 1u << ((byte >> 4) & 7));
}

#if defined(KWINTEL_WHOLE_WORD_MATCHERS)

bool HasWholeWordMatchers() { return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt"); }

namespace {

// The first min(length, 32) bytes of a word, zeros after them.
__attribute__((target("avx2,popcnt"), always_inline)) inline __m256i LoadWordBytes32(const char* word,
                                                                                     std::size_t length) {
  if (length >= 32) return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(word));
  const __m128i high = length > 16 ? LoadWordBytes16(word + 16, length - 16) : _mm_setzero_si128();
  return _mm256_set_m128i(high, LoadWordBytes16(word, length));
}

// Bit i set when byte i of w ends a word: signed, the bytes below 32 are the control bytes (the
// zeros past a short word too) and those of 128 and above.
__attribute__((target("avx2,popcnt"))) std::uint32_t WordEnds(__m256i w) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(_mm256_set1_epi8(32), w)));
}

// Bit i set when byte i of w is in the set.
__attribute__((target("avx2,popcnt"))) std::uint32_t Members(__m256i w, const NibbleByteSet& set) {
  // Each byte's row (its low four bits) in the table of its half, and the bit of its column.
  const __m256i row = _mm256_and_si256(w, _mm256_set1_epi8(0x0F));
  const __m256i column = _mm256_and_si256(_mm256_srli_epi16(w, 4), _mm256_set1_epi8(0x07));
  const __m256i lowRows = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(set.low)));
  const __m256i highRows = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(set.high)));
  const __m256i columnBits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32,
                                              64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
  // The sign bit of a byte (128 and above) picks the high table.
  const __m256i rows = _mm256_blendv_epi8(_mm256_shuffle_epi8(lowRows, row), _mm256_shuffle_epi8(highRows, row), w);
  const __m256i bit = _mm256_shuffle_epi8(columnBits, column);
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_and_si256(rows, bit), bit)));
}

// Byte i, for i below `counted`: how many of the first `counted` bytes of `w` equal byte i, itself
// included. Every byte of `w` from `counted` on must differ from all others. A word compares its
// bytes with each of its bytes in turn; a short one sits in the register two or four times over,
// and each copy compares with a different byte, so that it takes half or a quarter of the steps.
__attribute__((target("avx2,popcnt"))) __m256i CountsOfEachByte(__m256i w, const char* word, int counted) {
  const __m256i one = _mm256_set1_epi8(1);
  __m256i counts = _mm256_setzero_si256();
  if (counted > 16) {
    for (int j = 0; j < counted; ++j) {
      counts = _mm256_sub_epi8(counts, _mm256_cmpeq_epi8(w, _mm256_set1_epi8(word[j])));
    }
    return counts;
  }
  if (counted > 8) {
    // Two copies, one per 128-bit lane: the low one takes bytes 0 .. half - 1, the high one the
    // rest (and the bytes past them up to 2 * half, which equal only themselves). Two steps at a
    // time.
    const __m256i copies = _mm256_broadcastsi128_si256(_mm256_castsi256_si128(w));
    const int half = (counted + 3) / 4 * 2;
    __m256i pick = _mm256_setr_m128i(_mm_setzero_si128(), _mm_set1_epi8(static_cast<char>(half)));
    const __m256i two = _mm256_add_epi8(one, one);
    for (int step = 0; step < half; step += 2) {
      const __m256i first = _mm256_cmpeq_epi8(copies, _mm256_shuffle_epi8(copies, pick));
      const __m256i second = _mm256_cmpeq_epi8(copies, _mm256_shuffle_epi8(copies, _mm256_add_epi8(pick, one)));
      counts = _mm256_sub_epi8(_mm256_sub_epi8(counts, first), second);
      pick = _mm256_add_epi8(pick, two);
    }
    return _mm256_zextsi128_si256(_mm_add_epi8(_mm256_castsi256_si128(counts), _mm256_extracti128_si256(counts, 1)));
  }
  // Four copies of eight bytes; copy k takes the bytes from k * quarter on.
  const __m256i copies = _mm256_broadcastq_epi64(_mm256_castsi256_si128(w));
  const int quarter = (counted + 3) / 4;
  __m256i pick =
      _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3);
  if (quarter == 2) pick = _mm256_add_epi8(pick, pick);
  for (int step = 0; step < quarter; ++step) {
    counts = _mm256_sub_epi8(counts, _mm256_cmpeq_epi8(copies, _mm256_shuffle_epi8(copies, pick)));
    pick = _mm256_add_epi8(pick, one);
  }
  // The four copies' counts added up in the low eight bytes.
  counts = _mm256_add_epi8(counts, _mm256_bsrli_epi128(counts, 8));
  const __m128i total = _mm_add_epi8(_mm256_castsi256_si128(counts), _mm256_extracti128_si256(counts, 1));
  return _mm256_zextsi128_si256(_mm_move_epi64(total));
}

}  // namespace

__attribute__((target("avx2,popcnt"))) int EnoughBytesOfEachCountWhole(const char* word, std::size_t length,
                                                                       const FrequencyPattern& pattern) {
  __m256i w = LoadWordBytes32(word, length);
  const std::uint32_t ends = WordEnds(w);
  if (ends == 0 && length > 32) return -1;
  const int counted = ends == 0 ? 32 : __builtin_ctz(ends);
  // In place of every byte that does not count: a byte of 128 or above, different at each place,
  // which equals no counted byte.
  const __m256i places = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                          22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
  const __m256i fillers = _mm256_or_si256(places, _mm256_set1_epi8(static_cast<char>(0x80)));
  const __m256i keep = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(counted)), places);
  w = _mm256_blendv_epi8(fillers, w, keep);

  const __m256i counts = CountsOfEachByte(w, word, counted);

  // A byte occurring v times gives v places with count v.
  const unsigned countedPlaces = counted == 32 ? ~0u : (1u << counted) - 1;
  for (int v = 1; v <= pattern.highestDigit; ++v) {
    if (pattern.unusedDigits[v] == 0) continue;
    const auto withCount =
        static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(counts, _mm256_set1_epi8(static_cast<char>(v)))));
    if (__builtin_popcount(withCount & countedPlaces) < v * pattern.unusedDigits[v]) return 0;
  }
  return 1;
}

__attribute__((target("avx2,popcnt"))) int LongestRunReachesWhole(const char* word, std::size_t length,
                                                                  const NibbleByteSet& set, long runLength) {
  if (length > 32) return -1;
  if (runLength <= 0) return 1;
  if (runLength > static_cast<long>(length)) return 0;
  // The zeros past a short word are in no set: a pattern holds no NUL.
  std::uint32_t runs = Members(LoadWordBytes32(word, length), set);
  // Bit i stays while bytes i to i + k are all in the set.
  for (long k = 1; k < runLength; ++k) runs &= runs >> 1;
  return runs != 0 ? 1 : 0;
}

#else

bool HasWholeWordMatchers() { return false; }

int EnoughBytesOfEachCountWhole(const char*, std::size_t, const FrequencyPattern&) { return -1; }

int LongestRunReachesWhole(const char*, std::size_t, const NibbleByteSet&, long) { return -1; }

#endif

}  // namespace kwintel
