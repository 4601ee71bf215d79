#pragma once
// What becomes of the placeholders of non-positive reflectivities: a chosen small value,
// or removal from the data set.
#include "files/DataSet.h"

namespace lumo::dataops {

// "Set To :": every placeholder takes `value` (> 0; log10 of it on a log display) as R
// and as its upper error-bar end; the lower end, Q and dR stay. Returns how many changed.
int setPlaceholdersTo(DataSet& set, float value, bool logY);

// "Remove Negative Values": the points that are not placeholders close up, in their
// order, at positions 1, 2, ...; the positions after them up to the old count hold
// zeros; the point range becomes the whole set. Returns how many were removed.
int removePlaceholders(DataSet& set, bool logY);

}  // namespace lumo::dataops
