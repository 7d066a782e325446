#pragma once
// The check file of a counts file: PREFIX.FRQ.check, one line that kwintel-mkwords writes after it
// has written PREFIX.FRQ and found it well-formed (every line a word and its count, the words in
// strictly rising byte order):
//
//   kwintel-frq-check 1 HASH SIZE WORDS
//
// HASH: the XXH3 64-bit hash of the counts file's bytes, 16 lower-case hexadecimal digits; SIZE:
// their number; WORDS: the number of its lines. A reader whose bytes have that hash and size can
// search them without first reading every line to find out whether it may; any other bytes (an
// edited, cut or replaced file) are read line by line as before.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

// "COUNTSPATH.check": the check file of the counts file at `countsPath`.
std::string CountsCheckPath(const std::string& countsPath);

// The check line, with its LF, for the bytes of a well-formed counts file of `words` words.
std::string CountsCheckLine(std::string_view counts, std::size_t words);

// The number of words that `checkFile` (the bytes of a check file) vouches for, when it vouches
// for exactly the bytes `counts`; nothing for any other check file or bytes.
std::optional<std::size_t> CheckedWords(std::string_view checkFile, std::string_view counts);

}  // namespace kwintel
