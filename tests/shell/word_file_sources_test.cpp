#include "shell/word_file_sources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ports/control_ids.h"
#include "shell/session.h"
#include "support/memory_platform.h"
#include "support/memory_result_list.h"
#include "support/memory_view.h"

namespace kwintel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Set(const std::string& base, int first, int last, const std::string& ending = ".doc") {
  std::vector<std::string> names;
  for (int length = first; length <= last; ++length) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02d", length);
    names.push_back(base + digits + ending);
  }
  return names;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class WordFileSourcesTest : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/kwintel-sources-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder_ = std::string(name) + "/";
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Create(const std::vector<std::string>& names) {
    for (const auto& name : names) std::ofstream(folder_ + name) << "AA\n";
  }

  // The prefix of slot 1's set; empty without one.
  std::string SlotPrefix() const { return session_.sourceSlots[0].set ? session_.sourceSlots[0].set->Prefix() : ""; }
  void UseOldSet() { session_.wordFiles = std::make_shared<WordFileSet>("/oud/wl"); }

  std::string folder_;
  MemoryView view_;
  MemoryResultList list_;
  MemoryPlatform platform_;
  Session session_{view_, list_, platform_};
};

struct DiscoveryCase {
  const char* name;
  std::vector<std::string> files;
  std::string base;  // the set taken; "-" for none
};

class Discovery : public WordFileSourcesTest, public testing::WithParamInterface<DiscoveryCase> {};

TEST_P(Discovery, TakesTheSetOfTheReferenceBase) {
  const DiscoveryCase& c = GetParam();
  Create(c.files);
  DiscoverWordFiles(session_, folder_);
  if (c.base == "-") {
    EXPECT_EQ(session_.sourceSlots[0].caption, "Woorden(1)");
    EXPECT_EQ(SlotPrefix(), "");
    for (int id : ids::kSourceButtons) EXPECT_TRUE(view_.IsVisible(id)) << id;
  } else {
    EXPECT_EQ(session_.sourceSlots[0].caption, c.base);
    EXPECT_EQ(SlotPrefix(), folder_ + c.base);
    EXPECT_TRUE(view_.IsVisible(ids::kSource1));
    for (int id : {ids::kSource2, ids::kSource3, ids::kSource4}) {
      EXPECT_FALSE(view_.IsVisible(id)) << id;
    }
  }
  EXPECT_EQ(view_.title, "Kwintel");
  EXPECT_TRUE(view_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Discovery,
    testing::Values(DiscoveryCase{"FullSet", Set("wl", 2, 19), "wl"},
                    DiscoveryCase{"SixFilesAreNoSet", Set("wl", 2, 7), "-"},
                    DiscoveryCase{"SevenFilesAre", Set("wl", 2, 8), "wl"},
                    DiscoveryCase{"CapitalEndingMatches", Set("opentaal", 2, 19, ".DOC"), "opentaal"},
                    DiscoveryCase{"EmptyFolder", {}, "-"},
                    // The first name in case-folded order is the reference: "aa" before "Ab", although 'A'
                    // comes before 'a' in byte order.
                    DiscoveryCase{"CaseFoldedOrder", Join(Set("Ab", 2, 8), Set("aa", 2, 8)), "aa"},
                    DiscoveryCase{"ShorterBaseCountsTowardsReference", Join(Set("wl", 2, 5), Set("w", 6, 8)), "wl"},
                    DiscoveryCase{"OtherSetDoesNotCount", Join(Set("wl", 2, 5), Set("xy", 6, 8)), "-"},
                    DiscoveryCase{"LengthOnlyNamesAloneAreNoSet", Set("", 2, 19), "-"},
                    DiscoveryCase{"LengthOnlyNamesCountTowardsABase", Join(Set("wl", 2, 3), Set("", 4, 8)), "wl"},
                    DiscoveryCase{"BasesDifferingInCaseAreTwoSets", Join(Set("WL", 2, 2), Set("wl", 3, 8)), "-"},
                    DiscoveryCase{"NearMissesIgnored",
                                  Join(Set("wl", 2, 7), {"wl08.docx", "wl8.doc", "wl08.txt", "wl08doc", "wl2008.doc"}),
                                  "-"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordFileSourcesTest, AFolderNamedLikeAWordFileDoesNotCount) {
  Create(Set("wl", 2, 8));
  fs::remove(folder_ + "wl05.doc");
  fs::create_directory(folder_ + "wl05.doc");
  DiscoverWordFiles(session_, folder_);
  EXPECT_EQ(SlotPrefix(), "");
}

TEST_F(WordFileSourcesTest, CaptionIsShownInWindows1252AndPrefixKeepsTheFileSystemBytes) {
  Create(Set("\xC3\xA9\xC3\xA9n", 2, 19));  // "één" in UTF-8
  DiscoverWordFiles(session_, folder_);
  EXPECT_EQ(session_.sourceSlots[0].caption, "\xE9\xE9n");
  EXPECT_EQ(SlotPrefix(), folder_ + "\xC3\xA9\xC3\xA9n");
}

TEST_F(WordFileSourcesTest, APrefixLongerThanTheLimitIsNotTaken) {
  const std::string deep = folder_ + std::string(200, 'a') + "/" + std::string(200, 'b') + "/";
  fs::create_directories(deep);
  for (const auto& name : Set("wl", 2, 19)) std::ofstream(deep + name) << "AA\n";
  DiscoverWordFiles(session_, deep);
  EXPECT_EQ(SlotPrefix(), "");
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "Pad te lang: " + deep + "wl");
  EXPECT_EQ(view_.messages[0].caption, "Fout");
  EXPECT_TRUE(view_.IsVisible(ids::kSource2));
}

TEST_F(WordFileSourcesTest, SelectWordSourceSetsPrefixTitleAndHighlight) {
  Create(Set("wl", 2, 19));
  DiscoverWordFiles(session_, folder_);
  SelectWordSource(session_, 1);
  EXPECT_EQ(ChosenPrefix(session_), folder_ + "wl");
  EXPECT_EQ(view_.title, "Kwintel - " + folder_ + "wl");

  SelectWordSource(session_, 2);
  EXPECT_EQ(ChosenPrefix(session_), "");
  EXPECT_EQ(view_.title, "Kwintel - ");
  for (int id : {ids::kKiesBestand, ids::kSource1, ids::kSource3, ids::kSource4}) {
    EXPECT_FALSE(view_.IsPressed(id)) << id;
  }
  EXPECT_TRUE(view_.IsPressed(ids::kSource2));
}

struct ChoiceCase {
  const char* name;
  std::string chosen;
  std::string prefix;   // the chosen set's afterwards
  std::string message;  // "" when the choice is taken
};

class Choice : public WordFileSourcesTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(Choice, CutsTheLengthAndExtensionOrRefuses) {
  const ChoiceCase& c = GetParam();
  UseOldSet();
  view_.SetPressed(ids::kSource1, true);
  view_.SetTitle("Kwintel - /oud/wl");
  platform_.wordFileAnswer = c.chosen;
  ChooseWordFile(session_);
  EXPECT_EQ(platform_.proposedWordFile, "/oud/wl");
  EXPECT_EQ(ChosenPrefix(session_), c.prefix);
  if (c.message.empty()) {
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.title, "Kwintel - " + c.prefix);
    EXPECT_FALSE(view_.IsPressed(ids::kSource1));
  } else {
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text, c.message);
    EXPECT_EQ(view_.messages[0].caption, "Fout");
    EXPECT_EQ(view_.title, "Kwintel - /oud/wl");  // as after a cancel
  }
  EXPECT_FALSE(view_.IsPressed(ids::kKiesBestand));
}

