#include "converter/ConvData.h"

namespace lumo::converter {

void ConvData::clearPoints() {
  constexpr int kClearedPoints = 512;
  ConvNumPoints = 0;
  ConvHasdQ = false;
  for (int i = 1; i <= kClearedPoints; ++i) ConvQ[i] = ConvR[i] = ConvdR[i] = 0.0f;
}

}  // namespace lumo::converter
