#include "ClipboardPicture.h"
#include "Utilities_lom2.h"

#include <errno.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <FXTextCodec.h>

#include "ModalSeam.h"
#include "Win10StyleColors.h"

using namespace FX;

// ======================================================================
// Numbers and conversions
// ======================================================================

int Utilities_lom2::round(double x) {
  double r = x > 0 ? std::floor(x + 0.5) : -std::floor(0.5 - x);
  if (std::isnan(r)) return 0;
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(r);
}

double Utilities_lom2::roundToDecimals(int n, double x) {
  if (n < 0) return x;
  double p = 1.0;
  for (int i = 0; i < n; i++) p *= 10.0;
  // std::trunc is the int conversion's truncation without its overflow.
  if (x > 0) return std::trunc(x * p + 0.5) / p + 0.5 / p;
  return std::trunc(x * p - 0.5) / p - 0.5 / p;
}

int Utilities_lom2::pow_i(int base, int exponent) {
  if (exponent < 0) return 0;
  unsigned int product = 1;
  for (int i = 0; i < exponent; i++) product *= static_cast<unsigned int>(base);
  return static_cast<int>(product);
}

bool Utilities_lom2::isEven(int value) { return value % 2 == 0; }

namespace {
// The first position of the extreme value of values[0..n-1]; better(a, b)
// tells whether a replaces b.
template <typename Better>
double extreme(int n, const double* values, int* index, Better better) {
  int best = 0;
  if (!values) {
    if (index) *index = 0;
    return 0.0;
  }
  for (int i = 1; i < n; i++)
    if (better(values[i], values[best])) best = i;
  if (index) *index = best;
  return values[best];
}
}  // namespace

double Utilities_lom2::min_d(int n, const double* values, int* index) {
  return extreme(n, values, index, [](double a, double b) { return a < b; });
}

double Utilities_lom2::max_d(int n, const double* values, int* index) {
  return extreme(n, values, index, [](double a, double b) { return a > b; });
}

bool Utilities_lom2::intToBool(int value) { return value == 1; }
int Utilities_lom2::boolToInt(bool value) { return value ? 1 : 0; }
int Utilities_lom2::boolToInt(unsigned char value) { return value != 0 ? 1 : 0; }

int Utilities_lom2::checkRGB(int value) {
  if (value < 0) return 0;
  if (value > 255) return 255;
  return value;
}

int Utilities_lom2::displayDecimals(double x) {
  double a = std::fabs(x);
  if (a < 0.01) return 6;
  if (a < 1) return 3;
  if (a < 10) return 2;
  if (a < 100) return 1;
  return 0;
}

FXString Utilities_lom2::getValueAsString(double x) {
  if (x > 0.01) return FXStringFormat("%.*lf", displayDecimals(x), x);
  return FXStringFormat("%.1le", x);
}

int Utilities_lom2::getRGBBlackWhiteTextCutoff() { return 360; }

// ======================================================================
// Text
// ======================================================================

FXString Utilities_lom2::AddCommas(const FXString& text) {
  const FXint len = text.length();
  const bool negative = len > 0 && text[0] == '-';
  if (len < 4 || (negative && len <= 4)) return text;
  const FXString digits = negative ? text.mid(1, len - 1) : text;
  const FXint n = digits.length();
  FXString grouped;
  for (FXint i = 0; i < n; i++) {
    grouped.append(digits[i]);
    const FXint remaining = n - 1 - i;
    if (remaining > 0 && remaining % 3 == 0) grouped.append(',');
  }
  return negative ? "-" + grouped : grouped;
}

FXString Utilities_lom2::AddCommas(int value) { return AddCommas(FXStringFormat("%d", value)); }
FXString Utilities_lom2::AddCommas(long value) { return AddCommas(FXStringFormat("%ld", value)); }
FXString Utilities_lom2::AddCommas(unsigned int value) { return AddCommas(FXStringFormat("%u", value)); }
FXString Utilities_lom2::AddCommas(unsigned long value) { return AddCommas(FXStringFormat("%lu", value)); }

void Utilities_lom2::get2Values(const FXString& text, int* a, bool* b) {
  int second = 0;
  if (sscanf(text.text(), "%d %d", a, &second) == 2) *b = (second == 1);
}

void Utilities_lom2::get2Values(const FXString& text, int* a, int* b) { sscanf(text.text(), "%d %d", a, b); }

void Utilities_lom2::get2Values(const FXString& text, int* a, double* b) { sscanf(text.text(), "%d %lf", a, b); }

void Utilities_lom2::get2Values(const FXString& text, int* a, FXString* b) {
  FXString t(text);
  t.trim();
  *a = FXIntVal(t.before(' '), 10);
  *b = t.after(' ');
}

