// Writes the manual page of a program from its --help text (see ManPage.h):
//   lumo-manpage PROGRAM OUTPUT NAME VERSION DATE SUMMARY [SEE-ALSO...]
// runs "PROGRAM --help" and writes the page to OUTPUT; fails when the program fails or
// its help has no usage lines.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "ManPage.h"

namespace {

bool readHelp(const std::string& program, std::string& help) {
  std::string quoted = "'";
  for (char c : program) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  FILE* pipe = popen((quoted + "' --help").c_str(), "r");
  if (!pipe) return false;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) help.append(buffer, n);
  return pclose(pipe) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7) {
    std::cerr << "usage: lumo-manpage PROGRAM OUTPUT NAME VERSION DATE SUMMARY [SEE-ALSO...]\n";
    return 2;
  }
  const std::string program = argv[1], output = argv[2];
  const lumo::manpage::PageInfo info{argv[3], argv[6], argv[4], argv[5], {argv + 7, argv + argc}};
  std::string help;
  if (!readHelp(program, help)) {
    std::cerr << "lumo-manpage: " << program << " --help failed\n";
    return 1;
  }
  const std::string page = lumo::manpage::helpToMan(help, info);
  if (page.find(".SH SYNOPSIS") == std::string::npos) {
    std::cerr << "lumo-manpage: the help of " << program << " has no \"Usage:\" line\n";
    return 1;
  }
  std::ofstream out(output, std::ios::binary);
  out << page;
  out.close();
  if (!out) {
    std::cerr << "lumo-manpage: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}
