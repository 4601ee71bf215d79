#pragma once
// Helpers for the converter tests: file texts built line by line with CR LF ends.
#include <initializer_list>
#include <string>

namespace lumo::test {

inline std::string crlfLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace lumo::test