void Utilities_lom2::get3Values(const FXString& text, int* a, int* b, int* c) {
  sscanf(text.text(), "%d %d %d", a, b, c);
}

void Utilities_lom2::get3Values(const FXString& text, int* a, int* b, double* c) {
  sscanf(text.text(), "%d %d %lf", a, b, c);
}

void Utilities_lom2::get3Values(const FXString& text, int* a, int* b, FXString* c) {
  sscanf(text.text(), "%d %d", a, b);
  FXString t(text);
  t.trim();
  *c = t.after(' ', 2);
}

bool Utilities_lom2::get1Value(const FXString& text, double* a) { return sscanf(text.text(), "%lf", a) == 1; }

bool Utilities_lom2::get3Values(const FXString& text, double* a, double* b, double* c) {
  return sscanf(text.text(), "%lf %lf %lf", a, b, c) == 3;
}

bool Utilities_lom2::get4Values(const FXString& text, double* a, double* b, double* c, double* d) {
  return sscanf(text.text(), "%lf %lf %lf %lf", a, b, c, d) == 4;
}

int Utilities_lom2::getIndexFromKeyStr(const FXString& text) {
  const FXint underscore = text.rfind('_');
  FXString number = underscore >= 0 ? text.mid(underscore + 1, text.length()) : text;
  number.substitute(">", "");
  number.trim();
  return FXIntVal(number, 10);
}

namespace {
// Positions of the non-overlapping occurrences of delimiter in text.
std::vector<FXint> delimiterPositions(const FXString& text, const FXString& delimiter) {
  std::vector<FXint> found;
  for (FXint pos = text.find(delimiter); pos >= 0; pos = text.find(delimiter, pos + delimiter.length()))
    found.push_back(pos);
  return found;
}
}  // namespace

FXString Utilities_lom2::getStringSection(int n, const FXString& delimiter, const FXString& text) {
  if (n < 1 || delimiter.empty() || text.empty()) return FXString::null;
  if (static_cast<FXint>(delimiterPositions(text, delimiter).size()) < n - 1) return FXString::null;
  const FXint dl = delimiter.length();
  FXString framed(text);
  if (framed.left(dl) != delimiter) framed.prepend(delimiter);
  if (framed.right(dl) != delimiter) framed.append(delimiter);
  const std::vector<FXint> at = delimiterPositions(framed, delimiter);
  if (static_cast<FXint>(at.size()) < n + 1) return FXString::null;
  const FXint start = at[n - 1] + dl;
  return framed.mid(start, at[n] - start);
}

FXString Utilities_lom2::cleanString(const FXString& text, char c) {
  const FXint last = text.rfind(c);
  if (last < 1) return FXString::null;
  FXString cleaned = text.mid(1, last - 1);
  cleaned.trim();
  return cleaned;
}

FXString Utilities_lom2::capitalizationFirstLetterOfEachWord(const FXString& text) {
  FXString result(text);
  for (FXint i = 0; i < result.length(); i++) {
    const char ch = result[i];
    if (ch < 'a' || ch > 'z') continue;
    const char before = i > 0 ? result[i - 1] : ' ';
    if (i == 0 || before == ' ' || before == '(' || before == '-' || before == '/') result[i] = ch - 'a' + 'A';
  }
  return result;
}

FXString Utilities_lom2::capitalizationTitle(const FXString& text) {
  static const char* const smallWords[] = {"and", "to", "for", "the", "by", "is", "a"};
  if (text.empty()) return FXString::null;
  FXString result;
  FXint start = 0;
  for (FXint word = 0; start <= text.length(); word++) {
    FXint end = text.find(' ', start);
    if (end < 0) end = text.length();
    const FXString w = text.mid(start, end - start);
    bool small = false;
    for (const char* s : smallWords) small = small || w == s;
    if (word > 0) result.append(' ');
    result.append(small && word > 0 ? w : capitalizationFirstLetterOfEachWord(w));
    start = end + 1;
  }
  return result;
}

bool Utilities_lom2::characterIsANumber(char c) { return c >= '0' && c <= '9'; }

bool Utilities_lom2::characterIsALetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// ======================================================================
// Spreadsheet cell names
// ======================================================================

FXString Utilities_lom2::excelColumnNames(int n) {
  if (n < 1 || n > 18278) return FXString::null;
  FXString name;
  if (n >= 703) name.append(static_cast<char>('A' + (n - 703) / 676));
  if (n >= 27) name.append(static_cast<char>('A' + ((n - 27) % 676) / 26));
  name.append(n % 26 == 0 ? 'Z' : static_cast<char>('A' - 1 + n % 26));
  return name;
}

