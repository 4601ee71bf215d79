#include "fitting/RefineReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/NumberText.h"

namespace lumo::fitting {

std::string measureCaption(ResidualMeasure measure) {
  return measure == ResidualMeasure::ChiSquared ? "Chi Squared" : "Least Square Difference";
}

std::string valueText(ParameterFamily family, int scrollValue) {
  if (family != ParameterFamily::SLD) return std::to_string(scrollValue);
  std::string text = text::shortestDouble(scrollValue / 100.0);  // "-.21"
  const size_t point = text.find('.');
  if (point == 0 || (point == 1 && text[0] == '-')) text.insert(point, 1, '0');
  return text;
}

std::string uncertaintyText(double sigma) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2g", sigma);
  return text;
}

std::string resultText(const RefinedParameter& p) {
  const std::string value = valueText(p.parameter.family, p.value);
  if (!p.determined) return value + " (not determined by the data)";
  return value + " ± " + uncertaintyText(p.uncertainty) + " " + parameterUnit(p.parameter.family);
}

std::string summaryText(const RefineResult& r) {
  const size_t n = r.parameters.size();
  return measureCaption(r.measure) + " " + text::formatSci4(r.bestTotal) + " over " +
         std::to_string(r.points) + (r.points == 1 ? " point, " : " points, ") +
         std::to_string(n) + (n == 1 ? " parameter refined" : " parameters refined");
}

std::vector<std::string> reportLines(const RefineResult& r) {
  size_t width = 0;
  for (const RefinedParameter& p : r.parameters)
    width = std::max(width, parameterName(p.parameter.family, p.parameter.index).size());
  std::vector<std::string> lines;
  for (const RefinedParameter& p : r.parameters) {
    std::string name = parameterName(p.parameter.family, p.parameter.index);
    name.resize(width + 2, ' ');
    lines.push_back(name + resultText(p));
  }
  lines.push_back(summaryText(r));
  return lines;
}

}  // namespace lumo::fitting
