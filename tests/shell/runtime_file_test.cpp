#include "shell/runtime_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace kwintel {
namespace {

namespace fs = std::filesystem;

// A scratch tree with a "current" folder and an "exe" folder; the test runs inside "current".
class RuntimeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("kwintel_runtime_file_" + std::to_string(::getpid()));
    fs::create_directories(root_ / "current");
    fs::create_directories(root_ / "exe");
    previous_ = fs::current_path();
    fs::current_path(root_ / "current");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  void Touch(const fs::path& path) { std::ofstream(path) << "x"; }
  std::string ExeFolder() const { return (root_ / "exe").string() + "/"; }

  fs::path root_;
  fs::path previous_;
};

TEST_F(RuntimeFileTest, PrefersTheCurrentFolderThenTheExecutablesFolder) {
  EXPECT_EQ(FindRuntimeFile("kwintel.html", ExeFolder()), "");

  Touch(root_ / "exe" / "kwintel.html");
  EXPECT_EQ(FindRuntimeFile("kwintel.html", ExeFolder()), ExeFolder() + "kwintel.html");

  Touch(root_ / "current" / "kwintel.html");
  EXPECT_EQ(fs::path(FindRuntimeFile("kwintel.html", ExeFolder())), fs::current_path() / "kwintel.html");
}

TEST_F(RuntimeFileTest, AFolderOfThatNameIsNoFile) {
  fs::create_directory(root_ / "current" / "kwintel.html");
  Touch(root_ / "exe" / "kwintel.html");
  EXPECT_EQ(FindRuntimeFile("kwintel.html", ExeFolder()), ExeFolder() + "kwintel.html");
}

}  // namespace
}  // namespace kwintel