int Utilities_lom2::getExcelColumn(const FXString& cell) {
  long long column = 0;
  for (FXint i = 0; i < cell.length(); i++) {
    const char ch = cell[i];
    if (ch == '$') continue;
    if (!characterIsALetter(ch)) break;
    const int letter = (ch >= 'a' ? ch - 'a' : ch - 'A') + 1;
    column = column * 26 + letter;
    if (column > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(column);
}

FXString Utilities_lom2::getExcelRow(const FXString& cell, bool keepDollar) {
  FXString t(cell);
  t.trim();
  FXint start = t.length();
  while (start > 0 && (characterIsANumber(t[start - 1]) || (keepDollar && t[start - 1] == '$'))) start--;
  return t.mid(start, t.length() - start);
}

bool Utilities_lom2::isValidExcelCell(const FXString& cell) {
  FXString t(cell);
  t.trim();
  const FXint len = t.length();
  const FXint dollars = t.contains('$');
  if (len == 0 || dollars + 1 >= len) return false;
  FXint firstLetter = -1, firstDigit = -1, lastLetter = -1;
  for (FXint i = 0; i < len; i++) {
    const char ch = t[i];
    if (characterIsALetter(ch)) {
      if (firstLetter < 0) firstLetter = i;
      lastLetter = i;
    } else if (characterIsANumber(ch)) {
      if (firstDigit < 0) firstDigit = i;
    } else if (ch != '$') {
      return false;
    }
  }
  if (firstLetter < 0 || firstDigit < 0 || lastLetter > firstDigit) return false;
  for (FXint i = 0; i < len; i++)
    if (t[i] == '$' && i != firstLetter - 1 && i != firstDigit - 1) return false;
  return dollars <= 2 && t.find("$$") < 0;
}

// ======================================================================
// Colours and widgets
// ======================================================================

FXString Utilities_lom2::intToHex(int value) { return FXStringFormat("%02X", checkRGB(value)); }

FXString Utilities_lom2::convertRGBtoHexColor(FXColor color) {
  return intToHex(FXREDVAL(color)) + intToHex(FXGREENVAL(color)) + intToHex(FXBLUEVAL(color));
}

// The same hover rule as the flat menu widgets use.
FXColor Utilities_lom2::getEnterColor(FXColor color) { return Win10StyleColors::getEnterColor(color); }

namespace {
bool isOneOf(const FXchar* name, const char* const* names) {
  for (; *names; ++names)
    if (strcmp(name, *names) == 0) return true;
  return false;
}
}  // namespace

void Utilities_lom2::updateUIFont(FXWindow* root, FXFont* font) {
  if (!root) return;
  static const char* const captions[] = {"FXMenuTitle", "FXMenuCommand", "FXMenuCheck", "FXMenuCascade", nullptr};
  static const char* const labels[] = {"FXLabel", "FXButton", "FXCheckButton", "FXRadioButton", nullptr};
  const FXchar* name = root->getClassName();
  bool changed = true;
  if (isOneOf(name, labels)) {
    static_cast<FXLabel*>(root)->setFont(font);
    if (strcmp(name, "FXButton") == 0) root->update();
  } else if (isOneOf(name, captions)) {
    static_cast<FXMenuCaption*>(root)->setFont(font);
  } else if (strcmp(name, "FXList") == 0) {
    static_cast<FXList*>(root)->setFont(font);
  } else if (strcmp(name, "FXTextField") == 0) {
    static_cast<FXTextField*>(root)->setFont(font);
  } else if (strcmp(name, "FXToolTip") == 0) {
    static_cast<FXToolTip*>(root)->setFont(font);
  } else {
    changed = false;
  }
  if (changed) root->recalc();
  for (FXWindow* child = root->getFirst(); child; child = child->getNext()) updateUIFont(child, font);
}

int Utilities_lom2::getWidget_X_InRoot(FXWindow* widget) { return getWidget_X_InRoot(0, widget); }

int Utilities_lom2::getWidget_Y_InRoot(FXWindow* widget) { return getWidget_Y_InRoot(0, widget); }

// The sum leaves out the top-level window's own (screen) position: its
// place in the sum is taken by the root window's position, which is 0.
int Utilities_lom2::getWidget_X_InRoot(int offset, FXWindow* widget) {
  if (!widget) return 0;
  if (!widget->getParent()) return widget->getX();
  return offset + getWidget_X_InRoot(widget->getX(), widget->getParent());
}

int Utilities_lom2::getWidget_Y_InRoot(int offset, FXWindow* widget) {
  if (!widget) return 0;
  if (!widget->getParent()) return widget->getY();
  return offset + getWidget_Y_InRoot(widget->getY(), widget->getParent());
}

// ======================================================================
// Text files
// ======================================================================

const char Utilities_lom2::illegalCharFilenameArray[10] = {'\\', ':', '/', '*', '?', '"', '<', '>', '|', '\t'};

// A blue disc with a white question mark; background 0xC0C0C0 is clear.
const FXuchar Utilities_lom2::questionIcon[202] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x20, 0x00, 0x20, 0x00, 0xf1, 0x02, 0x00, 0x00, 0x5a, 0xc8, 0xc0, 0xc0,
    0xc0, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xfe, 0x33, 0x51, 0x75, 0x69, 0x6c, 0x6c, 0x67, 0x72, 0x69,
    0x64, 0x3a, 0x20, 0x72, 0x65, 0x70, 0x6c, 0x61, 0x63, 0x65, 0x20, 0x74, 0x68, 0x65, 0x20, 0x65, 0x78, 0x69,
    0x73, 0x74, 0x69, 0x6e, 0x67, 0x20, 0x66, 0x69, 0x6c, 0x65, 0x3f, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x20, 0x00, 0x00,
    0x02, 0x6c, 0x8c, 0x8f, 0xa9, 0xcb, 0x0c, 0x0f, 0x5f, 0x9b, 0x27, 0x5a, 0x48, 0xd7, 0xdd, 0x38, 0x07, 0x0e,
    0x76, 0x4d, 0x48, 0x02, 0x63, 0x49, 0x3a, 0x97, 0xc0, 0xb6, 0x2c, 0xa8, 0x6d, 0xee, 0x2c, 0x70, 0x0a, 0x47,
    0xcf, 0x5b, 0x02, 0xbe, 0x90, 0xbe, 0xab, 0xa0, 0x1e, 0x2e, 0x9b, 0x61, 0xf8, 0x6b, 0xc1, 0x3e, 0xc8, 0xe2,
    0x72, 0x48, 0x0b, 0x1d, 0x4b, 0x40, 0x29, 0x33, 0x54, 0xb5, 0x52, 0x95, 0xa8, 0x29, 0x96, 0x5b, 0xf2, 0x22,
    0xc3, 0xe2, 0xb1, 0xb1, 0xbc, 0x02, 0x5b, 0x85, 0x38, 0xf5, 0x99, 0x2d, 0x73, 0x07, 0x79, 0x6d, 0xdf, 0xf2,
    0x66, 0xbe, 0x9c, 0xf2, 0x92, 0x09, 0xdf, 0xe4, 0x31, 0xe6, 0x41, 0xb7, 0x36, 0x48, 0x68, 0x61, 0x98, 0xe8,
    0x51, 0x00, 0x00, 0x3b};

// A blue disc with a white letter i; background 0xC0C0C0 is clear.
const FXuchar Utilities_lom2::infoIcon[191] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x20, 0x00, 0x20, 0x00, 0xf1, 0x02, 0x00, 0x00, 0x5a, 0xc8, 0xc0, 0xc0,
    0xc0, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xfe, 0x2f, 0x51, 0x75, 0x69, 0x6c, 0x6c, 0x67, 0x72, 0x69,
    0x64, 0x3a, 0x20, 0x74, 0x68, 0x65, 0x20, 0x66, 0x69, 0x6c, 0x65, 0x20, 0x6e, 0x61, 0x6d, 0x65, 0x20, 0x69,
    0x73, 0x20, 0x72, 0x65, 0x66, 0x75, 0x73, 0x65, 0x64, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x20, 0x20, 0x20, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x20, 0x00, 0x00, 0x02, 0x65, 0x8c, 0x8f,
    0xa9, 0xcb, 0x0c, 0x0f, 0x5f, 0x9b, 0x27, 0x5a, 0x48, 0xd7, 0xdd, 0x38, 0x07, 0x0e, 0x76, 0x4d, 0x48, 0x02,
    0x63, 0x49, 0x3a, 0xa0, 0xc0, 0x0a, 0xa1, 0x16, 0xb6, 0xee, 0x9b, 0x90, 0x72, 0x8a, 0x94, 0x37, 0x6e, 0xa0,
    0xbe, 0xd9, 0xd3, 0xb5, 0x50, 0x41, 0xdb, 0xb0, 0x54, 0x8c, 0x1d, 0x71, 0xa8, 0x1d, 0x53, 0xc8, 0x22, 0x7e,
    0xa0, 0xb3, 0xa7, 0x31, 0x8a, 0x9c, 0x5e, 0xab, 0x34, 0xed, 0x6a, 0x09, 0xca, 0x6d, 0xb3, 0x15, 0x25, 0x36,
    0x5c, 0x33, 0x73, 0x37, 0x30, 0x8e, 0x93, 0xdd, 0xfe, 0x5d, 0x4e, 0xf2, 0x08, 0xa5, 0x2e, 0xba, 0xff, 0x3c,
    0xe9, 0x2e, 0xbf, 0x6f, 0xf1, 0x27, 0xe8, 0x51, 0x00, 0x00, 0x3b};

