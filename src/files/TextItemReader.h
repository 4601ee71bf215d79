#pragma once
// Reads the program's text files item by item.
//
// A string item: leading blanks and tabs are skipped; a quoted item runs to the closing
// double quote on the same line and loses its quotes; otherwise the item runs to the
// next comma or line end (trailing blanks dropped). The comma or line end that ends the
// item is consumed, so an empty line is one empty string item.
//
// A number item: leading blanks and line ends are skipped; the number runs to the next
// blank, comma or line end; a comma or line end after it (past any blanks) is consumed.
// Numbers are decimal with an optional exponent (E or D), as in 1.5E-03.
//
// Lines may end in LF, CR LF or CR; the last line end may be missing. The end of the
// file is reached when nothing but blanks and line ends remains, so trailing blank lines
// never produce extra items.
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumo::text {

// A malformed file: the message names the line and what was wrong.
class ReadError : public std::runtime_error {
 public:
  ReadError(int line, const std::string& what);
  int line() const { return line_; }

 private:
  int line_;
};

class TextItemReader {
 public:
  // The reader keeps a view of the text, which must outlive it.
  explicit TextItemReader(std::string_view text) : text_(text) {}
  explicit TextItemReader(const char* text) : text_(text) {}
  explicit TextItemReader(std::string&&) = delete;

  bool atEnd() const;
  std::string readString();
  double readNumber();
  // A number that must be a whole value within [min, max].
  long readInteger(long min, long max);

  // 1-based line of the next character to be read.
  int line() const { return lineAt(pos_); }

 private:
  bool atLineEnd() const;
  void consumeLineEnd();
  void skipBlanks();
  int lineAt(size_t pos) const;
  [[noreturn]] void fail(size_t pos, const std::string& what) const;

  std::string_view text_;
  size_t pos_ = 0;
};

// Parses a whole token as a decimal number; false when it is not one.
bool parseDecimal(std::string_view token, double& value);

}  // namespace lumo::text
