#include "platform/profile_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::function<int(ProfileFileStep)>& Fault() {
  static std::function<int(ProfileFileStep)> fault;
  return fault;
}

// True (with errno set) when a test wants this step to fail.
bool Injected(ProfileFileStep step) {
  if (const auto& fault = Fault()) {
    if (int error = fault(step)) {
      errno = error;
      return true;
    }
  }
  return false;
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error a delayed write may surface only here.
  bool Close() {
    int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::optional<std::string> ReadAll(int fd, off_t sizeHint) {
  std::string data;
  data.reserve(static_cast<std::size_t>(sizeHint > 0 ? sizeHint : 0));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return data;
    data.append(buffer, static_cast<std::size_t>(n));
  }
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string DirName(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links finally names, so that the link itself stays a link.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
    std::string next(target.data(), static_cast<std::size_t>(n));
    path = next.starts_with('/') ? next : DirName(path) + "/" + next;
  }
  errno = ELOOP;
  return std::nullopt;
}

mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncDirectory(const std::string& dir) {
  Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

enum class Replaced { Done, CannotCreate, Failed };

Replaced ReplaceAtomically(const std::string& path, std::string_view contents,
                           const struct stat* old) {
  const std::string dir = DirName(path);
  std::string temp = dir + "/." + BaseName(path) + ".XXXXXX";
  if (Injected(ProfileFileStep::CreateTemp)) return Replaced::CannotCreate;
  Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.get() < 0) return Replaced::CannotCreate;

  bool ok = !Injected(ProfileFileStep::WriteTemp) && WriteAll(fd.get(), contents) &&
            !Injected(ProfileFileStep::SyncTemp) && ::fsync(fd.get()) == 0;
  if (ok && old && ::geteuid() == 0) (void)::fchown(fd.get(), old->st_uid, old->st_gid);
  ok = ok && ::fchmod(fd.get(), old ? old->st_mode & 07777 : NewFileMode()) == 0;
  ok = fd.Close() && ok;
  ok = ok && !Injected(ProfileFileStep::Rename) && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    int error = errno;
    ::unlink(temp.c_str());
    errno = error;
    return Replaced::Failed;
  }
  SyncDirectory(dir);
  return Replaced::Done;
}

// For a directory that takes no new files: the same inode is overwritten, space for a longer
// text reserved first so that a full disk fails before any byte has changed.
bool RewriteInPlace(const std::string& path, std::string_view contents, off_t oldSize) {
  if (Injected(ProfileFileStep::OpenInPlace)) return false;
  Fd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  const off_t size = static_cast<off_t>(contents.size());
  if (size > oldSize && ::posix_fallocate(fd.get(), 0, size) != 0) return false;
  if (Injected(ProfileFileStep::WriteInPlace) || !WriteAll(fd.get(), contents)) return false;
  return ::ftruncate(fd.get(), size) == 0 && ::fsync(fd.get()) == 0 && fd.Close();
}

}  // namespace

void SetProfileFileFault(std::function<int(ProfileFileStep)> fault) { Fault() = std::move(fault); }

bool FlushProfileFiles() { return !Injected(ProfileFileStep::Flush); }

std::optional<std::string> ReadProfileFile(const std::string& path) {
  // Non-blocking, so that a FIFO in the file's place cannot hang the read.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return ReadAll(fd.get(), st.st_size);
}

bool UpdateProfileFile(const std::string& path,
                       const std::function<std::optional<std::string>(const std::string&)>& change) {
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return false;

  std::string current;
  struct stat st;
  bool exists = false;
  {
    Fd fd(::open(target->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() >= 0) {
      if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
      std::optional<std::string> data = ReadAll(fd.get(), st.st_size);
      if (!data) return false;
      current = std::move(*data);
      exists = true;
    } else if (errno != ENOENT) {
      return false;
    }
  }

  const std::optional<std::string> next = change(current);
  if (!next) return false;

  switch (ReplaceAtomically(*target, *next, exists ? &st : nullptr)) {
    case Replaced::Done:
      return true;
    case Replaced::Failed:
      return false;
    case Replaced::CannotCreate:
      if (exists && (errno == EACCES || errno == EPERM))
        return RewriteInPlace(*target, *next, st.st_size);
      return false;
  }
  return false;
}
