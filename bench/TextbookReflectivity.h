#pragma once
// A plain textbook implementation of the same reflectivity, written with std::complex
// and nothing precomputed: the reference that the engine is measured against.
#include <vector>

#include "model/LayerModel.h"

namespace lumo::bench {

// log10 R of contrast `contrast` at every Q (the program's sine conversion of Q).
std::vector<double> textbookLogReflectivity(const LayerModel& model, int contrast,
                                            const std::vector<double>& q);

}  // namespace lumo::bench
