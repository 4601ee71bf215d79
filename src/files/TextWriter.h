#pragma once
// Builds the text of the program's files, line by line, with CR LF line ends.
//
// Write style: the items of one line separated by commas, strings in double quotes,
// numbers in their shortest text.
// Print style: a number is written as its sign position (a blank when non-negative,
// "-" otherwise), its shortest text and one trailing blank; strings are written as
// they are; tab(n) fills with blanks up to column n (counted from 1), or starts a new
// line when the line is already past column n.
#include <string>
#include <string_view>

namespace lumo::text {

class TextWriter {
 public:
  // Write style.
  TextWriter& writeString(std::string_view value);
  TextWriter& writeNumber(float value);
  TextWriter& writeNumber(double value);
  TextWriter& writeInteger(long value);

  // Print style.
  TextWriter& printString(std::string_view value);
  TextWriter& printNumber(float value);
  TextWriter& printNumber(double value);
  TextWriter& printInteger(long value);
  TextWriter& tab(int column);

  // Ends the current line with CR LF.
  TextWriter& endLine();

  const std::string& text() const { return text_; }

 private:
  void beginWriteItem();
  void printSigned(const std::string& digits, bool negative);
  int column() const { return static_cast<int>(text_.size() - lineStart_) + 1; }

  std::string text_;
  size_t lineStart_ = 0;
  bool writeItemOnLine_ = false;
};

}  // namespace lumo::text
