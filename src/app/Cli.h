#pragma once
// The command-line tool: commands that share the program's core.
#include <iosfwd>
#include <string>
#include <vector>

namespace lumo {
class FigureWriter;
}

namespace lumo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadFile = 1;
inline constexpr int kExitUsage = 2;

using CommandArgs = std::vector<std::string>;

// One command of the tool. Its help text is its section of `lumo-cli --help` and the whole
// of `lumo-cli NAME --help`; the manual page is made from the same text.
struct Command {
  const char* name;
  const char* help;
  int (*run)(const CommandArgs& args, std::ostream& out, std::ostream& err);
};

// Every command, in the order the help lists them.
const std::vector<Command>& commands();

// Runs the tool with its arguments (without the program name); returns the exit status.
int run(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The reflectivity of a model file on a grid or on the Q points of a data file.
extern const char* const kReflectHelp;
int reflect(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The SLD profile of a model file against depth.
extern const char* const kProfileHelp;
int profile(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Converts instrument and other reflectivity files as the converter window does.
extern const char* const kConvertHelp;
int convert(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The model file that the window's Save Fit writes for one data set.
extern const char* const kModelHelp;
int model(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Corrects one data file as the data operations of the window do and saves it.
extern const char* const kDataHelp;
int data(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Refines many layer parameters together against measured contrasts.
extern const char* const kRefineHelp;
int refine(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The figure of a model and data files, as the window's Export Plot writes it.
extern const char* const kPlotHelp;
int plot(const CommandArgs& args, std::ostream& out, std::ostream& err);
// Where plot draws its figures; without one, plot says that figures are not built in.
void useFigureWriter(FigureWriter* writer);

}  // namespace lumo::cli
