// The layer editor through the session: scroll changes, typed entry, the Shift pause,
// the layer count and the paging.
#include "SessionFixture.h"

namespace lumo::test {
namespace {

class SessionEditor : public SessionFixture {};

// With "Calculate Fit" up a move changes model and text and draws nothing; with it
// down every change of value recalculates once and refreshes the curves alone.
TEST_F(SessionEditor, MovesRecalculateOnlyWithCalculateFitDown) {
  startWithData(2);
  int calcs = session.calculationCount();
  const auto overlay = session.picPlot(1).overlayVersion();
  session.setScrollValue(thicknessBar(1), 30);
  EXPECT_EQ(session.editor().control(thicknessBar(1)).text, "30");
  EXPECT_FLOAT_EQ(session.model().Thickness[1], 30.0f);
  EXPECT_EQ(session.calculationCount(), calcs);
  EXPECT_EQ(session.picPlot(1).overlayVersion(), overlay);

  setFitting(true);
  const auto persistent = session.picPlot(1).persistentVersion();
  const double before = session.store()[1].CalcR[20];
  calcs = session.calculationCount();
  session.setScrollValue(sldBar(1), 500);
  EXPECT_EQ(session.editor().control(sldBar(1)).text, "5");
  EXPECT_FLOAT_EQ(session.model().LayerSLD[1], 5e-6f);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_NE(session.store()[1].CalcR[20], before);
  EXPECT_EQ(session.picPlot(1).persistentVersion(), persistent);
  EXPECT_EQ(curves(1), 1);
  EXPECT_EQ(curves(2), 1);

  session.setScrollValue(sldBar(1), 500);           // the same value runs no handler
  session.setScrollValue(thicknessBar(1), 1000);    // clamped to Max 50
  EXPECT_EQ(session.editor().value(thicknessBar(1)), 50);
  session.setScrollValue({ScrollFamily::NumLayers}, 5);
  EXPECT_EQ(session.calculationCount(), calcs + 3);
}

struct TypedCase {
  ScrollId id;
  std::string typed;
  int wantValue;
  std::string wantText;
};

class SessionTypedEntry : public SessionFixture, public ::testing::WithParamInterface<TypedCase> {};

// Halves round to even; text that is no number or lies outside the bar's range (before
// rounding) puts back the value the box had when it took the focus.
TEST_P(SessionTypedEntry, TypedValuesSetTheScrollBarOrComeBack) {
  session.Form_Load();
  const TypedCase& c = GetParam();
  session.txtParameter_GotFocus(c.id);
  session.txtParameter_LostFocus(c.id, c.typed);
  EXPECT_EQ(session.editor().value(c.id), c.wantValue) << c.typed;
  EXPECT_EQ(session.editor().control(c.id).text, c.wantText) << c.typed;
}

// Thickness 1 holds 14 in 0..50; SLD 1 holds 3.4 in -1..8.
INSTANTIATE_TEST_SUITE_P(
    Cases, SessionTypedEntry,
    ::testing::Values(TypedCase{thicknessBar(1), "12.5", 12, "12"},
                      TypedCase{thicknessBar(1), "13.5", 14, "14"},
                      TypedCase{thicknessBar(1), "14.4", 14, "14"},  // rounds to the value held
                      TypedCase{thicknessBar(1), " 7 ", 7, "7"},
                      TypedCase{thicknessBar(1), "1e1", 10, "10"},
                      TypedCase{thicknessBar(1), "50", 50, "50"},
                      TypedCase{thicknessBar(1), "letters", 14, "14"},
                      TypedCase{thicknessBar(1), "", 14, "14"},
                      TypedCase{thicknessBar(1), "50.4", 14, "14"},
                      TypedCase{thicknessBar(1), "-0.5", 14, "14"},
                      TypedCase{sldBar(1), "2.074", 207, "2.07"},
                      TypedCase{sldBar(1), "-1", -100, "-1"},
                      TypedCase{sldBar(1), "-1.5", 340, "3.4"},
                      TypedCase{sldBar(1), "9", 340, "3.4"},
                      TypedCase{sldBar(1), "2,5", 340, "3.4"},
                      TypedCase{solventBar(1), "99.5", 100, "100"},
                      TypedCase{roughnessBar(0), "100", 100, "100"}));

TEST_F(SessionEditor, ShiftPausesAndItsReleaseRecalculatesOnceWithAllChanges) {
  startWithData(3);
  session.Form_KeyDown(ui::kShiftKey, 1);  // Calculate Fit is up: nothing to pause
  EXPECT_FALSE(session.CalcPaused());
  session.Form_KeyUp(ui::kShiftKey, 0);
  session.Form_Resize();
  EXPECT_EQ(session.calculationCount(), 0);

  setFitting(true);
  const int calcs = session.calculationCount();
  session.Form_KeyDown(ui::kShiftKey, 1);
  EXPECT_TRUE(session.CalcPaused());

  session.setScrollValue(thicknessBar(1), 40);
  session.setScrollValue(sldBar(1), 100);
  session.setScrollValue({ScrollFamily::SLDRun, 2}, 300);
  EXPECT_EQ(session.calculationCount(), calcs);
  EXPECT_EQ(session.editor().control(sldBar(1)).text, "1");

  session.Form_KeyUp(ui::kShiftKey, 0);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_FALSE(session.CalcPaused());
  EXPECT_FLOAT_EQ(session.model().SolventSLD[2], 3e-6f);
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(curves(p), 1);
}

TEST_F(SessionEditor, RaisingTheLayerCountEnablesZeroedLayersAndPagingShowsSix) {
  session.Form_Load();
  session.setScrollValue(thicknessBar(3), 20);  // a disabled layer holding a value
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

  session.setScrollValue(thicknessBar(4), 33);
  session.setScrollValue({ScrollFamily::NumLayers}, 2);
  EXPECT_FALSE(session.editor().layerEnabled(3));
  EXPECT_EQ(session.editor().value(thicknessBar(4)), 0);
  session.setScrollValue({ScrollFamily::NumLayers}, 4);
  EXPECT_EQ(session.editor().value(thicknessBar(4)), 0);
  EXPECT_FLOAT_EQ(session.model().Thickness[4], 0.0f);
  // Roughness 0 and the SLDs are never touched.
  EXPECT_EQ(session.editor().value({ScrollFamily::SolidSLD}), 207);

  // Paging shows six panels, the last page from layer 15.
  session.setScrollValue({ScrollFamily::WhichLayers}, 99);
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(session.editor().layerVisible(i), i >= 15) << i;
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
