// The layer editor through the session: scroll changes, typed entry, the Shift pause,
// the layer count and the paging.
#include "SessionFixture.h"

namespace lumo::test {
namespace {

using ui::Tool;

class SessionEditor : public SessionFixture {};

constexpr ScrollId thickness(int i) { return {ScrollFamily::Thickness, i}; }
constexpr ScrollId sld(int i) { return {ScrollFamily::SLD, i}; }

TEST_F(SessionEditor, WithCalculateFitUpAMoveChangesModelAndTextButDrawsNothing) {
  startWithData(2);
  const int before = session.calculationCount();
  const auto overlay = session.picPlot(1).overlayVersion();
  session.setScrollValue(thickness(1), 30);
  EXPECT_EQ(session.editor().control(thickness(1)).text, "30");
  EXPECT_FLOAT_EQ(session.model().Thickness[1], 30.0f);
  EXPECT_EQ(session.calculationCount(), before);
  EXPECT_EQ(session.picPlot(1).overlayVersion(), overlay);
}

TEST_F(SessionEditor, WithCalculateFitDownEveryMoveRecalculatesAndRefreshesTheCurves) {
  startWithData(2);
  setFitting(true);
  const auto persistent = session.picPlot(1).persistentVersion();
  const double before = session.store()[1].CalcR[20];
  const int calcs = session.calculationCount();
  session.setScrollValue(sld(1), 500);
  EXPECT_EQ(session.editor().control(sld(1)).text, "5");
  EXPECT_FLOAT_EQ(session.model().LayerSLD[1], 5e-6f);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_NE(session.store()[1].CalcR[20], before);
  // Only the overlay is redrawn, with one curve per plot.
  EXPECT_EQ(session.picPlot(1).persistentVersion(), persistent);
  EXPECT_EQ(curves(1), 1);
  EXPECT_EQ(curves(2), 1);
}

TEST_F(SessionEditor, SameValueRunsNoHandler) {
  startWithData(1);
  setFitting(true);
  const int calcs = session.calculationCount();
  session.setScrollValue(thickness(1), 14);
  session.setScrollValue(thickness(1), 1000);  // clamped to Max 50
  EXPECT_EQ(session.editor().value(thickness(1)), 50);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
}

struct TypedCase {
  ScrollId id;
  std::string typed;
  int wantValue;
  std::string wantText;
};

class SessionTypedEntry : public SessionFixture, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(SessionTypedEntry, TypedValuesSetTheScrollBarOrComeBack) {
  session.Form_Load();
  const TypedCase& c = GetParam();
  session.txtParameter_GotFocus(c.id);
  session.txtParameter_LostFocus(c.id, c.typed);
  EXPECT_EQ(session.editor().value(c.id), c.wantValue) << c.typed;
  EXPECT_EQ(session.editor().control(c.id).text, c.wantText) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionTypedEntry,
    ::testing::Values(TypedCase{thickness(1), "12.5", 12, "12"},
                      TypedCase{thickness(1), "13.5", 14, "14"},
                      TypedCase{thickness(1), "14.4", 14, "14"},  // rounds to the value held
                      TypedCase{thickness(1), "letters", 14, "14"},
                      TypedCase{thickness(1), "", 14, "14"},
                      TypedCase{thickness(1), "51", 14, "14"},
                      TypedCase{sld(1), "2.074", 207, "2.07"},
                      TypedCase{sld(1), "-1", -100, "-1"},
                      TypedCase{sld(1), "-1.5", 340, "3.4"},
                      TypedCase{sld(1), "x", 340, "3.4"},
                      TypedCase{ScrollId{ScrollFamily::Solvent, 1}, "99.5", 100, "100"},
                      TypedCase{ScrollId{ScrollFamily::Roughness, 0}, "100", 100, "100"}));

TEST_F(SessionEditor, ShiftPausesAndItsReleaseRecalculatesOnceWithAllChanges) {
  startWithData(3);
  setFitting(true);
  const int calcs = session.calculationCount();
  session.Form_KeyDown(ui::kShiftKey, 1);
  EXPECT_TRUE(session.CalcPaused());
  EXPECT_TRUE(session.tools()[Tool::SSCPause].visible);
  EXPECT_FALSE(session.tools()[Tool::SSRFitting].visible);

  session.setScrollValue(thickness(1), 40);
  session.setScrollValue(sld(1), 100);
  session.setScrollValue({ScrollFamily::SLDRun, 2}, 300);
  EXPECT_EQ(session.calculationCount(), calcs);
  EXPECT_EQ(session.editor().control(sld(1)).text, "1");

  session.Form_KeyUp(ui::kShiftKey, 0);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_FALSE(session.CalcPaused());
  EXPECT_TRUE(session.tools()[Tool::SSRFitting].visible);
  EXPECT_FALSE(session.tools()[Tool::SSCPause].visible);
  EXPECT_FLOAT_EQ(session.model().SolventSLD[2], 3e-6f);
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(curves(p), 1);
}

TEST_F(SessionEditor, ShiftDoesNothingWhileCalculateFitIsUp) {
  startWithData(1);
  session.Form_KeyDown(ui::kShiftKey, 1);
  EXPECT_FALSE(session.CalcPaused());
  session.Form_KeyUp(ui::kShiftKey, 0);
  session.Form_Resize();
  EXPECT_EQ(session.calculationCount(), 0);
}

TEST_F(SessionEditor, RaisingTheLayerCountEnablesZeroedLayers) {
  session.Form_Load();
  session.setScrollValue(thickness(3), 20);  // a disabled layer holding a value
  session.setScrollValue({ScrollFamily::NumLayers}, 4);
  for (int i = 2; i <= 4; ++i) {
    EXPECT_TRUE(session.editor().layerEnabled(i));
    for (ScrollFamily f : kLayerFamilies) {
      EXPECT_EQ(session.editor().value({f, i}), 0);
      EXPECT_EQ(session.editor().control({f, i}).text, "0");
    }
  }
  EXPECT_EQ(session.model().NumLayers, 4);
  EXPECT_EQ(session.editor().PrevNumLayers, 4);

  session.setScrollValue(thickness(4), 33);
  session.setScrollValue({ScrollFamily::NumLayers}, 2);
  EXPECT_FALSE(session.editor().layerEnabled(3));
  EXPECT_EQ(session.editor().value(thickness(4)), 0);
  session.setScrollValue({ScrollFamily::NumLayers}, 4);
  EXPECT_EQ(session.editor().value(thickness(4)), 0);
  EXPECT_FLOAT_EQ(session.model().Thickness[4], 0.0f);
  // Roughness 0 and the SLDs are never touched.
  EXPECT_EQ(session.editor().value({ScrollFamily::SolidSLD}), 207);
}

TEST_F(SessionEditor, LayerCountChangeWithFitRecalculatesOnce) {
  startWithData(2);
  setFitting(true);
  const int calcs = session.calculationCount();
  session.setScrollValue({ScrollFamily::NumLayers}, 5);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
}

TEST_F(SessionEditor, PagingShowsSixPanels) {
  session.Form_Load();
  session.setScrollValue({ScrollFamily::WhichLayers}, 15);
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(session.editor().layerVisible(i), i >= 15) << i;
  session.setScrollValue({ScrollFamily::WhichLayers}, 99);
  EXPECT_EQ(session.editor().firstVisibleLayer(), 15);
}

TEST_F(SessionEditor, GeometryOptionsSetTheIncidentSLD) {
  startWithData(1);
  setFitting(true);
  const int calcs = session.calculationCount();
  session.optAirLiquid_Click();
  EXPECT_EQ(session.editor().control({ScrollFamily::SolidSLD}).text, "0");
  EXPECT_FLOAT_EQ(session.model().IncidentSLD, 0.0f);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  session.optAirLiquid_Click();  // already 0: no recalculation
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  session.optSolidLiquid_Click();
  EXPECT_FLOAT_EQ(session.model().IncidentSLD, 2.07e-6f);
  EXPECT_TRUE(session.editor().optSolidLiquid);
}

}  // namespace
}  // namespace lumo::test
