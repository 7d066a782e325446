#pragma once
// The phoneme strings of the sound file: espeak-ng's Dutch ("nl") phoneme mnemonics, one blank
// between phonemes, e.g. "k 'A t" (kat), "Q @ d 'I x t" (gedicht), "s ,I n t @ r k l 'a: s"
// (sinterklaas).
//
// A stress mark stands directly before the vowel it stresses, attached to it as part of its
// token: "'" primary, "," secondary ("'a:", ",I"). espeak-ng itself writes it there, before the
// vowel rather than before the syllable, so the rules find the stressed vowel by its token alone.
// A word without any stress mark (espeak-ng leaves short function words such as "dat" unstressed)
// is stressed on no vowel in particular.

#include <string>
#include <string_view>

namespace kwintel {

inline constexpr char kPrimaryStress = '\'';
inline constexpr char kSecondaryStress = ',';

// Whether `phoneme` (a token without its stress mark) is one of espeak-ng's Dutch vowels: the
// monophthongs, diphthongs, long and nasal vowels and the schwa that its "nl" voice writes for
// the OpenTaal list, loan words included (see phonemes.cpp for the list and their sounds).
bool IsVowelPhoneme(std::string_view phoneme);

// Whether `phoneme` (without a stress mark) is a vowel or consonant espeak-ng's "nl" voice writes.
bool IsKnownPhoneme(std::string_view phoneme);

// espeak-ng's phoneme output for a word in the form the sound file holds: stress marks kept and
// attached to the vowel that follows them (a stronger mark wins when two meet); exactly one blank
// between phonemes, none at either end; the marks that are no sound of the word removed: pauses
// and glottal stops ("_", "_:", "_!", "_|"), espeak-ng's empty "!" and "@-", and the language
// switches of loan words ("(en)", "(nl)"). A palatalisation mark ";", which espeak-ng prints as a
// token of its own, joins the phoneme before it ("t ;" becomes "t;", the sound of "tj"). Blanks,
// tabs and line ends all separate phonemes. Idempotent.
std::string NormalisePhonemes(std::string_view espeakPhonemes);

}  // namespace kwintel
