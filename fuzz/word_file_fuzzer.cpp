// Fuzz target: arbitrary bytes as a word file, scanned by "&Ga zoeken" with an arbitrary pattern.
//
// Input: the three control lines of fuzz_input.h (type, options, pattern; "Met:"; "Zonder:"),
// then the bytes of the word file: long lines, NUL bytes, CR without LF, no final line end,
// bytes of 128 and above. The same bytes serve as the word file of every length but 7 and 13,
// which are missing. Promises checked:
// - a refused pattern leaves an empty list and an empty backup;
// - otherwise the summary line comes last, its count is the number of result lines and of lines
//   counted, "Maximum" exactly when the maximum was reached, and ", n = " only where it belongs;
// - the backup holds exactly the result lines;
// - every result line of an undecorated type is a piece of the file (case-converted as chosen),
//   holds no line feed, passes the filters, carries a correct length number when asked, and
//   holds no "IJ" while "IJ één letter" is on.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/search_type.h"
#include "engine/word_file_set.h"
#include "fuzz_check.h"
#include "fuzz_dialog.h"
#include "fuzz_input.h"
#include "line_text.h"
#include "shell/run_search.h"
#include "summary_line.h"

namespace kwintel::fuzz {
namespace {

// A private folder of word files "w02.DOC" ... "w19.DOC" that all show one content file; two
// lengths are left out so that missing files are met as well. Made once per process.
class WordFileFolder {
 public:
  WordFileFolder() {
    std::error_code error;
    const char* base = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : "/tmp";
    std::string templ = std::string(base) + "/kwintel-fuzz-XXXXXX";
    if (mkdtemp(templ.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    folder_ = templ;
    content_ = folder_ + "/content";
    Write("");
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      if (length == 7 || length == 13) continue;
      std::filesystem::create_symlink("content", WordFileSet::FileNameOf(Prefix(), length));
    }
  }
  ~WordFileFolder() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }

  std::string Prefix() const { return folder_ + "/w"; }

