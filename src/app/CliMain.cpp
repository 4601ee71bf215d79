#include <iostream>

#include "app/Cli.h"

int main(int argc, char** argv) {
  return lumo::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
