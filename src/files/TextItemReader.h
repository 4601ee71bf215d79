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
// A number row: the numbers of one line, separated by blanks or a comma; blank lines
// before it are skipped.
//
// Lines may end in LF, CR LF or CR; the last line end may be missing. The end of the
// file is reached when nothing but blanks and line ends remains, so trailing blank lines
// never produce extra items. Every operation takes time in proportion to the text it
// passes over, so reading a whole file is linear in its size.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
  explicit TextItemReader(std::string_view text);
  explicit TextItemReader(const char* text) : TextItemReader(std::string_view(text)) {}
  explicit TextItemReader(std::string&&) = delete;

  bool atEnd() const { return pos_ >= contentEnd_; }
  std::string readString();
  double readNumber();
  // A number that must be a whole value within [min, max].
  long readInteger(long min, long max);
  // The numbers of the rest of the current line (or of the next line that holds
  // anything) into `numbers`; the line end is consumed. Returns the line's number.
  int readNumberRow(std::vector<double>& numbers);

  // 1-based line of the next character to be read.
  int line() const { return lineAt(pos_); }

 private:
  bool atLineEnd() const;
  void consumeLineEnd();
  void skipBlanks();
  void skipBlanksAndLineEnds();
  double readToken();
  int lineAt(size_t pos) const;
  [[noreturn]] void fail(size_t pos, const std::string& what) const;

  std::string_view text_;
  size_t pos_ = 0;
  size_t contentEnd_ = 0;  // just past the last character that is not a blank or line end
  // Line numbers are counted from the last position asked about, so that asking as the
  // reading goes on costs no more than the reading.
  mutable size_t countedTo_ = 0;
  mutable int countedLines_ = 1;
};

// Parses a whole token as a decimal number; false when it is not one.
bool parseDecimal(std::string_view token, double& value);

// `token` as shown in a message: in double quotes, cut after 40 characters, with
// control bytes escaped.
std::string quotedToken(std::string_view token);

}  // namespace lumo::text
