#pragma once
// Joins texts by appending them: messages built this way avoid the chains of "literal" +
// string temporaries that g++ 12's -Wrestrict mistakes for overlapping copies.
#include <string>

namespace lumo::text {

template <class... Parts>
std::string join(const Parts&... parts) {
  std::string s;
  (s.append(parts), ...);
  return s;
}

}  // namespace lumo::text
