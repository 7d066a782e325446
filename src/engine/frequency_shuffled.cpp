#include "engine/frequency_shuffled.h"

#if defined(__SSE2__)
#include <immintrin.h>

#include "engine/word_vector.h"
#define KWINTEL_SHUFFLED_FREQUENCY 1
#endif

namespace kwintel {

#if defined(KWINTEL_SHUFFLED_FREQUENCY)

bool HasShuffledFrequency() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}

namespace {

// Whether `bits` has at least n bits set; n is small (a count of equal digits times their value).
bool HasBits(unsigned bits, int n) {
  for (; n > 0; --n) {
    if (bits == 0) return false;
    bits &= bits - 1;
  }
  return true;
}

}  // namespace

__attribute__((target("ssse3"))) int EnoughBytesOfEachCountShuffled(const char* word, std::size_t length,
                                                                    const FrequencyPattern& pattern) {
  __m128i w = LoadWordBytes16(word, length);
  // Signed, the bytes below 32 are the control bytes (the zeros past a short word too) and those
  // of 128 and above.
  const unsigned ends = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(w, _mm_set1_epi8(32))));
  if (ends == 0 && length > 16) return -1;
  const int counted = ends == 0 ? 16 : __builtin_ctz(ends);
  // In place of every byte that does not count: a byte of 128 or above, different at each place,
  // which equals no other byte.
  const __m128i places = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  const __m128i fillers = _mm_or_si128(places, _mm_set1_epi8(static_cast<char>(0x80)));
  const __m128i keep = _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(counted)), places);
  w = _mm_or_si128(_mm_and_si128(keep, w), _mm_andnot_si128(keep, fillers));

  // Byte i of `counts`: how many of the 16 bytes equal byte i, itself included.
  __m128i counts = _mm_setzero_si128();
  __m128i from = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi8(1);
  // Only the counted places need comparing with; four at a time, as the fillers past them equal
  // no counted byte.
  for (int j = 0; j < counted; j += 4) {
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
      counts = _mm_sub_epi8(counts, _mm_cmpeq_epi8(w, _mm_shuffle_epi8(w, from)));
      from = _mm_add_epi8(from, one);
    }
  }

  // A byte occurring v times gives v places with count v.
  const unsigned countedPlaces = (1u << counted) - 1;
  for (int v = 1; v <= pattern.highestDigit; ++v) {
    if (pattern.unusedDigits[v] == 0) continue;
    if (pattern.unusedDigits[v] > 16) return 0;
    const auto withCount = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(counts, _mm_set1_epi8(static_cast<char>(v)))));
    if (!HasBits(withCount & countedPlaces, v * pattern.unusedDigits[v])) return 0;
  }
  return 1;
}

#else

bool HasShuffledFrequency() { return false; }

int EnoughBytesOfEachCountShuffled(const char*, std::size_t, const FrequencyPattern&) { return -1; }

#endif

}  // namespace kwintel
