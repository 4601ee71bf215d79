#pragma once
// Runs lumo-cli's commands in the test's process and keeps what they printed.
#include <sstream>
#include <string>
#include <vector>

#include "app/Cli.h"

namespace lumo::cli {

struct Outcome {
  int status;
  std::string out, err;
};

inline Outcome runCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace lumo::cli
