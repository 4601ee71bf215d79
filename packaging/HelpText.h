#pragma once
// The structure of a --help text in the layout ManPage.h describes: usage lines, then
// sections of paragraphs and (nested) lists of entries.
#include <string>
#include <vector>

namespace lumo::manpage {

struct Entry;
// A paragraph (its lines) or a list of entries.
struct Node {
  std::vector<std::string> paragraph;
  std::vector<Entry> entries;
};
struct Entry {
  std::string term;
  std::vector<Node> body;
};
using Body = std::vector<Node>;

struct HelpSection {
  std::string name;  // upper case: "DESCRIPTION", "COMMANDS", "EXIT STATUS"
  Body body;
};

struct HelpText {
  std::vector<std::string> usage;
  std::vector<HelpSection> sections;  // DESCRIPTION first; a section may be empty
};

HelpText parseHelp(const std::string& help);

// ASCII letters in upper case, as in section names and page titles.
std::string upperCase(std::string text);

}  // namespace lumo::manpage
