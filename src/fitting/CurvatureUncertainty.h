#pragma once
// Uncertainties of refined parameters from the curvature of χ² at the best model.
//
// With the weighted residuals r_i (the terms whose squares make the measure) and their
// derivatives J_ij = ∂r_i/∂p_j, the covariance is (JᵀJ)⁻¹ scaled by the reduced χ²,
// Σ r_i² / (N − P). The matrix is inverted in its correlation form through its
// eigenvectors: directions whose eigenvalue is negligible are directions the data do not
// fix, and a parameter with a real share in one of them is undetermined, as is one whose
// standard deviation exceeds the width of its range. The others get the square root of
// their variance over the remaining directions.
#include <vector>

namespace lumo::fitting {

struct CurvatureInput {
  // columns[j][i] = ∂r_i/∂p_j, per scroll unit of parameter j.
  std::vector<std::vector<double>> columns;
  double chiSquared = 0;               // Σ r_i² at the best model
  std::vector<double> span;            // width of each parameter's range, scroll units
};

struct ParameterSpread {
  bool determined = false;
  double sigma = 0;  // standard deviation, scroll units (when determined)
};

std::vector<ParameterSpread> curvatureUncertainties(const CurvatureInput& input);

// The eigenvalues and eigenvectors (columns of `vectors`, row-major n × n) of a
// symmetric matrix by cyclic Jacobi rotations.
void symmetricEigen(std::vector<double> matrix, int n, std::vector<double>& values,
                    std::vector<double>& vectors);

}  // namespace lumo::fitting