const std::string kLongFolder = "/" + std::string(254, 'm') + "/";  // 256 characters

INSTANTIATE_TEST_SUITE_P(
    Cuts, Choice,
    testing::Values(ChoiceCase{"WordFile", "/data/wl05.doc", "/data/wl", ""},
                    ChoiceCase{"NameWithoutDigitsIsCutAllTheSame", "/data/words.doc", "/data/wor", ""},
                    ChoiceCase{"LengthOnlyName", "/data/02.DOC", "/data/", ""},
                    ChoiceCase{"DotsInFolderAndBase", "/d.1/my.wl05.doc", "/d.1/my.wl", ""},
                    ChoiceCase{"NameEndingInADot", "/data/ab.", "/data/", ""},
                    ChoiceCase{"NoDotInTheName", "/d.x/woorden", "", "Geen woordbestand: woorden"},
                    // A name too short for the two digits is cut three characters before its extension too.
                    ChoiceCase{"OneCharacterBeforeTheDot", "/data/w.doc", "/data", ""},
                    ChoiceCase{"NothingBeforeTheDot", "/data/.doc", "/dat", ""},
                    ChoiceCase{"NoRoomBeforeTheDot", "w.doc", "", "Geen woordbestand: w.doc"},
                    ChoiceCase{"PrefixOfTheLimit", kLongFolder + "abc02.doc", kLongFolder + "abc", ""},
                    ChoiceCase{"PrefixOverTheLimit", kLongFolder + "abcd02.doc", "",
                               "Pad te lang: " + kLongFolder + "abcd"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordFileSourcesTest, CancelEmptiesThePrefixAndLeavesTitleAndHighlight) {
  UseOldSet();
  view_.SetTitle("Kwintel - /oud/wl");
  view_.SetPressed(ids::kSource1, true);
  ChooseWordFile(session_);
  EXPECT_EQ(platform_.wordFileDialogs, 1);
  EXPECT_EQ(ChosenPrefix(session_), "");
  EXPECT_EQ(view_.title, "Kwintel - /oud/wl");
  EXPECT_TRUE(view_.IsPressed(ids::kSource1));
}

TEST(ExecutableFolderTest, IsTheRealFolderOfTheRunningProgram) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(fs::path(folder).parent_path(), fs::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace kwintel
