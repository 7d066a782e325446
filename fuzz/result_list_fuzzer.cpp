// Fuzz target: a result list narrowed with an arbitrary pattern ("&Doorzoeken"), sorted four times
// ("Sorteer") and restored ("Vorige").
//
// Input: the three control lines of fuzz_input.h, then the lines of the list; the last of them
// stands where the summary line stands. The backup of the last search holds the others. The
// options' pump action is a command that every message pump of the narrowing runs nested (one
// pump per 200 lines): 0 none, 1 "Sorteer", 2 "&Onderbreek", 3 "Vorige". Promises checked:
// - a nested "&Doorzoeken" or "&Ga zoeken" is refused while the narrowing runs;
// - a refused pattern leaves the list as it was;
// - the narrowing's summary line comes last, its count is the number of lines kept (whatever the
//   nested command did to the list meanwhile), and "maximum bereikt" / "onderbroken" appear
//   exactly when they should;
// - without nested commands the kept lines are, in order, lines of the old list with their length
//   number taken off, re-cased and re-numbered as the options say, passing the filters;
// - each sort keeps the summary line last and the same lines, puts them in the order of its sort
//   mode and advances it; a list of at most one result line is left alone;
// - "Vorige" shows the backup and "<n> regels hersteld"; the backup never changes.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/search_type.h"
#include "fuzz_check.h"
#include "fuzz_dialog.h"
#include "fuzz_input.h"
#include "line_text.h"
#include "ports/control_ids.h"
#include "shell/command_table.h"
#include "summary_line.h"

