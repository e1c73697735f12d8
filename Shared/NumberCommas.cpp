#include "NumberCommas.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace FX;

namespace NumberCommas {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isCellEnd(char c) { return c == '\t' || c == '\n' || c == '\r'; }

// A whole finite decimal number, as the tables read one.
bool isNumber(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::strchr("0123456789+-.eE", c)) return false;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  return *end == '\0' && std::isfinite(v);
}

// Digits grouped by commas: a sign, a first group of one to three digits
// (not starting with 0), one or more groups of three after a comma, then a
// decimal part and an exponent if any.
bool groupedDigits(const std::string& s, int* commas, bool* point) {
  size_t i = 0;
  const size_t n = s.size();
  *commas = 0;
  *point = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t first = i;
  while (i < n && isDigit(s[i])) ++i;
  if (i - first < 1 || i - first > 3 || s[first] == '0') return false;
  while (i < n && s[i] == ',') {
    ++i;
    for (int k = 0; k < 3; ++k, ++i)
      if (i >= n || !isDigit(s[i])) return false;
    ++*commas;
  }
  if (*commas == 0) return false;
  if (i < n && s[i] == '.') {
    *point = true;
    ++i;
    while (i < n && isDigit(s[i])) ++i;
  }
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    const size_t digits = i;
    while (i < n && isDigit(s[i])) ++i;
    if (i == digits) return false;
  }
  return i == n;
}

std::string trimmed(const char* text, size_t n) {
  size_t b = 0, e = n;
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  return std::string(text + b, e - b);
}

Use useOfTrimmed(const std::string& s) {
  if (s.empty()) return Use::NoNumber;
  if (s.find(',') == std::string::npos) {
    if (!isNumber(s)) return Use::NoNumber;
    return s.find('.') == std::string::npos ? Use::NoCommas : Use::PointDecimal;
  }
  int commas = 0;
  bool point = false;
  if (groupedDigits(s, &commas, &point)) return commas > 1 || point ? Use::GroupsOnly : Use::GroupsOrDecimal;
  std::string dotted(s);
  for (char& c : dotted)
    if (c == ',') c = '.';
  return isNumber(dotted) ? Use::DecimalOnly : Use::NoNumber;
}

// Appends a cell with its commas dropped or turned into points.
void appendCell(std::string& out, const char* text, size_t n, bool dropCommas) {
  for (size_t i = 0; i < n; ++i) {
    if (text[i] != ',')
      out.push_back(text[i]);
    else if (!dropCommas)
      out.push_back('.');
  }
}

bool canGroup(Use u) { return u == Use::GroupsOnly || u == Use::GroupsOrDecimal; }

}  // namespace

Use useOf(const FXString& text) { return useOfTrimmed(trimmed(text.text(), (size_t)text.length())); }

FXString pointed(const FXString& text) {
  if (text.find(',') < 0) return text;
  std::string out;
  appendCell(out, text.text(), (size_t)text.length(), useOf(text) == Use::GroupsOnly);
  return FXString(out.data(), (FXint)out.size());
}

FXString pointedBlock(const FXString& text) {
  if (text.find(',') < 0) return text;
  const char* s = text.text();
  const size_t n = (size_t)text.length();
  // Calls visit(start, length) for every cell.
  auto eachCell = [s, n](const auto& visit) {
    for (size_t start = 0; start <= n;) {
      size_t end = start;
      while (end < n && !isCellEnd(s[end])) ++end;
      visit(start, end - start);
      start = end + 1;
    }
  };
  auto useOfCell = [s](size_t start, size_t length) { return useOfTrimmed(trimmed(s + start, length)); };

  // What the cells show about the block's commas.
  bool groups = false, decimal = false, point = false;
  eachCell([&](size_t start, size_t length) {
    if (std::memchr(s + start, ',', length)) {
      const Use use = useOfCell(start, length);
      groups = groups || use == Use::GroupsOnly;
      decimal = decimal || use == Use::DecimalOnly;
    } else if (!point && std::memchr(s + start, '.', length)) {
      point = useOfCell(start, length) == Use::PointDecimal;
    }
  });
  const bool grouping = groups || (!decimal && point);

  std::string out;
  out.reserve(n);
  eachCell([&](size_t start, size_t length) {
    const bool commas = std::memchr(s + start, ',', length) != nullptr;
    appendCell(out, s + start, length, commas && grouping && canGroup(useOfCell(start, length)));
    if (start + length < n) out.push_back(s[start + length]);
  });
  return FXString(out.data(), (FXint)out.size());
}

}  // namespace NumberCommas
