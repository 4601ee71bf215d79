#include "files/TextWriter.h"

#include <string>

#include "files/NumberText.h"

namespace lumo::text {

void TextWriter::beginWriteItem() {
  if (writeItemOnLine_) text_ += ',';
  writeItemOnLine_ = true;
}

TextWriter& TextWriter::writeString(std::string_view value) {
  beginWriteItem();
  text_ += '"';
  // A double quote inside a quoted item would end it early when read back, and a line
  // break would split it: a double quote is written as a single one, a line break (CR,
  // LF or CR LF) as a blank, so that the item stays whole.
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
    text_ += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
  }
  text_ += '"';
  return *this;
}

TextWriter& TextWriter::writeNumber(float value) {
  beginWriteItem();
  text_ += shortestSingle(value);
  return *this;
}

TextWriter& TextWriter::writeNumber(double value) {
  beginWriteItem();
  text_ += shortestDouble(value);
  return *this;
}

TextWriter& TextWriter::writeInteger(long value) {
  beginWriteItem();
  text_ += std::to_string(value);
  return *this;
}

TextWriter& TextWriter::printString(std::string_view value) {
  text_ += value;
  return *this;
}

void TextWriter::printSigned(const std::string& digits, bool negative) {
  if (!negative) text_ += ' ';
  text_ += digits;
  text_ += ' ';
}

TextWriter& TextWriter::printNumber(float value) {
  const std::string digits = shortestSingle(value);
  printSigned(digits, digits.front() == '-');
  return *this;
}

TextWriter& TextWriter::printNumber(double value) {
  const std::string digits = shortestDouble(value);
  printSigned(digits, digits.front() == '-');
  return *this;
}

TextWriter& TextWriter::printInteger(long value) {
  printSigned(std::to_string(value), value < 0);
  return *this;
}

TextWriter& TextWriter::tab(int column) {
  if (this->column() > column) endLine();
  while (this->column() < column) text_ += ' ';
  return *this;
}

TextWriter& TextWriter::endLine() {
  text_ += "\r\n";
  lineStart_ = text_.size();
  writeItemOnLine_ = false;
  return *this;
}

}  // namespace lumo::text
