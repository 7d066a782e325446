#include "shell/run_search.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/search.h"
#include "results/common_ranking.h"
#include "shell/result_lines.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// The found words into the list: filters, decoration, IJ rule, length number, backup, count, and
// the maximum, which ends the search. Its pumps move the progress bar and let the front end
// handle input, where "&Onderbreek" may stop the search.
class ResultSink : public SearchSink {
 public:
  ResultSink(Session& session, const Form& form, const Pattern& pattern, const WordFileSet& wordFiles)
      : session_(session), form_(form), type_(pattern.Type()), wordFiles_(wordFiles) {}

  // The title names the file as built from the prefix, however its name was found.
  void Reading(int length) override {
    session_.view.SetTitle(kTitlePrefix + FileNameForDisplay(wordFiles_.FileName(length)));
  }

  Flow Found(std::string_view word, const Verdict& verdict) override {
    if (const std::optional<std::string_view> line = LineOf(word, verdict)) AppendResultLine(session_, *line, true);
    if (session_.run.resultCount >= form_.maxResults) session_.run.stopRequested = true;
    return session_.run.stopRequested ? Flow::Stop : Flow::Continue;
  }

  Flow Progressed(const SearchProgress& progress) override {
    if (progress.bytesTotal > 0) {
      // A file that grew after the sizes were summed must not push the bar past its end.
      const std::int64_t percent = progress.bytesDone * 100 / progress.bytesTotal;
      session_.view.SetProgress(static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100)));
    }
    session_.view.PumpMessages();
    return session_.run.stopRequested ? Flow::Stop : Flow::Continue;
  }

  // The line of a found word as the list would show it, in buffers of the sink's that live until
  // the next call; nothing when the filters or the IJ rule leave the word out. The filters test
  // the word before its decoration.
  std::optional<std::string_view> LineOf(std::string_view word, const Verdict& verdict) {
    if (!PassesResultFilter(form_, word)) return std::nullopt;
    const std::string_view text = ResultLineText(type_, word, verdict, session_.upperCaseMode != 0, line_);
    return ShownResultLine(session_, text, ShownLength(type_, word), shown_);
  }

 private:
  Session& session_;
  const Form& form_;
  SearchType type_;
  const WordFileSet& wordFiles_;
  std::string line_;
  std::string shown_;
};

// "Gangbaar" and the word games: the lines wait in a ranking, by their scores and then by their
// words' counts, until every word has been read (the best may come last), then go into the list
// best first. A "Meerwoord" line counts as its rarest word; without counts every word counts 0.
class RankingSink : public SearchSink {
 public:
  RankingSink(ResultSink& results, const WordCounts* counts, SearchType type, int maxResults)
      : results_(results), type_(type), ranking_(static_cast<std::size_t>(maxResults)) {
    if (counts != nullptr) cursor_.emplace(*counts);
  }

  void Reading(int length) override { results_.Reading(length); }
  Flow Progressed(const SearchProgress& progress) override { return results_.Progressed(progress); }
  Flow Found(std::string_view word, const Verdict& verdict) override {
    if (const std::optional<std::string_view> line = results_.LineOf(word, verdict)) {
      ranking_.Offer(*line, CountOf(word), static_cast<std::uint64_t>(verdict.score));
    }
    return Flow::Continue;
  }

  // The ranked lines into the list (and the backup, so that "Vorige" brings them back as listed),
  // counted as found lines. More lines offered than kept: the summary says "Maximum".
  void List(Session& session) {
    const bool cut = ranking_.Offered() > ranking_.Maximum();
    session.run.resultCount = 0;
    ranking_.TakeHighestFirst([&](std::string_view line, std::uint64_t) { AppendResultLine(session, line, true); });
    if (cut && !session.run.interrupted) session.run.stopRequested = true;
  }

 private:
  std::uint64_t CountOf(std::string_view word) {
    if (!cursor_) return 0;
    if (type_ != SearchType::MultiWordAnagram) return cursor_->CountOf(word);
    std::uint64_t rarest = UINT64_MAX;
    for (std::size_t begin = 0; begin <= word.size();) {
      const std::size_t end = std::min(word.find(' ', begin), word.size());
      rarest = std::min(rarest, cursor_->CountOf(word.substr(begin, end - begin)));
      begin = end + 1;
    }
    return rarest;
  }

  ResultSink& results_;
  std::optional<WordCounts::Cursor> cursor_;  // none without counts
  SearchType type_;
  CommonRanking ranking_;
};

// "Totaal: %d", "Maximum: %d" or "Onderbroken: %de" with the number of lines in the list, and for
// Product, Sum and Telephone what was searched for.
std::string SummaryLine(const RunState& run, int count, const Pattern& pattern) {
  std::string summary;
  if (!run.stopRequested) {
    summary = "Totaal: " + std::to_string(count);
  } else if (run.interrupted) {
    summary = "Onderbroken: " + std::to_string(count) + "e";
  } else {
    summary = "Maximum: " + std::to_string(count);
  }
  if (const std::string target = pattern.TargetText(); !target.empty()) summary += ", n = " + target;
  return summary;
}

}  // namespace

void RunSearch(Session& session, const Form& form) {
  const RunGuard running(session);
  MainDialogView& view = session.view;
  if (!AcceptForm(session, form)) return;
  session.resultBackup.clear();
  session.sortMode = 0;
  // The set is held for the search: a command nested in its pumps may choose another.
  const std::shared_ptr<WordFileSet> wordFiles = session.wordFiles;
  if (!wordFiles) {
    view.ShowMessage("Specificeer woordbestand", "Fout", MessageIcon::Exclamation);
    return;
  }
  session.results.Clear();

  const std::optional<Pattern> compiled = CompileFormPattern(session, form);
  if (!compiled) return;
  const Pattern& pattern = *compiled;
  std::optional<SoundMatcher> sounds;
  if (IsSoundType(pattern.Type()) && !(sounds = BindSounds(session, *wordFiles, pattern))) return;

  session.run = RunState{};
  view.SetProgress(0);
  ResultSink results(session, form, pattern, *wordFiles);
  const WordCounts* counts = session.common ? wordFiles->Counts() : nullptr;
  if (counts != nullptr || IsScored(pattern.Type())) {
    RankingSink ranked(results, counts, pattern.Type(), form.maxResults);
    Search(pattern, *wordFiles, form.lengths, ranked, sounds ? &*sounds : nullptr);
    ranked.List(session);
  } else {
    Search(pattern, *wordFiles, form.lengths, results, sounds ? &*sounds : nullptr);
  }
  if (!session.run.stopRequested) view.SetProgress(100);
  session.results.Append(SummaryLine(session.run, session.results.Count(), pattern));
}

}  // namespace kwintel
