#include "files/SettingsFile.h"

#include <algorithm>
#include <climits>
#include <filesystem>

#include "files/FileText.h"
#include "files/RecentFiles.h"
#include "files/TextItemReader.h"
#include "files/TextWriter.h"

namespace lumo {
namespace {

bool writableAsItem(const std::string& path) {
  return !path.empty() && path.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

SettingsRead parseSettingsFile(std::string_view text) {
  SettingsRead read;
  text::TextItemReader reader(text);
  try {
    read.settings.homeFolder = reader.readString();
    read.settings.lastFolder = reader.readString();
    const long count = reader.readInteger(0, LONG_MAX);
    const long wanted = std::min<long>(count, kMaxHistoryEntries);
    // An empty entry names no file; it is read (it counts) but not kept.
    for (long i = 0; i < wanted; ++i)
      if (std::string path = reader.readString(); !path.empty())
        read.settings.history.push_back(std::move(path));
    read.complete = true;
  } catch (const text::ReadError& e) {
    read.problem = e.what();
  }
  return read;
}

std::string settingsFileText(const Settings& settings) {
  std::vector<std::string> entries;
  std::copy_if(settings.history.begin(), settings.history.end(), std::back_inserter(entries),
               writableAsItem);
  text::TextWriter w;
  w.writeString(settings.homeFolder).endLine();
  w.writeString(settings.lastFolder).endLine();
  w.writeInteger(static_cast<long>(entries.size())).endLine();
  for (const std::string& path : entries) w.writeString(path).endLine();
  return w.text();
}

std::string settingsFilePath(const std::string& folder) {
  return (std::filesystem::path(folder) / kSettingsFileName).string();
}

std::optional<SettingsRead> readSettingsFile(const std::string& folder) {
  const text::FileContents file = text::readTextFile(settingsFilePath(folder));
  if (file.status != text::ReadStatus::Ok) return std::nullopt;
  return parseSettingsFile(file.text);
}

std::optional<std::string> writeSettingsFile(const std::string& folder, const Settings& settings) {
  return text::writeTextFileAtomically(settingsFilePath(folder), settingsFileText(settings));
}

}  // namespace lumo
