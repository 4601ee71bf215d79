#include "fitting/ResidualText.h"

#include <algorithm>

#include "files/NumberText.h"

namespace lumo::fitting {

std::string residualText(float residual, int pointsLeftOut) {
  std::string text = text::formatSci4(residual);
  if (pointsLeftOut > 0)
    text += " (" + std::to_string(pointsLeftOut) + (pointsLeftOut == 1 ? " point" : " points") +
            " without error left out)";
  return text;
}

std::string setResidualText(const DataSet& set) {
  return residualText(set.SetResidual, set.ResidualPointsLeftOut);
}

std::string cumulativeResidualText(const DataStore& store) {
  float total = 0.0f;
  int leftOut = 0;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    total += store[ds].SetResidual;
    leftOut += store[ds].ResidualPointsLeftOut;
  }
  return residualText(total, leftOut);
}

}  // namespace lumo::fitting
