#pragma once
// The files of the converter's file list: which are listed for a pattern, and which the
// user selected for an action (the selection step shared by converting, deleting and
// the text view).
#include <string>
#include <vector>

namespace lumo::converter {

inline constexpr int kMaxSelectedFiles = 1024;

struct FileSelection {
  int NumFiles = 0;
  std::vector<std::string> FullName{""};  // indices 1..NumFiles
  std::vector<std::string> FileName{""};  // bare names as listed

  // FullName(1..NumFiles) in order.
  std::vector<std::string> fullNames() const;
};

// The folder and a name joined with one separator, also when the folder is a root
// that already ends in one.
std::string joinFolder(const std::string& folder, const std::string& name);

// The selection step: the selected names, in list order, within `folder`.
FileSelection selectFiles(const std::string& folder, const std::vector<std::string>& selectedNames);

// True when `name` matches the pattern box's text: wildcards * and ?, several patterns
// separated by ';', letters compared without case as the file list always did; "*.*"
// matches every name, with or without a dot.
bool matchesPattern(const std::string& name, const std::string& pattern);

// The regular files of `folder` that match `pattern`, sorted by name without case.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);

}  // namespace lumo::converter
