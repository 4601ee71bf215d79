#pragma once
// Saving the curves of the converter's plot view, with the corrections made there, each
// into a file the user names. A file a shown curve was read from is never replaced; an
// existing file is replaced only when the user confirms it, and every file is written
// completely or not at all.
#include <string>

#include "converter/ConvData.h"
#include "converter/PlotStore.h"
#include "platform/Dialogs.h"

namespace lumo::converter {

// The points of a curve as the converter's working data: Q, R and the error, all
// linear whatever the axes show.
ConvData curveData(const PlotCurve& curve);

// The name first offered for a curve read from `source`: the source's name with ".VLD",
// or "<name>_corrected.VLD" when that would be the source itself.
std::string proposedCurvePath(const std::string& source);

// SSCSavePlot: asks for every curve's file first, then writes them in turn; "File Saved!"
// after each, "Error Saving File!" naming the file and the reason ends the save. A
// cancelled dialog writes nothing.
void saveShownCurves(const PlotStore& store, Dialogs& dialogs);

}  // namespace lumo::converter
