// Where a word-file set's files are, and how a set is found in a folder.

#include "engine/word_file_set.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "word_file_fixture.h"

namespace kwintel {
namespace {

using testing_support::TempFolder;

TEST(WordFileSet, FindsTheNamesWithLetterCaseIgnored) {
  TempFolder folder;
  const std::string prefix = folder.Path() + "/woorden";
  folder.Write("woorden02.DOC", "");
  folder.Write("woorden03.doc", "");
  folder.Write("WOORDEN04.Doc", "");
  folder.Write("woorden05.DOC", "");  // the exact name wins over its other spellings
  folder.Write("Woorden05.DOC", "");
  folder.Write("woorden06.dOC", "");  // of several other spellings, the byte-smallest
  folder.Write("WOORDEN06.doc", "");
  folder.Write("woorden077.DOC", "");  // not the name of any length
  const WordFileSet set(prefix);
  EXPECT_EQ(set.PathOf(2), prefix + "02.DOC");
  EXPECT_EQ(set.PathOf(3), prefix + "03.doc");
  EXPECT_EQ(set.PathOf(4), folder.Path() + "/WOORDEN04.Doc");
  EXPECT_EQ(set.PathOf(5), prefix + "05.DOC");
  EXPECT_EQ(set.PathOf(6), folder.Path() + "/WOORDEN06.doc");
  EXPECT_EQ(set.PathOf(7), prefix + "07.DOC") << "a missing file keeps its built name";
  EXPECT_EQ(set.FileName(4), prefix + "04.DOC") << "the name as built, whatever was found";
  EXPECT_EQ(WordFileSet("/no/such/folder/w").PathOf(2), "/no/such/folder/w02.DOC");
  EXPECT_EQ(set.CountsPath(), prefix + ".FRQ");
}

TEST(WordFileSet, ReadsItsCountsOnceOnFirstUse) {
  TempFolder folder;
  const std::string prefix = folder.Path() + "/w";
  WordFileSet set(prefix);
  EXPECT_FALSE(set.HasCountsFile());
  EXPECT_EQ(set.Counts(), nullptr);
  folder.Write("w.FRQ", "AAP\t3\n");
  EXPECT_TRUE(set.HasCountsFile());
  EXPECT_EQ(set.Counts(), nullptr) << "the set looked once";
  WordFileSet later(prefix);
  ASSERT_NE(later.Counts(), nullptr);
  EXPECT_EQ(later.Counts()->CountOf("AAP"), 3u);
  folder.Write("w.FRQ", "AAP\t9\n");
  EXPECT_EQ(later.Counts()->CountOf("AAP"), 3u);
}

TEST(DiscoverWordFileSet, TakesSevenFilesOfOneBaseInAnyLetterCase) {
  TempFolder folder;
  const std::string path = folder.Path() + "/";
  for (int length = 2; length <= 7; ++length)
    folder.Write("set" + std::string(length < 10 ? "0" : "") + std::to_string(length) + ".doc", "");
  EXPECT_FALSE(DiscoverWordFileSet(path).has_value()) << "six files are no set";
  folder.Write("set08.DOC", "");
  ASSERT_EQ(::mkdir((path + "set09.DOC").c_str(), 0700), 0);  // a folder counts for nothing
  const std::optional<DiscoveredSet> found = DiscoverWordFileSet(path);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->base, "set");
  EXPECT_EQ(found->set->Prefix(), path + "set");
  EXPECT_EQ(found->set->PathOf(8), path + "set08.DOC");
  EXPECT_EQ(found->set->PathOf(2), path + "set02.doc");
}

TEST(WordFilePrefixOf, CutsTheLengthDigitsBeforeTheExtension) {
  EXPECT_EQ(WordFilePrefixOf("/w/opentaal02.DOC"), "/w/opentaal");
  EXPECT_EQ(WordFilePrefixOf("/w/x.DOC"), "/w");  // too short a name: the cut reaches the folder
  EXPECT_EQ(WordFilePrefixOf("/w/woorden"), std::nullopt);
  EXPECT_EQ(WordFilePrefixOf("/w.d/woorden"), std::nullopt);  // the dot of a folder
  EXPECT_EQ(WordFilePrefixOf(".x"), std::nullopt);
}

}  // namespace
}  // namespace kwintel
