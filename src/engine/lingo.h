#pragma once
// "Lingo": the words that the colours of earlier guesses still leave.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kwintel {

// The colours the game gives `guess` against `answer`, one character per letter of the guess:
// 'G' (green) where the answer has the same letter in the same place; then, from left to right,
// 'O' (orange) for a letter the answer holds among its letters not yet used by a green or an
// earlier orange; '.' (grey) for every other letter. Any bytes are letters; an answer of another
// length is read the same way (a place past its end is never green). Cost: two passes.
std::string LingoColours(std::string_view guess, std::string_view answer);

struct LingoGuess {
  std::string word;     // letters A-Z
  std::string colours;  // 'G', 'O' or '.' per letter
};

// Guesses with their colours, read once, matched against every word of their length.
class LingoPattern {
 public:
  // Whether `word` is of the guesses' length, made of the letters A-Z only, and would have given
  // every guess exactly its colours. Cost: per guess a pass over the word, left at the first
  // place whose green does not agree, and a second pass for the oranges.
  bool Match(std::string_view word) const;

  const std::vector<LingoGuess>& guesses() const { return guesses_; }

  // The one word file worth reading: the guesses' length, 19 (the file of 19 letters and more)
  // for longer guesses.
  int minLength() const { return length_; }
  int maxLength() const { return length_; }

 private:
  friend std::variant<LingoPattern, std::string> PrepareLingo(std::string_view pattern);
  LingoPattern() = default;

  std::vector<LingoGuess> guesses_;
  int length_ = 2;
};

// Reads an upper-cased pattern of one or more guesses `WORD/COLOURS`, separated by blanks:
// WORD of 2 letters A-Z or more, COLOURS one of 'G', 'O', '.' per letter, every WORD of the same
// length. Gives the pattern, or the reason it is refused, in Dutch for a message box, such as
// «Alle gokken moeten even lang zijn», «Kleuren van KAART: 5 tekens nodig», «Onbekend teken 3 in
// KA3RT/G....».
std::variant<LingoPattern, std::string> PrepareLingo(std::string_view pattern);

}  // namespace kwintel
