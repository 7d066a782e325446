#include "mkwords/counts_file_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kwintel {
namespace {

WordLists TheSet() {
  std::istringstream list("en\nab\naap\nroos\ncaf\xC3\xA9\nzee\n" + std::string(20, 'x') + "\n");
  return BuildWordLists(list);
}

struct LineCase {
  const char* name;
  std::string line;
  std::string contents;  // the counts file after this one line
  std::size_t skipped;
  std::size_t dropped;
};

class CountsListLine : public testing::TestWithParam<LineCase> {};

TEST_P(CountsListLine, CountsSkipsOrDrops) {
  const LineCase& c = GetParam();
  const WordLists set = TheSet();
  CountsFileBuilder builder(set);
  builder.AddLine(c.line);
  EXPECT_EQ(builder.Contents(), c.contents);
  EXPECT_EQ(builder.SkippedLines(), c.skipped);
  EXPECT_EQ(builder.DroppedForms(), c.dropped);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CountsListLine,
    testing::Values(LineCase{"NumberSpaceWord", "12 roos", "ROOS\t12\n", 0, 0},
                    LineCase{"TagsAfterTheWordIgnored", "12 roos N(soort,ev):11 WW(pv):1", "ROOS\t12\n", 0, 0},
                    LineCase{"BlanksAndTabs", "  12\t \troos\tN:12\r\n", "ROOS\t12\n", 0, 0},
                    LineCase{"ConvertedToCp1252Capitals", "5 caf\xC3\xA9", "CAF\xC9\t5\n", 0, 0},
                    LineCase{"LongWordInTheLastFile", "2 " + std::string(20, 'x'), std::string(20, 'X') + "\t2\n", 0,
                             0},
                    LineCase{"ZeroCountWritesNothing", "0 roos", "", 0, 0},
                    LineCase{"NotInTheSet", "5 kikker", "", 0, 1},
                    LineCase{"NoCp1252Form", "5 CO\xE2\x82\x82", "", 0, 1}, LineCase{"OneLetter", "9 a", "", 0, 1},
                    LineCase{"WordFirst", "roos 12", "", 1, 0}, LineCase{"DigitsRunIntoTheWord", "12roos", "", 1, 0},
                    LineCase{"NumberAlone", "12", "", 1, 0}, LineCase{"NumberAndBlanks", "12  \t", "", 1, 0},
                    LineCase{"Negative", "-3 roos", "", 1, 0}, LineCase{"Fraction", "1.5 roos", "", 1, 0},
                    LineCase{"TooLarge", "18446744073709551616 roos", "", 1, 0}, LineCase{"Empty", "", "", 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CountsFileBuilderTest, FormsOfOneWordAddUpAndTheFileIsSortedByBytes) {
  const WordLists set = TheSet();
  std::istringstream counts(
      "\xEF\xBB\xBF"
      "10 En\n3 en\n2 EN\n7 zee\n1 aap\n4 ab\n6 caf\xC3\xA9\n1 Caf\xC3\xA9\n");
  const CountsFileBuilder builder = BuildCountsFile(counts, set);
  // AAP before AB, though it is longer: one byte order over all lengths; 0xC9 after Z.
  EXPECT_EQ(builder.Contents(), "AAP\t1\nAB\t4\nCAF\xC9\t7\nEN\t15\nZEE\t7\n");
  EXPECT_EQ(builder.CountedWords(), 5u);
  EXPECT_EQ(builder.SkippedLines(), 0u);  // the byte-order mark is not part of the number
}

TEST(CountsFileBuilderTest, ASumPastSixtyFourBitsStaysAtTheLargest) {
  const WordLists set = TheSet();
  std::istringstream counts("18446744073709551615 en\n5 EN\n");
  EXPECT_EQ(BuildCountsFile(counts, set).Contents(), "EN\t18446744073709551615\n");
}

}  // namespace
}  // namespace kwintel
