#include "tips/tip_of_day.h"

#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tips/tip_strings.h"
#include "tips/tip_time_stamp.h"
#include "tips_fixture.h"

namespace kwintel {
namespace {

// Three tips with a comment, an empty line and indented lines between them.
constexpr std::string_view kThreeTips =
    "; Tips voor de test\n"
    "Eerste tip\n"
    "\n"
    "Tweede tip\n"
    "; nog een opmerking\n"
    " ingesprongen regel\n"
    "\tregel na een tab\n"
    "Derde tip\n";

std::string StampOf(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::string stamp = FileTimeStampText(fileno(file));
  std::fclose(file);
  return stamp;
}

// The tips read by one making of the dialog object and `clicks` clicks of "&Volgende tip".
std::vector<std::string> Tips(TipOfDay& tip, int clicks) {
  std::vector<std::string> tips{tip.TipText()};
  for (int i = 0; i < clicks; ++i) {
    tip.ReadNextTip();
    tips.push_back(tip.TipText());
  }
  return tips;
}

using StringVector = std::vector<std::string>;

TEST_F(TipsTest, FirstRunShowsTheFirstTipAndKeepsItsPlace) {
  std::string path = WriteTips(kThreeTips);
  {
    TipOfDay tip(profile_, messages_, path);
    EXPECT_TRUE(tip.ShowAtStart());
    EXPECT_TRUE(tip.HasTipsFile());
    EXPECT_EQ(tip.TipText(), "Eerste tip");
  }
  EXPECT_EQ(profile_.Find("Tip", "TimeStamp"), StampOf(path));
  EXPECT_EQ(profile_.Find("Tip", "FilePos"), std::to_string(kThreeTips.find("\n\nTweede") + 1));
  EXPECT_EQ(profile_.Find("Tip", "StartUp"), std::nullopt);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TipsTest, NextTipCyclesInFileOrderAndNeverShowsSkippedLines) {
  TipOfDay tip(profile_, messages_, WriteTips(kThreeTips));
  EXPECT_EQ(Tips(tip, 4), (StringVector{"Eerste tip", "Tweede tip", "Derde tip", "Eerste tip", "Tweede tip"}));
}

TEST_F(TipsTest, CrLfLineEndsAreNoPartOfTheTip) {
  TipOfDay tip(profile_, messages_, WriteTips("; opmerking\r\nEen\r\n\r\nTwee\r\n \r\nDrie zonder regeleinde"));
  EXPECT_EQ(Tips(tip, 3), (StringVector{"Een", "Twee", "Drie zonder regeleinde", "Een"}));
}

TEST_F(TipsTest, LongLinesAreReadInPiecesOf999Characters) {
  // A CR LF counts as one character, so a line of 998 characters fits one read with its line end
  // and leaves no empty piece behind; a line of 1500 becomes two tips.
  std::string fits(998, 'A');
  std::string longer = std::string(999, 'B') + std::string(501, 'C');
  TipOfDay tip(profile_, messages_, WriteTips(fits + "\r\n" + longer + "\nKort\n"));
  EXPECT_EQ(Tips(tip, 3), (StringVector{fits, std::string(999, 'B'), std::string(501, 'C'), "Kort"}));
}

TEST_F(TipsTest, ConfirmWritesStartUpAsTheInverseOfTheCheckBox) {
  std::string path = WriteTips(kThreeTips);
  {
    TipOfDay tip(profile_, messages_, path);
    tip.Confirm(false);
    EXPECT_FALSE(tip.ShowAtStart());
  }
  EXPECT_EQ(profile_.Find("Tip", "StartUp"), "1");
  {
    TipOfDay tip(profile_, messages_, path);
    EXPECT_FALSE(tip.ShowAtStart());
    tip.Confirm(true);
  }
  EXPECT_EQ(profile_.Find("Tip", "StartUp"), "0");
}

TEST_F(TipsTest, AnyStartUpValueButZeroMeansNoTipsAtStart) {
  profile_.WriteString("Tip", "StartUp", "2");
  EXPECT_FALSE(TipOfDay(profile_, messages_, WriteTips(kThreeTips)).ShowAtStart());
  profile_.WriteString("Tip", "StartUp", "geen getal");
  EXPECT_TRUE(TipOfDay(profile_, messages_, TipsPath()).ShowAtStart());
}

TEST_F(TipsTest, AChangedTimeStampRestartsAtTheFirstTip) {
  std::string path = WriteTips(kThreeTips);
  long long third = static_cast<long long>(kThreeTips.find("Derde"));
  profile_.WriteString("Tip", "TimeStamp", "Thu Jan  1 00:00:00 1970");
  profile_.WriteInt("Tip", "FilePos", third);
  {
    TipOfDay tip(profile_, messages_, path);
    EXPECT_EQ(tip.TipText(), "Eerste tip");
  }
  EXPECT_EQ(profile_.Find("Tip", "TimeStamp"), StampOf(path));

  // With the stamp unchanged the saved position holds.
  profile_.WriteInt("Tip", "FilePos", third);
  TipOfDay tip(profile_, messages_, path);
  EXPECT_EQ(tip.TipText(), "Derde tip");
}

TEST_F(TipsTest, AMissingTipsFileSaysSoAndTouchesNoSetting) {
  profile_.WriteString("Tip", "TimeStamp", "Mon Feb  3 04:05:06 2020");
  profile_.WriteInt("Tip", "FilePos", 17);
  {
    TipOfDay tip(profile_, messages_, (folder_ / "bestaat-niet.txt").string());
    EXPECT_EQ(tip.TipText(), kTipsFileMissing);
    EXPECT_FALSE(tip.HasTipsFile());
    EXPECT_TRUE(tip.ShowAtStart());
    tip.ReadNextTip();
    EXPECT_EQ(tip.TipText(), kTipsFileMissing);
  }
  EXPECT_EQ(profile_.Find("Tip", "TimeStamp"), "Mon Feb  3 04:05:06 2020");
  EXPECT_EQ(profile_.Find("Tip", "FilePos"), "17");
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TipsTest, AFolderNamedLikeTheTipsFileCountsAsMissing) {
  std::filesystem::create_directory(folder_ / "map.txt");
  TipOfDay tip(profile_, messages_, (folder_ / "map.txt").string());
  EXPECT_EQ(tip.TipText(), kTipsFileMissing);
  EXPECT_FALSE(tip.HasTipsFile());
}

TEST_F(TipsTest, APositionBeyondTheEndStartsAgainAtTheTop) {
  std::string path = WriteTips(kThreeTips);
  profile_.WriteString("Tip", "TimeStamp", StampOf(path));
  profile_.WriteInt("Tip", "FilePos", 100000);
  TipOfDay tip(profile_, messages_, path);
  EXPECT_EQ(tip.TipText(), "Eerste tip");
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TipsTest, AnUnreachablePositionIsReportedAndLeavesThePanelEmpty) {
  std::string path = WriteTips(kThreeTips);
  profile_.WriteString("Tip", "TimeStamp", StampOf(path));
  profile_.WriteInt("Tip", "FilePos", -5);
  TipOfDay tip(profile_, messages_, path);
  EXPECT_EQ(messages_.shown, StringVector{kTipsFileTrouble});
  EXPECT_EQ(tip.TipText(), "");
  EXPECT_TRUE(tip.HasTipsFile());
  tip.ReadNextTip();
  EXPECT_EQ(tip.TipText(), "Eerste tip");
}

TEST_F(TipsTest, AFileWithoutTipsEndsReadingWithAnEmptyTip) {
  for (std::string_view bytes : {std::string_view(""), std::string_view("; alleen\n\n  uitleg\r\n")}) {
    std::string path = WriteTips(bytes);
    TipOfDay tip(profile_, messages_, path);
    EXPECT_EQ(tip.TipText(), "");
    tip.ReadNextTip();
    EXPECT_EQ(tip.TipText(), "");
    EXPECT_TRUE(tip.HasTipsFile());
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST(CalendarTimeText, HasTheClassic24CharacterForm) {
  std::tm time{};
  time.tm_year = 93;
  time.tm_mon = 5;
  time.tm_mday = 30;
  time.tm_wday = 3;
  time.tm_hour = 21;
  time.tm_min = 49;
  time.tm_sec = 8;
  EXPECT_EQ(CalendarTimeText(time), "Wed Jun 30 21:49:08 1993");
  time.tm_mday = 1;
  time.tm_hour = 7;
  EXPECT_EQ(CalendarTimeText(time), "Wed Jun  1 07:49:08 1993");
}

TEST_F(TipsTest, FileTimeStampHasThatForm) {
  std::string stamp = StampOf(WriteTips("x\n"));
  // "Www Mmm dd hh:mm:ss yyyy"
  const std::string_view days = "Sun Mon Tue Wed Thu Fri Sat";
  const std::string_view months = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec";
  ASSERT_EQ(stamp.size(), 24u) << stamp;
  EXPECT_EQ(days.find(stamp.substr(0, 3)) % 4, 0u) << stamp;
  EXPECT_EQ(stamp[3], ' ') << stamp;
  EXPECT_EQ(months.find(stamp.substr(4, 3)) % 4, 0u) << stamp;
  // The characters each later place may hold.
  const char* const digit = "0123456789";
  const std::string_view places[] = {" ", " 123",    digit, " ", "012", digit, ":",   "012345", digit,
                                     ":", "0123456", digit, " ", digit, digit, digit, digit};
  for (std::size_t i = 0; i < std::size(places); ++i) {
    EXPECT_NE(places[i].find(stamp[7 + i]), std::string_view::npos) << stamp << " at " << 7 + i;
  }
}

}  // namespace
}  // namespace kwintel
