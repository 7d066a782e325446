#include "engine/word_file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string_view>

#include "engine/word_file_name.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

bool Exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

WordFilePaths FindWordFiles(const std::string& prefix) {
  WordFilePaths paths;
  std::array<bool, std::tuple_size_v<WordFilePaths>> missing{};
  bool anyMissing = false;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    paths[i] = WordFileName(prefix, static_cast<int>(i) + kMinWordLength);
    missing[i] = !Exists(paths[i]);
    anyMissing = anyMissing || missing[i];
  }
  if (!anyMissing) return paths;

  const std::size_t slash = prefix.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return paths;

  WordFilePaths found;  // the entry chosen per length, empty while none
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    for (std::size_t i = 0; i < paths.size(); ++i) {
      if (!missing[i]) continue;
      const std::string_view wanted = std::string_view(paths[i]).substr(folder.size());
      if (!EqualsIgnoringAsciiCase(name, wanted)) continue;
      // Several spellings of one name: the byte-smallest, so the choice does not hang on the
      // order in which the folder lists them.
      if (found[i].empty() || name < std::string_view(found[i])) found[i] = std::string(name);
    }
  }
  ::closedir(listing);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (!found[i].empty()) paths[i] = folder + found[i];
  }
  return paths;
}

}  // namespace kwintel