  void Write(std::string_view bytes) const {
    std::FILE* file = std::fopen(content_.c_str(), "wb");
    FUZZ_REQUIRE(file != nullptr);
    FUZZ_REQUIRE(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    FUZZ_REQUIRE(std::fclose(file) == 0);
  }

 private:
  std::string folder_;
  std::string content_;
};

WordFileFolder* wordFiles = nullptr;

// The types whose lines carry more than the word: leftover letters or a score.
bool Decorated(SearchType type) {
  return type == SearchType::Anagram || type == SearchType::Subset || type == SearchType::AnagramMinusOne ||
         IsScored(type);
}

bool HasNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// The word of a result line after the length number that "Met lengte" puts before it; the number
// is checked against the word when exactLength is set. A "Verborgen" word found backwards carries
// " <" after the word, which the number does not count.
std::string_view CheckLengthNumber(std::string_view line, bool exactLength, bool backwardsMark) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  std::size_t number = 0;
  const std::size_t digitsStart = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9' && i - digitsStart < 6) {
    number = number * 10 + static_cast<std::size_t>(line[i] - '0');
    ++i;
  }
  FUZZ_REQUIRE(i > digitsStart && i >= 2);
  FUZZ_REQUIRE(line.substr(i, 2) == ". ");
  std::string_view word = line.substr(i + 2);
  if (backwardsMark && word.ends_with(" <")) word.remove_suffix(2);
  if (exactLength) FUZZ_REQUIRE(number == word.size());
  return word;
}

void CheckResultLine(std::string_view line, const ControlLines& control, std::string_view content,
                     const std::string& lowerContent) {
  FUZZ_REQUIRE(line.find('\n') == std::string_view::npos);
  if (control.ijOneLetter) FUZZ_REQUIRE(!ContainsIj(line));
  if (Decorated(control.type)) return;
  const bool plain = !HasNul(content);
  // A "Meerwoord" line is several words and shows the number of their letters; a "Verborgen" word
  // found backwards carries " <".
  const bool severalWords = control.type == SearchType::MultiWordAnagram;
  const bool hidden = control.type == SearchType::HiddenWord;
  std::string_view word = line;
  if (control.withLength) {
    word = CheckLengthNumber(line, plain && !severalWords, hidden);
  } else if (hidden && word.ends_with(" <")) {
    word.remove_suffix(2);
  }
  const std::string_view searched = control.upperCase ? content : std::string_view(lowerContent);
  if (severalWords) {
    for (std::size_t begin = 0; begin <= word.size();) {
      const std::size_t end = std::min(word.find(' ', begin), word.size());
      FUZZ_REQUIRE(searched.find(word.substr(begin, end - begin)) != std::string_view::npos);
      begin = end + 1;
    }
  } else {
    FUZZ_REQUIRE(searched.find(word) != std::string_view::npos);
  }
  if (control.upperCase && plain && !HasNul(control.mustContain) && !HasNul(control.mustNotContain)) {
    for (char c : control.mustContain) FUZZ_REQUIRE(word.find(c) != std::string_view::npos);
    for (char c : control.mustNotContain) FUZZ_REQUIRE(word.find(c) == std::string_view::npos);
  }
}

void CheckSearch(const FuzzDialog& fd, const ControlLines& control, std::string_view content) {
  const auto& lines = fd.Lines();
  FUZZ_REQUIRE(fd.view.progress >= 0 && fd.view.progress <= 100);
  if (control.pattern.size() > kMaxPatternLength) {
    FUZZ_REQUIRE(lines.empty());
    return;
  }
  // The folder has no sound file: the sound types say so and search nothing.
  if (IsSoundType(control.type) && !fd.ShowedMessage("Patroon fout")) {
    FUZZ_REQUIRE(fd.ShowedMessage("Fout") && lines.empty());
    return;
  }
  if (fd.ShowedMessage("Patroon fout")) {
    FUZZ_REQUIRE(lines.empty() && fd.session.resultBackup.empty());
    return;
  }
  FUZZ_REQUIRE(fd.view.messages.empty());
  FUZZ_REQUIRE(!lines.empty());
  const auto summary = ReadSummaryLine(lines.back(), {"Totaal: ", "Maximum: "});
  FUZZ_REQUIRE(summary.has_value());
  const long long count = static_cast<long long>(lines.size()) - 1;
  FUZZ_REQUIRE(summary->count == count);
  FUZZ_REQUIRE(fd.session.run.resultCount == count);
  if (summary->opening == "Maximum: ") {
    FUZZ_REQUIRE(count == fd.form.maxResults);
  } else {
    FUZZ_REQUIRE(count < fd.form.maxResults);
  }
  if (control.type == SearchType::Product || control.type == SearchType::Sum) {
    FUZZ_REQUIRE(summary->rest.substr(0, 6) == ", n = " && summary->rest.size() > 6);
  } else if (control.type == SearchType::Telephone) {
    FUZZ_REQUIRE(summary->rest.substr(0, 6) == ", n = ");
  } else {
    FUZZ_REQUIRE(summary->rest.empty());
  }
  FUZZ_REQUIRE(fd.session.resultBackup.size() == static_cast<std::size_t>(count));
  const std::string lowerContent = LowerAscii(content);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    FUZZ_REQUIRE(fd.session.resultBackup[i] == lines[i]);
    CheckResultLine(lines[i], control, content, lowerContent);
  }
}

}  // namespace
}  // namespace kwintel::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kwintel::fuzz::wordFiles = new kwintel::fuzz::WordFileFolder();
  std::atexit([] { delete kwintel::fuzz::wordFiles; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kwintel;
  using namespace kwintel::fuzz;
  InputLines input(data, size);
  const ControlLines control = ReadControlLines(input);
  const std::string_view content = input.Rest();
  wordFiles->Write(content);

  FuzzDialog fd(control);
  fd.session.wordFiles = std::make_shared<WordFileSet>(wordFiles->Prefix());
  RunSearch(fd.session, fd.form);
  CheckSearch(fd, control, content);
  return 0;
}
