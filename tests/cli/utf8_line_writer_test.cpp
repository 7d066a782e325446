// The writer behind kwintel-cli's standard output, and the list that streams through it.

#include "cli/utf8_line_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "cli/streaming_result_list.h"

namespace kwintel::cli {
namespace {

// What was written to `file`, from its start.
std::string Contents(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, got);
  return text;
}

TEST(Utf8LineWriterTest, WritesEveryLineInUtf8AcrossChunks) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::string expected;
  {
    Utf8LineWriter writer(file);
    // Far more than one chunk, with Windows-1252 letters on both sides of the chunk borders.
    for (int i = 0; i < 40'000; ++i) {
      writer.Write(i % 3 == 0 ? "CAF\xC9" : "ROOS");
      expected += i % 3 == 0 ? "CAF\xC3\x89\n" : "ROOS\n";
    }
    writer.Write("");
    expected += "\n";
    EXPECT_TRUE(writer.Finish());
  }
  EXPECT_EQ(Contents(file), expected);
  std::fclose(file);
}

TEST(Utf8LineWriterTest, AFailedWriteIsKeptWithItsReason) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full";
  Utf8LineWriter writer(full);
  for (int i = 0; i < 100'000; ++i) writer.Write("WOORDEN");  // fails at the first chunk
  writer.Write("MEER");
  EXPECT_FALSE(writer.Finish());
  EXPECT_EQ(writer.Error(), ENOSPC);
  EXPECT_FALSE(writer.Finish()) << "a later flush must not clear the failure";
  std::fclose(full);
}

TEST(StreamingResultListTest, WritesLinesAsTheyComeAndCountsThem) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  Utf8LineWriter writer(file);
  StreamingResultList list(writer);
  list.Clear();  // as the search does before its first line
  list.Append("ROOS");
  list.Append("Totaal: 1");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Text(0), "") << "the lines are gone out, not kept";
  ASSERT_TRUE(writer.Finish());
  EXPECT_EQ(Contents(file), "ROOS\nTotaal: 1\n");
  std::fclose(file);
}

}  // namespace
}  // namespace kwintel::cli
