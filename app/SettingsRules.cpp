// Lines of the settings and data files: splitting, value reading, line
// building and the safe replacement of a file on disk.
#include "SettingsRules.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Globals.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace ini {

const char* const XY_VALUES_TEXT_KEY = "xyValuesText";
const char* const LMP_VALUES_TEXT_KEY = "LMPValuesText";

namespace {

// The widest coordinate and size an X window can have.
const int X_COORDINATE_MIN = -32768;
const int X_COORDINATE_MAX = 32767;
const int MIN_WINDOW_SIZE = 400;

int clampToInt(long long v) {
  if (v < INT_MIN) return INT_MIN;
  if (v > INT_MAX) return INT_MAX;
  return static_cast<int>(v);
}

// Reads one "%d" at p, as sscanf would (leading white space skipped);
// false when no number stands there. p moves past what was read.
bool scanInt(const char*& p, int& out) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(p, &end, 10);
  if (end == p) return false;
  out = clampToInt(errno == ERANGE ? (v < 0 ? LLONG_MIN : LLONG_MAX) : v);
  p = end;
  return true;
}

// Reads one "%lf" at p, as sscanf would.
bool scanReal(const char*& p, double& out) {
  char* end = nullptr;
  const double v = std::strtod(p, &end);
  if (end == p) return false;
  out = v;
  p = end;
  return true;
}

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The blank-separated words of a text, at most max of them.
int words(const FXString& text, FXString* out, int max) {
  int n = 0;
  const char* p = text.text();
  while (*p && n < max) {
    while (*p && isBlank(*p)) ++p;
    if (!*p) break;
    const char* start = p;
    while (*p && !isBlank(*p)) ++p;
    out[n++] = FXString(start, static_cast<FXint>(p - start));
  }
  return n;
}

bool hasLineBreak(const FXString& text) { return text.find('\n') >= 0 || text.find('\r') >= 0; }

// A temporary file that has not changed for this long belongs to a save
// that ended without finishing (a save takes a fraction of a second); a
// younger one may be another instance's save in progress.
const time_t STALE_TEMPORARY_SECONDS = 60;
// mkstemp's "XXXXXX".
const int TEMPORARY_SUFFIX_LENGTH = 6;

