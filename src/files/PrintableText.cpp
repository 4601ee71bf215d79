#include "files/PrintableText.h"

#include <algorithm>
#include <cstdint>

namespace lumo::text {
namespace {

// The length of the valid UTF-8 sequence that starts at `i`, or 0.
size_t utf8Length(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t b = byte(i);
  size_t length = 0;
  std::uint32_t code = 0;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) length = 2, code = b & 0x1Fu;
  else if (b >= 0xE0 && b <= 0xEF) length = 3, code = b & 0x0Fu;
  else if (b >= 0xF0 && b <= 0xF4) length = 4, code = b & 0x07u;
  else return 0;
  if (i + length > s.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i + k) & 0x3Fu);
  }
  // Overlong forms, surrogates and values beyond Unicode are not valid.
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

bool isControl(std::string_view s, size_t i, size_t length) {
  const auto b = static_cast<std::uint8_t>(s[i]);
  if (length == 1) return b < 0x20 || b == 0x7F;
  // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
  return length == 2 && b == 0xC2 && static_cast<std::uint8_t>(s[i + 1]) <= 0x9F;
}

void appendEscaped(std::string& out, std::uint8_t b) {
  static const char digits[] = "0123456789ABCDEF";
  out += "\\x";
  out += digits[b >> 4];
  out += digits[b & 0x0F];
}

}  // namespace

std::string printable(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8Length(bytes, i);
    if (length == 0 || isControl(bytes, i, length)) {
      for (size_t k = 0; k < std::max<size_t>(length, 1); ++k)
        appendEscaped(out, static_cast<std::uint8_t>(bytes[i + k]));
      i += std::max<size_t>(length, 1);
    } else {
      out.append(bytes.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace lumo::text
