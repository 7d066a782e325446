#include "results/atomic_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <vector>

namespace kwintel {
namespace {

constexpr int kMaxLinkHops = 40;  // the kernel's own limit for a path lookup
constexpr size_t kMaxBaseInTempName = 64;
constexpr int kTempNameAttempts = 100;

// The folder part of `path` including its final '/', or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows symbolic links from `path` until it names something that is not a link, or nothing.
// Returns 0 or an errno.
int ResolveLinks(std::string& path) {
  std::vector<char> buffer(PATH_MAX + 1);
  for (int hops = 0;; ++hops) {
    struct stat status;
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return 0;
    if (hops == kMaxLinkHops) return ELOOP;
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return errno;
    if (static_cast<size_t>(length) >= buffer.size()) return ENAMETOOLONG;
    const std::string target(buffer.data(), static_cast<size_t>(length));
    path = target.front() == '/' ? target : FolderOf(path) + target;
  }
}

int WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), std::min<size_t>(content.size(), 1 << 30));
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

int WriteInPlace(const std::string& path, std::string_view content) {
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = WriteAll(fd, content);
  const int closeError = close(fd) == 0 ? 0 : errno;
  return error != 0 ? error : closeError;
}

// Creates a new, empty file with a name of its own beside `target`; nothing is ever opened
// that existed before. Returns the descriptor, or -1 with errno set.
int CreateTempFile(const std::string& target, int mode, std::string& tempPath) {
  const std::string folder = FolderOf(target);
  const std::string base = target.substr(folder.size(), kMaxBaseInTempName);
  unsigned long salt =
      static_cast<unsigned long>(getpid()) * 2654435761UL ^ static_cast<unsigned long>(std::time(nullptr));
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    salt = salt * 6364136223846793005UL + 1442695040888963407UL;
    tempPath = folder + "." + base + "." + std::to_string(salt % 1000000000UL) + ".tmp";
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Gives the new file the old one's owner and group as far as the caller may: only root can give
// a file away, others can keep its group when they belong to it. Failing that, the file belongs to
// whoever wrote it, as any new file would.
void KeepOwner(int fd, const struct stat& old) {
  if (fchown(fd, old.st_uid, old.st_gid) == 0) return;
  if (fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0) return;
}

int ReplaceFile(const std::string& target, const struct stat* old, std::string_view content) {
  // Everything that allocates happens before the temporary file exists, so nothing can throw
  // between its creation and its removal.
  const std::string folder = FolderOf(target);
  std::string tempPath;
  // A new file gets 0666 less the umask from the kernel; a replacement is kept private until it
  // carries the old file's bits.
  const int fd = CreateTempFile(target, old ? 0600 : 0666, tempPath);
  if (fd < 0) return errno;

  int error = 0;
  if (old) {
    KeepOwner(fd, *old);
    // Some file systems (FAT) cannot store the bits; the content matters more than they do.
    if (fchmod(fd, old->st_mode & 07777) != 0 && errno != EPERM && errno != EOPNOTSUPP) {
      error = errno;
    }
  }
  if (error == 0) error = WriteAll(fd, content);
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(tempPath.c_str());
    return error;
  }

  // The new file is in place; making the rename itself durable is a courtesy whose failure no
  // longer puts the old content at risk, so it is not reported.
  const int folderFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return 0;
}

}  // namespace

int WriteFileAtomically(const std::string& path, std::string_view content) {
  if (path.empty()) return ENOENT;
  std::string target = path;
  if (const int error = ResolveLinks(target); error != 0) return error;

  struct stat status;
  if (stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) return errno;
    // Opening "name/" for writing would fail the same way.
    if (target.back() == '/') return EISDIR;
    return ReplaceFile(target, nullptr, content);
  }
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (!S_ISREG(status.st_mode)) return WriteInPlace(target, content);
  if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  return ReplaceFile(target, &status, content);
}

}  // namespace kwintel
