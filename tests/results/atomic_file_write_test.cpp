#include "results/atomic_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kwintel {
namespace {

namespace fs = std::filesystem;

class AtomicFileWriteTest : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/kwintel-atomic-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder_ = name;
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(AtomicFileWriteTest, ReplacesContentsAndKeepsPermissionBits) {
  const fs::path file = folder_ / "ot04.DOC";
  Write(file, "OUD\n");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  EXPECT_EQ(WriteFileAtomically(file.string(), "ROOS\n"), 0);
  EXPECT_EQ(Read(file), "ROOS\n");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(EntryCount(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFileWriteTest, WritesThroughASymbolicLinkAndKeepsTheLink) {
  const fs::path target = folder_ / "real.DOC";
  const fs::path link = folder_ / "link.DOC";
  Write(target, "OUD\n");
  fs::create_symlink(target, link);
  EXPECT_EQ(WriteFileAtomically(link.string(), "NIEUW\n"), 0);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "NIEUW\n");
}

TEST_F(AtomicFileWriteTest, FailureLeavesNothingBehind) {
  EXPECT_EQ(WriteFileAtomically((folder_ / "geen-map" / "x.DOC").string(), "A\n"), ENOENT);
  fs::create_directory(folder_ / "map");
  EXPECT_EQ(WriteFileAtomically((folder_ / "map").string(), "A\n"), EISDIR);
  EXPECT_TRUE(fs::is_directory(folder_ / "map"));
  EXPECT_EQ(EntryCount(), 1u);
}

}  // namespace
}  // namespace kwintel
