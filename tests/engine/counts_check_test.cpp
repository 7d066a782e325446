#include "engine/counts_check.h"

#include <gtest/gtest.h>

#include <string>

namespace kwintel {
namespace {

const std::string kCounts = "AAP\t12\nEN\t5\nZEE\t3\n";

TEST(CountsCheckTest, VouchesForExactlyTheBytesItWasMadeFor) {
  const std::string check = CountsCheckLine(kCounts, 3);
  EXPECT_EQ(check.substr(0, 20), "kwintel-frq-check 1 ");
  EXPECT_EQ(check.back(), '\n');
  EXPECT_EQ(CheckedWords(check, kCounts), 3u);
  EXPECT_EQ(CheckedWords(CountsCheckLine("", 0), ""), 0u);
  std::string edited = kCounts;
  edited[8] = '6';  // same size, other bytes
  for (const std::string& other : {edited, kCounts + "ZZZ\t1\n", kCounts.substr(0, 14), std::string()}) {
    EXPECT_EQ(CheckedWords(check, other), std::nullopt) << other;
  }
}

TEST(CountsCheckTest, AnyOtherLineVouchesForNothing) {
  const std::string check = CountsCheckLine(kCounts, 3);
  const std::string hash = check.substr(20, 16);
  const std::string size = std::to_string(kCounts.size());
  for (const std::string& line : {
           check.substr(0, check.size() - 1),                  // no line end
           check.substr(0, check.size() - 1) + "\r\n",         // CR LF
           check + "\n",                                       // a second line
           "kwintel-frq-check 2 " + check.substr(20),          // another version
           "kwintel-frq-check 1  " + check.substr(20),         // two spaces
           "kwintel-frq-check 1 " + hash + " " + size + "\n",  // no word count
           "kwintel-frq-check 1 " + hash + " +" + size + " 3\n",
           "kwintel-frq-check 1 " + hash + " " + size + " 3x\n",
           "kwintel-frq-check 1 " + hash.substr(1) + " " + size + " 3\n",
           "kwintel-frq-check 1 " + hash + " 99999999999999999999999 3\n",
           std::string(),
       }) {
    EXPECT_EQ(CheckedWords(line, kCounts), std::nullopt) << line;
  }
}

}  // namespace
}  // namespace kwintel
