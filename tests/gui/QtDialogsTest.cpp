#include <gtest/gtest.h>

#include "ui/QtDialogs.h"

namespace lumo {
namespace {

TEST(QtDialogs, FilterTextBecomesQtNameFilters) {
  EXPECT_EQ(ui::qtFilter("Lumo Files (*.VLD)|*.VLD|All Files (*.*)|*.*").toStdString(),
            "Lumo Files (*.VLD *.vld);;All Files (*.*)");
  EXPECT_EQ(ui::qtFilter("Open Model (*.FIT)|*.FIT||All Files (*.*)|*.*").toStdString(),
            "Open Model (*.FIT *.fit);;All Files (*.*)");
  EXPECT_EQ(ui::qtFilter("Lumo(with bgd sub)(*.VLB)|*.VLB").toStdString(),
            "Lumo(with bgd sub) (*.VLB *.vlb)");
}

}  // namespace
}  // namespace lumo
