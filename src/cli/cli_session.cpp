#include "cli/cli_session.h"

#include <algorithm>
#include <csignal>
#include <cstring>

#include "cli/headless_dialog.h"
#include "cli/headless_result_list.h"
#include "cli/interrupt_signal.h"
#include "cli/streaming_result_list.h"
#include "cli/usage_text.h"
#include "cli/utf8_line_writer.h"
#include "ports/control_ids.h"
#include "results/result_file.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel::cli {
namespace {

constexpr const char* kProgramName = "kwintel-cli";
constexpr int kListRoom = 1 << 19;  // more lines than a word list of half a million words gives

// The form the dialog's controls would hold.
Form FormOf(const CliOptions& options) {
  Form form;
  form.pattern = options.pattern;
  form.type = options.type;
  form.maxResults = options.maxResults;
  if (options.lengths) form.lengths = *options.lengths;
  form.mustContain = options.mustContain;
  form.mustNotContain = options.mustNotContain;
  return form;
}

// Whether the search or a narrowing compares sounds.
bool ComparesSounds(const CliOptions& options) {
  return IsSoundType(options.type) ||
         std::any_of(options.actions.begin(), options.actions.end(), [](const CliAction& action) {
           return action.kind == CliAction::Kind::Narrow && IsSoundType(action.type);
         });
}

// Without an action or a result file, nothing reads the lines after the search: they go out as
// they are found, and the list keeps none.
bool Streams(const CliOptions& options) { return options.actions.empty() && !options.outputFile; }

class Run {
 public:
  Run(const CliOptions& options, std::FILE* out, std::FILE* err, PhonemeSource* phonemes)
      : options_(options), out_(out), err_(err), testPump_(TestInterruptPump()), form_(FormOf(options)) {
    session_.phonemes = phonemes;
    view_.onPump = [this] {
      if (testPump_ > 0 && view_.pumpCount == testPump_) std::raise(SIGINT);
      if (catcher_ != nullptr && catcher_->TakeInterrupt()) Press(ids::kOnderbreek);
    };
  }

  int Go(const std::string& executableFolder) {
    InitialiseSession(session_, form_, executableFolder);
    // Without -w the discovered set is the source, so a message of its discovery is the answer.
    if (!options_.wordsPrefix && Stopped()) return kExitMessage;
    view_.message.reset();

    // Without "Vorige" the search need not keep its copy of the lines either.
    session_.keepsResultBackup =
        std::any_of(options_.actions.begin(), options_.actions.end(),
                    [](const CliAction& action) { return action.kind == CliAction::Kind::Restore; });
    // Room for the lines at once spares the list its growth, which a large result would otherwise
    // pay several times over. The search's backup shares the list's lines.
    if (!Streams(options_)) list_.Reserve(static_cast<std::size_t>(std::min(options_.maxResults, kListRoom)) + 1);
    if (options_.showLength) Press(ids::kMetLengte);
    if (options_.keepIj) Press(ids::kIjEenLetter);
    if (options_.lower) Press(ids::kHoofdKlein);
    if (options_.wordsPrefix) {
      UseWordFilePrefix(session_, *options_.wordsPrefix);
      if (Stopped()) return kExitMessage;
    }
    if (options_.common) {
      if (!session_.wordFiles || session_.wordFiles->Counts() == nullptr) {
        std::fprintf(err_, "kwintel-cli: --common: de woordbestanden hebben geen woordfrequenties (%s ontbreekt)\n",
                     WordFileSet::CountsPathOf(ChosenPrefix(session_)).c_str());
        std::fwrite(UsageSummary().data(), 1, UsageSummary().size(), err_);
        return kExitUsage;
      }
      Press(ids::kGangbaar);
    }
    if (ComparesSounds(options_) && (!session_.wordFiles || session_.wordFiles->Sounds() == nullptr)) {
      std::fprintf(err_, "kwintel-cli: de woordbestanden hebben geen klanken (%s ontbreekt)\n",
                   WordFileSet::SoundsPathOf(ChosenPrefix(session_)).c_str());
      std::fwrite(UsageSummary().data(), 1, UsageSummary().size(), err_);
      return kExitUsage;
    }
    if (!PressCatchingInterrupt(ids::kGaZoeken)) return kExitMessage;

    for (const CliAction& action : options_.actions) {
      switch (action.kind) {
        case CliAction::Kind::Narrow:
          form_.type = action.type;
          form_.pattern = action.pattern;
          if (!PressCatchingInterrupt(ids::kDoorzoeken)) return kExitMessage;
          break;
        case CliAction::Kind::Sort:
          if (!Press(ids::kSorteer)) return kExitMessage;
          break;
        case CliAction::Kind::Restore:
          if (!Press(ids::kVorige)) return kExitMessage;
          break;
      }
    }

    if (options_.outputFile) {
      if (const auto failure = WriteResultFileTo(list_, *options_.outputFile)) {
        Report("Fout", *failure);
        return kExitMessage;
      }
    }
    return PrintList() ? kExitListed : kExitMessage;
  }

 private:
  // Presses a button; false when the command stopped with a message (reported on `err`).
  bool Press(int id) {
    RunCommand(session_, id, form_);
    return !Stopped();
  }

  bool PressCatchingInterrupt(int id) {
    InterruptCatcher catcher;
    catcher_ = &catcher;
    const bool pressed = Press(id);
    catcher_ = nullptr;
    return pressed;
  }

  bool Stopped() {
    if (!view_.message) return false;
    Report(view_.message->caption.empty() ? std::string(kProgramName) : view_.message->caption, view_.message->text);
    return true;
  }

  void Report(const std::string& caption, const std::string& text) {
    std::fprintf(err_, "%s: %s\n", Cp1252ToUtf8(caption).c_str(), Cp1252ToUtf8(text).c_str());
  }

  // Writes out the list (the streamed one has gone out already) and reports a failed write.
  bool PrintList() {
    if (!Streams(options_)) {
      for (int i = 0; i < list_.Count(); ++i) writer_.Write(list_.View(i));
    }
    if (writer_.Finish()) return true;
    std::fprintf(err_, "%s: kan niet naar standaarduitvoer schrijven: %s\n", kProgramName,
                 std::strerror(writer_.Error()));
    return false;
  }

  const CliOptions& options_;
  std::FILE* out_;
  std::FILE* err_;
  const long testPump_;
  Form form_;
  Utf8LineWriter writer_{out_};
  StreamingResultList streamingList_{writer_};
  HeadlessResultList list_;
  HeadlessView view_;
  HeadlessPlatform platform_;
  InterruptCatcher* catcher_ = nullptr;
  Session session_{view_, Streams(options_) ? static_cast<ResultList&>(streamingList_) : list_, platform_};
};

}  // namespace

int RunCliSession(const CliOptions& options, const std::string& executableFolder, std::FILE* out, std::FILE* err,
                  PhonemeSource* phonemes) {
  Run run(options, out, err, phonemes);
  return run.Go(executableFolder);
}

}  // namespace kwintel::cli
