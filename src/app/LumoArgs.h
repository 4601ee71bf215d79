#pragma once
// The command line of the program `lumo`: help, version and the data files to open at
// start. Help and version are answered before Qt looks for a display, so that they work
// in any shell; the manual page lumo(1) is made from the same help text.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/Cli.h"
#include "app/CliArgs.h"

namespace lumo::cli {

extern const char* const kLumoHelp;

// Prints the help or the version when the arguments ask for either and returns the exit
// status; nothing when the program should start.
std::optional<int> lumoHelpOrVersion(const CommandArgs& args, std::ostream& out);

// The data files to open at start, in the order given, made absolute against `folder`:
// the start-up moves to the last working folder before they are opened. Qt's own options
// must have been taken out already. Throws UsageError for any other option.
std::vector<std::string> lumoStartFiles(const CommandArgs& args, const std::string& folder);

}  // namespace lumo::cli