namespace kwintel::fuzz {
namespace {

constexpr std::size_t kMaxLines = 5000;

enum PumpAction { kNone = 0, kSort = 1, kStop = 2, kRestore = 3 };

bool HasNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// What an old line becomes when a narrowing keeps it.
std::string KeptForm(std::string_view oldLine, const ControlLines& control) {
  std::string text = UpperAscii(WithoutLengthNumber(oldLine));
  const std::size_t length = text.size();
  if (!control.upperCase) text = LowerAscii(text);
  return control.withLength ? WithLengthNumber(text, length) : text;
}

void CheckKeptLines(const std::vector<std::string>& before, const std::vector<std::string>& after,
                    const ControlLines& control) {
  if (HasNul(control.mustContain) || HasNul(control.mustNotContain)) return;
  for (const std::string& line : before) {
    if (HasNul(line)) return;
  }
  std::size_t next = 0;  // the kept lines must be a subsequence of the old ones
  for (std::size_t k = 0; k + 1 < after.size(); ++k) {
    const std::string& kept = after[k];
    while (next + 1 < before.size() && KeptForm(before[next], control) != kept) ++next;
    FUZZ_REQUIRE(next + 1 < before.size());
    ++next;
    if (control.ijOneLetter) FUZZ_REQUIRE(!ContainsIj(kept));
    if (control.upperCase && !control.withLength) {
      for (char c : control.mustContain) FUZZ_REQUIRE(kept.find(c) != std::string::npos);
      for (char c : control.mustNotContain) FUZZ_REQUIRE(kept.find(c) == std::string::npos);
    }
  }
}

void CheckNarrowing(const FuzzDialog& fd, const std::vector<std::string>& before, const ControlLines& control) {
  const auto& after = fd.Lines();
  // The session has no word files, which the sound types need.
  if (control.pattern.size() > kMaxPatternLength || fd.ShowedMessage("Patroon fout") || fd.ShowedMessage("Fout")) {
    FUZZ_REQUIRE(after == before);
    return;
  }
  FUZZ_REQUIRE(!after.empty());
  const auto summary = ReadSummaryLine(
      after.back(), {"Doorzoeken gevonden: ", "Doorzoeken maximum bereikt: ", "Doorzoeken onderbroken na: "});
  FUZZ_REQUIRE(summary.has_value());
  const long long kept = static_cast<long long>(after.size()) - 1;
  FUZZ_REQUIRE(summary->count == kept);
  FUZZ_REQUIRE(kept <= std::max<long long>(0, static_cast<long long>(before.size()) - 1));
  if (summary->opening == "Doorzoeken maximum bereikt: ") {
    FUZZ_REQUIRE(kept == fd.form.maxResults && summary->rest == ".");
  } else if (summary->opening == "Doorzoeken onderbroken na: ") {
    FUZZ_REQUIRE(control.pumpAction == kStop && summary->rest == "e.");
  } else {
    FUZZ_REQUIRE(kept < fd.form.maxResults && summary->rest == ".");
  }
  // A stop pressed during a pump ends the narrowing as interrupted, whatever else happened.
  if (control.pumpAction == kStop && fd.view.pumpCount > 0) {
    FUZZ_REQUIRE(summary->opening == "Doorzoeken onderbroken na: ");
  }
  if (control.pumpAction == kNone) CheckKeptLines(before, after, control);
}

// Line a comes before line b in the order of sort mode `mode`.
bool InOrder(std::string a, std::string b, int mode) {
  if (mode >= 2) {
    std::reverse(a.begin(), a.end());
    std::reverse(b.begin(), b.end());
  }
  return mode % 2 == 0 ? a <= b : a >= b;  // std::string compares unsigned bytes
}

void CheckSort(FuzzDialog& fd) {
  const std::vector<std::string> before = fd.Lines();
  const int mode = fd.session.sortMode;
  FUZZ_REQUIRE(RunCommand(fd.session, ids::kSorteer, fd.form));
  const auto& after = fd.Lines();
  if (before.size() <= 2) {
    FUZZ_REQUIRE(after == before && fd.session.sortMode == mode);
    return;
  }
  FUZZ_REQUIRE(fd.session.sortMode == (mode + 1) % 4);
  FUZZ_REQUIRE(after.size() == before.size() && after.back() == before.back());
  for (std::size_t i = 0; i + 2 < after.size(); ++i) FUZZ_REQUIRE(InOrder(after[i], after[i + 1], mode));
  std::vector<std::string> sortedBefore(before.begin(), before.end() - 1);
  std::vector<std::string> sortedAfter(after.begin(), after.end() - 1);
  std::sort(sortedBefore.begin(), sortedBefore.end());
  std::sort(sortedAfter.begin(), sortedAfter.end());
  FUZZ_REQUIRE(sortedBefore == sortedAfter);
}

}  // namespace
}  // namespace kwintel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kwintel;
  using namespace kwintel::fuzz;
  InputLines input(data, size);
  const ControlLines control = ReadControlLines(input);
  FuzzDialog fd(control);
  std::vector<std::string> before;
  while (!input.AtEnd() && before.size() < kMaxLines) before.emplace_back(input.Next());
  for (const std::string& line : before) fd.results.Append(line);
  for (std::size_t i = 0; i + 1 < before.size(); ++i) fd.session.resultBackup.push_back(before[i]);
  const std::vector<std::string> backup = fd.session.resultBackup.Strings();

  fd.view.onPump = [&fd, &control] {
    FUZZ_REQUIRE(!RunCommand(fd.session, ids::kDoorzoeken, fd.form));
    FUZZ_REQUIRE(!RunCommand(fd.session, ids::kGaZoeken, fd.form));
    static constexpr int kCommands[] = {0, ids::kSorteer, ids::kOnderbreek, ids::kVorige};
    if (control.pumpAction != kNone) FUZZ_REQUIRE(RunCommand(fd.session, kCommands[control.pumpAction], fd.form));
  };
  FUZZ_REQUIRE(RunCommand(fd.session, ids::kDoorzoeken, fd.form));
  fd.view.onPump = nullptr;
  CheckNarrowing(fd, before, control);
  if (control.pumpAction != kSort) FUZZ_REQUIRE(fd.session.sortMode == 0);

  for (int round = 0; round < 4; ++round) CheckSort(fd);

  const int mode = fd.session.sortMode;
  FUZZ_REQUIRE(RunCommand(fd.session, ids::kVorige, fd.form));
  std::vector<std::string> restored = backup;
  restored.push_back(std::to_string(backup.size()) + " regels hersteld");
  FUZZ_REQUIRE(fd.Lines() == restored);
  FUZZ_REQUIRE(fd.session.resultBackup.Strings() == backup && fd.session.sortMode == mode);
  return 0;
}
