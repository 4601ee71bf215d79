#include "app/LumoArgs.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace lumo::cli {

// The layout follows lumo-cli's help, from which the manual pages are made too: usage
// lines, a description, headed sections of indented entries, the exit status.
const char* const kLumoHelp =
    R"(Usage: lumo [FILE...]
       lumo --help | --version

Opens the main window of Lumo, which fits a stack of thin layers to up to four
measured specular reflectivity curves R(Q) of one sample in different solvent
contrasts. Its File menu also opens the data converter, which turns instrument data
files into the program's own format.

Arguments:
  FILE...         data files in the program's own format (.VLD, .VLB), opened into the
                  data-set slots 1 to 4 at start as "Open Data Files" opens them, with
                  the same messages for files that cannot be read; at most four

Options:
  --help          Shows this text.
  --version       Shows the version.
  -platform NAME  Qt's platform plugin (xcb, wayland, offscreen); Qt's other options,
                  such as -style NAME, are accepted too.

Exit status: 0 when the program ends, 2 for a usage error.
)";

namespace {

// Everything before "--", where the options may stand.
CommandArgs::const_iterator optionsEnd(const CommandArgs& args) {
  return std::find(args.begin(), args.end(), std::string("--"));
}

bool asked(const CommandArgs& args, std::initializer_list<const char*> names) {
  const auto end = optionsEnd(args);
  return std::any_of(args.begin(), end, [&](const std::string& a) {
    return std::find(names.begin(), names.end(), a) != names.end();
  });
}

}  // namespace

std::optional<int> lumoHelpOrVersion(const CommandArgs& args, std::ostream& out) {
  if (asked(args, {"--help", "-h"})) {
    out << kLumoHelp;
    return kExitOk;
  }
  if (asked(args, {"--version"})) {
    out << "lumo " << LUMO_VERSION << '\n';
    return kExitOk;
  }
  return std::nullopt;
}

std::vector<std::string> lumoStartFiles(const CommandArgs& args, const std::string& folder) {
  const auto end = optionsEnd(args);
  // CliArgs takes "--name" for an option; Qt's options start with one dash, and any left
  // here are unknown to Qt as well.
  for (auto a = args.begin(); a != end; ++a)
    if (a->size() > 1 && a->front() == '-' && (*a)[1] != '-')
      throw UsageError{"unknown option " + *a};
  const CliArgs parsed(args, OptionTable{});
  std::vector<std::string> files;
  for (const std::string& name : parsed.positional()) {
    const std::filesystem::path path(name);
    files.push_back(path.is_absolute()
                        ? name
                        : (std::filesystem::path(folder) / path).lexically_normal().string());
  }
  return files;
}

}  // namespace lumo::cli
