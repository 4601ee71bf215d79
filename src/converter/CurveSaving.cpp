#include "converter/CurveSaving.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "converter/SaveData.h"
#include "files/FileText.h"

namespace lumo::converter {
namespace {

const char* const kFilter = "Lumo Files (*.VLD)|*.VLD|All Files (*.*)|*.*";

struct PlannedFile {
  int curve;
  std::string path;
};

// True when `b` names the file `a` (the same name, or another name of the same file, as
// on a volume that ignores case).
bool isSameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code ec;
  return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

void tell(Dialogs& dialogs, const std::string& text, const std::string& title) {
  dialogs.showMessage({text, title, MessageIcon::Exclamation, MessageButtons::Ok});
}

std::string bareName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

// Why `path` cannot take curve k, or nothing when it can (after the user agreed to
// replace a file that exists).
std::optional<std::string> refusal(const PlotStore& store, const std::vector<PlannedFile>& planned,
                                   const std::string& path, Dialogs& dialogs) {
  for (int j = 1; j <= store.NumPlots(); ++j)
    if (isSameFile(store.curve(j).PlotFullName, path))
      return path + "\n\nis the file curve " + std::to_string(j) +
             " was read from, which is never replaced. Choose another name.";
  for (const PlannedFile& p : planned)
    if (isSameFile(p.path, path))
      return path + "\n\nis already chosen for curve " + std::to_string(p.curve) + ".";
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::nullopt;
  const Message ask{path + "\n\nalready exists. Do you want to replace it?", "Save Curve",
                    MessageIcon::Question, MessageButtons::YesNo};
  if (dialogs.showMessage(ask) == MessageAnswer::Yes) return std::nullopt;
  return std::string{};  // declined: ask again without a message
}

// The file for curve k, or nothing when the user cancels.
std::optional<std::string> chooseFileFor(const PlotStore& store, int k,
                                         const std::vector<PlannedFile>& planned,
                                         Dialogs& dialogs) {
  const PlotCurve& c = store.curve(k);
  FileDialogRequest request{true,
                            "Save Curve " + std::to_string(k) + " of " +
                                std::to_string(store.NumPlots()) + ": " + c.PlotName,
                            kFilter,
                            proposedCurvePath(c.PlotFullName),
                            "VLD",
                            true};
  while (auto path = dialogs.chooseFile(request)) {
    const auto why = refusal(store, planned, *path, dialogs);
    if (!why) return path;
    if (!why->empty()) tell(dialogs, *why, "Save Curve");
    request.fileName = *path;
  }
  return std::nullopt;
}

}  // namespace

ConvData curveData(const PlotCurve& curve) {
  ConvData d;
  d.ConvNumPoints = std::min(curve.PlotCount, kMaxConvPoints);
  for (int i = 1; i <= d.ConvNumPoints; ++i) {
    const auto at = static_cast<size_t>(i);
    d.ConvQ[at] = curve.PlotX[at];
    d.ConvR[at] = curve.PlotY[at];
    d.ConvdR[at] = curve.PlotdR[at];
  }
  return d;
}

std::string proposedCurvePath(const std::string& source) {
  const std::string path = outputPath(source, OutputFormat::Lumo);
  if (!isSameFile(source, path)) return path;
  return path.substr(0, path.size() - 4) + "_corrected.VLD";
}

void saveShownCurves(const PlotStore& store, Dialogs& dialogs) {
  std::vector<PlannedFile> planned;
  for (int k = 1; k <= store.NumPlots(); ++k) {
    auto path = chooseFileFor(store, k, planned, dialogs);
    if (!path) return;
    planned.push_back({k, *path});
  }
  for (const PlannedFile& p : planned) {
    if (auto error = text::writeTextFileAtomically(
            p.path, formatSavedCurve(curveData(store.curve(p.curve))))) {
      tell(dialogs, "Error Saving File!\n\n" + p.path + "\n" + *error, "Save Curve");
      return;
    }
    dialogs.showMessage(
        {"File Saved!", bareName(p.path), MessageIcon::Information, MessageButtons::OkCancel});
  }
}

}  // namespace lumo::converter
