#pragma once
// Multiplication of a data set's measured reflectivity by a constant factor.
#include "files/DataSet.h"

namespace lumo::dataops {

// Brings the set's accumulated ScaleFactor to `target` (> 0): every point that is not a
// placeholder has R and both error-bar ends multiplied by target / ScaleFactor (on a log
// display, log10 of it added). A target equal to the accumulated factor changes nothing,
// so confirming the factor shown scales nothing twice. The dR read from the file and the
// plot ranges stay as they are.
void scaleTo(DataSet& set, float target, bool logY);

}  // namespace lumo::dataops
