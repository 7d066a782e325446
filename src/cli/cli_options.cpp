#include "cli/cli_options.h"

#include <charconv>
#include <climits>

#include "text/text_encoding.h"

namespace kwintel::cli {
namespace {

std::optional<int> ParseLength(std::string_view text) {
  if (text == "19+") return 19;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 2 || value > 19) return std::nullopt;
  return value;
}

// The options that take a value, by their short and long names.
enum class Option {
  Words,
  Type,
  Lengths,
  Max,
  With,
  Without,
  ShowLength,
  KeepIj,
  Lower,
  Common,
  Narrow,
  Sort,
  Restore,
  Output,
  Help,
  Version
};

struct OptionName {
  Option option;
  char shortName;  // 0: none
  std::string_view longName;
  bool takesValue;
};

constexpr OptionName kOptions[] = {{Option::Words, 'w', "words", true},
                                   {Option::Type, 't', "type", true},
                                   {Option::Lengths, 'l', "lengths", true},
                                   {Option::Max, 'm', "max", true},
                                   {Option::With, 0, "with", true},
                                   {Option::Without, 0, "without", true},
                                   {Option::ShowLength, 0, "show-length", false},
                                   {Option::KeepIj, 0, "keep-ij", false},
                                   {Option::Common, 0, "common", false},
                                   {Option::Lower, 0, "lower", false},
                                   {Option::Narrow, 0, "narrow", true},
                                   {Option::Sort, 0, "sort", false},
                                   {Option::Restore, 0, "restore", false},
                                   {Option::Output, 'o', "output", true},
                                   {Option::Help, 'h', "help", false},
                                   {Option::Version, 0, "version", false}};

const OptionName* FindLong(std::string_view name) {
  for (const auto& option : kOptions) {
    if (option.longName == name) return &option;
  }
  return nullptr;
}

const OptionName* FindShort(char name) {
  for (const auto& option : kOptions) {
    if (option.shortName != 0 && option.shortName == name) return &option;
  }
  return nullptr;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Applies one option with its value; an error text, or nothing when all is well.
std::optional<std::string> Apply(CliOptions& options, Option option, const std::string& value,
                                 std::string_view spelled) {
  switch (option) {
    case Option::Words:
      options.wordsPrefix = value;
      break;
    case Option::Type: {
      const auto type = SearchTypeNamed(value);
      if (!type) return "onbekend zoektype " + Quoted(value);
      options.type = *type;
      break;
    }
    case Option::Lengths: {
      const auto lengths = ParseLengthList(value);
      if (!lengths) return "onjuiste lengtelijst " + Quoted(value);
      options.lengths = lengths;
      break;
    }
    case Option::Max: {
      const auto max = ParseMaxResults(value);
      if (!max) return "onjuist maximum " + Quoted(value) + " (een geheel getal vanaf 1)";
      options.maxResults = *max;
      break;
    }
    case Option::With:
    case Option::Without: {
      const auto letters = TypedText(value);
      if (!letters) return "teken zonder Windows-1252-vorm in " + Quoted(value);
      (option == Option::With ? options.mustContain : options.mustNotContain) = *letters;
      break;
    }
    case Option::ShowLength:
      options.showLength = true;
      break;
    case Option::Common:
      options.common = true;
      break;
    case Option::KeepIj:
      options.keepIj = true;
      break;
    case Option::Lower:
      options.lower = true;
      break;
    case Option::Narrow: {
      const std::size_t colon = value.find(':');
      if (colon == std::string::npos) return "--narrow verwacht TYPE:PATROON, niet " + Quoted(value);
      const auto type = SearchTypeNamed(std::string_view(value).substr(0, colon));
      if (!type) return "onbekend zoektype in " + Quoted(value);
      const auto pattern = TypedText(std::string_view(value).substr(colon + 1));
      if (!pattern) return "teken zonder Windows-1252-vorm in " + Quoted(value);
      options.actions.push_back({CliAction::Kind::Narrow, *type, *pattern});
      break;
    }
    case Option::Sort:
      options.actions.push_back({CliAction::Kind::Sort, SearchType::Sequence, {}});
      break;
    case Option::Restore:
      options.actions.push_back({CliAction::Kind::Restore, SearchType::Sequence, {}});
      break;
    case Option::Output:
      if (value.empty()) return "lege bestandsnaam bij " + std::string(spelled);
      options.outputFile = value;
      break;
    case Option::Help:
      options.mode = CliOptions::Mode::Help;
      break;
    case Option::Version:
      options.mode = CliOptions::Mode::Version;
      break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SearchType> SearchTypeNamed(std::string_view name) {
  for (const SearchTypeEntry& entry : kSearchTypes) {
    if (EqualsIgnoringAsciiCase(name, entry.caption)) return entry.type;
  }
  return std::nullopt;
}

std::optional<std::array<bool, 18>> ParseLengthList(std::string_view list) {
  std::array<bool, 18> lengths{};
  if (EqualsIgnoringAsciiCase(list, "none")) return lengths;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    const std::size_t dash = item.find('-');
    const auto first = ParseLength(item.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : ParseLength(item.substr(dash + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    for (int length = *first; length <= *last; ++length) lengths[LengthIndex(length)] = true;
    if (comma == std::string_view::npos) return lengths;
    list.remove_prefix(comma + 1);
  }
}

std::optional<int> ParseMaxResults(std::string_view text) {
  int value = 0;
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

std::optional<std::string> TypedText(std::string_view utf8) {
  const auto bytes = Utf8ToCp1252(utf8);
  if (!bytes) return std::nullopt;
  return CapitaliseTyped(*bytes);
}

std::variant<CliOptions, UsageError> ParseCliOptions(std::span<const std::string> arguments) {
  CliOptions options;
  std::vector<std::string> operands;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }

    const OptionName* option = nullptr;
    std::optional<std::string> attached;  // a value given in the same argument
    std::string spelled;
    if (argument.starts_with("--")) {
      const std::size_t equals = argument.find('=');
      spelled = argument.substr(0, equals);
      option = FindLong(std::string_view(spelled).substr(2));
      if (equals != std::string::npos) attached = argument.substr(equals + 1);
    } else {
      spelled = argument.substr(0, 2);
      option = FindShort(argument[1]);
      if (argument.size() > 2) attached = argument.substr(2);
    }
    if (option == nullptr) return UsageError{"onbekende optie " + Quoted(spelled)};

    std::string value;
    if (option->takesValue) {
      if (attached) {
        value = *attached;
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return UsageError{"optie " + spelled + " verwacht een waarde"};
      }
    } else if (attached) {
      return UsageError{"optie " + spelled + " neemt geen waarde"};
    }
    if (auto error = Apply(options, option->option, value, spelled)) {
      return UsageError{std::move(*error)};
    }
    if (options.mode != CliOptions::Mode::Search) return options;
  }

  if (operands.empty()) return UsageError{"PATROON ontbreekt"};
  if (operands.size() > 1) {
    return UsageError{"een PATROON te veel: " + Quoted(operands[1]) +
                      " (een patroon met spaties tussen aanhalingstekens)"};
  }
  const auto pattern = TypedText(operands[0]);
  if (!pattern) return UsageError{"teken zonder Windows-1252-vorm in " + Quoted(operands[0])};
  options.pattern = *pattern;
  return options;
}

}  // namespace kwintel::cli
