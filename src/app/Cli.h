#pragma once
// The command-line tool: commands that share the program's core.
#include <iosfwd>
#include <string>
#include <vector>

namespace lumo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadFile = 1;
inline constexpr int kExitUsage = 2;

// Runs the tool with its arguments (without the program name); returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The reflectivity of a model file on a grid or on the Q points of a data file.
int reflect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Converts instrument and other reflectivity files as the converter window does.
int convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumo::cli
