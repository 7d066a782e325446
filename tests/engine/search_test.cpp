// The search over a word-file set: which files it reads and in what order, when it reports
// progress, how a sink stops it, and that patterns of any types can search side by side, one
// nested in another's progress.

#include "engine/search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/compiled_patterns.h"
#include "word_file_fixture.h"

namespace kwintel {
namespace {

using testing_support::Compiled;
using testing_support::TempFolder;

// Keeps every line it is told of: the file opened ("<04"), the finds with their remainder, and the
// progress reports ("@done/total").
class RecordingSink : public SearchSink {
 public:
  void Reading(int length) override { events.push_back("<" + std::to_string(length)); }
  Flow Found(std::string_view word, const Verdict& verdict) override {
    events.push_back(std::string(word) + (verdict.remainder.empty() ? "" : " - " + verdict.remainder) +
                     (verdict.backwards ? " <" : ""));
    return ++finds == stopAtFind ? Flow::Stop : Flow::Continue;
  }
  Flow Progressed(const SearchProgress& progress) override {
    events.push_back("@" + std::to_string(progress.bytesDone) + "/" + std::to_string(progress.bytesTotal));
    if (onProgress) onProgress();
    return ++reports == stopAtReport ? Flow::Stop : Flow::Continue;
  }

  std::vector<std::string> events;
  int finds = 0;
  int reports = 0;
  int stopAtFind = 0;
  int stopAtReport = 0;
  std::function<void()> onProgress;
};

class SearchTest : public testing::Test {
 protected:
  void Write(int length, const std::vector<std::string>& words) {
    std::string bytes;
    for (const std::string& word : words) bytes += word + "\n";
    folder.Write("w" + std::string(length < 10 ? "0" : "") + std::to_string(length) + ".DOC", bytes);
  }
  std::vector<std::string> Run(SearchType type, const std::string& typed, RecordingSink& sink,
                               const Lengths& lengths = kAllLengths) {
    const std::optional<Pattern> pattern = Compiled(type, typed);
    EXPECT_TRUE(pattern.has_value()) << typed;
    if (pattern) Search(*pattern, WordFileSet(folder.Path() + "/w"), lengths, sink);
    return sink.events;
  }
  std::vector<std::string> Run(SearchType type, const std::string& typed) {
    RecordingSink sink;
    return Run(type, typed, sink);
  }
  TempFolder folder;
};

using Events = std::vector<std::string>;

TEST_F(SearchTest, ReadsTheCheckedFilesOfThePatternsLengthsShortestFirst) {
  Write(2, {"EN"});
  Write(3, {"BEN", "ROOS"});  // a word in the wrong file is a word all the same
  Write(4, {"ROOS", "ROER"});
  Write(5, {"TAKEN"});
  EXPECT_EQ(Run(SearchType::Sequence, "*EN"), (Events{"<2", "EN", "<3", "BEN", "<4", "<5", "TAKEN"}));
  EXPECT_EQ(Run(SearchType::Anagram, "ROS"), (Events{"<3", "ROOS - O", "<4", "ROOS - O", "<5"}));
  Lengths some{};
  some[LengthIndex(3)] = some[LengthIndex(5)] = true;
  RecordingSink sink;
  EXPECT_EQ(Run(SearchType::Sequence, "*EN", sink, some), (Events{"<3", "BEN", "<5", "TAKEN"}));
}

TEST_F(SearchTest, ReportsProgressBeforeLine10001OfEachFileAndStopsAfterTheLineBeingRead) {
  Write(4, std::vector<std::string>(25'000, "ROOS"));  // 125,000 bytes
  Write(5, std::vector<std::string>(15'000, "ROOST"));
  RecordingSink sink;
  Run(SearchType::Sequence, "*X", sink);
  EXPECT_EQ(sink.events, (Events{"<4", "@50005/215000", "@100010/215000", "<5", "@185006/215000"}));

  RecordingSink stopping;
  stopping.stopAtReport = 1;
  Run(SearchType::Sequence, "ROOS", stopping);
  EXPECT_EQ(stopping.finds, 10'001) << "the line read before the report is tested";

  RecordingSink enough;
  enough.stopAtFind = 3;
  Run(SearchType::Sequence, "R*", enough);
  EXPECT_EQ(enough.events, (Events{"<4", "ROOS", "ROOS", "ROOS"}));
}

TEST_F(SearchTest, GathersTheWordsOfMeerwoordBeforeCombiningThem) {
  Write(4, {"ROOS", "KRAS", "ROOD"});
  Write(5, {"KRUIS", "WOORD"});
  Write(6, {"PUZZEL", "WOORDS"});
  EXPECT_EQ(Run(SearchType::MultiWordAnagram, "KRUISWOORD 5,5"), (Events{"<5", "KRUIS WOORD", "WOORD KRUIS"}));
  EXPECT_EQ(Run(SearchType::HiddenWord, "de kat, door"), (Events{"<4", "ROOD <", "<5", "<6"}));
}

// A search whose every report runs whole searches of other patterns, as a narrowing nested in the
// pump of a running search would: each pattern answers for itself alone.
TEST_F(SearchTest, PatternsOfAnyTypesSearchSideBySideAndNested) {
  std::vector<std::string> words;
  for (int i = 0; i < 12'000; ++i) words.push_back(i % 3 == 0 ? "KAT" : i % 3 == 1 ? "TAK" : "DEK");
  Write(3, words);
  const auto outer = Run(SearchType::Product, "KAT");  // KAT, TAK and DEK: 220
  const auto inner = Run(SearchType::Sum, "DEK");      // only DEK: 20
  const auto anagram = Run(SearchType::Anagram, "KA");
  RecordingSink nesting;
  int nested = 0;
  nesting.onProgress = [&] {
    ++nested;
    EXPECT_EQ(Run(SearchType::Sum, "DEK"), inner);
    EXPECT_EQ(Run(SearchType::Anagram, "KA"), anagram);
  };
  Run(SearchType::Product, "KAT", nesting);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(nesting.events, outer);
  EXPECT_EQ(inner.size(), 4'002u);  // the file, 4,000 finds and a report
  EXPECT_EQ(anagram[1], "KAT - T");
}

}  // namespace
}  // namespace kwintel
