#pragma once
// Manual pages made from a program's --help text, so that the help and the page never
// disagree. The help text follows one layout (that of `lumo --help` and `lumo-cli --help`):
//
//   Usage: NAME ...              usage lines, continued by indented lines  -> SYNOPSIS
//                                (blank line)
//   Text at the margin.          paragraphs before the first heading       -> DESCRIPTION
//   Heading:                     a section of indented entries             -> HEADING
//     TERM  description          an entry: a term, then its description on the same line
//           continued            after two or more blanks, or on deeper indented lines
//     term continued                    (lines deeper than the description continue the term)
//         Prose of the entry.    inside an entry: prose at one indent, entries deeper
//           --option  text
//   Heading: text.               a section of one paragraph                -> HEADING
#include <string>
#include <vector>

namespace lumo::manpage {

struct PageInfo {
  std::string name;                  // the program, e.g. "lumo-cli"
  std::string summary;               // what it is, in one line, for the NAME section
  std::string version;               // e.g. "3.1.1"
  std::string date;                  // e.g. "2025-03-01"
  std::vector<std::string> seeAlso;  // other pages of section 1, e.g. {"lumo"}
};

// The page in the man(7) macros, every character outside ASCII written as a groff escape.
std::string helpToMan(const std::string& help, const PageInfo& info);

}  // namespace lumo::manpage
