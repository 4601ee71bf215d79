// The refinement in the real window at its start-up size, driven with the mouse: the
// tool button opens the panel, two tick boxes and Start run it on the window's timer,
// the table shows the result; Esc in a later run puts everything back.
#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "FittingSessionFixture.h"
#include "WindowFixture.h"
#include "ui/RefineFrame.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class MainWindowRefine : public WindowFixture {
 protected:
  void showWindow() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
  }
  // A click on a widget of the side column, scrolled into view first as a user would.
  void clickInColumn(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
      if (auto* area = qobject_cast<QScrollArea*>(p)) {
        area->ensureWidgetVisible(w);
        break;
      }
    QApplication::processEvents();
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  }
  void clickInColumn(const char* name) { clickInColumn(child<QWidget>(name)); }
  QTableWidget* table() const { return child<QTableWidget>("tblRefineResults"); }
  std::vector<QString> tableRow(int r) const {
    return {table()->item(r, 0)->text(), table()->item(r, 1)->text()};
  }
};

TEST_F(MainWindowRefine, TickTwoParametersRunAndSeeTheTableThenEscRestores) {
  EXPECT_FALSE(tool(Tool::SSCRefine)->isEnabled());
  EXPECT_EQ(menu(Menu::mnuRefine), tool(Tool::SSCRefine));
  EXPECT_EQ(menu(Menu::mnuRefine)->text(), QStringLiteral("&Refine…"));
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) {
    putAtTruth(s, {{{ScrollFamily::Thickness, 1}, 45}, {{ScrollFamily::Roughness, 0}, 9}});
  });
  showWindow();
  ASSERT_TRUE(tool(Tool::SSCRefine)->isEnabled());
  QTest::mouseClick(window.actions().toolButton(Tool::SSCRefine), Qt::LeftButton);
  auto* frame = child<ui::RefineFrame>("frameRefine");
  ASSERT_TRUE(frame->isVisible());
  EXPECT_EQ(child<QLabel>("lblRefineMeasure")->text(), QStringLiteral("Measure: Least Square Difference"));
  EXPECT_EQ(frame->findChildren<QCheckBox*>().size(), 9);
  EXPECT_EQ(child<QCheckBox>("chkRefineSolvent2")->text(), QStringLiteral("% Solvent Layer 2"));
  EXPECT_FALSE(table()->isVisible());

  clickInColumn("chkRefineThickness1");
  clickInColumn("chkRefineRoughness0");
  EXPECT_TRUE(session().refinePanel().ticked(thicknessBar(1)));
  EXPECT_TRUE(session().refinePanel().ticked(roughnessBar(0)));
  clickInColumn("cmdRefineStart");
  ASSERT_TRUE(session().fitRunning());
  EXPECT_FALSE(frame->isEnabled());
  EXPECT_FALSE(tool(Tool::SSCRefine)->isEnabled());
  EXPECT_FALSE(row(0)->scrollBar()->isEnabled());
  ASSERT_TRUE(waitFor([&] { return !session().fitRunning(); }));

  EXPECT_EQ(row(0)->scrollBar()->value(), 30);
  EXPECT_EQ(row(0)->textBox()->text(), "30");
  EXPECT_EQ(session().editor().value(roughnessBar(0)), 3);
  ASSERT_TRUE(table()->isVisible());
  ASSERT_EQ(table()->rowCount(), 2);
  // In the panel's order: "Roughness Layer 0" comes first.
  EXPECT_EQ(tableRow(0)[0], QStringLiteral("Roughness Layer 0"));
  EXPECT_TRUE(tableRow(0)[1].startsWith(QStringLiteral("3 ± "))) << tableRow(0)[1].toStdString();
  EXPECT_EQ(tableRow(1)[0], QStringLiteral("Thickness Layer 1"));
  EXPECT_TRUE(tableRow(1)[1].startsWith(QStringLiteral("30 ± "))) << tableRow(1)[1].toStdString();
  EXPECT_TRUE(child<QLabel>("lblRefineSummary")->text().endsWith(QStringLiteral("over 120 points, 2 parameters refined")))
      << child<QLabel>("lblRefineSummary")->text().toStdString();
  EXPECT_TRUE(tool(Tool::SSCRefine)->isEnabled());

  // A second run from far away, ended with Esc: bars, boxes, curves and table as before.
  window.run([](ui::MainSession& s) { s.setScrollValue(thicknessBar(1), 45); });
  for (const char* box : {"chkRefineSLD1", "chkRefineSolvent1", "chkRefineSLD2"}) clickInColumn(box);
  const LayerModel model = session().model();
  const QString residual = QString::fromStdString(session().lblCumulativeResidual());
  const double curve = session().store()[1].CalcR[10];
  clickInColumn("cmdRefineStart");
  ASSERT_TRUE(session().fitRunning());
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(session().fitRunning());
  EXPECT_EQ(session().model().Thickness, model.Thickness);
  EXPECT_EQ(session().model().LayerSLD, model.LayerSLD);
  EXPECT_EQ(row(0)->scrollBar()->value(), 45);
  EXPECT_EQ(row(0)->textBox()->text(), "45");
  EXPECT_EQ(QString::fromStdString(session().lblCumulativeResidual()), residual);
  EXPECT_EQ(session().store()[1].CalcR[10], curve);
  EXPECT_EQ(table()->rowCount(), 2);
  EXPECT_TRUE(frame->isEnabled());

  clickInColumn("cmdRefineCancel");
  EXPECT_FALSE(frame->isVisible());
}

}  // namespace
}  // namespace lumo::test
