#include "files/FileText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

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

std::optional<std::string> writeTextFileAtomically(const std::string& path,
                                                   const std::string& text) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string hidden = ".";
  hidden.append(target.filename().string()).append(".XXXXXX");
  std::string pattern = (folder / hidden).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return std::string("cannot create a file in ") + folder.string() + ": " +
                     std::strerror(errno);
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = std::strerror(errno);
      ::close(fd);
      ::unlink(pattern.c_str());
      return "cannot write " + path + ": " + why;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  // A replaced file keeps its permissions; a new one gets the usual rw-r--r-- rather
  // than mkstemp's owner-only ones.
  struct stat existing {};
  ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
  if (::close(fd) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(pattern.c_str());
    return "cannot write " + path + ": " + why;
  }
  if (std::rename(pattern.c_str(), path.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(pattern.c_str());
    return "cannot replace " + path + ": " + why;
  }
  return std::nullopt;
}

}  // namespace lumo::text
