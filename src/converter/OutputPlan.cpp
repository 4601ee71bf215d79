#include "converter/OutputPlan.h"

#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace lumo::converter {
namespace {

std::string bareName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// The device and inode of an existing file: one file may have several names (links,
// or names in another case on a volume that ignores case).
using FileId = std::pair<dev_t, ino_t>;
std::optional<FileId> fileId(const std::string& path) {
  struct stat s {};
  if (::stat(path.c_str(), &s) != 0) return std::nullopt;
  return FileId{s.st_dev, s.st_ino};
}

std::filesystem::path normalised(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return (ec ? std::filesystem::path(path) : full).lexically_normal();
}

char swappedCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

// The formats written, in order. GO replaces a DRYDOC file of the same run at once (both
// end in ".DAT"), so with both ticked the DRYDOC file is not written at all.
std::vector<OutputFormat> writtenFormats(const OutputSelection& outputs) {
  std::vector<OutputFormat> formats;
  for (OutputFormat format : kOutputFormats)
    if (outputs[format] && !(format == OutputFormat::DRYDOC && outputs[OutputFormat::GO]))
      formats.push_back(format);
  return formats;
}

class Planner {
 public:
  Planner(const std::vector<std::string>& inputs,
          const std::function<bool(const std::string&)>& ignoresCase)
      : inputs_(inputs) {
    for (size_t i = 0; i < inputs.size(); ++i) {
      const auto id = fileId(inputs[i]);
      const std::string folder = normalised(inputs[i]).parent_path().string();
      if (id && !foldsCase_.count(folder)) foldsCase_[folder] = ignoresCase(inputs[i]);
      inputByName_.emplace(key(inputs[i]), i);
      if (id) inputById_.emplace(*id, i);
    }
  }

  // Why the output of input `i` at `path` may not be written, or nothing.
  std::optional<std::string> clash(size_t i, const std::string& path) {
    const std::string name = key(path);
    std::optional<size_t> replaced;
    if (const auto input = inputByName_.find(name); input != inputByName_.end())
      replaced = input->second;
    else if (const auto id = fileId(path); id && inputById_.count(*id))
      replaced = inputById_.at(*id);
    if (replaced == i) return "not written, as it would replace the file being converted";
    if (replaced)
      return "not written, as it would replace " + bareName(inputs_[*replaced]) +
             ", a file selected for this run";
    const auto [earlier, isNew] = outputByName_.emplace(name, i);
    if (!isNew)
      return "not written, as " + bareName(inputs_[earlier->second]) +
             " gives an output of the same name in this run";
    return std::nullopt;
  }

 private:
  // The path as compared: absolute, without "." or "..", and in lower case where its
  // folder ignores case.
  std::string key(const std::string& path) const {
    const std::filesystem::path full = normalised(path);
    std::string text = full.string();
    const auto folds = foldsCase_.find(full.parent_path().string());
    if (folds != foldsCase_.end() && folds->second)
      for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }

  const std::vector<std::string>& inputs_;
  std::map<std::string, bool> foldsCase_;  // by folder, known from an existing input in it
  std::map<std::string, size_t> inputByName_;
  std::map<FileId, size_t> inputById_;
  std::map<std::string, size_t> outputByName_;
};

}  // namespace

std::string outputPath(const std::string& rawDataName, OutputFormat format) {
  // The extension is what follows the last dot of the file's own name; a name without
  // one keeps its whole name, so an output never lands outside the input's folder.
  const size_t nameStart = rawDataName.find_last_of('/') + 1;
  const size_t dot = rawDataName.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot > nameStart;
  return (hasExtension ? rawDataName.substr(0, dot) : rawDataName) + info(format).extension;
}

bool folderIgnoresCase(const std::string& path) {
  const std::filesystem::path file(path);
  std::string swapped = file.filename().string();
  for (char& c : swapped) c = swappedCase(c);
  if (swapped == file.filename().string()) return false;
  const auto id = fileId(path);
  return id && fileId((file.parent_path() / swapped).string()) == id;
}

RunPlan planOutputs(const std::vector<std::string>& inputs, const OutputSelection& outputs,
                    const std::function<bool(const std::string&)>& ignoresCase) {
  RunPlan plan;
  Planner planner(inputs, ignoresCase);
  const std::vector<OutputFormat> formats = writtenFormats(outputs);
  for (size_t i = 0; i < inputs.size(); ++i) {
    FilePlan file{inputs[i], {}};
    for (OutputFormat format : formats) {
      const std::string path = outputPath(inputs[i], format);
      file.outputs.push_back({format, path, planner.clash(i, path).value_or("")});
    }
    plan.push_back(std::move(file));
  }
  return plan;
}

}  // namespace lumo::converter
