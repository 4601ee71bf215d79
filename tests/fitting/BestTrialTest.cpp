#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "fitting/BestTrial.h"

namespace lumo::fitting {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Sequence {
  std::vector<float> totals;
  int winner;  // index of the winning total, -1 for none
  const char* name;
};

class Ranking : public ::testing::TestWithParam<Sequence> {};

TEST_P(Ranking, SmallestFirstFiniteTotalWins) {
  BestTrial best;
  int winner = -1;
  for (size_t i = 0; i < GetParam().totals.size(); ++i)
    if (best.offer(GetParam().totals[i])) winner = static_cast<int>(i);
  EXPECT_EQ(winner, GetParam().winner);
}

INSTANTIATE_TEST_SUITE_P(Totals, Ranking,
                         ::testing::Values(Sequence{{3, 2, 5, 1, 4}, 3, "Smallest"},
                                           Sequence{{3, 2, 2, 5, 2}, 1, "FirstOfEqual"},
                                           Sequence{{7, 7, 7}, 0, "AllEqual"},
                                           Sequence{{2e4f, 1.5e4f, 1.2e6f}, 1, "AboveTenThousand"},
                                           Sequence{{kNaN, 5, kNaN, 4, kNaN}, 3, "NaNNeverWins"},
                                           Sequence{{kInf, 9, -0.0f, 0.0f}, 2, "InfinityAndZeros"},
                                           Sequence{{kNaN, kInf, kNaN}, -1, "NothingFinite"},
                                           Sequence{{}, -1, "Empty"}),
                         [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
}  // namespace lumo::fitting
