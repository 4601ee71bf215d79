#include "editor/TypedEntry.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/LayerEditorState.h"

namespace lumo {
namespace {

struct EntryCase {
  std::string typed;
  double scale;
  float focusValue;
  int wantValue;
  bool wantAccepted;
};

class TypedEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(TypedEntryTest, RoundsHalvesToEvenOrRestoresTheFocusValue) {
  const EntryCase& c = GetParam();
  const ScrollBar thicknessOrSld = c.scale == 1 ? ScrollBar{0, 50, 1, 5, 20} : ScrollBar{-100, 800, 1, 10, 340};
  const TypedEntry e = applyTypedEntry(c.typed, thicknessOrSld, c.scale, c.focusValue);
  EXPECT_EQ(e.scrollValue, c.wantValue) << c.typed;
  EXPECT_EQ(e.accepted, c.wantAccepted) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedEntryTest,
    ::testing::Values(EntryCase{"12.5", 1, 20, 12, true},    // halves to even
                      EntryCase{"13.5", 1, 20, 14, true},
                      EntryCase{" 7 ", 1, 20, 7, true},      // blanks around the number
                      EntryCase{"abc", 1, 20, 20, false},    // not a number
                      EntryCase{"", 1, 20, 20, false},       // empty
                      EntryCase{"50.4", 1, 20, 20, false},   // above Max
                      EntryCase{"-0.5", 1, 20, 20, false},   // below Min
                      EntryCase{"50", 1, 20, 50, true},      // Max itself
                      EntryCase{"1e1", 1, 20, 10, true},
                      EntryCase{"2.074", 100, 3.4f, 207, true},
                      EntryCase{"-1", 100, 3.4f, -100, true},
                      EntryCase{"9", 100, 3.4f, 340, false},  // 900 is beyond 800
                      EntryCase{"2,5", 100, 3.4f, 340, false}));

TEST(TypedEntry, RoundHalfEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(1e9), 32767);
  EXPECT_EQ(roundHalfEven(-1e9), -32768);
}

TEST(LayerEditorState, TextFormsAndLayout) {
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLD, 207), "2.07");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLDRun, -56), "-0.56");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SolidSLD, 200), "2");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLD, 5), "0.05");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::Thickness, 14), "14");

  const LayerEditorState e;
  EXPECT_EQ(e.bar({ScrollFamily::Roughness, 0}).Max, 100);
  EXPECT_EQ(e.bar({ScrollFamily::Roughness, 3}).Max, 50);
  EXPECT_EQ(e.bar({ScrollFamily::SLD, 3}).Min, -100);
  EXPECT_EQ(e.bar({ScrollFamily::WhichLayers}).Max, 15);
  EXPECT_EQ(e.bar({ScrollFamily::WhichLayers}).LargeChange, 6);
  EXPECT_EQ(e.value({ScrollFamily::NumLayers}), 2);
  EXPECT_TRUE(e.layerVisible(6));
  EXPECT_FALSE(e.layerVisible(7));
  EXPECT_THROW(e.control({ScrollFamily::SLDRun, 5}), std::out_of_range);
}

}  // namespace
}  // namespace lumo
