#pragma once
// The recent-file history of the File menu: data files opened through "Open Data
// Files", oldest first, each file once. Entries show as "&<number>  <path>".
#include <string>
#include <vector>

namespace lumo {

inline constexpr int kMaxHistoryEntries = 100;

class RecentFiles {
 public:
  // Adds a path at the end. A path already present is not added again (false). When
  // the history is full the oldest entry makes room, so it never holds more entries
  // than the settings file can give back.
  bool add(const std::string& path);
  // Replaces the history (empty paths dropped, at most the last 100 kept).
  void assign(const std::vector<std::string>& paths);
  void clear() { paths_.clear(); }

  int count() const { return static_cast<int>(paths_.size()); }
  bool empty() const { return paths_.empty(); }
  const std::vector<std::string>& paths() const { return paths_; }
  // Entry `number` (1..count).
  const std::string& path(int number) const { return paths_.at(static_cast<size_t>(number - 1)); }

  // The menu caption of entry `number`: "&", the number, two blanks and the path.
  std::string caption(int number) const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace lumo
