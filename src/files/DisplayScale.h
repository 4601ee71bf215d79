#pragma once
// Conversion of a data set between linear and logarithmic storage, for the "Log X" and
// "Log Y" displays, and the placeholders of points that have no logarithm.
//
// While a log display is on, the store holds base-10 logarithms and every drawing is
// linear in the stored values. A measured R <= 0 is kept as the placeholder 10 (1 in
// logarithmic form) with its error bar reaching down to YMin, so that it lies above
// the plotted decades.
#include "files/DataSet.h"

namespace lumo {

inline constexpr double kNonPositivePlaceholder = 10.0;

// The placeholder test of a stored reflectivity: exactly 10 on a linear axis; on a
// logarithmic one exactly 1, or the largest double below 1 (what a logarithm of 10 may
// give). A placeholder is no measurement: it stays out of the residual and of saved files.
bool isPlaceholder(double storedR, bool logY);

// Base-10 logarithm as ln(x)/ln(10).
double log10Of(double x);
// Ten to the power x.
double pow10Of(double x);

// Q <= 0 moves to XMin; R <= 0 becomes the placeholder; a lower error-bar end <= 0 moves
// to YMin. Then the store is converted to the given display scales.
void convertForDisplay(DataSet& set, bool logX, bool logY);

// The "Log X" switch: Q of every point and the X range.
void toLogX(DataSet& set);
void fromLogX(DataSet& set);

// The "Log Y" switch. With `points` false (no data file loaded) only the Y range is
// converted.
void toLogY(DataSet& set, bool points);
void fromLogY(DataSet& set, bool points);

}  // namespace lumo
