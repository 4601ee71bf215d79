#include "fitting/ResidualText.h"

#include <algorithm>

#include "files/NumberText.h"

namespace lumo::fitting {
namespace {

std::string points(int n, const char* what) {
  return std::to_string(n) + (n == 1 ? " point " : " points ") + what;
}

PointsLeftOut leftOutOf(const DataSet& set) {
  return {set.ResidualPlaceholdersLeftOut, set.ResidualPointsLeftOut};
}

}  // namespace

std::string residualText(float residual, PointsLeftOut leftOut) {
  std::string text = text::formatSci4(residual);
  std::string note;
  if (leftOut.nonPositive > 0) note = points(leftOut.nonPositive, "with R <= 0");
  if (leftOut.withoutError > 0)
    note += (note.empty() ? "" : ", ") + points(leftOut.withoutError, "without error");
  if (!note.empty()) text += " (" + note + " left out)";
  return text;
}

std::string setResidualText(const DataSet& set) {
  return residualText(set.SetResidual, leftOutOf(set));
}

std::string cumulativeResidualText(const DataStore& store) {
  float total = 0.0f;
  PointsLeftOut leftOut;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    total += store[ds].SetResidual;
    leftOut.nonPositive += store[ds].ResidualPlaceholdersLeftOut;
    leftOut.withoutError += store[ds].ResidualPointsLeftOut;
  }
  return residualText(total, leftOut);
}

}  // namespace lumo::fitting
