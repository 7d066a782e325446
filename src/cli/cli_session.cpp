#include "cli/cli_session.h"

#include <algorithm>
#include <csignal>
#include <cstring>

#include "cli/headless_result_list.h"
#include "cli/interrupt_signal.h"
#include "cli/streaming_result_list.h"
#include "cli/usage_text.h"
#include "cli/utf8_line_writer.h"
#include "engine/engine_types.h"
#include "ports/control_ids.h"
#include "results/result_file.h"
#include "shell/command_table.h"
#include "shell/common_words.h"
#include "shell/main_dialog.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel::cli {
namespace {

constexpr const char* kProgramName = "kwintel-cli";
constexpr int kListRoom = 1 << 19;  // more lines than a word list of half a million words gives

// The in-memory dialog with a headless result list in place of the list box: the streaming one
// when it is set, else the one that keeps its lines.
class HeadlessView : public MemoryView {
 public:
  ResultList& Results() override {
    if (streaming != nullptr) return *streaming;
    return list;
  }
  HeadlessResultList list;
  StreamingResultList* streaming = nullptr;
};

class Session {
 public:
  Session(const CliOptions& options, std::FILE* out, std::FILE* err)
      : options_(options), out_(out), err_(err), testPump_(TestInterruptPump()) {
    view_.onPump = [this] {
      if (testPump_ > 0 && view_.pumpCount == testPump_) std::raise(SIGINT);
      if (TakeInterrupt()) RunCommand(dialog_, ids::kOnderbreek);
    };
  }

  int Run(const std::string& executableFolder) {
    InitialiseMainDialog(dialog_, executableFolder);
    // Without -w the discovered set is the source, so a message of its discovery is the answer.
    if (!options_.wordsPrefix && Stopped()) return kExitMessage;
    view_.messages.clear();

    // Without an action or a result file, nothing reads the lines after the search: they go out
    // as they are found. Without "Vorige" the search need not keep its copy of them either.
    if (options_.actions.empty() && !options_.outputFile) view_.streaming = &streamingList_;
    dialog_.keepsResultBackup =
        std::any_of(options_.actions.begin(), options_.actions.end(),
                    [](const CliAction& action) { return action.kind == CliAction::Kind::Restore; });
    FillForm();
    if (options_.wordsPrefix) {
      // "&Kies bestand..." with a file of the set: the chooser cuts its length and extension
      // off, which leaves exactly PREFIX, with the chooser's checks.
      platform_.wordFileAnswer = *options_.wordsPrefix + "02.DOC";
      if (!Press(ids::kKiesBestand)) return kExitMessage;
    }
    if (options_.common) {
      // Read here, for the search to come: one search, then the program ends, so the file's
      // pages are mapped rather than copied.
      if (CountsOfSet(wordFilePrefix, CountsReading::kMap) == nullptr) {
        std::fprintf(err_, "kwintel-cli: --common: de woordbestanden hebben geen woordfrequenties (%s ontbreekt)\n",
                     CountsFilePath(wordFilePrefix).c_str());
        std::fwrite(UsageSummary().data(), 1, UsageSummary().size(), err_);
        return kExitUsage;
      }
      Press(ids::kGangbaar);
    }
    if (!PressCatchingInterrupt(ids::kGaZoeken)) return kExitMessage;

    for (const CliAction& action : options_.actions) {
      switch (action.kind) {
        case CliAction::Kind::Narrow:
          view_.CheckRadio(ids::kVolgorde, ids::kTelefoon, action.typeRadio);
          view_.SetText(ids::kPatternBox, action.pattern);
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
      if (const auto failure = WriteResultFileTo(dialog_.view.Results(), *options_.outputFile)) {
        Report("Fout", *failure);
        return kExitMessage;
      }
    }
    return PrintList() ? kExitListed : kExitMessage;
  }

 private:
  void FillForm() {
    view_.SetText(ids::kPatternBox, options_.pattern);
    view_.CheckRadio(ids::kVolgorde, ids::kTelefoon, options_.typeRadio);
    if (options_.lengths) {
      for (int length = 2; length <= 19; ++length) {
        view_.SetChecked(ids::LengthToggleId(length), (*options_.lengths)[LengthIndex(length)]);
      }
    }
    const auto& values = ids::kMaxResultsValues;
    const auto radio = std::find(values.begin(), values.end(), options_.maxResults);
    if (radio != values.end()) {
      view_.CheckRadio(ids::kMax100, ids::kMax15000,
                       ids::kMaxResultsGroup[static_cast<std::size_t>(radio - values.begin())]);
    } else {
      // The radios offer only four maxima; the dialog takes any other from its override.
      dialog_.maxResultsOverride = options_.maxResults;
    }
    // Room for the lines at once spares the list its growth, which a large result would otherwise
    // pay several times over. The search's backup shares the list's lines.
    const auto room = static_cast<std::size_t>(std::min(options_.maxResults, kListRoom));
    if (view_.streaming == nullptr) view_.list.Reserve(room + 1);
    view_.SetText(ids::kMetFilter, options_.mustContain);
    view_.SetText(ids::kZonderFilter, options_.mustNotContain);
    if (options_.showLength) Press(ids::kMetLengte);
    if (options_.keepIj) Press(ids::kIjEenLetter);
    if (options_.lower) Press(ids::kHoofdKlein);
  }

  // Presses a button; false when the command stopped with a message (reported on `err`).
  bool Press(int id) {
    RunCommand(dialog_, id);
    return !Stopped();
  }

  bool PressCatchingInterrupt(int id) {
    InterruptCatcher catcher;
    return Press(id);
  }

  bool Stopped() {
    if (view_.messages.empty()) return false;
    const MemoryView::Message& message = view_.messages.front();
    Report(message.caption.empty() ? std::string(kProgramName) : message.caption, message.text);
    return true;
  }

  void Report(const std::string& caption, const std::string& text) {
    std::fprintf(err_, "%s: %s\n", Cp1252ToUtf8(caption).c_str(), Cp1252ToUtf8(text).c_str());
  }

  // Writes out the list (the streamed one has gone out already) and reports a failed write.
  bool PrintList() {
    if (view_.streaming == nullptr) {
      for (int i = 0; i < view_.list.Count(); ++i) writer_.Write(view_.list.View(i));
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
  Utf8LineWriter writer_{out_};
  StreamingResultList streamingList_{writer_};
  HeadlessView view_;
  MemoryPlatform platform_;
  MainDialog dialog_{view_, platform_};
};

}  // namespace

int RunCliSession(const CliOptions& options, const std::string& executableFolder, std::FILE* out, std::FILE* err) {
  Session session(options, out, err);
  return session.Run(executableFolder);
}

}  // namespace kwintel::cli
