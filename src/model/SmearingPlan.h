#pragma once
// Instrument resolution: the calculated reflectivity of one data set smeared with a
// Gaussian in Q, formed from the reflectivity at a set of internal nodes.
//
// The smeared value at Q_i is
//   R̃(Q_i) = ∫ φ_i(Q) R(Q) dQ over Q_i ± 3.5 σ_i,
// φ_i the normal density of standard deviation σ_i centred on Q_i. The Gaussian is cut
// at ±3.5 σ and, as in the community's reference implementations, not rescaled, so a
// flat R = 1 smears to erf(3.5/√2) = 0.99953. A point of σ = 0 takes R at the point.
//
// Integrating every point separately would need a dozen or more reflectivities per point.
// Instead the nodes are shared: they cover the union of the windows at a spacing fine
// enough for R itself (its fringes and its decay), whatever σ is; R is interpolated
// between them by cubic polynomials, and each point's weights are the exact integrals of
// its truncated Gaussian against those polynomials. The weights depend on the points,
// their σ and the node spacing only, so they are computed once and every calculation
// costs one reflectivity per node and a short weighted sum per point.
//
// The reflectivity is not smooth at the critical edge Qc of a medium denser than the
// incident one (it behaves like √(Q − Qc) there, strongly for the backing medium, weakly
// through the roughness factors for a layer). Nodes on either side of every edge are
// therefore placed, and R interpolated, in the variable t = ±√|Q − Qc|, in which R is
// smooth.
#include <vector>

namespace lumo {

// FWHM / σ of a Gaussian: 2√(2 ln 2).
inline constexpr double kFwhmPerSigma = 2.3548200450309493;
// The Gaussian is cut at ±3.5 σ.
inline constexpr double kResolutionWindow = 3.5;
// At most this many nodes per data set; beyond it the spacing is widened.
inline constexpr int kMaxSmearingNodes = 4096;

// σ of Q for a resolution given as FWHM dQ/Q in per cent.
inline double sigmaOfPercent(double percent, double q) {
  return percent / 100.0 * q / kFwhmPerSigma;
}

// The widest node spacing that follows the fringes of a stack `thickness` Å thick (its
// fringes are about 2π/thickness apart in Q, a little closer above the critical edge of a
// dense layer). The thickness is rounded up to a power of two, so that the spacing, and
// with it the plan, changes only now and then while a layer is scanned.
double fringeSpacing(double thickness);

// The critical edge of a medium of SLD `sld` under an incident medium of SLD `incident`
// (Å^-2): the Q below which its normal wave number is imaginary; 0 when it has none.
// `exactQ`: the standard kinematics, else the program's sine conversion of Q.
double criticalQ(double incident, double sld, bool exactQ);

struct LayerModel;
// The critical edges of every medium of contrast `contrast`, ascending, without repeats.
std::vector<double> criticalEdges(const LayerModel& model, int contrast, bool exactQ);

// What a plan is built for.
struct SmearingRequest {
  std::vector<double> q;      // the points (linear Q, Å^-1)
  std::vector<double> sigma;  // σ of each point (Å^-1, >= 0)
  double spacing = 0;         // the widest node spacing R's fringes allow (Å^-1)
  std::vector<double> edges;  // the critical edges of the media, ascending

  bool operator==(const SmearingRequest&) const = default;
};

class SmearingPlan {
 public:
  void build(const SmearingRequest& request);

  // The nodes at which R is needed, in ascending Q (a node may appear twice).
  const std::vector<double>& nodes() const { return nodes_; }
  int points() const { return static_cast<int>(first_.size()); }

  // out[i] = R̃(Q_i) for i = 0..points()−1, from nodeR[k] = R(nodes()[k]).
  void apply(const double* nodeR, double* out) const;

 private:
  // Nodes begin..end−1 lie in one segment, across whose ends no interpolation reaches. Q
  // is t itself, or edge ∓ t² on the two sides of a critical edge (t <= 0 below it).
  struct Segment {
    enum class Kind { Plain, BelowEdge, AboveEdge };
    Kind kind = Kind::Plain;
    double edge = 0;
    double lo = 0, hi = 0;  // the Q it covers
    int begin = 0, end = 0;
    double qOf(double t) const;
    double tOf(double q) const;
    double slope(double t) const;  // dQ/dt
  };
  void placeNodes(const SmearingRequest& request, double spacing);
  void addSegment(Segment::Kind kind, double lo, double hi, double edge, double spacing);
  void addWeights(const SmearingRequest& request);

  std::vector<double> nodes_;
  std::vector<double> t_;         // each node in its segment's variable
  std::vector<Segment> segments_;
  std::vector<int> first_;        // per point: its first node
  std::vector<int> offset_;       // per point: where its weights start (one more entry)
  std::vector<double> weights_;
};

}  // namespace lumo
