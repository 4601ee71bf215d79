#include <iostream>

#include "app/Cli.h"
#ifdef LUMO_FIGURES
#include "app/CliFigureOutput.h"
#endif

int main(int argc, char** argv) {
#ifdef LUMO_FIGURES
  lumo::cli::OffscreenFigureWriter figures;
  lumo::cli::useFigureWriter(&figures);
#endif
  return lumo::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
