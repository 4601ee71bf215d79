#pragma once
// The results of a refinement as text: the window's results table and lumo-cli refine
// print the same lines.
//
//   Thickness Layer 1      12 ± 0.35 Å
//   SLD Layer 2            3.47 ± 0.012 10^-6 Å^-2
//   Roughness Layer 0      4 (not determined by the data)
//   Chi Squared 4.8312E+02 over 483 points, 8 parameters refined
#include <string>
#include <vector>

#include "fitting/Refinement.h"

namespace lumo::fitting {

// The caption of a measure as the residual panel names it.
std::string measureCaption(ResidualMeasure measure);
// A scroll value in the parameter's own unit, in the editor's shortest form.
std::string valueText(ParameterFamily family, int scrollValue);
// One standard deviation to two significant digits.
std::string uncertaintyText(double sigma);

// The value column of one parameter: "12 ± 0.35 Å", or "4 (not determined by the data)".
std::string resultText(const RefinedParameter& p);
// The last line: the measure, its total, the points and parameters that entered.
std::string summaryText(const RefineResult& r);
// A line per parameter, its name padded to one column, then the summary.
std::vector<std::string> reportLines(const RefineResult& r);

}  // namespace lumo::fitting
