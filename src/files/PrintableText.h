#pragma once
// Text from files and file names made safe to show in a message or on a terminal.
#include <string>
#include <string_view>

namespace lumo::text {

// `bytes` with every control character (C0, DEL and C1, so also line breaks and the
// escape that starts terminal commands) and every byte that is not part of valid UTF-8
// written as \xNN; all other characters stay as they are.
std::string printable(std::string_view bytes);

}  // namespace lumo::text
