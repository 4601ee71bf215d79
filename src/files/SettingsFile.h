#pragma once
// The settings file "lumo.ini": the home folder (which holds the file), the last working
// folder and the recent-file history, in write style, one item per line:
//
//   "<home folder>"
//   "<last working folder>"
//   <history count>
//   "<path 1>" ... one per line
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

inline constexpr const char* kSettingsFileName = "lumo.ini";

struct Settings {
  std::string homeFolder;
  std::string lastFolder;
  std::vector<std::string> history;
};

// What could be read. Reading stops at the first item that is missing or malformed;
// what was read before it is kept, and `problem` says what went wrong. At most 100
// history entries are read, whatever count the file gives.
struct SettingsRead {
  Settings settings;
  bool complete = false;
  std::string problem;
};

SettingsRead parseSettingsFile(std::string_view text);

// The file's text with CR LF line ends. History paths that cannot be written as one
// item (with a line break in them) are left out.
std::string settingsFileText(const Settings& settings);

// `folder`/lumo.ini.
std::string settingsFilePath(const std::string& folder);

// Reads the file in `folder`; nothing when it is missing or cannot be read.
std::optional<SettingsRead> readSettingsFile(const std::string& folder);

// Writes the file into `folder`, replacing it only when complete. Returns the reason of
// a failure, or nothing on success.
std::optional<std::string> writeSettingsFile(const std::string& folder, const Settings& settings);

}  // namespace lumo
