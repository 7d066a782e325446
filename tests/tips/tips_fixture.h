#pragma once
// A scratch folder for tips files, a settings store in memory and a recorder of messages.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "shell/memory_settings_store.h"
#include "tips/tip_messages.h"

namespace kwintel {

class RecordingMessages : public TipMessages {
 public:
  void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
  std::vector<std::string> shown;
};

class TipsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("kwintel_tips_" + std::to_string(::getpid()) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // Writes bytes as the tips file and returns its path.
  std::string WriteTips(std::string_view bytes) {
    std::ofstream(TipsPath(), std::ios::binary | std::ios::trunc) << bytes;
    return TipsPath();
  }
  std::string TipsPath() const { return (folder_ / "tips.txt").string(); }

  std::filesystem::path folder_;
  MemorySettingsStore profile_;
  RecordingMessages messages_;
};

}  // namespace kwintel
