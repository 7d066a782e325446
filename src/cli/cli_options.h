#pragma once
// kwintel-cli's command line: what the dialog's controls would hold, the buttons to press after
// the search, and the output file. Typed texts (pattern, filters, narrowing patterns) come in as
// UTF-8 and are kept as the controls would hold them: Windows-1252, typed small letters made
// capitals. File names stay the file system's bytes.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/search_type.h"

namespace kwintel::cli {

// One button pressed after the search, in command-line order.
struct CliAction {
  enum class Kind { Narrow, Sort, Restore };
  Kind kind;
  SearchType type = SearchType::Sequence;  // Narrow: the search type
  std::string pattern;                     // Narrow: the pattern box's text
};

struct CliOptions {
  enum class Mode { Search, Help, Version };
  Mode mode = Mode::Search;

  std::optional<std::string> wordsPrefix;  // -w; nothing: the discovered set
  SearchType type = SearchType::Sequence;  // -t
  // -l: lengths[L - 2] for L = 2 .. 19; nothing: all 18 (the dialog's start).
  std::optional<std::array<bool, 18>> lengths;
  int maxResults = 100;                   // -m
  std::string mustContain;                // --with
  std::string mustNotContain;             // --without
  bool showLength = false;                // --show-length
  bool keepIj = false;                    // --keep-ij
  bool common = false;                    // --common ("Gangbaar")
  bool lower = false;                     // --lower
  std::vector<CliAction> actions;         // --narrow, --sort, --restore
  std::optional<std::string> outputFile;  // -o, the last one given
  std::string pattern;
};

// What went wrong on the command line, in UTF-8, for the usage text's first line.
struct UsageError {
  std::string message;
};

// Reads the arguments after the program's name. Options and PATTERN may come in any order; "--"
// ends the options. Exactly one PATTERN is needed (an empty one included) unless --help or
// --version comes first.
std::variant<CliOptions, UsageError> ParseCliOptions(std::span<const std::string> arguments);

// The search type of a caption ("Anagram-1", letter case ignored), or nothing.
std::optional<SearchType> SearchTypeNamed(std::string_view name);

// "5,7", "2-6,19", "19+" or "none": the lengths toggled on; nothing for a malformed list.
std::optional<std::array<bool, 18>> ParseLengthList(std::string_view list);

// A whole number from 1 up that fits an int; nothing otherwise.
std::optional<int> ParseMaxResults(std::string_view text);

// Typed UTF-8 text as the pattern box or a filter edit holds it; nothing when a character has no
// Windows-1252 form (or the text is no UTF-8).
std::optional<std::string> TypedText(std::string_view utf8);

}  // namespace kwintel::cli