void Utilities_lom2::getFileFormat(char b0, char b1, char b2, char b3, FileUTFtypes* type) {
  const unsigned char c0 = b0, c1 = b1, c2 = b2, c3 = b3;
  FileUTFtypes found = NO_BOM;
  if (c0 == 0x00 && c1 == 0x00)
    found = (c2 == 0xFE && c3 == 0xFF) ? UTF32_BE : NO_BOM;
  else if (c0 == 0xFF && c1 == 0xFE)
    found = (c2 == 0x00 && c3 == 0x00) ? UTF32_LE : UTF16_LE;
  else if (c0 == 0xFE && c1 == 0xFF)
    found = UTF16_BE;
  else if (c0 == 0xEF && c1 == 0xBB && c2 == 0xBF)
    found = UTF8_BOM;
  if (type) *type = found;
}

namespace {

void appendUtf8(std::string& out, FXwchar wc) {
  char bytes[8];
  const FXint n = FXTextCodec::wc2utf(bytes, sizeof bytes, wc);
  if (n > 0) out.append(bytes, n);
}

// UTF-16 or UTF-32 bytes to UTF-8, the byte-order mark converted like any
// character. Stops at the first unit that cannot be decoded (a lone or
// reversed surrogate, a value beyond U+10FFFF, an incomplete last unit).
// The output grows as needed, so no text is cut. The toolkit's codecs are
// not used: their string form gives no text at all when a unit is
// incomplete or a high surrogate lacks its partner, and they pass a lone
// low surrogate through instead of stopping there.
std::string wideToUtf8(const std::string& in, Utilities_lom2::FileUTFtypes type) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(in.data());
  const size_t n = in.size();
  const bool little = type == Utilities_lom2::UTF16_LE || type == Utilities_lom2::UTF32_LE;
  std::string out;
  out.reserve(n + n / 2);
  if (type == Utilities_lom2::UTF16_LE || type == Utilities_lom2::UTF16_BE) {
    auto unit = [&](size_t i) -> FXwchar { return little ? (b[i] | b[i + 1] << 8) : (b[i] << 8 | b[i + 1]); };
    for (size_t i = 0; i + 2 <= n;) {
      FXwchar u = unit(i);
      if (u >= 0xDC00 && u <= 0xDFFF) break;
      if (u >= 0xD800 && u <= 0xDBFF) {
        if (i + 4 > n) break;
        const FXwchar low = unit(i + 2);
        if (low < 0xDC00 || low > 0xDFFF) break;
        u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
        i += 4;
      } else {
        i += 2;
      }
      appendUtf8(out, u);
    }
  } else {
    for (size_t i = 0; i + 4 <= n; i += 4) {
      const FXwchar u = little ? (b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<FXwchar>(b[i + 3]) << 24)
                               : (static_cast<FXwchar>(b[i]) << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3]);
      if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) break;
      appendUtf8(out, u);
    }
  }
  return out;
}

