#include <set>
#include <tuple>

#include "fake_print_surface.h"
#include "results/print_layout.h"
#include "session_fixture.h"
#include "shell/result_commands.h"
#include "shell/word_file_sources.h"

namespace kwintel {
namespace {

class PrintTest : public testing_support::SessionFixture {
 protected:
  PrintTest() {
    session.wordFiles = std::make_shared<WordFileSet>("/usr/share/kwintel/opentaal");
    platform.now.tm_mday = 3;
    platform.now.tm_mon = 1;
    platform.now.tm_year = 2027 - 1900;
    platform.now.tm_hour = 9;
    platform.now.tm_min = 5;
    platform.now.tm_sec = 7;
    platform.printerAnswer = [this] { return std::make_unique<BorrowedSurface>(printer); };
  }
  void ShowNumbered(int count) {
    results.Clear();
    for (int i = 1; i <= count; ++i) results.Append("L" + std::to_string(i));
    results.Append("Totaal: " + std::to_string(count));
  }
  // Where line "L<n>" was drawn: page (1-based), x, y.
  std::tuple<int, int, int> PlaceOf(int n) const {
    for (size_t p = 0; p < printer.pages.size(); ++p) {
      for (const auto& draw : printer.pages[p].draws) {
        if (draw.text == "L" + std::to_string(n)) return {static_cast<int>(p) + 1, draw.x, draw.y};
      }
    }
    return {0, 0, 0};
  }

  FakePrintSurface printer{1000, 1000};
};

TEST_F(PrintTest, NoResultLineMeansNoDialog) {
  for (const int lines : {0, 1}) {
    results.Clear();
    for (int i = 0; i < lines; ++i) results.Append("Totaal: 0");
    PrintResults(session);
  }
  EXPECT_EQ(platform.printDialogs, 0);
  ShowNumbered(1);
  platform.printerAnswer = nullptr;  // the user cancels
  PrintResults(session);
  EXPECT_EQ(platform.printDialogs, 1);
}

TEST_F(PrintTest, OneResultLinePrintsOnePageWithHeader) {
  ShowNumbered(1);
  FakePrintSurface fake(1000, 1000);
  PrintResultLines(fake, results, "/usr/share/kwintel/opentaal", [this] { return platform.now; });
  EXPECT_EQ(fake.jobs, std::vector<std::string>{"Woordenzoekprogramma"});
  EXPECT_EQ(fake.jobsEnded, 1);
  ASSERT_EQ(fake.pages.size(), 1u);
  EXPECT_TRUE(fake.pages[0].ended);
  ASSERT_EQ(fake.pages[0].draws.size(), 2u);
  const auto& header = fake.pages[0].draws[0];
  EXPECT_EQ(header.text, "ZARVO Uit /usr/share/kwintel/opentaal op 3-2-2027  9:05:07, pagina 1");
  EXPECT_EQ(std::make_pair(header.x, header.y), std::make_pair(150, 75));
  EXPECT_EQ(fake.pages[0].draws[1].text, "L1");
}

TEST_F(PrintTest, ColumnsOfTwelveSixToAPage) {
  ShowNumbered(73);
  PrintResults(session);
  struct Row {
    int line, page, x, y;
  };
  const Row rows[] = {{1, 1, 150, 150},  {12, 1, 150, 700}, {13, 1, 280, 150}, {25, 1, 410, 150}, {37, 1, 540, 150},
                      {49, 1, 670, 150}, {61, 1, 800, 150}, {72, 1, 800, 700}, {73, 2, 150, 150}};
  for (const Row& row : rows) {
    EXPECT_EQ(PlaceOf(row.line), std::make_tuple(row.page, row.x, row.y)) << "line " << row.line;
  }
  ASSERT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(printer.pages[0].draws.size(), 73u);  // header and 72 lines; never the summary
  EXPECT_EQ(printer.pages[1].draws.size(), 2u);
  EXPECT_EQ(printer.pages[1].draws[0].text, "ZARVO Uit /usr/share/kwintel/opentaal op 3-2-2027  9:05:07, pagina 2");
}

TEST_F(PrintTest, AWideLineWidensEveryLaterColumnOfItsPage) {
  printer.measure = [](std::string_view text) {
    return TextExtent{text == "L1" ? 300 : (text == "L50" ? 2000 : 100), 50};
  };
  ShowNumbered(51);
  PrintResults(session);
  std::set<int> columns;
  for (int n = 1; n <= 36; ++n) columns.insert(std::get<1>(PlaceOf(n)));
  EXPECT_EQ(columns, (std::set<int>{150, 480, 810}));
  EXPECT_EQ(PlaceOf(37), std::make_tuple(2, 150, 150));
  // Wider than the page: a page of its own start, drawn whole at the left edge.
  EXPECT_EQ(PlaceOf(50), std::make_tuple(3, 150, 150));
  EXPECT_EQ(PlaceOf(51), std::make_tuple(3, 150, 200));
}

TEST_F(PrintTest, AnEmptyPrefixLeavesTwoBlanks) {
  session.wordFiles = nullptr;
  ShowNumbered(2);
  PrintResults(session);
  EXPECT_EQ(printer.pages.at(0).draws.at(0).text, "ZARVO Uit  op 3-2-2027  9:05:07, pagina 1");
}

TEST(PrintLayout, EachPageReadsTheClockAsItBegins) {
  MemoryResultList list;
  for (int i = 0; i < 80; ++i) list.Append("REGEL");
  list.Append("Totaal: 80");
  FakePrintSurface surface(1000, 1000);
  std::tm now{};
  now.tm_mday = 31, now.tm_mon = 11, now.tm_year = 99, now.tm_hour = 23, now.tm_min = 59;
  now.tm_sec = 58;
  PrintResultLines(surface, list, "woorden", [&now] {
    ++now.tm_sec;
    return now;
  });
  ASSERT_EQ(surface.pages.size(), 2u);
  EXPECT_EQ(surface.pages[0].draws[0].text, "ZARVO Uit woorden op 31-12-1999 23:59:59, pagina 1");
  EXPECT_EQ(surface.pages[1].draws[0].text, "ZARVO Uit woorden op 31-12-1999 23:59:60, pagina 2");
}

TEST(PrintLayout, ANoughtOrTinyAreaStillEndsWithEveryLineDrawnOnce) {
  MemoryResultList list;
  for (int i = 0; i < 5; ++i) list.Append("REGEL");
  list.Append("Totaal: 5");
  for (const auto& [width, height] : {std::pair{0, 0}, std::pair{-5, 10}, std::pair{200, 1}}) {
    FakePrintSurface surface(width, height);
    PrintResultLines(surface, list, "p", [] { return std::tm{}; });
    int drawn = 0;
    for (const auto& page : surface.pages) drawn += static_cast<int>(page.draws.size()) - 1;
    EXPECT_EQ(drawn, 5);
    EXPECT_EQ(surface.pages.size(), 5u);
  }
}

}  // namespace
}  // namespace kwintel
