#pragma once
// The layer stack that the program fits, in physical units.
//
// Media are numbered 1 (incident medium), 2..N+1 (layers 1..N) and N+2 (the solvent of
// the contrast). Layer arrays are indexed from 1; roughness from 0, where roughness i
// belongs to the interface below layer i and roughness 0 to the interface between the
// incident medium and layer 1.
#include <array>

namespace lumo {

inline constexpr int kMaxLayers = 20;
inline constexpr int kMaxMedia = kMaxLayers + 2;
inline constexpr int kMaxContrasts = 4;

struct LayerModel {
  int NumLayers = 1;
  std::array<float, kMaxLayers + 1> Thickness{};        // Å, layers 1..N
  std::array<float, kMaxLayers + 1> LayerSLD{};         // Å^-2, layers 1..N
  std::array<float, kMaxLayers + 1> SolventFraction{};  // 0..1, layers 1..N
  std::array<float, kMaxLayers + 1> Roughness{};        // Å, interfaces 0..N
  float IncidentSLD = 0.0f;                             // Å^-2
  std::array<float, kMaxContrasts + 1> SolventSLD{};    // Å^-2, contrasts 1..4
};

// Constants of the calculation.
namespace physics {
inline constexpr float Wavelength = 12.0f;             // Å
inline constexpr double Pi = 3.14159265359;
inline constexpr double K0 = 2.0 * Pi / Wavelength;    // Å^-1
inline constexpr double SLDToIndex = 12.0 * 12.0 / (2.0 * Pi);
inline constexpr float RoughnessFactor = static_cast<float>(8.0 * Pi * Pi / (12.0 * 12.0));
// Q × 12.0 / 12.56637061436 is the argument whose sine the calculation takes.
inline constexpr double QToAngle = 12.0 / 12.56637061436;
}  // namespace physics

}  // namespace lumo
