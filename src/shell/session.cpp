#include "shell/session.h"

#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel {

void InitialiseSession(Session& session, const Form& form, const std::string& executableFolder) {
  MainDialogView& view = session.view;
  session.form = form;
  view.ShowForm(form);
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    view.SetChecked(ids::LengthToggleId(length), form.lengths[LengthIndex(length)]);
  }
  DiscoverWordFiles(session, executableFolder);
  session.wordFiles = session.sourceSlots[0].set;
  view.SetPressed(ids::kSource1, true);
  for (std::size_t slot = 0; slot < session.sourceSlots.size(); ++slot) {
    view.SetText(ids::kSourceButtons[slot], session.sourceSlots[slot].caption);
  }
  view.SetFont(ids::kPatternBox, session.resultFont);
  view.Focus(ids::kPatternBox);
  view.SetFont(ids::kResultList, session.resultFont);
  view.SetChecked(ids::kMetLengte, session.withLength != 0);
  view.SetChecked(ids::kIjEenLetter, session.ijOneLetter != 0);
  view.SetChecked(ids::kGangbaar, session.common != 0);
  ShowCommonAvailability(session);
}

bool AcceptForm(Session& session, const Form& form) {
  if (form.pattern.size() > kMaxPatternLength) {
    session.form.pattern = form.pattern;
    session.view.ShowMessage(kTooLongMessage, "", MessageIcon::Exclamation);
    session.view.Focus(ids::kPatternBox);
    return false;
  }
  session.form = form;
  return true;
}

std::optional<Pattern> CompileFormPattern(Session& session, const Form& form) {
  auto compiled = Compile(form.type, form.pattern);
  if (const auto* refusal = std::get_if<Refusal>(&compiled)) {
    session.view.ShowMessage(refusal->message, "Patroon fout", MessageIcon::Exclamation);
    return std::nullopt;
  }
  std::string upperCased = form.pattern;
  AsciiUpperInPlace(upperCased);
  if (session.history.Find(upperCased) < 0) session.view.InsertHistory(session.history.Add(upperCased), upperCased);
  return std::get<Pattern>(std::move(compiled));
}

std::optional<SoundMatcher> BindSounds(Session& session, WordFileSet& wordFiles, const Pattern& pattern) {
  const SoundFile* sounds = wordFiles.Sounds();
  if (sounds == nullptr) {
    session.view.ShowMessage("Geen klanken: " + FileNameForDisplay(wordFiles.SoundsPath()) + " ontbreekt", "Fout",
                             MessageIcon::Exclamation);
    return std::nullopt;
  }
  const auto& sound = std::get<SoundPattern>(pattern.Forms());
  std::optional<SoundMatcher> matcher = SoundMatcher::Bind(pattern.Type(), sound, *sounds, session.phonemes);
  if (!matcher) session.view.ShowMessage("Geen klank voor " + sound.word, "Fout", MessageIcon::Exclamation);
  return matcher;
}

void CloseMainDialog(Session& session, const Form& form) {
  if (AcceptForm(session, form)) session.view.EndDialog(true);
}

}  // namespace kwintel
