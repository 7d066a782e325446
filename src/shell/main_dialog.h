#pragma once
// The main dialog as the logic sees it: its form members and the two interfaces through which
// its commands reach the controls and the platform. Each front end owns one and binds its
// buttons to the commands of command_table.h.

#include <string>
#include <vector>

#include "ports/main_dialog_view.h"
#include "ports/platform.h"
#include "text/line_store.h"

namespace kwintel {

class CommonRanking;
class WordCounts;

struct MainDialog {
  MainDialog(MainDialogView& v, Platform& p) : view(v), platform(p) {}

  MainDialogView& view;
  Platform& platform;

  // Members, in declaration order.
  LineStore resultBackup;      // result lines of the last search over word files
  int withLength = 0;          // mirrors "Met lengte"
  int ijOneLetter = 1;         // mirrors "IJ één letter"
  std::string pattern;         // text of the pattern box (Windows-1252)
  int searchTypeIndex = -1;    // position of the checked search-type radio, -1 none
  int maxResultsIndex = -1;    // position of the checked max-results radio, -1 none
  std::string mustNotContain;  // "Zonder:"
  std::string mustContain;     // "Met:"

  // How many searches or narrowings are running (nested through the pump). While one runs, the
  // commands that would start another or change the word source are ignored.
  int runDepth = 0;

  // Above 0: the maximum number of results in place of the max-results radios, which offer only
  // 100, 500, 1000 and 15000 (kwintel-cli's --max and the benchmarks take any number).
  int maxResultsOverride = 0;

  // Mirrors "Gangbaar": a search lists the lines of its most common words, highest count first.
  int common = 0;
  // While such a search runs: where its lines go before they are listed, and the counts.
  CommonRanking* ranking = nullptr;
  const WordCounts* counts = nullptr;

  // Whether a search keeps its lines in resultBackup for "Vorige". A front end that will not
  // restore (kwintel-cli without --restore) turns it off and spares every line its second copy.
  bool keepsResultBackup = true;
};

// Marks a search or narrowing as running for its lifetime.
class RunGuard {
 public:
  explicit RunGuard(MainDialog& dialog) : dialog_(dialog) { ++dialog_.runDepth; }
  ~RunGuard() { --dialog_.runDepth; }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  MainDialog& dialog_;
};

// The dialog's initialisation, toolkit-free part: empty form, all lengths, "Volgorde", "100",
// word-file discovery in `executableFolder`, source 1 pressed, slot captions, the result font on
// pattern box and list, focus in the pattern box, "IJ één letter" checked.
void InitialiseMainDialog(MainDialog& dialog, const std::string& executableFolder);

// "Einde": ReadForm; on success the dialog ends with OK, on failure it stays open.
void CloseMainDialog(MainDialog& dialog);

}  // namespace kwintel
