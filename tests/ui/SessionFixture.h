#pragma once
// A main-window session in a scratch folder, with scripted dialogs and data files
// written by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "files/DataFile.h"
#include "files/JoinText.h"
#include "files/NumberText.h"
#include "platform/Clock.h"
#include "platform/ScriptedDialogs.h"
#include "platform/WorkingFolder.h"
#include "ui/MainSession.h"

namespace lumo::test {

// Joins texts (without the "literal" + string temporaries that upset g++ 12's
// -Wrestrict).
template <class... Parts>
std::string cat(const Parts&... parts) {
  return text::join(parts...);
}

constexpr ScrollId thicknessBar(int i) { return {ScrollFamily::Thickness, i}; }
constexpr ScrollId sldBar(int i) { return {ScrollFamily::SLD, i}; }
constexpr ScrollId solventBar(int i) { return {ScrollFamily::Solvent, i}; }
constexpr ScrollId roughnessBar(int i) { return {ScrollFamily::Roughness, i}; }

// A reflectivity-like curve: R falls from about 1 by four decades over the Q range,
// with 5 % errors.
inline std::vector<DataPoint> decayingCurve(int points, double q1 = 0.01, double q2 = 0.25) {
  std::vector<DataPoint> out;
  for (int i = 0; i < points; ++i) {
    const double q = q1 + (q2 - q1) * i / std::max(points - 1, 1);
    const double r = std::pow(10.0, -4.0 * (q - q1) / (q2 - q1)) * (1 + 0.2 * std::sin(60 * q));
    out.push_back({q, r, 0.05 * r});
  }
  return out;
}

// The text of a data file as the program writes it.
inline std::string dataFileText(const std::string& title, double solventSLD,
                                const std::vector<DataPoint>& points, long announced = -1) {
  std::string t = cat("\"LUMO\"\r\n\"", title, "\"\r\n", text::shortestDouble(solventSLD), "\r\n",
                      std::to_string(announced < 0 ? static_cast<long>(points.size()) : announced),
                      "\r\n");
  for (const DataPoint& p : points)
    t += cat(text::shortestDouble(p.q), ",", text::shortestDouble(p.r), ",",
             text::shortestDouble(p.dr), "\r\n");
  return t;
}

template <class T>
int countOf(const PrimitiveList& list) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [](const auto& p) { return std::holds_alternative<T>(p); }));
}

// A scratch working folder, scripted dialogs, and data files written into the folder.
class ScratchFixture : public ::testing::Test {
 protected:
  ScratchDir dir;
  ScriptedDialogs dialogs;
  FixedWorkingFolder folder{dir.path().string()};

  std::string writeData(const std::string& name, double sld = 6.35, int points = 40) {
    return dir.write(name, dataFileText(name, sld, decayingCurve(points)));
  }
  // "set1.vld" .. "set<count>.vld" with solvent SLDs 6.35, 4, 2.07, -0.56.
  std::vector<std::string> writeDataSets(int count, int points = 40) {
    const double slds[] = {6.35, 4.0, 2.07, -0.56};
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
      paths.push_back(writeData(cat("set", std::to_string(i + 1), ".vld"), slds[i], points));
    return paths;
  }
  // Answers the dialogs of "Open Data Files" with these paths, then cancels.
  void queueFiles(const std::vector<std::string>& paths) {
    for (const auto& p : paths) dialogs.queueFile(p);
    if (paths.size() < 4) dialogs.queueCancel();
  }
};

class SessionFixture : public ScratchFixture {
 protected:
  // Fits are cut into slices by a clock that moves 1 ms at every reading.
  SteppingClock clock{std::chrono::milliseconds(1)};
  ui::MainSession session{dialogs, folder, &clock};

  // "Open Data Files" with these paths.
  void open(const std::vector<std::string>& paths) {
    queueFiles(paths);
    session.toolClicked(ui::Tool::SSROpenData, true);
  }
  // Starts the window and opens `count` data files (see writeDataSets).
  void startWithData(int count, int points = 40) {
    session.Form_Load();
    open(writeDataSets(count, points));
  }
  void setFitting(bool on) { session.toolClicked(ui::Tool::SSRFitting, on); }

  int curves(int p) const { return countOf<PolylinePrimitive>(session.picPlot(p).overlay()); }
  int dataCircles(int p) const { return countOf<CirclePrimitive>(session.picPlot(p).persistent()); }
  const PolylinePrimitive& curve(int p) const {
    return std::get<PolylinePrimitive>(session.picPlot(p).overlay()[0]);
  }
  const std::string& message(size_t i = 0) const { return dialogs.messages.at(i).text; }
};

}  // namespace lumo::test
