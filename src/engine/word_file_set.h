#pragma once
// A word-file set: the files PREFIX02.DOC ... PREFIX19.DOC (the last holding every word of 19
// letters or more) under a prefix, the folder and base name of the set in the file system's bytes,
// and the side files beside them (PREFIX.FRQ, the word counts; PREFIX.KLK, their sounds). The one
// place that spells their names.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/search_type.h"
#include "engine/sound_file.h"
#include "engine/word_counts.h"

namespace kwintel {

class WordFileSet {
 public:
  // Finds the file of each length under `prefix`: the name as built when it exists; otherwise the
  // entry of the prefix's folder whose name equals it with ASCII letter case ignored (the
  // byte-smallest when several do); otherwise the name as built, which then fails to open like any
  // missing file. Lists the folder at most once.
  explicit WordFileSet(std::string prefix);

  const std::string& Prefix() const { return prefix_; }
  // "%s%02d.DOC": the name of the file of `length` (2 .. 19) as built from the prefix.
  std::string FileName(int length) const { return FileNameOf(prefix_, length); }
  static std::string FileNameOf(const std::string& prefix, int length);
  // The file of `length` as found.
  const std::string& PathOf(int length) const { return paths_[LengthIndex(length)]; }

  // "PREFIX.FRQ".
  std::string CountsPath() const { return CountsPathOf(prefix_); }
  static std::string CountsPathOf(const std::string& prefix) { return prefix + ".FRQ"; }
  // "PREFIX.KLK", the sounds of the words.
  std::string SoundsPath() const { return SoundsPathOf(prefix_); }
  static std::string SoundsPathOf(const std::string& prefix) { return prefix + ".KLK"; }

  // Whether the counts file is there (a look at it, not a reading).
  bool HasCountsFile() const;
  // The counts, read on the first call and kept with the set; null when the file is missing or
  // cannot be read.
  const WordCounts* Counts();
  // The sounds, alike.
  const SoundFile* Sounds();

 private:
  WordFileSet(std::string prefix, const std::vector<std::string>& folderEntries);
  void FindIn(const std::vector<std::string>& folderEntries);
  friend std::optional<struct DiscoveredSet> DiscoverWordFileSet(const std::string& folder);

  std::string prefix_;
  std::array<std::string, kMaxWordLength - kMinWordLength + 1> paths_;
  bool countsRead_ = false;
  std::optional<WordCounts> counts_;
  bool soundsRead_ = false;
  std::optional<SoundFile> sounds_;
};

// A set found in a folder: at least 7 files "<base>NN.doc" of lengths NN = 02 .. 19, letter case of
// the ending ignored, `base` taken from the shortest length found (a base that begins another
// file's base counts that file as well).
struct DiscoveredSet {
  std::string base;
  std::shared_ptr<WordFileSet> set;
};

// Looks for a set in `folder` (ending in '/'; empty for the current folder). The folder's entries
// are taken in the order of their case-folded names, so the outcome never depends on the order
// the file system lists them in.
std::optional<DiscoveredSet> DiscoverWordFileSet(const std::string& folder);

// The prefix of a word file the user chose by its path: the path without its extension and the two
// length digits before it. A name too short to hold the digits is cut all the same (the prefix
// then ends inside the folder's name); nothing when the name has no dot, or the path no room for
// two digits before it.
std::optional<std::string> WordFilePrefixOf(const std::string& path);

}  // namespace kwintel
