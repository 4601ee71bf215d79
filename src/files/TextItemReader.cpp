#include "files/TextItemReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "files/NumberText.h"

namespace lumo::text {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\r' || c == '\n'; }

std::string quoted(std::string_view token) {
  constexpr size_t kShown = 40;
  std::string shown(token.substr(0, kShown));
  if (token.size() > kShown) shown += "...";
  return "\"" + shown + "\"";
}

}  // namespace

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

bool TextItemReader::atEnd() const {
  return std::all_of(text_.begin() + static_cast<long>(pos_), text_.end(),
                     [](char c) { return isBlank(c) || isLineEndChar(c) || c == '\x1a'; });
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

int TextItemReader::lineAt(size_t pos) const {
  int line = 1;
  for (size_t i = 0; i < pos && i < text_.size(); ++i) {
    if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
      ++line;
  }
  return line;
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

double TextItemReader::readNumber() {
  while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEndChar(text_[pos_]))) ++pos_;
  if (atEnd()) fail(pos_, "the file ends before all of its numbers were read");
  const size_t start = pos_;
  while (!atLineEnd() && !isBlank(text_[pos_]) && text_[pos_] != ',') ++pos_;
  const std::string_view token = text_.substr(start, pos_ - start);
  if (token.empty()) fail(start, "an empty item stands where a number belongs");
  double value = 0.0;
  if (!parseDecimal(token, value)) fail(start, "expected a number, found " + quoted(token));
  skipBlanks();
  if (pos_ < text_.size() && text_[pos_] == ',')
    ++pos_;
  else
    consumeLineEnd();
  return value;
}

long TextItemReader::readInteger(long min, long max) {
  const size_t start = pos_;
  const double value = readNumber();
  if (value != std::floor(value) || value < static_cast<double>(min) ||
      value > static_cast<double>(max)) {
    // Report the line of the number itself, not of whatever follows it.
    TextItemReader probe(text_);
    probe.pos_ = start;
    while (probe.pos_ < text_.size() &&
           (isBlank(text_[probe.pos_]) || isLineEndChar(text_[probe.pos_])))
      ++probe.pos_;
    fail(probe.pos_, "expected a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", found " + quoted(shortestDouble(value)));
  }
  return static_cast<long>(value);
}

}  // namespace lumo::text
