// Rijm, Halfrijm and Klinkt als as the dialog runs them, over a hand-made sound file: the lines in
// the word files' order, the rules all types share, "Gangbaar", the narrowing, the sound of a word
// the file does not list, and the messages when a sound is missing.

#include <gtest/gtest.h>

#include <map>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/narrow_results.h"

namespace kwintel {
namespace {

using testing_support::Lines;
using testing_support::SessionFixture;

// Sounds looked up in a table, and counted, as libespeak-ng would give them.
class TablePhonemes : public PhonemeSource {
 public:
  std::string PhonemesOf(std::string_view word) override {
    ++asked;
    const auto found = sounds.find(std::string(word));
    return found == sounds.end() ? std::string() : found->second;
  }
  std::map<std::string, std::string> sounds;
  int asked = 0;
};

class SoundSearchTest : public SessionFixture {
 protected:
  SoundSearchTest() {
    folder.Write("w.KLK",
                 "BAAS\tb 'a: s\n"
                 "DAT\td A t\n"
                 "HART\th 'A r t\n"
                 "HARD\th 'A r t\n"
                 "KAT\tk 'A t\n"
                 "KRAT\tk r 'A t\n"
                 "RIJS\tr 'Ei s\n"
                 "SCHAT\ts x 'A t\n"
                 "STAD\ts t 'A t\n");
    ChooseSet();
    session.phonemes = &phonemes;
  }
  TablePhonemes phonemes;
};

TEST_F(SoundSearchTest, RhymesInTheWordFilesOrderWithTheSharedRules) {
  Search("kat", SearchType::Rhyme);
  EXPECT_EQ(ListLines(), (Lines{"DAT", "KRAT", "STAD", "SCHAT", "Totaal: 4"}));
  form.mustNotContain = "D";
  ToggleWithLength(session);
  Search("KAT 1", SearchType::Rhyme);
  EXPECT_EQ(ListLines(), (Lines{" 4. KRAT", " 5. SCHAT", "Totaal: 2"}));
  EXPECT_EQ(phonemes.asked, 0) << "the sound file knows KAT";
}

TEST_F(SoundSearchTest, SoundsAlikeAndGangbaar) {
  Search("HARD", SearchType::SoundsLike);
  EXPECT_EQ(ListLines(), (Lines{"HART", "Totaal: 1"}));
  folder.Write("w.FRQ", "KRAT\t2\nSTAD\t90\n");
  ChooseSet();
  ShowCommonAvailability(session);
  Press(ids::kGangbaar);
  Search("KAT", SearchType::Rhyme);
  EXPECT_EQ(ListLines(), (Lines{"STAD", "KRAT", "DAT", "SCHAT", "Totaal: 4"}));
}

TEST_F(SoundSearchTest, AWordTheFileDoesNotListTakesItsSoundFromThePhonemes) {
  phonemes.sounds["PLAT"] = "p l 'A t";
  Search("plat", SearchType::Rhyme);
  EXPECT_EQ(ListLines(), (Lines{"DAT", "KAT", "KRAT", "STAD", "SCHAT", "Totaal: 5"}));
  Search("XYZ", SearchType::Rhyme);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Geen klank voor XYZ");
}

TEST_F(SoundSearchTest, NarrowingTestsEachLineAsAWord) {
  phonemes.sounds["PLAT"] = "p l 'A t";
  SetLines({"PLAT", "BAAS", "KAT", "ONBEKEND", "Totaal: 4"});
  form.pattern = "SCHAT";
  form.type = SearchType::Rhyme;
  NarrowResults(session, Controls());
  EXPECT_EQ(ListLines(), (Lines{"PLAT", "KAT", "Doorzoeken gevonden: 2."}));
}

TEST_F(SoundSearchTest, WithoutASoundFileTheSearchSaysWhichIsMissing) {
  prefix = folder.Path() + "/geen";
  Search("KAT", SearchType::HalfRhyme);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "Fout");
  EXPECT_EQ(view.messages[0].text, "Geen klanken: " + prefix + ".KLK ontbreekt");
  EXPECT_TRUE(ListLines().empty());
}

}  // namespace
}  // namespace kwintel
