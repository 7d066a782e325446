#include "shell/common_words.h"

#include <optional>

#include "engine/word_file.h"
#include "ports/control_ids.h"
#include "shell/word_file_sources.h"

namespace kwintel {
namespace {

struct KeptCounts {
  std::string prefix;
  std::optional<WordCounts> counts;  // nothing: the set has none
};

KeptCounts& Kept() {
  static KeptCounts kept;
  return kept;
}

}  // namespace

const WordCounts* CountsOfSet(const std::string& prefix, CountsReading reading) {
  KeptCounts& kept = Kept();
  if (prefix.empty()) return nullptr;
  if (kept.prefix != prefix) {
    kept.prefix = prefix;
    kept.counts.reset();
    LoadedWordCounts loaded = LoadWordCounts(CountsFilePath(prefix), reading);
    if (loaded.state == CountsFileState::kRead) kept.counts.emplace(std::move(loaded.counts));
  }
  return kept.counts ? &*kept.counts : nullptr;
}

void ToggleCommon(MainDialog& dialog) {
  dialog.common = 1 - dialog.common;
  dialog.view.SetChecked(ids::kGangbaar, dialog.common != 0);
}

void ShowCommonAvailability(MainDialog& dialog) {
  // Whether the file is there: reading it waits for the first search that ranks by it, so that
  // a program that never ranks never pays for the counts.
  const bool available = !wordFilePrefix.empty() && WordFile::RegularFileSize(CountsFilePath(wordFilePrefix)) >= 0;
  if (!available && dialog.common) ToggleCommon(dialog);
  dialog.view.SetEnabled(ids::kGangbaar, available);
}

}  // namespace kwintel
