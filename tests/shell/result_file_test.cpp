#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "results/result_file.h"
#include "results/write_error_text.h"
#include "session_fixture.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class ResultFileTest : public testing_support::SessionFixture {
 protected:
  void SetUp() override {
    testing_support::SessionFixture::SetUp();
    std::string pattern = (fs::temp_directory_path() / "kwintel-results-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    Show({"AAP", "BAK", "ZEE", "KAT", "\x80\x81\x8D\x8F\x90\x9D\xE9\xFF", "Totaal: 5"});
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }
  // What the folder holds besides the named entries: a left-over temporary file shows up here.
  Lines Strays(const Lines& known) const {
    Lines strays;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (std::find(known.begin(), known.end(), name) == known.end()) strays.push_back(name);
    }
    return strays;
  }

  static constexpr const char* kExpected = "AAP\nBAK\nZEE\nKAT\n\u20AC\u0081\u008D\u008F\u0090\u009D\u00E9\u00FF\n";
  fs::path folder;
};

TEST_F(ResultFileTest, WritesEveryResultLineAsUtf8AndRemembersTheFile) {
  const std::string path = (folder / "uit.txt").string();
  platform.resultFileAnswer = path;
  WriteResultFile(session);
  EXPECT_EQ(ReadFile(path), kExpected);
  EXPECT_EQ(session.resultFileName, path);
  EXPECT_TRUE(view.messages.empty());

  Show({"Totaal: 0"});  // only a summary line: an empty file all the same
  WriteResultFile(session);
  EXPECT_EQ(platform.proposedResultFile, path);
  EXPECT_EQ(ReadFile(path), "");

  platform.resultFileAnswer.reset();
  WriteResultFile(session);
  EXPECT_EQ(session.resultFileName, "");
  EXPECT_EQ(ReadFile(path), "");
  WriteResultFile(session);
  EXPECT_EQ(platform.proposedResultFile, "");
}

TEST_F(ResultFileTest, ReplacesTheTargetOfALinkAndKeepsItsPermissionBits) {
  fs::create_directory(folder / "echt");
  WriteFile(folder / "echt" / "doel.txt", "oud\n");
  fs::permissions(folder / "echt" / "doel.txt", fs::perms(0640));
  fs::create_symlink("echt/doel.txt", folder / "link.txt");
  ASSERT_EQ(WriteResultFileTo(session.results, (folder / "link.txt").string()), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
  EXPECT_EQ(ReadFile(folder / "echt" / "doel.txt"), kExpected);
  EXPECT_EQ(fs::status(folder / "echt" / "doel.txt").permissions(), fs::perms(0640));
  EXPECT_EQ(Strays({"echt", "link.txt"}), Lines{});

  const mode_t old = umask(027);
  ASSERT_EQ(WriteResultFileTo(session.results, (folder / "nieuw.txt").string()), std::nullopt);
  umask(old);
  EXPECT_EQ(fs::status(folder / "nieuw.txt").permissions(), fs::perms(0640));
}

TEST_F(ResultFileTest, AFailedWriteNamesFileAndReasonAndKeepsTheOldFile) {
  WriteFile(folder / "oud.txt", "oud\n");
  fs::create_directory(folder / "map");
  struct Row {
    std::string path;
    std::string reason;
  };
  const Row rows[] = {
      {(folder / "weg" / "uit.txt").string(), "Map bestaat niet"},
      {(folder / "oud.txt" / "uit.txt").string(), "Map bestaat niet"},
      {(folder / "map").string(), "Is een map"},
      {(folder / "map/").string(), "Is een map"},
      {"/dev/full", "Schijf vol"},
      {"", "Map bestaat niet"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(WriteResultFileTo(session.results, row.path),
              "Kan resultaat niet schrijven naar " + row.path + ": " + row.reason);
  }

  // Half-way through the writing: the file-size limit stops the second block.
  const std::string big(100000, 'A');
  Show({big, big, "Totaal: 2"});
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 150000;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const auto failure = WriteResultFileTo(session.results, (folder / "oud.txt").string());
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(failure, "Kan resultaat niet schrijven naar " + (folder / "oud.txt").string() + ": systeemfout " +
                         std::to_string(EFBIG));
  EXPECT_EQ(ReadFile(folder / "oud.txt"), "oud\n");
  EXPECT_EQ(Strays({"oud.txt", "map"}), Lines{});
}

TEST_F(ResultFileTest, AFolderOrFileWithoutWriteAccessIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes regardless of permission bits";
  WriteFile(folder / "oud.txt", "oud\n");
  fs::permissions(folder / "oud.txt", fs::perms(0444));
  EXPECT_EQ(WriteResultFileTo(session.results, (folder / "oud.txt").string()),
            "Kan resultaat niet schrijven naar " + (folder / "oud.txt").string() + ": Toegang geweigerd");
  fs::permissions(folder / "oud.txt", fs::perms(0644));
  fs::permissions(folder, fs::perms(0555));
  EXPECT_EQ(WriteResultFileTo(session.results, (folder / "oud.txt").string()),
            "Kan resultaat niet schrijven naar " + (folder / "oud.txt").string() + ": Toegang geweigerd");
  EXPECT_EQ(ReadFile(folder / "oud.txt"), "oud\n");
}

TEST_F(ResultFileTest, TheDialogShowsTheFailureUnderFout) {
  platform.resultFileAnswer = (folder / "weg" / "\xFF.txt").string();
  WriteResultFile(session);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text,
            "Kan resultaat niet schrijven naar " + (folder / "weg" / "?.txt").string() + ": Map bestaat niet");
  EXPECT_EQ(view.messages[0].caption, "Fout");
  EXPECT_EQ(session.resultFileName, *platform.resultFileAnswer);  // proposed again for another try
}

TEST(WriteErrorReason, NamesTheUsualCausesInDutch) {
  const std::pair<int, const char*> rows[] = {
      {EACCES, "Toegang geweigerd"}, {ENOSPC, "Schijf vol"}, {EROFS, "Alleen-lezen bestandssysteem"},
      {ENOENT, "Map bestaat niet"},  {EISDIR, "Is een map"}, {EDQUOT, "Quotum overschreden"},
      {EIO, "systeemfout 5"}};
  for (const auto& [error, reason] : rows) EXPECT_EQ(WriteErrorReason(error), reason);
}

}  // namespace
}  // namespace kwintel
