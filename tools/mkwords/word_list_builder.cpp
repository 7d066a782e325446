#include "word_list_builder.h"

#include <algorithm>
#include <cstdio>

#include "text/text_encoding.h"

namespace kwintel {

ListWord ConvertListWord(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

  const auto converted = Utf8ToCp1252(line);
  if (!converted) return {{}, ListWordFault::kNoCp1252Form};
  // A control byte would end the word early for the matchers, and a CR before the line end would
  // be taken for part of it: such a word cannot be stored as it is.
  if (std::any_of(converted->begin(), converted->end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return {{}, ListWordFault::kControlCharacter};
  }
  if (converted->size() < static_cast<std::size_t>(kMinWordLength)) return {{}, ListWordFault::kTooShort};
  if (converted->size() > kMaxWordFileWordLength) return {{}, ListWordFault::kTooLong};
  return {CapitaliseTyped(*converted), ListWordFault::kNone};
}

void WordListBuilder::AddLine(std::string_view line) {
  ListWord converted = ConvertListWord(line);
  switch (converted.fault) {
    case ListWordFault::kNone:
      set_.ForLength(FileLengthOf(converted.word.size())).push_back(std::move(converted.word));
      return;
    case ListWordFault::kTooShort:
      ++set_.tooShort;
      return;
    case ListWordFault::kNoCp1252Form:
      ++set_.noCp1252Form;
      return;
    case ListWordFault::kControlCharacter:
      ++set_.controlCharacter;
      return;
    case ListWordFault::kTooLong:
      ++set_.tooLong;
      return;
  }
}

WordLists WordListBuilder::Finish() {
  for (auto& words : set_.words) {
    // std::string compares through char_traits<char>, which orders by unsigned byte value.
    std::sort(words.begin(), words.end());
    const auto end = std::unique(words.begin(), words.end());
    set_.duplicates += static_cast<int>(words.end() - end);
    words.erase(end, words.end());
  }
  WordLists done = std::move(set_);
  set_ = WordLists{};
  return done;
}

WordLists BuildWordLists(std::istream& input) {
  WordListBuilder builder;
  std::string line;
  bool first = true;
  while (std::getline(input, line)) {
    std::string_view text = line;
    // A byte-order mark is no part of the first word.
    if (first && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    first = false;
    builder.AddLine(text);
  }
  return builder.Finish();
}

std::string WordFileContents(const std::vector<std::string>& words) {
  std::size_t size = 0;
  for (const auto& word : words) size += word.size() + 1;
  std::string contents;
  contents.reserve(size);
  for (const auto& word : words) {
    contents += word;
    contents += '\n';
  }
  return contents;
}

}  // namespace kwintel
