#include "shell/narrow_results.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/pattern.h"
#include "shell/result_lines.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

constexpr int kLinesBetweenPumps = 200;

std::string NarrowingSummary(const RunState& run, int found) {
  const std::string count = std::to_string(found);
  if (!run.stopRequested) return "Doorzoeken gevonden: " + count + ".";
  if (run.interrupted) return "Doorzoeken onderbroken na: " + count + "e.";
  return "Doorzoeken maximum bereikt: " + count + ".";
}

}  // namespace

void StripLengthPrefix(std::string& text) {
  const std::size_t point = text.find('.');
  if (point > 3 || text.size() < 2 || text[1] < '0' || text[1] > '9') return;
  // "5." has nothing after its point: min() keeps the cut inside the text.
  text.erase(0, std::min(point + 2, text.size()));
}

void NarrowResults(Session& session, const Form& form) {
  const RunGuard running(session);
  MainDialogView& view = session.view;
  if (!AcceptForm(session, form)) return;
  session.sortMode = 0;
  ResultList& results = session.results;
  const int last = results.Count() - 1;

  const std::optional<Pattern> compiled = CompileFormPattern(session, form);
  if (!compiled) return;
  const Pattern& pattern = *compiled;
  // A sound type tests each line's word by its sound, from the set's sound file.
  std::optional<SoundMatcher> sounds;
  if (IsSoundType(pattern.Type())) {
    if (!session.wordFiles) {
      view.ShowMessage("Specificeer woordbestand", "Fout", MessageIcon::Exclamation);
      return;
    }
    if (!(sounds = BindSounds(session, *session.wordFiles, pattern))) return;
  }

  RunState& run = session.run;
  run = RunState{};
  view.SetProgress(0);

  // The lines to test are taken before the first pump: a command nested in it ("Sorteer",
  // "Vorige") may reorder or replace the list, and the narrowing must still test each line that
  // was there when it started, once.
  std::vector<std::string> lines;
  lines.reserve(last > 0 ? static_cast<std::size_t>(last) : 0);
  for (int i = 0; i < last; ++i) lines.push_back(results.Text(i));

  LineStore kept;
  std::string shown;
  for (int i = 0; i < last; ++i) {
    if (run.stopRequested) break;
    if (i > 0 && i % kLinesBetweenPumps == 0) {
      view.SetProgress(static_cast<int>(std::int64_t{i} * 100 / last));
      view.PumpMessages();
    }
    std::string& text = lines[static_cast<std::size_t>(i)];
    StripLengthPrefix(text);
    AsciiUpperInPlace(text);
    Verdict verdict;
    if (sounds) {
      verdict.matched = sounds->AcceptsWord(text, session.phonemes);
    } else {
      verdict = pattern.MatchLine(text);
    }
    if (!verdict.matched) continue;
    if (PassesResultFilter(form, text)) {
      if (!session.upperCaseMode) AsciiLowerInPlace(text);
      // A line «WORD <» or «WORD SCORE» shows the length of WORD, as its search did.
      const int length = ShownLength(form.type, LineWord(form.type, text, verdict));
      if (const auto line = ShownResultLine(session, text, length, shown)) {
        AppendResultLine(session, *line, false);
        kept.push_back(*line);
      }
    }
    if (run.resultCount >= form.maxResults) run.stopRequested = true;
  }

  const std::string summary = NarrowingSummary(run, static_cast<int>(kept.size()));
  if (!run.stopRequested) view.SetProgress(100);
  // The old lines go by rebuilding the list from the kept ones. That leaves what deleting them one
  // by one from the top would, in time linear in the list rather than quadratic, and it also holds
  // when a nested command reworked the list meanwhile.
  results.Clear();
  for (const std::string_view line : kept) results.Append(line);
  results.Append(summary);
}

}  // namespace kwintel
