// kwintel-mkwords run as a process.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/sound_file.h"

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
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "roos\nRoos\nkat\ncaf\xC3\xA9\nCO\xE2\x82\x82\na\n"
                                                         << std::string(25, 'z') << "\n";
  const Outcome run = RunCommandLine(std::string(KWINTEL_MKWORDS_PATH) + " " + (folder_ / "lijst.txt").string() + " " +
                                     (folder_ / "wl").string());
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
  const Outcome missing = RunCommandLine(std::string(KWINTEL_MKWORDS_PATH) + " " + (folder_ / "geen.txt").string() +
                                         " " + (folder_ / "wl").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("geen.txt"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "wl02.DOC"));
}

std::string Mkwords(const std::string& arguments) { return std::string(KWINTEL_MKWORDS_PATH) + " " + arguments; }

TEST_F(MkwordsProcessTest, CountsFileBesideTheSet) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "en\nroos\ncaf\xC3\xA9\nzee\n";
  std::ofstream(folder_ / "tellingen.txt", std::ios::binary)
      << "10 En N:10\n3 en\n  5\troos\n2 kikker\n1 Caf\xC3\xA9\nkapot\n\n";
  const Outcome run = RunCommandLine(Mkwords("--counts " + (folder_ / "tellingen.txt").string() + " " +
                                             (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read(folder_ / "wl.FRQ"), "CAF\xC9\t1\nEN\t13\nROOS\t5\n");
  EXPECT_FALSE(fs::exists(folder_ / "wl.FRQ.check"));
  EXPECT_EQ(Read(folder_ / "wl03.DOC"), "ZEE\n");
  EXPECT_NE(run.output.find("Met telling: 3 woorden"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("2 regels zonder getal en woord; niet in de lijst: 1\n"), std::string::npos) << run.output;
}

TEST_F(MkwordsProcessTest, CountsFromStandardInput) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "roos\n";
  const Outcome run =
      RunCommandLine("printf '4 roos\\n' | " +
                     Mkwords("--counts - " + (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read(folder_ / "wl.FRQ"), "ROOS\t4\n");
}

TEST_F(MkwordsProcessTest, AMissingCountsListLeavesTheOldSetAsItWas) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "roos\n";
  std::ofstream(folder_ / "wl04.DOC", std::ios::binary) << "OUD\n";
  std::ofstream(folder_ / "wl.FRQ", std::ios::binary) << "OUD\t1\n";
  const Outcome run = RunCommandLine(Mkwords("--counts " + (folder_ / "geen.txt").string() + " " +
                                             (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("geen.txt"), std::string::npos) << run.output;
  EXPECT_EQ(Read(folder_ / "wl04.DOC"), "OUD\n");
  EXPECT_EQ(Read(folder_ / "wl.FRQ"), "OUD\t1\n");
  EXPECT_FALSE(fs::exists(folder_ / "wl02.DOC"));
}

TEST_F(MkwordsProcessTest, BadUseOfCountsIsAUsageError) {
  const std::string list = (folder_ / "lijst.txt").string();
  std::ofstream(list, std::ios::binary) << "roos\n";
  const std::string prefix = (folder_ / "wl").string();
  for (const std::string& arguments :
       {std::string("--counts"), list + " " + prefix + " --counts", "--counts a --counts b " + list + " " + prefix,
        "--counts - - " + prefix, "--count a " + list + " " + prefix}) {
    const Outcome run = RunCommandLine(Mkwords(arguments) + " < /dev/null");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.output.find("Gebruik: kwintel-mkwords [--counts TELLINGEN]"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(folder_ / "wl02.DOC"));
}

#ifdef KWINTEL_HAVE_ESPEAK

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(MkwordsProcessTest, SoundsFileHasEveryWordOfTheSetInByteOrder) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "kat\nKat\ngedicht\nsinterklaas\ncaf\xC3\xA9\nzee\n"
                                                         << std::string(25, 'z') << "\nde kat\n";
  const Outcome run =
      RunCommandLine(Mkwords("--sounds " + (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string sounds = Read(folder_ / "wl.KLK");
  std::vector<std::string> words;
  for (const std::string& line : LinesOf(sounds)) {
    ASSERT_NE(line.find('\t'), std::string::npos) << line;
    words.push_back(line.substr(0, line.find('\t')));
  }
  EXPECT_EQ(words, (std::vector<std::string>{"CAF\xC9", "DE KAT", "GEDICHT", "KAT", "SINTERKLAAS", "ZEE",
                                             std::string(25, 'Z')}));
  EXPECT_NE(sounds.find("KAT\tk 'A t\n"), std::string::npos) << sounds;
  // The reader takes it as it is written.
  const kwintel::SoundFile read = kwintel::SoundFile::FromContents(std::vector<char>(sounds.begin(), sounds.end()));
  EXPECT_TRUE(read.WellFormed());
  EXPECT_EQ(read.Size(), 7u);
  EXPECT_NE(run.output.find("Met klank: 7 woorden (" + (folder_ / "wl.KLK").string() + ")"), std::string::npos)
      << run.output;
}

TEST_F(MkwordsProcessTest, CorrectionsOverrideEspeakNg) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "kat\ncake\n";
  std::ofstream(folder_ / "fix.txt", std::ios::binary) << "# test\nCake\tk 'e: k\nhond\th 'O n t\n";
  const Outcome run = RunCommandLine(Mkwords("--sounds --sound-fixes " + (folder_ / "fix.txt").string() + " " +
                                             (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read(folder_ / "wl.KLK"), "CAKE\tk 'e: k\nKAT\tk 'A t\n");
  EXPECT_NE(run.output.find("Klanken: 1 uit de correcties, 0 zonder klank; correcties niet in de lijst: 1"),
            std::string::npos)
      << run.output;
}

TEST_F(MkwordsProcessTest, ASoundsFileThatCannotBeWrittenLeavesTheOldOne) {
  // 60 words of eight letters make a word file of 540 bytes and a sound file of well over the
  // 1024 bytes the file size limit allows; the ignored SIGXFSZ turns the limit into a failed write.
  std::ofstream list(folder_ / "lijst.txt", std::ios::binary);
  for (char a = 'a'; a < 'a' + 6; ++a) {
    for (char b = 'a'; b < 'a' + 10; ++b) list << "kat" << a << b << "oen\n";
  }
  list.close();
  std::ofstream(folder_ / "wl.KLK", std::ios::binary) << "OUD\t'a: t\n";
  // bash, whose ulimit -f counts blocks of 1024 bytes (dash's of 512).
  const Outcome run =
      RunCommandLine("bash -c \"trap '' XFSZ; ulimit -f 1; " +
                     Mkwords("--sounds " + (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()) + "\"");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("kan " + (folder_ / "wl.KLK").string() + " niet schrijven"), std::string::npos)
      << run.output;
  EXPECT_EQ(Read(folder_ / "wl.KLK"), "OUD\t'a: t\n");
  EXPECT_EQ(Read(folder_ / "wl08.DOC").size(), 540u);
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder_)) left.insert(entry.path().filename().string());
  EXPECT_EQ(left.size(), 18u + 2u) << "a temporary file was left behind";
}

#else

TEST_F(MkwordsProcessTest, SoundsNeedEspeakNg) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "kat\n";
  const Outcome run =
      RunCommandLine(Mkwords("--sounds " + (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("gebouwd zonder espeak-ng"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(folder_ / "wl03.DOC"));
}

#endif

TEST_F(MkwordsProcessTest, ABadCorrectionsTableLeavesEverythingAsItWas) {
  std::ofstream(folder_ / "lijst.txt", std::ios::binary) << "kat\n";
  std::ofstream(folder_ / "fix.txt", std::ios::binary) << "kat\tk 'A t\nhond h 'O n t\n";
  std::ofstream(folder_ / "wl.KLK", std::ios::binary) << "OUD\t'a: t\n";
  const Outcome run = RunCommandLine(Mkwords("--sounds --sound-fixes " + (folder_ / "fix.txt").string() + " " +
                                             (folder_ / "lijst.txt").string() + " " + (folder_ / "wl").string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("fix.txt, regel 2: geen tab tussen woord en klank"), std::string::npos) << run.output;
  EXPECT_EQ(Read(folder_ / "wl.KLK"), "OUD\t'a: t\n");
  EXPECT_FALSE(fs::exists(folder_ / "wl03.DOC"));
}

TEST_F(MkwordsProcessTest, BadUseOfSoundsIsAUsageError) {
  const std::string list = (folder_ / "lijst.txt").string();
  std::ofstream(list, std::ios::binary) << "roos\n";
  const std::string prefix = (folder_ / "wl").string();
  for (const std::string& arguments :
       {"--sound-fixes f " + list + " " + prefix, "--sounds --sounds " + list + " " + prefix,
        "--sounds " + list + " " + prefix + " --sound-fixes", "--sounds --sound-fixes - - " + prefix,
        "--sounds --sound-fixes a --sound-fixes b " + list + " " + prefix}) {
    const Outcome run = RunCommandLine(Mkwords(arguments) + " < /dev/null");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.output.find("[--sounds [--sound-fixes CORRECTIES]]"), std::string::npos) << run.output;
  }
  EXPECT_FALSE(fs::exists(folder_ / "wl02.DOC"));
}

}  // namespace
