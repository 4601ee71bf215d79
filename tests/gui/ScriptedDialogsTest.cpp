#include "platform/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "ui/QtDialogs.h"

namespace lumo {
namespace {

TEST(ScriptedDialogs, ReplaysAnswersAndNeverConfirmsUnasked) {
  ScriptedDialogs d;
  d.queueFile("/tmp/a.VLD");
  d.queueCancel();
  d.queueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(d.chooseFile({}), "/tmp/a.VLD");
  EXPECT_EQ(d.chooseFile({}), std::nullopt);
  EXPECT_EQ(d.chooseFile({}), std::nullopt);  // nothing queued: cancelled
  EXPECT_EQ(d.showMessage({"Are You Sure ?", "Remove Plot", MessageIcon::Exclamation,
                           MessageButtons::OkCancel}),
            MessageAnswer::Yes);
  EXPECT_EQ(d.showMessage({"?", "", MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::No);
  EXPECT_EQ(d.messages.size(), 2u);
  EXPECT_EQ(d.requests.size(), 3u);
}

TEST(QtDialogs, FilterTextBecomesQtNameFilters) {
  EXPECT_EQ(ui::qtFilter("Lumo Files (*.VLD)|*.VLD|All Files (*.*)|*.*").toStdString(),
            "Lumo Files (*.VLD *.vld);;All Files (*.*)");
  EXPECT_EQ(ui::qtFilter("Open Model (*.FIT)|*.FIT||All Files (*.*)|*.*").toStdString(),
            "Open Model (*.FIT *.fit);;All Files (*.*)");
}

}  // namespace
}  // namespace lumo
