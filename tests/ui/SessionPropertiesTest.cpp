// The scroll-bar properties dialog through the session: the boxes of one layer, Set,
// Default (also on "Roughness Layer 0") and the faults that change nothing.
#include "SessionFixture.h"

namespace lumo::test {
namespace {

using ui::ScrollProperty;

class SessionProperties : public SessionFixture {
 protected:
  void type(ScrollFamily f, ScrollProperty p, const std::string& text) { session.setPropertyText(f, p, text); }
  const std::string& box(ScrollFamily f, ScrollProperty p) const { return session.scrollProperties().box(f, p); }
};

TEST_F(SessionProperties, OpensOnLayerOneAndFollowsTheSelector) {
  session.Form_Load();
  session.setScrollProperties(thicknessBar(3), ScrollBar{5, 300, 2, 20, 0});
  session.menuClicked(ui::Menu::mnuSetScrollBarProperties);
  EXPECT_TRUE(session.scrollProperties().visible);
  EXPECT_EQ(box(ScrollFamily::Thickness, ScrollProperty::Max), "50");
  EXPECT_EQ(box(ScrollFamily::SLD, ScrollProperty::Min), "-1");
  EXPECT_EQ(box(ScrollFamily::SLD, ScrollProperty::SmallChange), "0.01");
  EXPECT_EQ(box(ScrollFamily::SLD, ScrollProperty::LargeChange), "0.1");
  session.hsbWhichLayerProperties_Change(3);
  EXPECT_EQ(box(ScrollFamily::Thickness, ScrollProperty::Min), "5");
  EXPECT_EQ(box(ScrollFamily::Thickness, ScrollProperty::LargeChange), "20");
  session.CmdOK2_Click();
  session.toolClicked(ui::Tool::SSCSetProperties);
  EXPECT_EQ(session.scrollProperties().whichLayer, 1);
  EXPECT_EQ(box(ScrollFamily::Thickness, ScrollProperty::Min), "0");
}

// Only the selected layer changes; a new Max below the value moves the value and the
// model follows, calculated once.
TEST_F(SessionProperties, SetChangesOneLayerAndMovesAValueOutOfRange) {
  startWithData(1);
  setFitting(true);
  session.setScrollValue({ScrollFamily::NumLayers}, 2);
  session.setScrollValue(thicknessBar(2), 40);
  const int calculations = session.calculationCount();
  session.SSCSetProperties_Click();
  session.hsbWhichLayerProperties_Change(2);
  type(ScrollFamily::Thickness, ScrollProperty::Max, "30");
  type(ScrollFamily::SLD, ScrollProperty::SmallChange, "0.05");
  type(ScrollFamily::SLD, ScrollProperty::Min, "-2.5");
  session.cmdSetProperties_Click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session.editor().bar(thicknessBar(2)).Max, 30);
  EXPECT_EQ(session.editor().value(thicknessBar(2)), 30);
  EXPECT_EQ(session.model().Thickness[2], 30.0f);
  EXPECT_EQ(session.editor().control(thicknessBar(2)).text, "30");
  EXPECT_EQ(session.editor().bar(sldBar(2)).SmallChange, 5);
  EXPECT_EQ(session.editor().bar(sldBar(2)).Min, -250);
  EXPECT_EQ(session.editor().bar(thicknessBar(1)).Max, 50);
  EXPECT_EQ(session.calculationCount(), calculations + 1);
  EXPECT_EQ(curves(1), 1);
}

// Every fault names its box and changes no bar, also those whose boxes come first.
TEST_F(SessionProperties, AFaultNamesItsBoxAndAppliesNothing) {
  session.Form_Load();
  const struct {
    ScrollFamily family;
    ScrollProperty property;
    const char* text;
    const char* said;
  } cases[] = {
      {ScrollFamily::Thickness, ScrollProperty::Max, "abc", "\"Max\" box of \"Thickness\" holds \"abc\""},
      {ScrollFamily::Thickness, ScrollProperty::Min, "60", "Min of \"Thickness\" (60) must be below its Max (50)"},
      {ScrollFamily::Roughness, ScrollProperty::SmallChange, "0", "\"Small Change\" box of \"Roughness\""},
      {ScrollFamily::SLD, ScrollProperty::SmallChange, "0.004", "at least 0.01"},
      {ScrollFamily::Solvent, ScrollProperty::Max, "40000", "(-32768 to 32767)"},
      {ScrollFamily::SLD, ScrollProperty::Max, "400", "(-327.68 to 327.67)"},
  };
  for (const auto& c : cases) {
    session.SSCSetProperties_Click();
    type(ScrollFamily::Thickness, ScrollProperty::LargeChange, "7");
    type(c.family, c.property, c.text);
    dialogs.messages.clear();
    session.cmdSetProperties_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.text;
    EXPECT_NE(message().find(c.said), std::string::npos) << message();
    EXPECT_EQ(session.editor().bar(thicknessBar(1)).LargeChange, 5) << c.text;
  }
}

TEST_F(SessionProperties, DefaultResetsEveryLayerAndRoughnessLayerZero) {
  session.Form_Load();
  session.setScrollValue({ScrollFamily::NumLayers}, 3);
  session.setScrollValue(sldBar(3), 800);
  session.SSCSetProperties_Click();
  session.cmdDefault_Click();
  EXPECT_EQ(box(ScrollFamily::SLD, ScrollProperty::LargeChange), "0.5");
  for (int k : {1, 20}) {
    EXPECT_EQ(session.editor().bar(thicknessBar(k)).Max, 100);
    EXPECT_EQ(session.editor().bar(sldBar(k)).Min, -1000);
    EXPECT_EQ(session.editor().bar(sldBar(k)).LargeChange, 50);
    EXPECT_EQ(session.editor().bar(solventBar(k)).LargeChange, 5);
    EXPECT_EQ(session.editor().bar(roughnessBar(k)).LargeChange, 10);
  }
  const ScrollBar& r0 = session.editor().bar(roughnessBar(0));
  EXPECT_EQ(r0.Max, 100);
  EXPECT_EQ(r0.LargeChange, 10);
  EXPECT_EQ(session.editor().value(sldBar(3)), 800);  // inside the new range, unmoved
}

}  // namespace
}  // namespace lumo::test
