// kwintel-mkwords run as a process.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;
};

// Runs a shell command line, collecting standard output and error together.
Outcome RunCommandLine(const std::string& commandLine) {
  Outcome outcome;
  FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, n);
  const int status = ::pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class MkwordsProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/kwintel-mkwords-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder_ = name;
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(MkwordsProcessTest, WritesTheWholeSetAndPrintsTheCounts) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary)
      << "roos\nRoos\nkat\ncaf\xC3\xA9\nCO\xE2\x82\x82\na\n" << std::string(25, 'z') << "\n";
  const Outcome run = RunCommandLine(std::string(KWINTEL_MKWORDS_PATH) + " " + (folder_ / "lijst.txt").string() +
                          " " + (folder_ / "wl").string());
  ASSERT_EQ(run.status, 0) << run.output;
  for (int length = 2; length <= 19; ++length) {
    char name[16];
    std::snprintf(name, sizeof name, "wl%02d.DOC", length);
    EXPECT_TRUE(fs::is_regular_file(folder_ / name)) << name;
  }
  EXPECT_EQ(Read(folder_ / "wl03.DOC"), "KAT\n");
  EXPECT_EQ(Read(folder_ / "wl04.DOC"), "CAF\xC9\nROOS\n");
  EXPECT_EQ(Read(folder_ / "wl19.DOC"), std::string(25, 'Z') + "\n");
  EXPECT_EQ(Read(folder_ / "wl02.DOC"), "");
  EXPECT_NE(run.output.find("4       2\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Overgeslagen: 1 "), std::string::npos) << run.output;
}

TEST_F(MkwordsProcessTest, BadUseAndMissingInputAreReported) {
  EXPECT_EQ(RunCommandLine(KWINTEL_MKWORDS_PATH).status, 2);
  EXPECT_EQ(RunCommandLine(std::string(KWINTEL_MKWORDS_PATH) + " a b c").status, 2);
  const Outcome missing = RunCommandLine(std::string(KWINTEL_MKWORDS_PATH) + " " +
                              (folder_ / "geen.txt").string() + " " + (folder_ / "wl").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("geen.txt"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "wl02.DOC"));
}

}  // namespace
