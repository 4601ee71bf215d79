#include "files/RecentFiles.h"

#include <algorithm>

namespace lumo {

bool RecentFiles::add(const std::string& path) {
  if (path.empty() || std::find(paths_.begin(), paths_.end(), path) != paths_.end())
    return false;
  if (count() >= kMaxHistoryEntries) paths_.erase(paths_.begin());
  paths_.push_back(path);
  return true;
}

void RecentFiles::assign(const std::vector<std::string>& paths) {
  paths_.clear();
  for (const std::string& p : paths) add(p);
}

std::string RecentFiles::caption(int number) const {
  std::string caption = "&";
  caption.append(std::to_string(number)).append("  ").append(path(number));
  return caption;
}

}  // namespace lumo
