#include "files/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lumo::text {
namespace {

// Decimal digits and exponent of a value: value = 0.d1d2...dn × 10^(exponent + 1),
// i.e. d1.d2...dn × 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading or trailing zeros, at least one digit
  int exponent = 0;
};

template <typename Float>
Decimal shortestDecimal(Float value) {
  std::array<char, 64> buf{};
  auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                              std::chars_format::scientific);
  std::string_view text(buf.data(), static_cast<size_t>(result.ptr - buf.data()));
  Decimal d;
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits.push_back(c);
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0),
                  text.data() + text.size(), d.exponent);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string plainForm(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= 0) {
    const int intDigits = d.exponent + 1;
    if (n <= intDigits) {
      out += d.digits;
      out.append(static_cast<size_t>(intDigits - n), '0');
    } else {
      out += d.digits.substr(0, static_cast<size_t>(intDigits));
      out += '.';
      out += d.digits.substr(static_cast<size_t>(intDigits));
    }
  } else {
    out += '.';
    out.append(static_cast<size_t>(-d.exponent - 1), '0');
    out += d.digits;
  }
  return out;
}

std::string exponentText(int exponent) {
  std::string out(1, exponent < 0 ? '-' : '+');
  const std::string magnitude = std::to_string(std::abs(exponent));
  if (magnitude.size() < 2) out += '0';
  return out + magnitude;
}

std::string exponentForm(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += '.';
    out += d.digits.substr(1);
  }
  return out + 'E' + exponentText(d.exponent);
}

// Plain form for magnitudes from 0.001 up to (not including) 10^maxExponent.
template <typename Float>
std::string shortest(Float value, int maxExponent) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  const Decimal d = shortestDecimal(value);
  if (d.exponent < -3 || d.exponent >= maxExponent) return exponentForm(d);
  return plainForm(d);
}

bool allZeroDigits(const std::string& text) {
  for (char c : text)
    if (c >= '1' && c <= '9') return false;
    else if (c == 'E') break;
  return true;
}

// printf writes "-0.000" for tiny negatives; a value that shows as zero carries no sign.
std::string withoutNegativeZero(std::string text) {
  if (!text.empty() && text.front() == '-' && allZeroDigits(text)) text.erase(0, 1);
  return text;
}

}  // namespace

std::string shortestSingle(float value) { return shortest(value, 7); }
std::string shortestDouble(double value) { return shortest(value, 15); }

std::string formatScientific(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  // to_chars rounds the exact binary value correctly, as printf does, and much faster.
  std::array<char, 64> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                    std::chars_format::scientific, decimals);
  std::string text(buf.data(), result.ptr);
  const size_t e = text.find('e');
  text[e] = 'E';
  if (text.size() - e == 3) text.insert(e + 2, 1, '0');  // at least two exponent digits
  return withoutNegativeZero(text);
}

std::string formatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  std::array<char, 400> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return formatScientific(value, decimals);  // beyond any label
  return withoutNegativeZero(std::string(buf.data(), result.ptr));
}

std::string formatSci4(double value) { return formatScientific(value, 4); }
std::string formatSci2(double value) { return formatScientific(value, 2); }
std::string formatFixed3(double value) { return formatFixed(value, 3); }
std::string formatFixed1(double value) { return formatFixed(value, 1); }

}  // namespace lumo::text
