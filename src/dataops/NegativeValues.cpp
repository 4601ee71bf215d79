#include "dataops/NegativeValues.h"

#include "files/DisplayScale.h"

namespace lumo::dataops {

int setPlaceholdersTo(DataSet& set, float value, bool logY) {
  const double stored = logY ? log10Of(value) : double(value);
  int changed = 0;
  for (int j = 1; j <= set.NumPoints; ++j) {
    if (!isPlaceholder(set.DataR[j], logY)) continue;
    set.DataR[j] = set.ErrUpper[j] = stored;
    ++changed;
  }
  return changed;
}

int removePlaceholders(DataSet& set, bool logY) {
  PointArray* arrays[] = {&set.DataQ, &set.DataR, &set.DataErr, &set.ErrUpper, &set.ErrLower};
  int kept = 0;
  for (int j = 1; j <= set.NumPoints; ++j) {
    if (isPlaceholder(set.DataR[j], logY)) continue;
    ++kept;
    // Points only ever move down, so one pass in order closes the gaps.
    for (PointArray* a : arrays) (*a)[static_cast<size_t>(kept)] = (*a)[static_cast<size_t>(j)];
  }
  for (int j = kept + 1; j <= set.NumPoints; ++j)
    for (PointArray* a : arrays) (*a)[static_cast<size_t>(j)] = 0;
  const int removed = set.NumPoints - kept;
  set.NumPoints = kept;
  set.DataFirst = 1;
  set.DataLast = kept;
  return removed;
}

}  // namespace lumo::dataops
