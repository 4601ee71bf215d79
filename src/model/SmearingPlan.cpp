#include "model/SmearingPlan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "model/LayerModel.h"
#include "model/SldProfile.h"

namespace lumo {
namespace {

// Node spacing of the fringes: this many radians of the thickest fringe per node (a cubic
// piece then follows a fringe to about 1e-5), and the thinnest stack it is set for.
constexpr double kFringeStep = 0.4;
constexpr double kThinnest = 128;
// Node spacing where R decays as a power of Q: a fraction of Q, but never below an
// eighth of the fringes' spacing (near Q = 0, R is flat).
constexpr double kRelativeSpacing = 0.03;
// Near the critical edge the nodes are spaced by this fraction of √Qc in t = √|Q − Qc|;
// R varies there on the scale of about √Qc / 6.
constexpr double kEdgeStep = 0.014;
// R is interpolated between the nodes by polynomials through this many of them.
constexpr int kStencil = 8;
// Extra room around each window, in node spacings, so that the cubic pieces used inside
// it rest on nodes on both sides.
constexpr double kPadding = 2.0;
// A critical edge this close to covered Q (in node spacings) is drawn into the cover.
constexpr double kEdgeReach = 8.0;

// Gauss–Legendre nodes and weights of order 6 on [−1, 1].
constexpr std::array<double, 6> kGaussNodes = {-0.9324695142031521, -0.6612093864662645,
                                               -0.2386191860831969, 0.2386191860831969,
                                               0.6612093864662645,  0.9324695142031521};
constexpr std::array<double, 6> kGaussWeights = {0.1713244923791704, 0.3607615730481386,
                                                 0.4679139345726910, 0.4679139345726910,
                                                 0.3607615730481386, 0.1713244923791704};

size_t at(int i) { return static_cast<size_t>(i); }

double spacingAt(double q, double spacing) {
  return std::min(spacing, std::max(kRelativeSpacing * std::abs(q), spacing / 8));
}

struct Interval {
  double lo, hi;
};

// The union of every point's window with its padding, in ascending order, stretched to
// take in every critical edge within `reach` of it.
std::vector<Interval> coveredQ(const SmearingRequest& r, double spacing, double reach) {
  std::vector<Interval> windows;
  for (size_t i = 0; i < r.q.size(); ++i) {
    const double half = kResolutionWindow * r.sigma[i] + kPadding * spacingAt(r.q[i], spacing);
    windows.push_back({r.q[i] - half, r.q[i] + half});
  }
  std::sort(windows.begin(), windows.end(), [](const Interval& a, const Interval& b) { return a.lo < b.lo; });
  std::vector<Interval> merged;
  auto add = [&merged](Interval w) {
    if (!merged.empty() && w.lo <= merged.back().hi)
      merged.back().hi = std::max(merged.back().hi, w.hi);
    else
      merged.push_back(w);
  };
  for (const Interval& w : windows) add(w);
  for (Interval& m : merged) {
    for (const double e : r.edges) {
      if (e <= m.lo - reach || e >= m.hi + reach) continue;
      m.lo = std::min(m.lo, e);
      m.hi = std::max(m.hi, e);
    }
  }
  std::vector<Interval> stretched;
  stretched.swap(merged);
  for (const Interval& w : stretched) add(w);
  return merged;
}

// Ascending values from `start` to `end` (> start) in steps of step(v), the last one
// exactly `end`; at least a stencil of them.
template <typename Step>
std::vector<double> walk(double start, double end, Step step) {
  std::vector<double> v{start};
  for (double x = start;;) {
    const double s = step(x);
    if (x + s >= end - 0.25 * s) break;
    x += s;
    v.push_back(x);
  }
  v.push_back(end);
  if (v.size() < kStencil) {
    v.clear();
    for (int i = 0; i < kStencil; ++i) v.push_back(start + (end - start) * i / (kStencil - 1));
  }
  return v;
}

// The nodes of segment [begin, end) the polynomial piece over interval k rests on.
int stencilStart(int k, int begin, int end) {
  return std::clamp(k - (kStencil / 2 - 1), begin, end - kStencil);
}

// Lagrange basis polynomials of nodes t[0..kStencil−1] at x.
std::array<double, kStencil> lagrange(const double* t, double x) {
  std::array<double, kStencil> l{};
  for (int j = 0; j < kStencil; ++j) {
    double v = 1;
    for (int m = 0; m < kStencil; ++m)
      if (m != j) v *= (x - t[m]) / (t[j] - t[m]);
    l[at(j)] = v;
  }
  return l;
}

}  // namespace

double fringeSpacing(double thickness) {
  const double rounded = std::exp2(std::ceil(std::log2(std::max(thickness, kThinnest))));
  return kFringeStep / rounded;
}

double criticalQ(double incident, double sld, bool exactQ) {
  if (!(sld > incident)) return 0;
  // As the engine forms it (ProfilePreparation.cpp): the medium's wave number is
  // √(shift + (n1 sin θ)²), zero where n1 sin θ = √(−shift).
  const double n1 = 1 - incident * physics::SLDToIndex, nm = 1 - sld * physics::SLDToIndex;
  const double difference = (incident - sld) * physics::SLDToIndex;
  if (exactQ) return std::sqrt(-2 * difference) / physics::QToAngle;
  const double sinTheta = std::sqrt(-difference * (nm + n1)) / n1;
  return sinTheta < 1 ? std::asin(sinTheta) / physics::QToAngle : 0;
}

std::vector<double> criticalEdges(const LayerModel& model, int contrast, bool exactQ) {
  const MediaSLD sld = mediaSLD(model, contrast);
  std::vector<double> edges;
  for (int m = 2; m <= std::clamp(model.NumLayers, 0, kMaxLayers) + 2; ++m)
    if (const double qc = criticalQ(sld[1], sld[at(m)], exactQ); qc > 0) edges.push_back(qc);
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

double SmearingPlan::Segment::qOf(double t) const {
  switch (kind) {
    case Kind::BelowEdge: return edge - t * t;
    case Kind::AboveEdge: return edge + t * t;
    case Kind::Plain: break;
  }
  return t;
}

double SmearingPlan::Segment::tOf(double q) const {
  switch (kind) {
    case Kind::BelowEdge: return -std::sqrt(std::max(0.0, edge - q));
    case Kind::AboveEdge: return std::sqrt(std::max(0.0, q - edge));
    case Kind::Plain: break;
  }
  return q;
}

double SmearingPlan::Segment::slope(double t) const {
  return kind == Kind::Plain ? 1.0 : 2 * std::abs(t);
}

void SmearingPlan::build(const SmearingRequest& request) {
  double spacing = request.spacing > 0 ? request.spacing : 1e-3;
  // Very thick models would need more nodes than is sensible: their fringes are then
  // followed less closely.
  for (placeNodes(request, spacing); nodes_.size() > at(kMaxSmearingNodes) && spacing < 1;
       placeNodes(request, spacing))
    spacing *= 2;
  addWeights(request);
}

void SmearingPlan::addSegment(Segment::Kind kind, double lo, double hi, double edge, double spacing) {
  Segment s{kind, edge, lo, hi, static_cast<int>(nodes_.size()), 0};
  std::vector<double> t;
  if (kind == Segment::Kind::Plain) {
    t = walk(lo, hi, [&](double x) { return spacingAt(x, spacing); });
  } else {
    // In t = √|Q − Qc|: steps of kEdgeStep √Qc, widened to the plain spacing in Q. No
    // node lies on the edge itself: where a layer's wave number is exactly zero, the
    // matrix product degenerates (0/0) although R is smooth in t on either side.
    const bool above = kind == Segment::Kind::AboveEdge;
    const double end = std::sqrt(above ? hi - edge : edge - lo);
    const double start = std::min(0.5 * kEdgeStep * std::sqrt(edge), end / (2 * kStencil));
    t = walk(start, end, [&](double x) {
      return std::min(kEdgeStep * std::sqrt(edge), spacingAt(s.qOf(above ? x : -x), spacing) / (2 * x));
    });
    if (!above) {
      for (double& v : t) v = -v;
      std::reverse(t.begin(), t.end());
    }
  }
  s.end = s.begin + static_cast<int>(t.size());
  for (double v : t) {
    t_.push_back(v);
    nodes_.push_back(s.qOf(v));
  }
  segments_.push_back(s);
}

// Each covered interval is cut at the critical edges in it; a piece between two edges is
// cut again half-way, so that each part is smooth in the variable of its edge.
void SmearingPlan::placeNodes(const SmearingRequest& request, double spacing) {
  nodes_.clear();
  t_.clear();
  segments_.clear();
  const double reach = kEdgeReach * spacing;
  using Kind = Segment::Kind;
  for (const Interval& c : coveredQ(request, spacing, reach)) {
    std::vector<std::pair<double, bool>> cuts{{c.lo, false}};  // (Q, is an edge)
    for (const double e : request.edges)
      if (e >= c.lo && e <= c.hi) cuts.push_back({e, true});
    cuts.push_back({c.hi, false});
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
      const auto [lo, loEdge] = cuts[k];
      const auto [hi, hiEdge] = cuts[k + 1];
      if (!(hi > lo)) continue;
      if (loEdge && hiEdge) {
        const double mid = 0.5 * (lo + hi);
        addSegment(Kind::AboveEdge, lo, mid, lo, spacing);
        addSegment(Kind::BelowEdge, mid, hi, hi, spacing);
      } else if (loEdge) {
        addSegment(Kind::AboveEdge, lo, hi, lo, spacing);
      } else if (hiEdge) {
        addSegment(Kind::BelowEdge, lo, hi, hi, spacing);
      } else {
        addSegment(Kind::Plain, lo, hi, 0, spacing);
      }
    }
  }
}

void SmearingPlan::addWeights(const SmearingRequest& request) {
  const size_t n = request.q.size();
  first_.assign(n, 0);
  offset_.assign(n + 1, 0);
  weights_.clear();
  std::vector<double> acc(nodes_.size(), 0.0);
  for (size_t i = 0; i < n; ++i) {
    const double q = request.q[i], sigma = request.sigma[i];
    int lowest = static_cast<int>(nodes_.size()), highest = -1;
    // Adds w times the cubic piece of interval k of segment s at t.
    auto spread = [&](const Segment& s, int k, double t, double w) {
      const int start = stencilStart(k, s.begin, s.end);
      const std::array<double, kStencil> l = lagrange(&t_[at(start)], t);
      for (int j = 0; j < kStencil; ++j) acc[at(start + j)] += w * l[at(j)];
      lowest = std::min(lowest, start);
      highest = std::max(highest, start + kStencil - 1);
    };
    auto intervalOf = [&](const Segment& s, double t) {
      const auto begin = t_.begin() + s.begin, end = t_.begin() + s.end;
      const int k = static_cast<int>(std::upper_bound(begin, end, t) - t_.begin()) - 1;
      return std::clamp(k, s.begin, s.end - 2);
    };
    const double lo = q - kResolutionWindow * sigma, hi = q + kResolutionWindow * sigma;
    for (const Segment& s : segments_) {
      const double a = s.lo, b = s.hi;
      if (b < lo || a > hi) continue;
      if (sigma == 0) {
        // A point without spread (a data point without a resolution): R itself.
        const double t = s.tOf(q);
        spread(s, intervalOf(s, t), t, 1.0);
        break;
      }
      const double ta = s.tOf(std::max(lo, a)), tb = s.tOf(std::min(hi, b));
      const double norm = 1 / (sigma * std::sqrt(2 * M_PI));
      for (int k = intervalOf(s, ta); k < s.end - 1 && t_[at(k)] < tb; ++k) {
        // The end intervals reach to the segment's ends, which need not be nodes.
        const double u0 = k == s.begin ? ta : std::max(ta, t_[at(k)]);
        const double u1 = k == s.end - 2 ? tb : std::min(tb, t_[at(k + 1)]);
        if (!(u1 > u0)) continue;
        // Pieces no wider than σ in Q, on which the Gaussian is a smooth polynomial-like arc.
        const int pieces = std::max(1, static_cast<int>(std::ceil((s.qOf(u1) - s.qOf(u0)) / sigma)));
        const double width = (u1 - u0) / pieces;
        for (int p = 0; p < pieces; ++p) {
          const double mid = u0 + (p + 0.5) * width;
          for (size_t g = 0; g < kGaussNodes.size(); ++g) {
            const double t = mid + 0.5 * width * kGaussNodes[g];
            const double x = (s.qOf(t) - q) / sigma;
            spread(s, k, t, 0.5 * width * kGaussWeights[g] * s.slope(t) * norm * std::exp(-0.5 * x * x));
          }
        }
      }
    }
    if (highest < lowest) lowest = highest = 0;  // no node near the point: it smears to 0
    first_[i] = lowest;
    for (int j = lowest; j <= highest; ++j) {
      weights_.push_back(acc[at(j)]);
      acc[at(j)] = 0;
    }
    offset_[i + 1] = static_cast<int>(weights_.size());
  }
}

void SmearingPlan::apply(const double* nodeR, double* out) const {
  for (size_t i = 0; i < first_.size(); ++i) {
    const double* w = weights_.data() + offset_[i];
    const double* r = nodeR + first_[i];
    const int count = offset_[i + 1] - offset_[i];
    double sum = 0;
    for (int k = 0; k < count; ++k) sum += w[k] * r[k];
    out[i] = sum;
  }
}

}  // namespace lumo
