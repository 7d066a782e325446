#pragma once
// One session of the main dialog: everything the commands keep between two clicks (the word files,
// the result list and its copy for "Vorige", the sort step, the pattern history, the settings, the
// state of a running search) and the three interfaces through which they reach the front end. The
// desktop dialog and kwintel-cli each own one and bind their buttons to the commands of
// command_table.h.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "engine/pattern.h"
#include "engine/phoneme_source.h"
#include "engine/sound_matcher.h"
#include "engine/word_file_set.h"
#include "ports/font_description.h"
#include "ports/platform.h"
#include "ports/result_list.h"
#include "shell/form.h"
#include "shell/main_dialog_view.h"
#include "shell/pattern_history.h"
#include "text/line_store.h"

namespace kwintel {

inline constexpr const char* kTitlePrefix = "Kwintel - ";

struct WordSourceSlot {
  std::string caption;               // caption of the slot's button (Windows-1252)
  std::shared_ptr<WordFileSet> set;  // null: no set
};

// The search or narrowing that runs, or ran last.
struct RunState {
  bool stopRequested = false;  // set by the maximum and by "&Onderbreek"; the run ends at its next word
  bool interrupted = false;    // set by "&Onderbreek"
  int resultCount = 0;         // lines added to the list
};

struct Session {
  Session(MainDialogView& v, ResultList& r, Platform& p) : view(v), results(r), platform(p) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  MainDialogView& view;
  ResultList& results;  // list box 1105
  Platform& platform;
  // The sounds of pattern words and lines the sound file does not list: the program's one
  // libespeak-ng, or null without it.
  PhonemeSource* phonemes = nullptr;

  // The set a search reads; null until a source with a set is chosen.
  std::shared_ptr<WordFileSet> wordFiles;
  std::array<WordSourceSlot, 4> sourceSlots = {
      {{"Woorden(1)", nullptr}, {"Woorden(2)", nullptr}, {"Woorden(3)", nullptr}, {"Woorden(4)", nullptr}}};

  // The form as the last search, narrowing or "Einde" took it, which "Kopieer" shows again.
  Form form;

  // The settings, each mirrored by its control. A running search reads them at every line it
  // adds, as they stand at that moment.
  int withLength = 0;     // "Met lengte": the length number before each line
  int ijOneLetter = 1;    // "IJ één letter": lines with IJ left out
  int upperCaseMode = 1;  // "Hoofd" (1) or "Klein" (0): the case of new lines
  int common = 0;         // "Gangbaar": the lines of the most common words first
  FontDescription resultFont;

  LineStore resultBackup;  // the lines of the last search over word files, as found
  // Whether a search keeps its lines in resultBackup for "Vorige". A front end that will not
  // restore (kwintel-cli without --restore) turns it off and spares every line its second copy.
  bool keepsResultBackup = true;
  // The order the next "Sorteer" applies (see SortResultLines); 0 after every search and narrowing.
  int sortMode = 0;
  PatternHistory history;
  // The last result file written (file-system bytes), proposed by the next save dialog.
  std::string resultFileName;

  RunState run;
  // How many searches or narrowings are running (nested through the pump). While one runs, the
  // commands that would start another or change the word source are ignored.
  int runDepth = 0;
};

// Marks a search or narrowing as running for its lifetime.
class RunGuard {
 public:
  explicit RunGuard(Session& session) : session_(session) { ++session_.runDepth; }
  ~RunGuard() { --session_.runDepth; }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  Session& session_;
};

// The dialog's initialisation, toolkit-free part: the form as `form` holds it (all lengths,
// "Volgorde", "100" at start), word-file discovery in `executableFolder`, source 1 pressed, slot
// captions, the result font on pattern box and list, focus in the pattern box, the toggles as
// the settings hold them.
void InitialiseSession(Session& session, const Form& form, const std::string& executableFolder);

// Takes the form as the session's. A pattern of more than 299 characters is taken all the same,
// then the message is shown, the focus moves to the pattern box and the rest of the form is
// left as it was: false.
bool AcceptForm(Session& session, const Form& form);

// The form's pattern compiled for its type, the upper-cased pattern added to the history unless an
// entry begins with it; nothing, after the message "Patroon fout", when it is refused.
std::optional<Pattern> CompileFormPattern(Session& session, const Form& form);

// A sound pattern bound to the sounds of `wordFiles`; nothing, after a message, when the set has no
// sound file or the pattern word no sound.
std::optional<SoundMatcher> BindSounds(Session& session, WordFileSet& wordFiles, const Pattern& pattern);

// The prefix of the session's set, or nothing.
inline std::string ChosenPrefix(const Session& session) {
  return session.wordFiles ? session.wordFiles->Prefix() : std::string();
}

// "Einde": on an accepted form the dialog ends with OK, otherwise it stays open.
void CloseMainDialog(Session& session, const Form& form);

}  // namespace kwintel
