#include "files/FileText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "files/PrintableText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo::text {

namespace {

// Reads up to `limit` bytes; `cut` tells whether the file holds more.
FileContents readUpTo(const std::string& path, std::size_t limit) {
  FileContents result;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return result;
  std::ifstream in(path, std::ios::binary);
  if (!in) return result;
  std::string text;
  // One allocation of the file's size (as far as it is read) rather than many.
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec) text.reserve(std::min<std::uintmax_t>(size, limit + 1));
  char buffer[65536];
  while (in && text.size() <= limit) {
    in.read(buffer, sizeof buffer);
    text.append(buffer, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) return result;
  result.status = ReadStatus::Ok;
  result.cut = text.size() > limit;
  if (result.cut) text.resize(limit);
  result.text = std::move(text);
  return result;
}

}  // namespace

FileContents readTextFile(const std::string& path) {
  FileContents result = readUpTo(path, kMaxTextFileBytes);
  if (result.cut) return {ReadStatus::TooLarge, {}, true};
  return result;
}

FileContents readTextFileStart(const std::string& path, std::size_t limit) {
  return readUpTo(path, limit);
}

namespace {

std::string lastError() { return std::strerror(errno); }

// Creates a new hidden file beside `target` for writing. It is created with the mode
// rw-rw-rw-, from which the system takes away what the user's umask forbids, as for
// any new file.
int createTemporary(const std::filesystem::path& target, std::string& tempPath) {
  thread_local std::mt19937 random{std::random_device{}()};
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const std::string base = target.filename().string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(1, '.');
    name.append(base).push_back('.');
    for (int k = 0; k < 6; ++k) name += letters[random() % (sizeof letters - 1)];
    tempPath = (folder / name).string();
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const std::string& text) {
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    data += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<std::string> writeTextFileAtomically(const std::string& path,
                                                   const std::string& text) {
  const std::string shown = printable(path);
  std::string temp;
  const int fd = createTemporary(path, temp);
  if (fd < 0)
    return "cannot create a file beside " + shown + ": " + lastError();
  // A replaced file keeps its permissions.
  struct stat existing {};
  const bool replacing = ::stat(path.c_str(), &existing) == 0;
  if (!writeAll(fd, text) || (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0)) {
    const std::string why = lastError();
    ::close(fd);
    ::unlink(temp.c_str());
    return "cannot write " + shown + ": " + why;
  }
  if (::close(fd) != 0) {
    const std::string why = lastError();
    ::unlink(temp.c_str());
    return "cannot write " + shown + ": " + why;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = lastError();
    ::unlink(temp.c_str());
    return "cannot replace " + shown + ": " + why;
  }
  return std::nullopt;
}

}  // namespace lumo::text
