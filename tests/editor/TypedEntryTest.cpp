// The typed-entry cases go through the session (tests/ui SessionEditorTest); here the
// pieces beneath them.
#include "editor/TypedEntry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/LayerEditorState.h"

namespace lumo {
namespace {

TEST(TypedEntry, RoundHalfEvenWithinTheScrollBarsIntegers) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(1e9), 32767);
  EXPECT_EQ(roundHalfEven(-1e9), -32768);
}

TEST(LayerEditorState, TextFormsAndControlBounds) {
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLD, 207), "2.07");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLDRun, -56), "-0.56");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SolidSLD, 200), "2");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::SLD, 5), "0.05");
  EXPECT_EQ(LayerEditorState::textForm(ScrollFamily::Thickness, 14), "14");
  EXPECT_THROW(LayerEditorState().control({ScrollFamily::SLDRun, 5}), std::out_of_range);
}

}  // namespace
}  // namespace lumo
