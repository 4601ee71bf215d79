#pragma once
// Whole-file reading and atomic writing of the program's text files.
#include <cstddef>
#include <optional>
#include <string>

namespace lumo::text {

// Files larger than this are not the program's text files; reading them is refused
// rather than exhausting memory.
inline constexpr std::size_t kMaxTextFileBytes = 16u << 20;

enum class ReadStatus { Ok, CannotOpen, TooLarge };

struct FileContents {
  ReadStatus status = ReadStatus::CannotOpen;
  std::string text;
  bool cut = false;  // only the start of a longer file was read
};

// The whole file, refused when larger than kMaxTextFileBytes.
FileContents readTextFile(const std::string& path);
// The first `limit` bytes of a file (all of it when it is shorter), for a look at files
// of any size.
FileContents readTextFileStart(const std::string& path, std::size_t limit);

// Writes `text` to a temporary file in the same folder and renames it over `path`, so
// that a failure never leaves a half-written file. Returns an error description, or
// nothing on success.
std::optional<std::string> writeTextFileAtomically(const std::string& path,
                                                   const std::string& text);

}  // namespace lumo::text