// Removes the temporary files of target in dir that a killed save left.
void removeStaleTemporaryFiles(const FXString& dir, const FXString& targetName) {
  DIR* d = opendir(dir.text());
  if (!d) return;
  const time_t now = time(nullptr);
  while (const struct dirent* entry = readdir(d)) {
    const FXString name(entry->d_name);
    if (!isTemporaryFileOf(name, targetName)) continue;
    const FXString path = dir + "/" + name;
    struct stat st;
    if (lstat(path.text(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != getuid()) continue;
    if (st.st_mtime > now - STALE_TEMPORARY_SECONDS) continue;
    unlink(path.text());
  }
  closedir(d);
}

bool isTableTextKey(const FXString& key) {
  return key == FXString("<") + XY_VALUES_TEXT_KEY + ">" || key == FXString("<") + LMP_VALUES_TEXT_KEY + ">";
}

FXString escapedCell(const FXString& cell) {
  FXString s;
  for (FXint i = 0; i < cell.length(); ++i) {
    switch (cell[i]) {
      case '\\':
        s += "\\\\";
        break;
      case '\t':
        s += "\\t";
        break;
      case '\n':
        s += "\\n";
        break;
      case '\r':
        s += "\\r";
        break;
      default:
        s += cell[i];
    }
  }
  return s;
}

// The escapes of escapedCell undone; a backslash before any other
// character, or at the end, stands for itself.
FXString unescapedCell(const char* p, const char* end) {
  FXString s;
  for (; p < end; ++p) {
    if (*p != '\\' || p + 1 == end) {
      s += *p;
      continue;
    }
    switch (p[1]) {
      case '\\':
        s += '\\';
        break;
      case 't':
        s += '\t';
        break;
      case 'n':
        s += '\n';
        break;
      case 'r':
        s += '\r';
        break;
      default:
        s += *p;
        continue;
    }
    ++p;
  }
  return s;
}

}  // namespace

Line splitLine(const FXString& text) {
  Line line;
  const FXint gt = text.find('>');
  if (gt < 0) {
    line.key = text + ">";
  } else {
    line.key = text.left(gt + 1);
    line.value = text.mid(gt + 1, text.length() - gt - 1);
  }
  line.key.substitute("<_", "<");
  if (line.value.length() > Utilities_lom2::MAX_SHOWN_TEXT_BYTES && !isTableTextKey(line.key))
    line.value = FXString::null;
  return line;
}

int toInt(const FXString& value) {
  const char* p = value.text();
  int v = 0;
  return scanInt(p, v) ? v : 0;
}

bool toFlag(const FXString& value) { return toInt(value) == 1; }

double toReal(const FXString& value) { return FXDoubleVal(value); }

int inRangeOr(int value, int lo, int hi, int fallback) { return value >= lo && value <= hi ? value : fallback; }

int windowSize(int value, int fallback) { return inRangeOr(value, MIN_WINDOW_SIZE, X_COORDINATE_MAX, fallback); }

int windowPosition(int value, int fallback) {
  return inRangeOr(value, X_COORDINATE_MIN, X_COORDINATE_MAX, fallback);
}

FXString oneLine(const FXString& value) {
  FXString s(value);
  s.substitute('\n', ' ');
  s.substitute('\r', ' ');
  return s;
}

FXString line(const char* key, const FXString& value) { return FXString("<") + key + ">" + oneLine(value) + "\n"; }

FXString line(const char* key, int value) { return FXStringFormat("<%s>%d\n", key, value); }

FXString zoneMarkerLine(int index, double x) {
  // Six decimals as ever where they give the limit back exactly, else as
  // many as it takes (a reader of "%lf" takes any number of them).
  FXString number;
  for (int decimals = 6; decimals <= 16; ++decimals) {
    number = FXStringFormat("%.*le", decimals, x);
    if (std::strtod(number.text(), nullptr) == x) break;
  }
  return FXStringFormat("<fitPlotZoneMarkers_real_x>%d %s\n", index, number.text());
}

FXString fitOrderLine(int index, int order) { return FXStringFormat("<fit_order>%d %d\n", index, order); }

FXString curveColorLine(FXColor color) {
  return FXStringFormat("<curve_color>%d %d %d\n", FXREDVAL(color), FXGREENVAL(color), FXBLUEVAL(color));
}

FXString tableRowLine(const char* key, int row, const FXString* cells, int n) {
  FXString s = FXStringFormat("<%s>%d", key, row);
  for (int i = 0; i < n; ++i) s += " " + oneLine(cells[i]);
  return s + "\n";
}

bool tableRowLineKeeps(int row, const FXString* cells, int n) {
  enum { MAX_CELLS = 8 };
  if (n < 1 || n > MAX_CELLS) return false;
  const FXString value = splitLine(tableRowLine("k", row, cells, n).before('\n')).value;
  int r = -1;
  FXString back[MAX_CELLS];
  if (!tableRow(value, n, r, back) || r != row) return false;
  for (int i = 0; i < n; ++i)
    if (back[i] != cells[i] || cells[i].find(',') >= 0) return false;
  return true;
}

FXString tableTextLine(const char* key, int row, const FXString* cells, int n) {
  FXString s = FXStringFormat("<%s>%d", key, row);
  for (int i = 0; i < n; ++i) s += "\t" + escapedCell(cells[i]);
  return s + "\n";
}

FXString recentFileLine(const FXString& tag, int index, const FXString& path) {
  if (path.empty() || hasLineBreak(path)) return FXString::null;
  return FXStringFormat("<%s>%d %s\n", tag.text(), index, path.text());
}

bool zoneMarker(const FXString& value, int& index, double& x) {
  const char* p = value.text();
  int i = 0;
  double v = 0.0;
  if (!scanInt(p, i) || !scanReal(p, v)) return false;
  if (i < 0 || i > 5 || !std::isfinite(v)) return false;
  index = i;
  x = v;
  return true;
}

FitOrderEffect fitOrder(const FXString& value, int& index, int& order) {
  const char* p = value.text();
  int i = 0, n = 0;
  if (scanInt(p, i)) scanInt(p, n);
  if (i < 0 || i > 5) return FIT_ORDER_ALL_ONES;
  index = i;
  order = n >= 1 && n <= 15 ? n : 2;
  return FIT_ORDER_SET;
}

bool curveColor(const FXString& value, FXColor& color) {
  const char* p = value.text();
  int rgb[3] = {0, 0, 0};
  for (int& channel : rgb)
    if (!scanInt(p, channel)) return false;
  color = FXRGB(rgb[0] & 255, rgb[1] & 255, rgb[2] & 255);
  return true;
}

bool tableRow(const FXString& value, int n, int& row, FXString* cells) {
  enum { MAX_CELLS = 8 };
  if (n < 1 || n > MAX_CELLS) return false;
  const char* p = value.text();
  int r = 0;
  if (!scanInt(p, r)) return false;
  for (int i = 0; i < n; ++i) {
    double ignored = 0.0;
    if (!scanReal(p, ignored)) return false;
  }
  FXString w[MAX_CELLS + 1];
  if (words(value, w, n + 1) < n + 1) return false;
  row = r;
  for (int i = 0; i < n; ++i) cells[i] = w[i + 1];
  return true;
}

bool tableText(const FXString& value, int n, int& row, FXString* cells) {
  enum { MAX_CELLS = 8 };
  if (n < 1 || n > MAX_CELLS) return false;
  const char* p = value.text();
  const char* const end = p + value.length();
  const char* tab = std::find(p, end, '\t');
  int r = 0;
  if (!scanInt(p, r) || p != tab) return false;
  FXString read[MAX_CELLS];
  for (int i = 0; i < n && tab < end; ++i) {
    const char* start = tab + 1;
    tab = std::find(start, end, '\t');
    read[i] = unescapedCell(start, tab);
    if (read[i].length() > Utilities_lom2::MAX_SHOWN_TEXT_BYTES) return false;
  }
  row = r;
  for (int i = 0; i < n; ++i) cells[i] = read[i];
  return true;
}

bool recentFile(const FXString& value, int& index, FXString& path) {
  FXString s(value);
  s.trim();
  const FXint blank = s.find(' ');
  const int i = toInt(blank < 0 ? s : s.left(blank));
  const FXString p = blank < 0 ? FXString::null : s.mid(blank + 1, s.length() - blank - 1);
  if (i < 0 || i > 9 || p.empty()) return false;
  index = i;
  path = p;
  return true;
}

int searchLengthButton(int length) {
  for (int i = 0; i < NUM_SEARCH_LENGTHS; ++i)
    if (SEARCH_LENGTHS[i] == length) return i;
  return 2;
}

int colorDiffButton(int tolerance) {
  for (int i = 0; i < NUM_COLOR_DIFFS; ++i)
    if (COLOR_DIFFS[i] == tolerance) return i;
  return 1;
}

bool numberText(const FXString& value, FXString& text) {
  FXString s(value);
  s.trim();
  if (s.empty()) return false;
  FXString dotted(s);
  dotted.substitute(',', '.');
  for (FXint i = 0; i < dotted.length(); ++i)
    if (!std::strchr("0123456789+-.eE", dotted[i])) return false;
  char* end = nullptr;
  const double v = std::strtod(dotted.text(), &end);
  if (*end != '\0' || !std::isfinite(v)) return false;
  text = s;
  return true;
}

bool isTemporaryFileOf(const FXString& entryName, const FXString& targetName) {
  if (targetName.empty()) return false;
  const FXString prefix = "." + targetName + ".";
  if (entryName.length() != prefix.length() + TEMPORARY_SUFFIX_LENGTH || entryName.left(prefix.length()) != prefix)
    return false;
  for (FXint i = prefix.length(); i < entryName.length(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(entryName[i]))) return false;
  return true;
}

bool replaceFile(const FXString& path, const FXString& text) {
  if (path.empty()) return false;
  // Write through a symbolic link to the file it names.
  FXString target = path;
  struct stat st;
  if (lstat(path.text(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char* resolved = realpath(path.text(), nullptr);
    if (!resolved) return false;
    target = resolved;
    std::free(resolved);
  }
  const bool exists = stat(target.text(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if (exists && access(target.text(), W_OK) != 0) return false;
  mode_t mode;
  if (exists) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }

  FXString dir = FXPath::directory(target);
  if (dir.empty()) dir = ".";
  removeStaleTemporaryFiles(dir, FXPath::name(target));
  const FXString pattern = dir + "/." + FXPath::name(target) + ".XXXXXX";
  std::string temp(pattern.text());
  const int fd = mkstemp(&temp[0]);
  if (fd < 0) return false;
  // The first failure's reason is the one the caller hears.
  int error = fchmod(fd, mode) == 0 ? 0 : errno;
  const char* p = text.text();
  size_t left = static_cast<size_t>(text.length());
  while (!error && left > 0) {
    const ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : ENOSPC;
      break;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  if (!error && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temp.c_str(), target.text()) != 0) error = errno;
  const bool ok = !error;
  if (!ok) {
    unlink(temp.c_str());
    errno = error;
  }
  return ok;
}

}  // namespace ini
