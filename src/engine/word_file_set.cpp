#include "engine/word_file_set.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "engine/word_file.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// At least this many files of one set make discovery take it.
constexpr int kMinimumSetFiles = 7;
// "NN.DOC" after the base of a word file's name.
constexpr std::size_t kEndingLength = 6;

std::string Ending(int length) {
  char ending[8];
  std::snprintf(ending, sizeof ending, "%02d.DOC", length);
  return ending;
}

std::string FolderOf(const std::string& prefix) {
  const std::size_t slash = prefix.rfind('/');
  return slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = ::readdir(listing)) names.emplace_back(entry->d_name);
  ::closedir(listing);
  return names;
}

bool Exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string AsciiFolded(std::string_view name) {
  std::string folded(name);
  AsciiLowerInPlace(folded);
  return folded;
}

}  // namespace

WordFileSet::WordFileSet(std::string prefix) : prefix_(std::move(prefix)) {
  bool allThere = true;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    paths_[LengthIndex(length)] = FileName(length);
    allThere = allThere && Exists(paths_[LengthIndex(length)]);
  }
  if (!allThere) FindIn(FolderEntries(FolderOf(prefix_)));
}

WordFileSet::WordFileSet(std::string prefix, const std::vector<std::string>& folderEntries)
    : prefix_(std::move(prefix)) {
  FindIn(folderEntries);
}

void WordFileSet::FindIn(const std::vector<std::string>& folderEntries) {
  const std::string folder = FolderOf(prefix_);
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    std::string& path = paths_[LengthIndex(length)];
    path = FileName(length);
    const std::string_view wanted = std::string_view(path).substr(folder.size());
    const std::string* found = nullptr;
    for (const std::string& name : folderEntries) {
      if (name == wanted) {
        found = &name;
        break;
      }
      // Several spellings of one name: the byte-smallest, so the choice does not hang on the order
      // in which the folder lists them.
      if (EqualsIgnoringAsciiCase(name, wanted) && (found == nullptr || name < *found)) found = &name;
    }
    if (found != nullptr) path = folder + *found;
  }
}

std::string WordFileSet::FileNameOf(const std::string& prefix, int length) { return prefix + Ending(length); }

bool WordFileSet::HasCountsFile() const { return WordFile::RegularFileSize(CountsPath()) >= 0; }

const WordCounts* WordFileSet::Counts() {
  if (!countsRead_) {
    countsRead_ = true;
    LoadedWordCounts loaded = LoadWordCounts(CountsPath());
    if (loaded.state == CountsFileState::kRead) counts_.emplace(std::move(loaded.counts));
  }
  return counts_ ? &*counts_ : nullptr;
}

const SoundFile* WordFileSet::Sounds() {
  if (!soundsRead_) {
    soundsRead_ = true;
    LoadedSoundFile loaded = LoadSoundFile(SoundsPath());
    if (loaded.state == SoundFileState::kRead) sounds_.emplace(std::move(loaded.sounds));
  }
  return sounds_ ? &*sounds_ : nullptr;
}

std::optional<DiscoveredSet> DiscoverWordFileSet(const std::string& folder) {
  std::vector<std::string> entries = FolderEntries(folder);
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = AsciiFolded(a), fb = AsciiFolded(b);
    return fa != fb ? fa < fb : a < b;
  });
  std::string referenceBase;
  int count = 0;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    const std::string ending = Ending(length);
    for (const std::string& name : entries) {
      if (name.size() < kEndingLength || !EqualsIgnoringAsciiCase(name.substr(name.size() - kEndingLength), ending) ||
          IsFolder(folder + name)) {
        continue;
      }
      const std::string base = name.substr(0, name.size() - kEndingLength);
      if (referenceBase.empty()) {
        // An empty base leaves the reference empty, so a set named by length alone restarts the
        // count with every file and is never taken on its own.
        referenceBase = base;
        count = 1;
      } else if (referenceBase.starts_with(base)) {
        ++count;
      }
    }
  }
  if (count < kMinimumSetFiles) return std::nullopt;
  return DiscoveredSet{referenceBase, std::shared_ptr<WordFileSet>(new WordFileSet(folder + referenceBase, entries))};
}

std::optional<std::string> WordFilePrefixOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart || dot < 2) return std::nullopt;
  return path.substr(0, dot - 2);
}

}  // namespace kwintel
