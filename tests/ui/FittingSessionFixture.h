#pragma once
// A session with two data sets measured from a known two-layer model, so that a fit of
// any parameter has one right answer: the scroll value of the true model; and the
// team's measured curves written in the program's own data format.
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "SessionFixture.h"
#include "fitting/LayerParameter.h"
#include "model/CalcGrid.h"
#include "model/EngineFixtures.h"
#include "model/ReflectivityEngine.h"
#include "plot/StandardColour.h"

namespace lumo::test {

using ScrollValues = std::map<std::pair<ScrollFamily, int>, int>;

// Scroll values of the true model; the incident medium is silicon (207), the two
// contrasts D2O (635) and H2O (-56).
inline const ScrollValues& truthValues() {
  static const ScrollValues values = {
      {{ScrollFamily::Thickness, 1}, 30}, {{ScrollFamily::Thickness, 2}, 12},
      {{ScrollFamily::SLD, 1}, 347},      {{ScrollFamily::SLD, 2}, 100},
      {{ScrollFamily::Solvent, 1}, 5},    {{ScrollFamily::Solvent, 2}, 20},
      {{ScrollFamily::Roughness, 0}, 3},  {{ScrollFamily::Roughness, 1}, 4},
      {{ScrollFamily::Roughness, 2}, 2},
  };
  return values;
}
inline int truth(ScrollId id) { return truthValues().at({id.family, id.index}); }
inline constexpr int kContrasts[] = {0, 635, -56};

inline LayerModel truthModel() {
  using fitting::modelValueOf;
  using fitting::ParameterFamily;
  LayerModel m;
  m.NumLayers = 2;
  m.IncidentSLD = modelValueOf(ParameterFamily::SLD, 207);
  for (int k = 1; k <= 2; ++k) m.SolventSLD[k] = modelValueOf(ParameterFamily::SLD, kContrasts[k]);
  m.Roughness[0] = 3;
  for (int i = 1; i <= 2; ++i) {
    m.Thickness[i] = static_cast<float>(truth(thicknessBar(i)));
    m.LayerSLD[i] = modelValueOf(ParameterFamily::SLD, truth(sldBar(i)));
    m.SolventFraction[i] = modelValueOf(ParameterFamily::Solvent, truth(solventBar(i)));
    m.Roughness[i] = static_cast<float>(truth(roughnessBar(i)));
  }
  return m;
}

// The true model's reflectivity of contrast k at `points` Q values, with 5 % errors.
inline std::vector<DataPoint> truthCurve(int k, int points) {
  DataStore store = storeWithQ(evenQ(0.01, 0.25, points), 2);
  CalcOptions linear;
  linear.logY = false;
  ReflectivityEngine engine;
  engine.Prof_Calc_1(truthModel(), store, linear);
  engine.Prof_Calc_2(truthModel(), store, linear);
  std::vector<DataPoint> out;
  for (int pt = 1; pt <= points; ++pt)
    out.push_back({store[k].DataQ[pt], store[k].CalcR[pt], 0.05 * store[k].CalcR[pt]});
  return out;
}

// Both contrasts of the true model written as data files; their paths.
inline std::vector<std::string> writeTruthFiles(const ScratchDir& dir, int points) {
  std::vector<std::string> paths;
  for (int k = 1; k <= 2; ++k)
    paths.push_back(dir.write(cat("contrast", std::to_string(k), ".vld"),
                              dataFileText(cat("Contrast ", std::to_string(k)), kContrasts[k] / 100.0,
                                           truthCurve(k, points))));
  return paths;
}

// Two layers, every parameter on its true value except those given in `away`.
inline void putAtTruth(ui::MainSession& session, const ScrollValues& away = {}) {
  session.setScrollValue({ScrollFamily::NumLayers}, 2);
  for (const auto& [key, value] : truthValues()) {
    const auto moved = away.find(key);
    session.setScrollValue({key.first, key.second}, moved == away.end() ? value : moved->second);
  }
}

// Writes `measuredName`, one of the team's measured curves ("Q,R,dR" per line), as
// "<measuredName>.vld", with the instrument's background removed from R and then R and
// dR divided by its scale; points that fall to zero or below are dropped.
inline std::string convertMeasured(const std::filesystem::path& measured, const ScratchDir& dir,
                                   const std::string& measuredName, double solventSLD,
                                   double background = 0, double scale = 1) {
  std::vector<DataPoint> points;
  std::ifstream in(measured / measuredName);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    DataPoint p;
    char comma = 0;
    if (!(fields >> p.q >> comma >> p.r >> comma >> p.dr)) continue;
    p.r = (p.r - background) / scale;
    p.dr /= scale;
    if (p.r > 0) points.push_back(p);
  }
  std::string title = measuredName.substr(0, measuredName.rfind('.'));
  std::replace(title.begin(), title.end(), '_', ' ');
  return dir.write(cat(measuredName, ".vld"), dataFileText(title, solventSLD, points));
}

// One oxide layer (SLD 3.47, 5 % solvent) on silicon, "Roughness Layer 0" 3 Å and the
// layer's roughness 2 Å: the model of the measured silicon blocks.
inline void putOxideModel(ui::MainSession& s) {
  s.setScrollValue(sldBar(1), 347);
  s.setScrollValue(solventBar(1), 5);
  s.setScrollValue(roughnessBar(0), 3);
  s.setScrollValue(roughnessBar(1), 2);
}

class FittingSession : public SessionFixture {
 protected:
  // Opens both contrasts and puts the model on the truth, except for `away`.
  void startAtTruth(const ScrollValues& away = {}) {
    session.Form_Load();
    open(writeTruthFiles(dir, 60));
    putAtTruth(session, away);
  }

  // The residual display on with least squares or chi squared.
  void showResidual(bool chiSquared = false) {
    session.toolClicked(ui::Tool::SSRResidual, true);
    chiSquared ? session.optChiSquared_Click() : session.optLeastSquares_Click();
    session.cmdResidualOK_Click();
  }

  // Automatic fitting on, and its panel closed with `constrain` chosen or not.
  void autoFitOn(bool constrain = false) {
    session.toolClicked(ui::Tool::SSRAutoFit, true);
    constrain ? session.optFitConstrainThickness_Click() : session.optFitStandard_Click();
    session.cmdAutoFitOK_Click();
  }

  void finishFit() {
    while (session.fitRunning()) session.fitTick();
  }

  // Everything a run may write to (model, scroll bars, text boxes, label colours, the
  // cumulative residual), as text to compare before and after.
  std::string shown() const {
    std::ostringstream s;
    const LayerModel& m = session.model();
    s << std::hexfloat << session.lblCumulativeResidual();
    for (int i = 0; i <= kMaxLayers; ++i) {
      s << '\n' << m.Thickness[i] << ' ' << m.LayerSLD[i] << ' ' << m.SolventFraction[i] << ' ' << m.Roughness[i];
      for (ScrollFamily f : kLayerFamilies)
        if (i > 0 || f == ScrollFamily::Roughness)
          s << " | " << value({f, i}) << ' ' << text({f, i}) << ' ' << labelColour({f, i});
    }
    return s.str();
  }

  const ui::FittingPanels& panels() const { return session.fittingPanels(); }
  int value(ScrollId id) const { return session.editor().value(id); }
  const std::string& text(ScrollId id) const { return session.editor().control(id).text; }
  int labelColour(ScrollId id) const { return session.editor().control(id).labelColour; }
};

}  // namespace lumo::test
