#include "engine/phonemes.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kwintel {
namespace {

// Every vowel espeak-ng 1.51's "nl" voice writes for the 413,000 words of the OpenTaal list, found
// by phonemising the whole list and reading its IPA output beside the mnemonics.
constexpr std::array<std::string_view, 42> kVowels = {
    // The Dutch vowels and diphthongs.
    "@",   // ə   de, lopen
    "a:",  // aː  kaas
    "A",   // ɑ   kat
    "E",   // ɛ   bed
    "E2",  // ɛ   the same vowel where espeak-ng leaves it unstressed (-en- in compounds)
    "I",   // ɪ   pit
    "I2",  // ɪ   the same, unstressed
    "I:",  // ɪː  meer: how espeak-ng writes ee before r
    "i",   // i   vier
    "e:",  // eː  been
    "O",   // ɔ   pot
    "O:",  // ɔː  voor: oo before r
    "o:",  // oː  boot
    "8",   // ʏ   put (espeak-ng's IPA writes ɵ)
    "u",   // u   boek
    "y",   // y   vuur
    "Y:",  // øː  deur, beuk
    "EI",  // ɛi  wijn, klein
    "Wy",  // œy  huis
    "VU",  // ʌu  hout, dauw
    "eU",  // eu  leeuw
    "yU",  // yu  duw
    // Long and foreign vowels of loan words.
    "a",   // a   programma's
    "e",   // e   record
    "o",   // o   cabriolet
    "i:",  // iː  team
    "u:",  // uː  tour
    "y:",  // yː  EU
    "E:",  // ɛː  affaire
    "A~",  // ɑ̃   genre
    "E~",  // ɛ̃   Saint
    "O~",  // ɔ̃   chanson
    "V",   // ʌ   back-up
    "0",   // ɒ   laptop
    "A@",  // ɑː  hardware
    "3",   // ə   player
    "3:",  // ɜː  research
    "aI",  // aɪ  site
    "eI",  // eɪ  base
    "OI",  // ɔɪ  Android
    "oU",  // əʊ  home
    "e@",  // eə  software
};

// The consonants it writes for that list: "Q" is the Dutch g (ɣ), "v#" the w (ʋ), "*" the tap of
// a first r before another, "n^" ɲ, "t;" the tj of -tje (tʲ); the rest as in English spelling or
// Kirshenbaum (S ʃ, Z ʒ, N ŋ, D ð, tS, dZ).
constexpr std::array<std::string_view, 29> kConsonants = {
    "b", "d", "f", "g", "h", "j",  "k", "l", "m", "n",  "p",  "r",  "s", "t",  "v",
    "w", "x", "z", "Q", "N", "v#", "S", "Z", "D", "n^", "tS", "dZ", "*", "t;",
};

// A vowel's mnemonic has one or two bytes: those bytes as a number up to 65535, one bit each in a
// table made at compile time, so that the sound file's 5 million phonemes are told apart by one
// look-up each rather than a search of the list.
constexpr std::size_t kVowelKeys = 1 << 16;
static_assert(std::all_of(kVowels.begin(), kVowels.end(),
                          [](std::string_view v) { return v.size() == 1 || v.size() == 2; }));
constexpr std::size_t VowelKey(std::string_view phoneme) {
  return static_cast<unsigned char>(phoneme[0]) |
         (phoneme.size() > 1 ? static_cast<std::size_t>(static_cast<unsigned char>(phoneme[1])) << 8 : 0);
}
constexpr std::array<std::uint64_t, kVowelKeys / 64> MakeVowelTable() {
  std::array<std::uint64_t, kVowelKeys / 64> table{};
  for (const std::string_view vowel : kVowels)
    table[VowelKey(vowel) / 64] |= std::uint64_t{1} << (VowelKey(vowel) % 64);
  return table;
}
constexpr std::array<std::uint64_t, kVowelKeys / 64> kVowelTable = MakeVowelTable();

bool IsStressMark(char c) { return c == kPrimaryStress || c == kSecondaryStress; }

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A token of espeak-ng's output that stands for no sound of the word.
bool IsSilent(std::string_view token) {
  if (token.front() == '_') return true;                                              // pauses and glottal stops
  if (token.size() >= 2 && token.front() == '(' && token.back() == ')') return true;  // language switch
  return token == "!" || token == "@-";
}

}  // namespace

bool IsVowelPhoneme(std::string_view phoneme) {
  if (phoneme.empty() || phoneme.size() > 2) return false;
  const std::size_t key = VowelKey(phoneme);
  return ((kVowelTable[key / 64] >> (key % 64)) & 1) != 0;
}

bool IsKnownPhoneme(std::string_view phoneme) {
  return IsVowelPhoneme(phoneme) || std::find(kConsonants.begin(), kConsonants.end(), phoneme) != kConsonants.end();
}

std::string NormalisePhonemes(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  // A stress mark waits here for the vowel it belongs to.
  char pendingStress = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsSeparator(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string_view token = text.substr(at, end - at);
    at = end;
    while (!token.empty() && IsStressMark(token.front())) {
      if (pendingStress != kPrimaryStress) pendingStress = token.front();
      token.remove_prefix(1);
    }
    if (token.empty() || IsSilent(token)) continue;
    if (token == ";") {
      if (!result.empty()) result += ';';
      continue;
    }
    if (!result.empty()) result += ' ';
    if (pendingStress != 0 && IsVowelPhoneme(token)) {
      result += pendingStress;
      pendingStress = 0;
    }
    result += token;
  }
  return result;
}

}  // namespace kwintel
