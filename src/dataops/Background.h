#pragma once
// Subtraction of a constant background from a data set's measured reflectivity.
#include "files/DataSet.h"

namespace lumo::dataops {

// Subtracts `background` from every point read (not only the plotted range), always in
// linear reflectivity whatever the display holds, and adds it to the set's Background:
//  - placeholders of R <= 0 stay as they are;
//  - R and the upper error-bar end drop by `background`; a point that falls to zero or
//    below becomes a placeholder;
//  - the lower end drops too, unless it sits on the plot floor YMin; one that would fall
//    to zero or below goes to the floor;
//  - when a lower end now lies below the floor, the floor moves one decade below the
//    decade of the lowest end (YMinSaved follows, always linear), and the error bars that
//    sat on the old floor move down with it.
// `logY`: the set holds log10 R (the "Log Y" display).
void subtractBackground(DataSet& set, double background, bool logY);

}  // namespace lumo::dataops
