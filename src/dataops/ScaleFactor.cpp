#include "dataops/ScaleFactor.h"

#include "files/DisplayScale.h"

namespace lumo::dataops {

void scaleTo(DataSet& set, float target, bool logY) {
  if (!(target > 0) || target == set.ScaleFactor) return;
  const double factor = double(target) / double(set.ScaleFactor);
  const double shift = log10Of(factor);
  for (int j = 1; j <= set.NumPoints; ++j) {
    if (isPlaceholder(set.DataR[j], logY)) continue;
    for (PointArray* a : {&set.DataR, &set.ErrUpper, &set.ErrLower}) {
      double& v = (*a)[static_cast<size_t>(j)];
      v = logY ? v + shift : v * factor;
    }
  }
  set.ScaleFactor = target;
}

}  // namespace lumo::dataops
