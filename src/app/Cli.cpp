#include "app/Cli.h"

#include <ostream>

namespace lumo::cli {
namespace {

const char* const kHelp =
    R"(Usage: lumo-cli COMMAND [OPTIONS]

Commands:
  reflect MODEL.FIT --incident-sld X --solvent-sld Y
          (--q-start A --q-finish B --points P | --data FILE) [--exact-q]
      Prints the reflectivity of the layer model in MODEL.FIT, one line per point:
      Q (1/Å) and the linear reflectivity R, separated by one blank, each with 17
      significant digits.
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --solvent-sld Y   SLD of the solvent backing the stack, 10^-6 Å^-2
        --q-start A, --q-finish B, --points P
                          an evenly spaced grid from A to B with P points, both ends
                          included (0 < P <= 512, 0 <= A < B <= 0.5)
        --data FILE       every Q point of a data file in the program's own format
        --exact-q         standard kinematics, sin(theta) = Q lambda / (4 pi), instead of
                          the program's sine conversion of Q
      The layer lines of the model file are used with their values as they stand.

  convert --from FORMAT --to LIST [--title TEXT] [--sld X] [--keep-title] FILE...
      Converts each FILE as the converter window does and writes the outputs beside it,
      under its name with the extension replaced; prints the path of each file written.
        --from FORMAT     isis, nist, ill, drydoc, lumo, fit or go
        --to LIST         comma-separated outputs: lumo (.VLD), drydoc (.DAT), excel (.CSV),
                          go (.DAT; it replaces a drydoc file of the same name)
        --title TEXT      title of the outputs (default "Title")
        --sld X           SLD written to lumo outputs, 10^-6 Å^-2 (default 6.35)
        --keep-title      keep TEXT even where the input file carries a title
      Values are rounded to five significant digits. A file that cannot be read or is
      malformed gets no output and is reported on stderr, as is an output that cannot be
      written or would replace its own input; the other files are still converted.

  --help  Shows this text.

Exit status: 0 on success, 1 for an unreadable or malformed file (or an output of convert
not written), 2 for a usage error.
)";

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "lumo-cli: no command given (try lumo-cli --help)\n";
    return kExitUsage;
  }
  const std::string& command = args.front();
  if (command == "--help" || command == "-h" || command == "help") {
    out << kHelp;
    return kExitOk;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "reflect") return reflect(rest, out, err);
  if (command == "convert") return convert(rest, out, err);
  err << "lumo-cli: unknown command '" << command << "' (try lumo-cli --help)\n";
  return kExitUsage;
}

}  // namespace lumo::cli
