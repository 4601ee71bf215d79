// The real window on the offscreen platform, driven with the mouse as a user drives it:
// a Q range dragged on a plot, a background picked on it and subtracted, the set saved
// and opened again.
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstdlib>

#include "FittingSessionFixture.h"
#include "Screenshots.h"
#include "WindowFixture.h"
#include "files/DisplayScale.h"
#include "plot/PlotWidget.h"

namespace lumo::test {
namespace {

using ui::Tool;

class MainWindowDataOps : public WindowFixture {
 protected:
  // The pixel of stored (q, r) on plot 1, as painted now.
  QPoint pixel(double q, double r) const {
    window.plotWidget(1)->repaint();
    return window.plotWidget(1)->pixelAt(session().mapping(1).map(q, r)).toPoint();
  }
  // The window shown at its start-up size and painted.
  void showWindow() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
  }
  const DataSet& set() const { return session().store()[1]; }
};

TEST_F(MainWindowDataOps, RangeBackgroundSaveAndReopenWithTheMouse) {
  openFiles({writeData("si.vld", 6.35, 40)});
  showWindow();
  plot::PlotWidget* plot = window.plotWidget(1);

  // Drag from between points 10 and 11 to between points 30 and 31.
  const QPoint from = pixel((set().DataQ[10] + set().DataQ[11]) / 2, set().DataR[10]);
  const QPoint to = pixel((set().DataQ[30] + set().DataQ[31]) / 2, set().DataR[10]);
  QTest::mousePress(plot, Qt::LeftButton, {}, from);
  EXPECT_TRUE(session().interaction().LineX1(1).visible);
  QTest::mouseMove(plot, to);
  EXPECT_NEAR(session().interaction().LineX1(1).to.x, plot->logicalAt(to).x, 1e-9);
  EXPECT_EQ(plot->cursor().shape(), Qt::CrossCursor);
  EXPECT_TRUE(child<QLabel>("lblQPosition")->text().startsWith(QStringLiteral("Q:    0.")));
  QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
  EXPECT_EQ(set().DataFirst, 11);
  EXPECT_EQ(set().DataLast, 30);

  // A background picked at the height of point 25 (R is log10 on the plot).
  trigger(Tool::SSRBackGroundSub);
  const QPoint level = pixel(set().DataQ[20], set().DataR[25]);
  QTest::mouseMove(plot, level);
  EXPECT_TRUE(session().interaction().LineBackgroundSub(1).visible);
  QTest::mouseClick(plot, Qt::LeftButton, {}, level);
  QLineEdit* value = child<QLineEdit>("txtBackGroundToSubtract");
  ASSERT_TRUE(value->isVisible());
  const double picked = value->text().toDouble();
  EXPECT_NEAR(picked, std::pow(10.0, set().DataR[25]), 0.05 * std::pow(10.0, set().DataR[25]));
  click("cmdBackGroundSubOK");
  EXPECT_FALSE(value->isVisible());
  EXPECT_FLOAT_EQ(set().Background, static_cast<float>(picked));
  trigger(Tool::SSRBackGroundSub);

  // Save it, and open what was saved.
  trigger(Tool::SSRSaveData);
  const std::string saved = dir.file("si.VLB");
  dialogs.queueFile(saved);
  click("cmdOKLumoDataSave");
  ASSERT_EQ(dialogs.messages.size(), 1u);  // how many points were left out
  int placeholders = 0;
  for (int pt = 1; pt <= set().NumPoints; ++pt) placeholders += isPlaceholder(set().DataR[pt], true);
  EXPECT_GT(placeholders, 0);  // points below the background
  ASSERT_TRUE(std::filesystem::exists(saved));
  const std::string title = set().DataTitle;
  EXPECT_NE(title.find(" bgd = "), std::string::npos);
  trigger(Tool::SSRCloseData);
  openFiles({saved});
  EXPECT_EQ(set().DataTitle, title);
  EXPECT_EQ(set().NumPoints, 40 - placeholders);
}

// Pictures for looking at by eye, written into $LUMO_SCREENSHOT_DIR: three measured curves
// as read (no background removed, no scale), a Q range being dragged and chosen, the
// background picked at the high-Q plateau and subtracted, a scale factor, the save panel.
TEST_F(MainWindowDataOps, Screenshots) {
  LUMO_REQUIRE_SCREENSHOT_FOLDER(out);
  LUMO_REQUIRE_TESTDATA(data);
  const auto shot = [&](const char* name) { test::saveScreenshot(window, out, name); };
  const auto measured = data / "measured";
  openFiles({convertMeasured(measured, dir, "Si_D2O_HEPES_20mM.dat", 6.35),
             convertMeasured(measured, dir, "Si_H2O_HEPES_20mM.dat", -0.56),
             convertMeasured(measured, dir, "Si_D2O_HEPES_20mM_POPC_1h.dat", 6.35)});
  showWindow();
  plot::PlotWidget* plot = window.plotWidget(1);
  const auto q = [&](int i) { return set().DataQ[i]; };
  QTest::mousePress(plot, Qt::LeftButton, {}, pixel(q(8), set().DataR[8]));
  QTest::mouseMove(plot, pixel(q(150), set().DataR[8]));
  shot("dataops-range-drag");
  QTest::mouseRelease(plot, Qt::LeftButton, {}, pixel(q(150), set().DataR[8]));
  shot("dataops-range-chosen");

  trigger(Tool::SSRBackGroundSub);
  // The plateau at high Q, about 5e-6.
  const QPoint level = pixel(q(120), std::log10(5e-6));
  QTest::mouseMove(plot, level);
  shot("dataops-background-marker");
  QTest::mouseClick(plot, Qt::LeftButton, {}, level);
  shot("dataops-background-dialog");
  click("cmdBackGroundSubOK");
  trigger(Tool::SSRBackGroundSub);
  shot("dataops-background-subtracted");

  trigger(Tool::SSRScaleFactor);
  QLineEdit* factor = child<QLineEdit>("txtScaleFactor1");
  factor->setText(QStringLiteral("1.12"));
  emit factor->textEdited(factor->text());
  shot("dataops-scale-dialog");
  click("cmdScaleFactorOK");
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) {
    putOxideModel(s);
    s.setScrollValue(thicknessBar(1), 11);
  });
  shot("dataops-scaled-with-model");
  trigger(Tool::SSRSaveData);
  shot("dataops-save-panel");
  click("cmdCancelLumoDataSave");
  QTest::mouseClick(plot, Qt::RightButton, {}, pixel(q(20), set().DataR[20]));
  shot("dataops-range-restored");
}

}  // namespace
}  // namespace lumo::test
