#include "files/TextItemReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "files/NumberText.h"
#include "files/PrintableText.h"

namespace lumo::text {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\r' || c == '\n'; }
// What may follow the last item: blanks, line ends and an old end-of-file mark.
bool isTrailing(char c) { return isBlank(c) || isLineEndChar(c) || c == '\x1a'; }

}  // namespace

std::string quotedToken(std::string_view token) {
  constexpr size_t kShown = 40;
  std::string shown = printable(token.substr(0, kShown));
  if (token.size() > kShown) shown += "...";
  return "\"" + shown + "\"";
}

ReadError::ReadError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

bool parseDecimal(std::string_view token, double& value) {
  // Accept only: [sign] digits [. digits] [(E|D) [sign] digits], with at least one digit
  // in the mantissa. Everything else (inf, nan, hex, stray letters) is refused.
  std::string normal;
  size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    if (token[i] == '-') normal += '-';
    ++i;
  }
  size_t mantissaDigits = 0;
  while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
    normal += token[i++];
    ++mantissaDigits;
  }
  if (i < token.size() && token[i] == '.') {
    normal += token[i++];
    while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
      normal += token[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i < token.size() && (token[i] == 'E' || token[i] == 'e' || token[i] == 'D' ||
                           token[i] == 'd')) {
    normal += 'e';
    ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) normal += token[i++];
    size_t exponentDigits = 0;
    while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
      normal += token[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  if (i != token.size()) return false;
  const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow to zero is harmless; overflow is not a usable number.
    const size_t e = normal.find('e');
    if (e != std::string::npos && normal[e + 1] == '-') {
      value = 0.0;
      return true;
    }
    return false;
  }
  return result.ec == std::errc() && result.ptr == normal.data() + normal.size() &&
         std::isfinite(value);
}

TextItemReader::TextItemReader(std::string_view text) : text_(text), contentEnd_(text.size()) {
  while (contentEnd_ > 0 && isTrailing(text_[contentEnd_ - 1])) --contentEnd_;
}

bool TextItemReader::atLineEnd() const {
  return pos_ >= text_.size() || isLineEndChar(text_[pos_]);
}

void TextItemReader::consumeLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

void TextItemReader::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

void TextItemReader::skipBlanksAndLineEnds() {
  while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEndChar(text_[pos_]))) ++pos_;
}

int TextItemReader::lineAt(size_t pos) const {
  pos = std::min(pos, text_.size());
  if (pos < countedTo_) countedTo_ = 0, countedLines_ = 1;
  for (size_t i = countedTo_; i < pos; ++i) {
    // CR LF counts once, at its LF; a CR alone ends a line too.
    if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
      ++countedLines_;
  }
  countedTo_ = pos;
  return countedLines_;
}

void TextItemReader::fail(size_t pos, const std::string& what) const {
  throw ReadError(lineAt(pos), what);
}

std::string TextItemReader::readString() {
  if (atEnd()) fail(pos_, "the file ends before all of its items were read");
  skipBlanks();
  std::string item;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    ++pos_;
    while (!atLineEnd() && text_[pos_] != '"') item += text_[pos_++];
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    // Anything between the closing quote and the end of the item is dropped.
    while (!atLineEnd() && text_[pos_] != ',') ++pos_;
  } else {
    while (!atLineEnd() && text_[pos_] != ',') item += text_[pos_++];
    while (!item.empty() && isBlank(item.back())) item.pop_back();
  }
  if (pos_ < text_.size() && text_[pos_] == ',')
    ++pos_;
  else
    consumeLineEnd();
  return item;
}

double TextItemReader::readToken() {
  const size_t start = pos_;
  while (!atLineEnd() && !isBlank(text_[pos_]) && text_[pos_] != ',') ++pos_;
  const std::string_view token = text_.substr(start, pos_ - start);
  if (token.empty()) fail(start, "an empty item stands where a number belongs");
  double value = 0.0;
  if (!parseDecimal(token, value)) fail(start, "expected a number, found " + quotedToken(token));
  return value;
}

double TextItemReader::readNumber() {
  skipBlanksAndLineEnds();
  if (atEnd()) fail(pos_, "the file ends before all of its numbers were read");
  const double value = readToken();
  skipBlanks();
  if (pos_ < text_.size() && text_[pos_] == ',')
    ++pos_;
  else
    consumeLineEnd();
  return value;
}

long TextItemReader::readInteger(long min, long max) {
  skipBlanksAndLineEnds();
  const size_t start = pos_;
  const double value = readNumber();
  // Only a whole value within the range of long converts to one; 2^63 itself does not.
  const bool whole = value == std::floor(value) && value >= -0x1p63 && value < 0x1p63;
  const long n = whole ? static_cast<long>(value) : 0;
  if (!whole || n < min || n > max)
    fail(start, "expected a whole number from " + std::to_string(min) + " to " +
                    std::to_string(max) + ", found " + quotedToken(shortestDouble(value)));
  return n;
}

int TextItemReader::readNumberRow(std::vector<double>& numbers) {
  skipBlanksAndLineEnds();
  if (atEnd()) fail(pos_, "the file ends before all of its lines were read");
  const int row = line();
  numbers.clear();
  for (;;) {
    numbers.push_back(readToken());
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',') {
      ++pos_;
      skipBlanks();
      if (atLineEnd()) break;  // a comma at the end of the line ends it
    }
    if (atLineEnd()) break;
  }
  consumeLineEnd();
  return row;
}

}  // namespace lumo::text
