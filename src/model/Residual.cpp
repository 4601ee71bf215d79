#include "model/Residual.h"

#include <algorithm>
#include <cmath>

#include "files/DisplayScale.h"

namespace lumo {

void updateResidual(DataSet& set, ResidualMeasure measure, bool logY) {
  float sum = 0.0f;
  int leftOut = 0, placeholders = 0;
  const int first = std::max(set.CalcFirst, 1);
  const int last = std::min(set.CalcLast, kMaxPoints);
  for (int pt = first; pt <= last; ++pt) {
    if (isPlaceholder(set.DataR[pt], logY)) {
      ++placeholders;
      continue;
    }
    const double difference = set.DataR[pt] - set.CalcR[pt];
    double term = difference * difference;
    if (measure == ResidualMeasure::ChiSquared) {
      const double ratio = difference / (set.ErrUpper[pt] - set.DataR[pt]);
      term = ratio * ratio;
      if (!std::isfinite(term)) {
        ++leftOut;
        continue;
      }
    }
    sum = static_cast<float>(static_cast<double>(sum) + term);
  }
  set.SetResidual = sum;
  set.ResidualPointsLeftOut = leftOut;
  set.ResidualPlaceholdersLeftOut = placeholders;
}

}  // namespace lumo