// The whole file as UTF-8 text with every CR directly before a LF left
// out. False when the path is empty, the file is empty, larger than
// MAX_TEXT_FILE_BYTES or cannot be opened or read in full, or the text has
// no bytes.
bool readText(const FXString& path, std::string& text, bool* eightBit) {
  if (eightBit) *eightBit = false;
  if (path.empty()) return false;
  const FXlong size = FXStat::size(path);
  if (size < 1 || size > Utilities_lom2::MAX_TEXT_FILE_BYTES) return false;
  std::string raw(static_cast<size_t>(size), '\0');
  FXFile file;
  if (!file.open(path, FXIO::Reading)) return false;
  FXlong got = 0;
  while (got < size) {
    const FXival r = file.readBlock(&raw[got], size - got);
    if (r <= 0) break;
    got += r;
  }
  const bool closed = file.close();
  if (got != size || !closed) return false;

  char first[4] = {'0', '0', '0', '0'};
  for (size_t i = 0; i < 4 && i < raw.size(); i++) first[i] = raw[i];
  Utilities_lom2::FileUTFtypes type;
  Utilities_lom2::getFileFormat(first[0], first[1], first[2], first[3], &type);
  std::string converted;
  if (type == Utilities_lom2::NO_BOM || type == Utilities_lom2::UTF8_BOM) {
    converted.swap(raw);
    if (eightBit) *eightBit = true;
  } else {
    converted = wideToUtf8(raw, type);
  }

  text.clear();
  text.reserve(converted.size());
  for (size_t i = 0; i < converted.size(); i++)
    if (!(converted[i] == '\r' && i + 1 < converted.size() && converted[i + 1] == '\n')) text.push_back(converted[i]);
  return !text.empty();
}

}  // namespace

