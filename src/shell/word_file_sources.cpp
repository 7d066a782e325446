#include "shell/word_file_sources.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "ports/control_ids.h"
#include "text/text_encoding.h"

namespace kwintel {

std::string wordFilePrefix;
std::array<WordSourceSlot, 4> sourceSlots = {
    {{"Woorden(1)", ""}, {"Woorden(2)", ""}, {"Woorden(3)", ""}, {"Woorden(4)", ""}}};

namespace {

// At least this many files of one set make discovery take it.
constexpr int kMinimumSetFiles = 7;

std::string AsciiFolded(std::string_view name) {
  std::string folded(name);
  AsciiLowerInPlace(folded);
  return folded;
}

// The folder's entries, ordered by the bytes of their case-folded names (the raw name breaks
// ties), so that the outcome never depends on the order the file system lists them in.
std::vector<std::string> SortedEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    names.emplace_back(entry->d_name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = AsciiFolded(a), fb = AsciiFolded(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

// Whether `name` matches "*NN.doc" for this length, letter case ignored.
bool MatchesLength(std::string_view name, int length) {
  char ending[8];
  std::snprintf(ending, sizeof ending, "%02d.doc", length);
  constexpr std::size_t kEndingLength = 6;
  if (name.size() < kEndingLength) return false;
  return AsciiFolded(name.substr(name.size() - kEndingLength)) == ending;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void ShowPathTooLong(MainDialog& dialog, const std::string& path) {
  dialog.view.ShowMessage("Pad te lang: " + FileNameForDisplay(path), "Fout", MessageIcon::Exclamation);
}

void ShowSourceInTitle(MainDialog& dialog) { dialog.view.SetTitle(kTitlePrefix + FileNameForDisplay(wordFilePrefix)); }

}  // namespace

void DiscoverWordFiles(MainDialog& dialog, const std::string& folder) {
  const std::vector<std::string> entries = SortedEntries(folder);
  std::string referenceBase;
  int count = 0;
  for (int length = 2; length <= 19; ++length) {
    for (const std::string& name : entries) {
      if (!MatchesLength(name, length) || IsFolder(folder + name)) continue;
      const std::string base = name.substr(0, name.size() - 6);
      if (referenceBase.empty()) {
        // An empty base leaves the reference empty, so a set named by length alone restarts
        // the count with every file and is never taken on its own.
        referenceBase = base;
        count = 1;
      } else if (referenceBase.starts_with(base)) {
        ++count;
      }
    }
  }
  if (count < kMinimumSetFiles) return;

  const std::string prefix = folder + referenceBase;
  if (prefix.size() > kMaxPrefixLength) {
    ShowPathTooLong(dialog, prefix);
    return;
  }
  sourceSlots[0].caption = FileNameForDisplay(referenceBase);
  sourceSlots[0].prefix = prefix;
  dialog.view.SetVisible(ids::kSource2, false);
  dialog.view.SetVisible(ids::kSource3, false);
  dialog.view.SetVisible(ids::kSource4, false);
}

void SelectWordSource(MainDialog& dialog, int slot) {
  if (slot < 1 || slot > static_cast<int>(sourceSlots.size())) return;
  wordFilePrefix = sourceSlots[static_cast<std::size_t>(slot - 1)].prefix;
  ShowSourceInTitle(dialog);
  const int chosen = ids::kSourceButtons[static_cast<std::size_t>(slot - 1)];
  for (int id : {ids::kKiesBestand, ids::kSource1, ids::kSource2, ids::kSource3, ids::kSource4}) {
    dialog.view.SetPressed(id, id == chosen);
  }
}

void ChooseWordFile(MainDialog& dialog) {
  const std::string initial = wordFilePrefix;
  // Emptied before the dialog shows, so a cancel leaves no word source selected.
  wordFilePrefix.clear();
  const auto chosen = dialog.platform.ChooseWordFile(initial);
  if (!chosen) return;

  const std::string& path = *chosen;
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  // The cut removes the two length digits before the extension's dot, and does so for a name too
  // short to hold them as well (the prefix then ends inside the folder's name). A name without a
  // dot, or a path with no room before its dot, has nothing to cut.
  if (dot == std::string::npos || dot < nameStart || dot < 2) {
    dialog.view.ShowMessage("Geen woordbestand: " + FileNameForDisplay(path.substr(nameStart)), "Fout",
                            MessageIcon::Exclamation);
    return;
  }
  const std::string prefix = path.substr(0, dot - 2);
  if (prefix.size() > kMaxPrefixLength) {
    ShowPathTooLong(dialog, prefix);
    return;
  }
  wordFilePrefix = prefix;
  ShowSourceInTitle(dialog);
  for (int id : ids::kSourceButtons) dialog.view.SetPressed(id, false);
}

std::string ExecutableFolder() {
  char resolved[PATH_MAX];
  if (::realpath("/proc/self/exe", resolved) == nullptr) return "./";
  std::string path(resolved);
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace kwintel
