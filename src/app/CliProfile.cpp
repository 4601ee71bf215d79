// lumo-cli profile: the SLD profile of a model file against depth.
#include <cstdio>
#include <ostream>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "app/CliInputs.h"
#include "model/SldProfile.h"

namespace lumo::cli {

const char* const kProfileHelp =
    R"(  profile MODEL.FIT --incident-sld X --solvent-sld Y [--points N]
      Prints the scattering length density of the layer model in MODEL.FIT against
      depth, one line per depth: z (Å, 0 at the top of layer 1, growing into the
      sample) and the SLD (10^-6 Å^-2), separated by one blank, each with 17
      significant digits. Each layer has its SLD mixed with the solvent by its
      solvent fraction; each interface is an error function of its roughness.
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --solvent-sld Y   SLD of the solvent backing the stack, 10^-6 Å^-2
        --points N        evenly spaced depths over the stack and a margin on
                          either side (2 <= N <= 100000, default 401)
)";

namespace {

const OptionTable kOptions = {{"--incident-sld", "--solvent-sld", "--points"}, {}, {}};

constexpr int kMostPoints = 100000;

int pointsOf(const CliArgs& args) {
  const auto points = args.optionalNumber("--points");
  if (!points) return kProfilePoints;
  if (!(*points >= 2 && *points <= kMostPoints) || *points != static_cast<int>(*points))
    throw UsageError{"option --points needs a whole number from 2 to 100000"};
  return static_cast<int>(*points);
}

}  // namespace

int profile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const CliArgs parsed(args, kOptions);
    modelPath(parsed);
    const int points = pointsOf(parsed);
    const auto model = readModelLayers(parsed, err);
    if (!model) return kExitBadFile;
    const DepthRange range = profileDepthRange(*model);
    std::vector<double> z;
    for (int i = 0; i < points; ++i)
      z.push_back(range.zMin + (range.zMax - range.zMin) * i / (points - 1));
    const std::vector<double> sld = sldAtDepths(*model, 1, z);
    char line[96];
    for (size_t i = 0; i < z.size(); ++i) {
      std::snprintf(line, sizeof line, "%.16e %.16e\n", z[i], sld[i] * 1e6);
      out << line;
    }
    return kExitOk;
  } catch (const UsageError& e) {
    err << "lumo-cli profile: " << e.what << " (try lumo-cli profile --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