bool Utilities_lom2::readFile(const FXString& path, char* buffer, bool* eightBit) {
  if (eightBit) *eightBit = false;
  if (path.empty() || !buffer) return false;
  const FXlong size = FXStat::size(path);
  if (size < 1) return false;
  std::string text;
  const bool ok = readText(path, text, eightBit);
  memset(buffer, 0, static_cast<size_t>(size));
  // The caller's buffer holds the file's size: a converted text longer
  // than that is reported, not cut.
  if (!ok || text.size() > static_cast<size_t>(size)) return false;
  memcpy(buffer, text.data(), text.size());
  return true;
}

bool Utilities_lom2::readFile(const FXString& path, char* buffer) { return readFile(path, buffer, nullptr); }

bool Utilities_lom2::readFile(const FXString& path, char separator, FXArray<FXString>* lines, bool* eightBit) {
  if (eightBit) *eightBit = false;
  std::string text;
  if (!lines || !readText(path, text, eightBit)) return false;
  const long count = getNumberOfLinesInCharBuffer(static_cast<long>(text.size()), text.data(), separator);
  lines->no(static_cast<FXint>(count));
  std::string current;
  FXint line = 0;
  for (size_t i = 0; i <= text.size() && line < count; i++) {
    if (i == text.size() || text[i] == separator) {
      (*lines)[line++] = FXString(current.data(), static_cast<FXint>(current.size()));
      current.clear();
    } else if (text[i] != '\r') {
      current.push_back(text[i]);
    }
  }
  return true;
}

bool Utilities_lom2::readFile(const FXString& path, char separator, FXArray<FXString>* lines) {
  return readFile(path, separator, lines, nullptr);
}

bool Utilities_lom2::readFile(const FXString& path, FXArray<FXString>* lines) {
  return readFile(path, '\n', lines, nullptr);
}

bool Utilities_lom2::readFile(const FXString& path, FXArray<FXString>* lines, bool* eightBit) {
  return readFile(path, '\n', lines, eightBit);
}

long Utilities_lom2::getNumberOfLinesInCharBuffer(long length, const char* buffer, char separator) {
  if (length <= 0 || !buffer) return 0;
  long count = 0;
  for (long i = 0; i < length; i++)
    if (buffer[i] == separator) count++;
  if (buffer[length - 1] != separator) count++;
  return count;
}

void Utilities_lom2::convertCharBufferToStringArray(long length, const char* buffer, char separator, long count,
                                                    FXString* strings) {
  if (!buffer || !strings) return;
  long index = 0;
  for (long i = 0; i < length && index < count; i++) {
    if (buffer[i] == separator && ++index >= count) break;
    strings[index].append(buffer[i]);
  }
}

bool Utilities_lom2::deleteBeforeWritting(FXWindow* owner, const FXString& path) {
  if (!FXStat::exists(path)) return true;
  const bool removed = FXFile::remove(path);
  if (!removed && owner)
    ModalSeam::error(owner, MBOX_OK, "File error",
                     FXStringFormat("Cannot open \"%s\" for writing\nIt may already be open, if so close it and try again.",
                                    path.text()));
  return removed;
}

bool Utilities_lom2::isFilenameLegal(const FXString& text) {
  FXString t(text);
  t.trim();
  if (t.empty()) return false;
  for (int i = 0; i < numIllegalCharFilenameArray; i++)
    if (t.find(illegalCharFilenameArray[i]) >= 0) return false;
  return true;
}

bool Utilities_lom2::isItemNameLegal(const FXString& text) {
  FXString t(text);
  t.trim();
  return !t.empty() && t.find('\t') < 0 && t.find('\n') < 0;
}

bool Utilities_lom2::isFileExtensionLegal(const FXString& text) {
  if (text.empty()) return false;
  for (FXint i = 0; i < text.length(); i++)
    if (!characterIsALetter(text[i]) && !characterIsANumber(text[i]) && text[i] != '_') return false;
  return true;
}

