#pragma once
// Seam for the process's current folder: the start-up reads the settings file from it
// and moves to the last working folder; exit records it. The program uses the real
// current folder; tests use a fixed one so that they never move the test process.
#include <filesystem>
#include <string>
#include <system_error>

namespace lumo {

class WorkingFolder {
 public:
  virtual ~WorkingFolder() = default;
  virtual std::string current() const = 0;
  // Moves to `folder`; false (and no move) when it does not exist or cannot be entered.
  virtual bool change(const std::string& folder) = 0;
};

class ProcessWorkingFolder : public WorkingFolder {
 public:
  std::string current() const override {
    std::error_code ec;
    const auto path = std::filesystem::current_path(ec);
    return ec ? std::string(".") : path.string();
  }
  bool change(const std::string& folder) override {
    std::error_code ec;
    std::filesystem::current_path(folder, ec);
    return !ec;
  }
};

// For tests: a folder that only changes to folders that exist, without touching the
// process.
class FixedWorkingFolder : public WorkingFolder {
 public:
  explicit FixedWorkingFolder(std::string folder) : folder_(std::move(folder)) {}
  std::string current() const override { return folder_; }
  bool change(const std::string& folder) override {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return false;
    folder_ = folder;
    return true;
  }

 private:
  std::string folder_;
};

}  // namespace lumo
