#include <gtest/gtest.h>

#include <optional>

#include "ports/settings_store.h"
#include "shell/memory_settings_store.h"

namespace kwintel {
namespace {

TEST(ParseSettingsInt, TakesOnlyAWholeDecimalInteger) {
  EXPECT_EQ(ParseSettingsInt("12"), 12);
  EXPECT_EQ(ParseSettingsInt(" 12\r"), 12);
  EXPECT_EQ(ParseSettingsInt("+5"), 5);
  EXPECT_EQ(ParseSettingsInt("-3"), -3);
  EXPECT_EQ(ParseSettingsInt(""), std::nullopt);
  EXPECT_EQ(ParseSettingsInt("12abc"), std::nullopt);
  EXPECT_EQ(ParseSettingsInt("+-1"), std::nullopt);
  EXPECT_EQ(ParseSettingsInt("99999999999999999999"), std::nullopt);
}

TEST(MemorySettingsStore, AbsentOrUnreadableValuesGiveTheDefault) {
  MemorySettingsStore store;
  EXPECT_EQ(store.ReadInt("Tip", "FilePos", 7), 7);
  EXPECT_EQ(store.ReadString("Tip", "TimeStamp", "leeg"), "leeg");
  store.WriteString("Tip", "FilePos", "veel");
  EXPECT_EQ(store.ReadInt("Tip", "FilePos", 7), 7);
  store.WriteInt("Tip", "FilePos", 4096);
  EXPECT_EQ(store.ReadInt("Tip", "FilePos", 7), 4096);
  EXPECT_EQ(store.ReadString("Tip", "FilePos", ""), "4096");
  // Sections keep their keys apart.
  EXPECT_EQ(store.ReadInt("Ander", "FilePos", 0), 0);
}

}  // namespace
}  // namespace kwintel