FXString Utilities_lom2::getFileExtensionFromPattern(const FXString& pattern) {
  if (pattern.contains("(*.") != 1 || pattern.contains(')') != 1 || pattern.contains('.') != 1 ||
      pattern.contains('*') > 1 || pattern.find('(') > pattern.find(')'))
    return FXString::null;
  const FXint dot = pattern.find('.');
  const FXString extension = pattern.mid(dot + 1, pattern.find(')') - dot - 1);
  return isFileExtensionLegal(extension) ? extension : FXString::null;
}

// ======================================================================
// Save-file dialog
// ======================================================================

namespace {
// Shows a message box with one of the library's own icons, made just
// before the box and released right after it.
FXuint askWithOwnIcon(FXWindow* owner, ModalSeam::Kind kind, FXuint buttons, const FXString& caption,
                      const FXString& text, const FXuchar* gif) {
  FXGIFIcon icon(owner->getApp(), gif, FXRGB(192, 192, 192));
  return ModalSeam::message(kind, owner, buttons, caption, text, &icon);
}
}  // namespace

bool Utilities_lom2::saveFile(FXTopWindow* owner, const FXString& title, const FXString& patternList,
                              const FXString& defaultFileName, const FXString& directory, FXString* fileName,
                              bool existingFileMode, FXuint, FXuint, FXuint, FXuint) {
  for (;;) {
    // A fresh dialog each pass, so a refused name gives way to the default.
    FXFileDialog* dialog = owner ? new FXFileDialog(owner, title, 0, 0, 0, 500, 300)
                                 : new FXFileDialog(FXApp::instance(), title, 0, 0, 0, 500, 300);
    if (owner) {
      dialog->setIcon(owner->getIcon());
      dialog->setMiniIcon(owner->getIcon());
    }
    dialog->setSelectMode(existingFileMode ? SELECTFILE_EXISTING : SELECTFILE_ANY);
    dialog->setPatternList(patternList);
    dialog->setCurrentPattern(0);
    if (!defaultFileName.empty()) dialog->setFilename(defaultFileName);
    dialog->setDirectory(directory);
    const bool accepted = ModalSeam::execute(dialog, PLACEMENT_OWNER) != 0;
    const FXString chosen = dialog->getFilename();
    const FXString extension = getFileExtensionFromPattern(dialog->getPatternText(dialog->getCurrentPattern()));
    delete dialog;
    if (!accepted) return false;

    // Message boxes need an owner; without one they are centred on the screen.
    FXWindow* boxOwner = owner ? static_cast<FXWindow*>(owner) : FXApp::instance()->getRootWindow();
    // The caller's name follows each accepted pass, refused ones too; only
    // a true result means the name is to be used.
    FXString name = chosen;
    if (fileName) *fileName = name;
    FXString failure;
    if (extension.empty()) {
      failure = "Illegal/unknown file extension.";
    } else {
      // The pattern's extension is always forced.
      name = FXPath::stripExtension(chosen) + "." + extension;
      if (fileName) *fileName = name;
      if (!isFilenameLegal(FXPath::name(name)))
        failure = "Your filename contains illegal characters.\n\nIllegal characters include: " +
                  FXString(illegalCharFilenameArray, numIllegalCharFilenameArray);
    }
    if (failure.empty()) {
      if (existingFileMode || !FXStat::exists(name) ||
          askWithOwnIcon(boxOwner, ModalSeam::QUESTION_BOX, MBOX_YES_NO, "Overwrite",
                         FXStringFormat("\"%s\" already exists.\nDo you want to replace it?",
                                        FXPath::name(name).text()),
                         questionIcon) != MBOX_CLICKED_NO)
        return true;
      continue;
    }
    askWithOwnIcon(boxOwner, ModalSeam::INFORMATION_BOX, MBOX_OK, "Filename error", failure, infoIcon);
  }
}

bool Utilities_lom2::saveFile(FXTopWindow* owner, const FXString& title, const FXString& patternList,
                              const FXString& defaultFileName, const FXString& directory, FXString* fileName,
                              bool existingFileMode) {
  return saveFile(owner, title, patternList, defaultFileName, directory, fileName, existingFileMode, 0, 0, 0, 0);
}

bool Utilities_lom2::saveFile(FXTopWindow* owner, const FXString& title, const FXString& patternList,
                              const FXString& defaultFileName, const FXString& directory, FXString* fileName) {
  return saveFile(owner, title, patternList, defaultFileName, directory, fileName, false, 0, 0, 0, 0);
}

// ======================================================================
// Off-screen copies and BMP output
// ======================================================================

