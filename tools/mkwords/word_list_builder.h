#pragma once
// Turns a UTF-8 word list into the contents of a word-file set: one sorted list of Windows-1252
// capitals per word length 2 .. 19 (the 19 list holding every longer word too).

#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/search_type.h"

namespace kwintel {

// A word file's line holds at most this many characters before its line end.
inline constexpr std::size_t kMaxWordFileWordLength = 97;

struct WordLists {
  // words[L - 2]: the words of file L, byte-sorted, without duplicates.
  std::array<std::vector<std::string>, kMaxWordLength - kMinWordLength + 1> words;
  int tooShort = 0;          // empty lines and one-character words, dropped
  int noCp1252Form = 0;      // not UTF-8, or a character Windows-1252 cannot hold: skipped
  int controlCharacter = 0;  // a control character (tab, CR inside the line, ...): skipped
  int tooLong = 0;           // more than 97 characters after conversion: skipped
  int duplicates = 0;        // the same word again after conversion to capitals

  int Skipped() const { return noCp1252Form + controlCharacter + tooLong; }
  std::vector<std::string>& ForLength(int length) { return words[LengthIndex(length)]; }
  const std::vector<std::string>& ForLength(int length) const { return words[LengthIndex(length)]; }
};

// Why a line of a UTF-8 list gives no word of the set.
enum class ListWordFault { kNone, kTooShort, kNoCp1252Form, kControlCharacter, kTooLong };

struct ListWord {
  std::string word;  // Windows-1252 capitals, as the word files hold it; empty unless kNone
  ListWordFault fault = ListWordFault::kNone;
};

// The word a line of a UTF-8 list stands for in the word files (its line end, LF or CR LF,
// removed first): converted to Windows-1252 and capitals, refused when it has a character
// Windows-1252 cannot hold, a control character, fewer than 2 or more than 97 characters.
ListWord ConvertListWord(std::string_view utf8Line);

// The file a word of `length` bytes belongs to: the length, 19 for every longer word.
inline int FileLengthOf(std::size_t length) {
  return length < static_cast<std::size_t>(kMaxWordLength) ? static_cast<int>(length) : kMaxWordLength;
}

// Collects words one at a time; Finish sorts and removes duplicates.
class WordListBuilder {
 public:
  // One line of the UTF-8 list, its line end (LF or CR LF) already removed or not.
  void AddLine(std::string_view utf8Line);
  // Sorts every length by byte value and drops duplicates; the builder is empty afterwards.
  WordLists Finish();

 private:
  WordLists set_;
};

// Reads the whole list, one word per line.
WordLists BuildWordLists(std::istream& utf8List);

// The bytes of one word file: every word followed by LF.
std::string WordFileContents(const std::vector<std::string>& words);

}  // namespace kwintel
