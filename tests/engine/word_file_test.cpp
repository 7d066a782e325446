// Reading word files: line ends, odd bytes, lines of any length, files that are no word files,
// and finding the files of a prefix without letter case.

#include "engine/word_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "word_file_fixture.h"

namespace kwintel {
namespace {

using testing_support::TempFolder;
using Words = std::vector<std::string>;

Words ReadAll(WordFile& file) {
  Words words;
  const char* word = nullptr;
  std::size_t length = 0;
  while (file.NextLine(word, length)) {
    EXPECT_EQ(word[length], '\0') << "the word must be NUL-terminated for the matchers";
    words.emplace_back(word, length);
  }
  return words;
}

Words ReadFile(const TempFolder& folder, std::string_view bytes,
               std::size_t maxLineBytes = WordFile::kDefaultMaxLineBytes) {
  WordFile file(maxLineBytes);
  EXPECT_TRUE(file.Open(folder.Write("w.DOC", bytes)));
  Words words = ReadAll(file);
  EXPECT_EQ(file.Position(), static_cast<std::int64_t>(bytes.size())) << "every byte is accounted for";
  return words;
}

struct LineRow {
  const char* name;
  std::string bytes;
  Words words;
};

TEST(WordFile, RemovesExactlyTheLineEndAndKeepsEverythingElse) {
  const std::string longWord(500, 'A');
  const LineRow rows[] = {
      {"LF", "AAP\nNOOT\n", {"AAP", "NOOT"}},
      {"CR LF like LF", "AAP\r\nNOOT\r\n", {"AAP", "NOOT"}},
      {"last line without line end keeps its last letter", "AAP\nNOOT", {"AAP", "NOOT"}},
      {"a CR that ends no line stays", "A\rB\nAAP\r\r\nNOOT\r", {"A\rB", "AAP\r", "NOOT\r"}},
      {"empty lines are empty words", "\n\nAAP\n\r\n", {"", "", "AAP", ""}},
      {"an empty file has no lines", "", {}},
      {"a NUL ends the word", std::string("AB\0CD\n\0EF\n", 10), {"AB", ""}},
      {"bytes of 128 and above stay", "CAF\xC9\n\xFF\xFE\n", {"CAF\xC9", "\xFF\xFE"}},
      {"a long line is one word", longWord + "\nB\n", {longWord, "B"}},
  };
  TempFolder folder;
  for (const LineRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReadFile(folder, row.bytes), row.words);
  }
}

// Lines of every length, both line ends, NUL bytes here and there, blocks of 256 KB: whatever
// straddles a block boundary must come out as a plain split of the bytes would give it.
TEST(WordFile, LinesAcrossBlockBoundariesReadAsAPlainSplit) {
  std::mt19937 random(7);
  std::string bytes;
  Words expected;
  while (bytes.size() < 3'000'000) {
    const std::size_t length = random() % 16 == 0 ? random() % 400'000 : random() % 30;
    std::string word(length, 'A');
    for (char& c : word) c = random() % 64 == 0 ? '\0' : static_cast<char>('A' + random() % 26);
    expected.push_back(word.substr(0, word.find('\0')));
    bytes += word + (random() % 2 ? "\r\n" : "\n");
  }
  TempFolder folder;
  EXPECT_EQ(ReadFile(folder, bytes), expected);

  // With room for lines of at most 100 bytes, line end included, only the longer ones go.
  Words held;
  std::size_t start = 0;
  for (const std::string& word : expected) {
    const std::size_t lineBytes = bytes.find('\n', start) + 1 - start;
    if (lineBytes <= 100) held.push_back(word);
    start += lineBytes;
  }
  EXPECT_EQ(ReadFile(folder, bytes, 100), held);
}

TEST(WordFile, PassesOverALineTooLongToHold) {
  const std::string garbage(100, 'X');
  TempFolder folder;
  EXPECT_EQ(ReadFile(folder, "KORT\n" + garbage + "\nNA\n", 16), (Words{"KORT", "NA"}));
  EXPECT_EQ(ReadFile(folder, "KORT\n" + garbage, 16), (Words{"KORT"}));
  EXPECT_EQ(ReadFile(folder, garbage + "\n" + garbage + "\nNA", 16), (Words{"NA"}));
}

TEST(WordFile, OpensOnlyRegularFiles) {
  TempFolder folder;
  WordFile file;
  EXPECT_FALSE(file.Open(folder.Path() + "/missing.DOC"));
  EXPECT_FALSE(file.Open(folder.Path())) << "a folder in the word file's place";
  const std::string fifo = folder.Path() + "/fifo.DOC";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(file.Open(fifo)) << "a FIFO must be refused, not block";
  const char* word = nullptr;
  std::size_t length = 0;
  EXPECT_FALSE(file.NextLine(word, length)) << "nothing open, nothing read";
  if (::geteuid() != 0) {
    const std::string locked = folder.Write("locked.DOC", "AAP\n");
    ::chmod(locked.c_str(), 0);
    EXPECT_FALSE(file.Open(locked));
  }
}

TEST(WordFile, StartsAfreshOnEveryOpen) {
  TempFolder folder;
  const std::string first = folder.Write("a.DOC", "EEN\nTWEE\nDRIE");
  const std::string second = folder.Write("b.DOC", "VIER\n");
  WordFile file;
  ASSERT_TRUE(file.Open(first));
  const char* word = nullptr;
  std::size_t length = 0;
  ASSERT_TRUE(file.NextLine(word, length));
  ASSERT_TRUE(file.Open(second)) << "reopened halfway through the first file";
  EXPECT_EQ(file.Size(), 5);
  EXPECT_EQ(ReadAll(file), (Words{"VIER"}));
  ASSERT_TRUE(file.Open(first));
  EXPECT_EQ(ReadAll(file), (Words{"EEN", "TWEE", "DRIE"}));
}

}  // namespace
}  // namespace kwintel
