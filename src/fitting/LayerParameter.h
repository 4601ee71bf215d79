#pragma once
// One layer parameter as the single-parameter scan sets it: the model value of a scroll
// value and the preparation the engine needs after it changed.
#include "files/DataSet.h"
#include "model/LayerModel.h"
#include "model/ReflectivityEngine.h"

namespace lumo::fitting {

// The four label families of the layer editor. Roughness index 0 is "Roughness Layer 0".
enum class ParameterFamily { Thickness, SLD, Solvent, Roughness };

// The model value of a scroll value, rounded to single precision: thickness and roughness
// in Å as they stand, SLD × 1e-8 Å^-2, solvent fraction / 100.
float modelValueOf(ParameterFamily family, int scrollValue);

// True when `index` names a parameter of the model: layers 1..NumLayers, and for
// roughness also interface 0.
bool isParameterOf(const LayerModel& model, ParameterFamily family, int index);

// Stores a scroll value in the model field of the parameter.
void storeScrollValue(LayerModel& model, ParameterFamily family, int index, int scrollValue);

// The engine's preparation after the parameter changed: the thickness variant for a
// thickness, the solvent variant for SLD and solvent (they do the same work), nothing for
// roughness, which enters only the reflectivity step.
void prepareAfterChange(ReflectivityEngine& engine, const LayerModel& model, const DataStore& store,
                        ParameterFamily family, int index);

}  // namespace lumo::fitting
