#include "app/PrintableStream.h"

#include "files/PrintableText.h"

namespace lumo::cli {

PrintableStreamBuf::int_type PrintableStreamBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  put(traits_type::to_char_type(c));
  return c;
}

std::streamsize PrintableStreamBuf::xsputn(const char* s, std::streamsize n) {
  for (std::streamsize i = 0; i < n; ++i) put(s[i]);
  return n;
}

int PrintableStreamBuf::sync() {
  passLine();
  target_.flush();
  return 0;
}

void PrintableStreamBuf::put(char c) {
  line_ += c;
  if (c == '\n') passLine();
}

// Whole lines keep the bytes of a UTF-8 character together.
void PrintableStreamBuf::passLine() {
  size_t start = 0;
  while (start < line_.size()) {
    const size_t end = line_.find_first_of("\n\t", start);
    const size_t stop = end == std::string::npos ? line_.size() : end;
    target_ << text::printable(std::string_view(line_).substr(start, stop - start));
    if (end == std::string::npos) break;
    target_ << line_[end];
    start = end + 1;
  }
  line_.clear();
}

}  // namespace lumo::cli
