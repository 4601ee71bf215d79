#include "converter/FileSelection.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace lumo::converter {
namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool wildcardMatch(std::string_view name, std::string_view pattern) {
  // Iterative matching with backtracking to the last '*'.
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
      ++n, ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++, starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1, n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> FileSelection::fullNames() const {
  return std::vector<std::string>(FullName.begin() + 1, FullName.begin() + 1 + NumFiles);
}

std::string joinFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

FileSelection selectFiles(const std::string& folder, const std::vector<std::string>& selectedNames) {
  FileSelection selection;
  for (const std::string& name : selectedNames) {
    selection.FileName.push_back(name);
    selection.FullName.push_back(joinFolder(folder, name));
  }
  selection.NumFiles = static_cast<int>(selectedNames.size());
  return selection;
}

bool matchesPattern(const std::string& name, const std::string& pattern) {
  size_t start = 0;
  while (start <= pattern.size()) {
    const size_t end = std::min(pattern.find(';', start), pattern.size());
    const std::string one = trimmed(pattern.substr(start, end - start));
    if (one == "*.*" || one == "*" || (!one.empty() && wildcardMatch(name, one))) return true;
    start = end + 1;
  }
  return false;
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (matchesPattern(name, pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
  });
  return names;
}

}  // namespace lumo::converter
