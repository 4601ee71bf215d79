#pragma once
// Writing a data set back in the program's own data format ("VLB" files, after a
// background subtraction, scaling or removal of points), readable by the data-file
// reader and the converter:
//
//   "LUMO"                        quoted
//   "title"                       quoted
//   6.35                          solvent SLD, shortest text
//   93                            points written
//   Q  from column 15 R  from column 30 dR   each "0.0000E+00", rounded to single first
//
// Values are written linear whatever the display holds; dR is the distance from R to the
// upper end of the error bar, so a scaled set is written with its scaled error bars. A
// placeholder of a non-positive R is no measurement and is not written.
#include <string>

#include "files/DataSet.h"

namespace lumo {

struct DataFileText {
  std::string text;
  int written = 0;  // points written
  int leftOut = 0;  // placeholders not written
};

// `logX`, `logY`: the set holds log10 Q, log10 R (the display scales).
DataFileText savedDataFileText(const DataSet& set, bool logX, bool logY);

// The background label of a plot: "bgd = " and the background as "0.00E+00".
std::string backgroundCaption(float background);

// The title a set with a subtracted background is saved under: the title followed by a
// blank and its background caption, replacing such a caption at its end from an earlier
// save, so that saving twice does not lengthen it.
std::string titleWithBackground(const std::string& title, float background);
// The title of a set about to be saved: with its background when one was subtracted.
void markBackgroundInTitle(DataSet& set);

// The name a data file is saved under by default: its own name (without the folder) with
// the extension replaced by "VLB", or ".VLB" appended when the name has none.
std::string savedDataFileName(const std::string& dataFileName);

}  // namespace lumo
