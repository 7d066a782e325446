// "Meerwoord", "Verborgen" and "Drukfout" as the dialog runs them: which lines, in which order,
// with the rules all search types share (length toggles, maximum, interrupt, "Met lengte",
// filters) and "&Doorzoeken".

#include <gtest/gtest.h>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/narrow_results.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using testing_support::Lines;
using testing_support::SessionFixture;

class MultiWordSearchTest : public SessionFixture {
 protected:
  MultiWordSearchTest() {
    // KAT twice and a word with an apostrophe: each plain word counts once, at its first line.
    WriteWords(3, "KAT\nTAK\nKAT\nKA'T\nOOR\n");
    WriteWords(4, "ROOS\nSORO\nROOK\n");
  }
};

TEST_F(MultiWordSearchTest, PairsInTheOrderOfTheFirstWordsPlaceThenTheSeconds) {
  Search("katroos", SearchType::MultiWordAnagram);
  EXPECT_EQ(ListLines(), (Lines{"KAT ROOS", "KAT SORO", "TAK ROOS", "TAK SORO", "Totaal: 4"}));
}

TEST_F(MultiWordSearchTest, AnEnumerationFixesEachWordsLength) {
  Search("KATROOS 4,3", SearchType::MultiWordAnagram);
  EXPECT_EQ(ListLines(), (Lines{"ROOS KAT", "ROOS TAK", "SORO KAT", "SORO TAK", "Totaal: 4"}));
}

TEST_F(MultiWordSearchTest, SharedRules) {
  SelectLengths({3});  // no four-letter word may take part
  Search("KATROOS", SearchType::MultiWordAnagram);
  EXPECT_EQ(ListLines(), (Lines{"Totaal: 0"}));

  CheckAllLengths(session);
  ToggleWithLength(session);
  form.maxResults = 2;
  Search("KATROOS", SearchType::MultiWordAnagram);
  EXPECT_EQ(ListLines(), (Lines{" 7. KAT ROOS", " 7. KAT SORO", "Maximum: 2"}));

  ToggleWithLength(session);
  form.maxResults = 100;
  form.mustNotContain = "K";
  Search("KATROOS", SearchType::MultiWordAnagram);
  EXPECT_EQ(ListLines(), (Lines{"Totaal: 0"}));
}

TEST_F(MultiWordSearchTest, AnInterruptEndsTheListing) {
  // Thousands of ten-letter words of A-D, at most five of each: far more pairs than one pump's
  // worth of steps.
  std::string words;
  int count = 0;
  for (int n = 0; count < 6000; ++n) {
    std::string word;
    int letters[4] = {};
    for (int i = 0, rest = n; i < 10; ++i, rest /= 4) {
      word += static_cast<char>('A' + rest % 4);
      ++letters[rest % 4];
    }
    if (letters[0] > 5 || letters[1] > 5 || letters[2] > 5 || letters[3] > 5) continue;
    words += word + "\n";
    ++count;
  }
  WriteWords(10, words);
  view.onPump = [this] { RequestStop(session); };
  form.maxResults = 1'000'000;
  Search("AAAAABBBBBCCCCCDDDDD", SearchType::MultiWordAnagram);
  const Lines lines = ListLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().rfind("Onderbroken: ", 0), 0u) << lines.back();
}

TEST_F(MultiWordSearchTest, RefusedPatternsShowTheirMessage) {
  for (const char* pattern : {"KAT ROOS", "KATROOS 3,3", "KATROOS 7", "K", "KATROOS 2,2,2,1"}) {
    view.messages.clear();
    Search(pattern, SearchType::MultiWordAnagram);
    ASSERT_EQ(view.messages.size(), 1u) << pattern;
    EXPECT_EQ(view.messages[0].caption, "Patroon fout") << pattern;
    EXPECT_EQ(view.messages[0].text, pattern);
  }
}

TEST_F(MultiWordSearchTest, NarrowingKeepsLinesOfTheLettersAndParts) {
  SetLines({"KAT ROOS", "ROOS KAT", "KATROOS", "KAT ROOK", "Totaal: 4"});
  form.pattern = "KATROOS 3,4";
  form.type = SearchType::MultiWordAnagram;
  NarrowResults(session, Controls());
  EXPECT_EQ(ListLines(), (Lines{"KAT ROOS", "Doorzoeken gevonden: 1."}));
}

class HiddenWordSearchTest : public SessionFixture {
 protected:
  HiddenWordSearchTest() {
    WriteWords(3, "KAT\nTAK\nEET\nKAT\nOOK\n");
    WriteWords(4, "ROOD\nDOOR\nROOK\n");
  }
};

TEST_F(HiddenWordSearchTest, ForwardsThenBackwardsWithTheMark) {
  Search("de kat eet rood!", SearchType::HiddenWord);
  EXPECT_EQ(ListLines(), (Lines{"KAT", "TAK <", "EET", "KAT", "ROOD", "DOOR <", "Totaal: 6"}));

  ToggleCase(session);  // "Klein", and the length counts the word only
  ToggleWithLength(session);
  Search("rood", SearchType::HiddenWord);
  EXPECT_EQ(ListLines(), (Lines{" 4. rood", " 4. door <", "Totaal: 2"}));
}

TEST_F(HiddenWordSearchTest, NarrowingKeepsItsOwnBackwardsLines) {
  SetLines({"KAT", "TAK <", "EET", "Totaal: 3"});
  form.pattern = "kat";
  form.type = SearchType::HiddenWord;
  NarrowResults(session, Controls());
  EXPECT_EQ(ListLines(), (Lines{"KAT", "TAK <", "Doorzoeken gevonden: 2."}));
}

TEST_F(HiddenWordSearchTest, AClueOfFewerThanTwoLettersIsRefused) {
  Search("a, 1", SearchType::HiddenWord);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "Patroon fout");
}

TEST_F(SessionFixture, MisprintFindsWordsOneLetterOffAndNarrows) {
  WriteWords(4, "ROOS\nROOK\nBOOS\nRAAS\nROTS\nROOSJE\n");
  Search("ROOS", SearchType::Misprint);
  EXPECT_EQ(ListLines(), (Lines{"ROOK", "BOOS", "ROTS", "Totaal: 3"}));

  form.pattern = "BOOK";
  NarrowResults(session, Controls());
  EXPECT_EQ(ListLines(), (Lines{"ROOK", "BOOS", "Doorzoeken gevonden: 2."}));

  for (const char* pattern : {"ROO*", "-ROOS", "R&&S", "R..S 5"}) {
    view.messages.clear();
    Search(pattern, SearchType::Misprint);
    ASSERT_EQ(view.messages.size(), 1u) << pattern;
    EXPECT_EQ(view.messages[0].caption, "Patroon fout") << pattern;
  }
}

}  // namespace
}  // namespace kwintel