namespace {

// An off-screen BMP image of width x height holding the drawable's area
// from (0,0) of the same size (or the image drawn at (0,0)), its pixels
// read back. Null when there is nothing to copy.
FXBMPImage* offscreenCopy(FXApp* app, const FXDrawable* source, const FXImage* image, FXint width, FXint height) {
  if (!app || !app->getDisplay() || width < 1 || height < 1) return nullptr;
  if (source && !source->id()) return nullptr;
  if (image && !image->id()) return nullptr;
  FXBMPImage* bmp = new FXBMPImage(app, nullptr, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, width, height);
  bmp->create();
  {
    FXDCWindow dc(bmp);
    dc.setFunction(BLT_SRC);
    if (image)
      dc.drawImage(image, 0, 0);
    else
      dc.drawArea(source, 0, 0, width, height, 0, 0);
  }
  bmp->restore();
  return bmp;
}

bool writeWhole(const FXString& fileName, const FXuchar* data, FXuval size) {
  FXFile file;
  if (!file.open(fileName, FXIO::Writing)) return false;
  FXuval written = 0;
  while (written < size) {
    const FXival w = file.writeBlock(data + written, static_cast<FXival>(size - written));
    if (w <= 0) break;
    written += static_cast<FXuval>(w);
  }
  const bool closed = file.close();
  return written == size && closed;
}

}  // namespace

bool Utilities_lom2::saveImageToFile(FXApp* app, const FXDrawable* drawable, const FXString& fileName) {
  if (!drawable || fileName.empty()) return false;
  FXBMPImage* bmp = offscreenCopy(app, drawable, nullptr, drawable->getWidth(), drawable->getHeight());
  if (!bmp) return false;
  // Encode in memory first, so that every failed or short write to the
  // file shows up in the result. The stream has room for the whole file
  // from the start: it grows one write at a time otherwise, and the
  // picture is written byte by byte.
  FXMemoryStream memory;
  memory.open(FXStreamSave, static_cast<FXuval>(bmp->getWidth()) * bmp->getHeight() * 4 + 4096, nullptr);
  const bool encoded = bmp->savePixels(memory) && memory.status() == FXStreamOK;
  delete bmp;
  const FXlong length = memory.position();
  FXuchar* data = nullptr;
  FXuval capacity = 0;
  memory.takeBuffer(data, capacity);
  memory.close();
  const bool ok = encoded && data && length > 0 && writeWhole(fileName, data, static_cast<FXuval>(length));
  FXFREE(&data);
  return ok;
}

// The picture drawn off-screen and read back goes onto the clipboard (as
// PNG and BMP). Nothing to copy is no failure; a clipboard that cannot be
// taken is.
bool Utilities_lom2::copyToClipboard(FXApp* app, const FXImage* image) {
  if (!image) return true;
  FXBMPImage* copy = offscreenCopy(app, nullptr, image, image->getWidth(), image->getHeight());
  if (!copy) return true;
  const bool offered = ClipboardPicture::offer(app, copy->getData(), copy->getWidth(), copy->getHeight());
  delete copy;
  return offered;
}

bool Utilities_lom2::copyToClipboard(FXApp* app, const FXCanvas* canvas, int width, int height) {
  if (app && app->getDisplay() && canvas) {
    // Let windows closed just before (a dialog over the canvas) leave the
    // screen before the canvas is copied.
    app->flush();
    app->runWhileEvents();
    app->flush();
    FXBMPImage* copy = offscreenCopy(app, canvas, nullptr, width, height);
    if (copy) {
      const bool offered = ClipboardPicture::offer(app, copy->getData(), copy->getWidth(), copy->getHeight());
      delete copy;
      return offered;
    }
  }
  return true;
}

bool Utilities_lom2::copyToClipboard(FXApp* app, const FXCanvas* canvas) {
  if (!canvas) return true;
  return copyToClipboard(app, canvas, canvas->getWidth(), canvas->getHeight());
}

// ======================================================================
// Desktop
// ======================================================================

void Utilities_lom2::openWebSite(const FXString& address) {
  if (address.empty()) return;
  // Everything the children need is prepared before forking.
  const std::string url(address.text());
  char program[] = "xdg-open";
  char* const argv[] = {program, const_cast<char*>(url.c_str()), nullptr};
  // The address is handed over as one argument, never to a shell. The
  // intermediate child exits at once and is reaped here; the browser
  // launcher runs on as an orphan, so nothing waits for it and no zombie
  // is left behind.
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    const pid_t launcher = fork();
    if (launcher == 0) {
      // Keep the X connection and other descriptors out of the browser.
      closefrom(3);
      execvp(program, argv);
      _exit(127);
    }
    _exit(launcher < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

void Utilities_lom2::assignUIColorsStruct(UIColorsStruct source, UIColorsStruct* destination) {
  if (destination) *destination = source;
}

bool Utilities_lom2::openExcelxlsFile(const FXString&) { return true; }
