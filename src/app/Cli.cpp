#include "app/Cli.h"

#include <algorithm>
#include <ostream>

#include "app/PrintableStream.h"

namespace lumo::cli {
namespace {

const char* const kUsage = "Usage: lumo-cli COMMAND [OPTIONS]\n       lumo-cli COMMAND --help\n";

// What the tool is for: the description of its manual page as well.
const char* const kDescription =
    R"(Runs the jobs of Lumo that are worth repeating over many files from a shell, on the
same core as the program's windows and with the same results.
)";

const char* const kGeneralOptions =
    R"(  --help     Shows this text; after a command, that command's help.
  --version  Shows the version.
)";

const char* const kExitStatus =
    R"(Exit status: 0 on success, 1 for an unreadable or malformed file (or an output not
written), 2 for a usage error.
)";

void printHelp(std::ostream& out) {
  out << kUsage << '\n' << kDescription << "\nCommands:\n";
  for (const Command& command : commands()) out << command.help << '\n';
  out << "Options:\n" << kGeneralOptions << '\n' << kExitStatus;
}

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

const std::vector<Command>& commands() {
  static const std::vector<Command> all = {
      {"reflect", kReflectHelp, reflect},
      {"profile", kProfileHelp, profile},
      {"convert", kConvertHelp, convert},
      {"model", kModelHelp, model},
      {"data", kDataHelp, data},
      {"refine", kRefineHelp, refine},
      {"plot", kPlotHelp, plot},
  };
  return all;
}

namespace {

int dispatch(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "lumo-cli: no command given (try lumo-cli --help)\n";
    return kExitUsage;
  }
  const std::string& name = args.front();
  if (isHelp(name) || name == "help") {
    printHelp(out);
    return kExitOk;
  }
  if (name == "--version") {
    out << "lumo-cli " << LUMO_VERSION << '\n';
    return kExitOk;
  }
  const auto& all = commands();
  const auto command = std::find_if(all.begin(), all.end(),
                                    [&](const Command& c) { return name == c.name; });
  if (command == all.end()) {
    err << "lumo-cli: unknown command '" << name << "' (try lumo-cli --help)\n";
    return kExitUsage;
  }
  const CommandArgs rest(args.begin() + 1, args.end());
  if (std::any_of(rest.begin(), rest.end(), isHelp)) {
    out << "Usage:\n" << command->help << '\n' << kExitStatus;
    return kExitOk;
  }
  return command->run(rest, out, err);
}

}  // namespace

int run(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  // File names and file contents reach both streams: neither may carry control bytes.
  PrintableStream printableOut(out), printableErr(err);
  return dispatch(args, printableOut, printableErr);
}

}  // namespace lumo::cli
