#include "shell/word_file_sources.h"

#include <climits>
#include <cstdlib>

#include "ports/control_ids.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

void ShowPathTooLong(Session& session, const std::string& path) {
  session.view.ShowMessage("Pad te lang: " + FileNameForDisplay(path), "Fout", MessageIcon::Exclamation);
}

void ShowSourceInTitle(Session& session) {
  const std::string prefix = ChosenPrefix(session);
  session.view.SetTitle(kTitlePrefix + FileNameForDisplay(prefix));
}

}  // namespace

void DiscoverWordFiles(Session& session, const std::string& folder) {
  std::optional<DiscoveredSet> found = DiscoverWordFileSet(folder);
  if (!found) return;
  if (found->set->Prefix().size() > kMaxPrefixLength) {
    ShowPathTooLong(session, found->set->Prefix());
    return;
  }
  session.sourceSlots[0] = WordSourceSlot{FileNameForDisplay(found->base), std::move(found->set)};
  session.view.SetVisible(ids::kSource2, false);
  session.view.SetVisible(ids::kSource3, false);
  session.view.SetVisible(ids::kSource4, false);
}

void SelectWordSource(Session& session, int slot) {
  if (slot < 1 || slot > static_cast<int>(session.sourceSlots.size())) return;
  session.wordFiles = session.sourceSlots[static_cast<std::size_t>(slot - 1)].set;
  ShowSourceInTitle(session);
  const int chosen = ids::kSourceButtons[static_cast<std::size_t>(slot - 1)];
  for (int id : {ids::kKiesBestand, ids::kSource1, ids::kSource2, ids::kSource3, ids::kSource4}) {
    session.view.SetPressed(id, id == chosen);
  }
}

void UseWordFilePrefix(Session& session, const std::string& prefix) {
  if (prefix.size() > kMaxPrefixLength) {
    ShowPathTooLong(session, prefix);
    return;
  }
  // An empty prefix names no set, whatever the current folder holds.
  session.wordFiles = prefix.empty() ? nullptr : std::make_shared<WordFileSet>(prefix);
  ShowSourceInTitle(session);
  for (int id : ids::kSourceButtons) session.view.SetPressed(id, false);
}

void ChooseWordFile(Session& session) {
  const std::string initial = ChosenPrefix(session);
  // Given up before the dialog shows, so a cancel leaves no word source selected.
  session.wordFiles.reset();
  const auto chosen = session.platform.ChooseWordFile(initial);
  if (!chosen) return;
  const std::optional<std::string> prefix = WordFilePrefixOf(*chosen);
  if (!prefix) {
    const std::size_t slash = chosen->rfind('/');
    const std::string name = chosen->substr(slash == std::string::npos ? 0 : slash + 1);
    session.view.ShowMessage("Geen woordbestand: " + FileNameForDisplay(name), "Fout", MessageIcon::Exclamation);
    return;
  }
  UseWordFilePrefix(session, *prefix);
}

std::string ExecutableFolder() {
  char resolved[PATH_MAX];
  if (::realpath("/proc/self/exe", resolved) == nullptr) return "./";
  std::string path(resolved);
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace kwintel
