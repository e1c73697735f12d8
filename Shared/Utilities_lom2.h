// Stateless helper operations of the support library.
//
// Value half: number formatting and rounding, scanning values out of text,
// spreadsheet column letters and cell references, title capitalisation,
// colour helpers, a font change over a widget tree and widget positions.
//
// File half: reading a text file of any common Unicode encoding into UTF-8
// lines, the save-file dialog with its checks on extension, name and
// overwriting, writing an off-screen copy of a drawable as a BMP file,
// opening a web address in the desktop's browser, copying UIColorsStruct.
//
// Colours are FOX 1.6 FXColor values (0xAABBGGRR); channels are read with
// FXREDVAL/FXGREENVAL/FXBLUEVAL only.
#ifndef QUILLGRID_UTILITIES_LOM2_H
#define QUILLGRID_UTILITIES_LOM2_H

#include <new>

#include <fx.h>
#include <FXArray.h>

// The Windows install paths of Microsoft Excel; nothing reads them.
inline constexpr const char* PATH_TO_EXCEL_16 = "C:\\Program Files\\Microsoft Office\\root\\Office16\\EXCEL.EXE";
inline constexpr const char* PATH_TO_EXCEL_15 = "C:\\Program Files\\Microsoft Office\\root\\Office15\\EXCEL.EXE";

#include "UIColorsStruct.h"

class Utilities_lom2 {
public:
  Utilities_lom2() {}
  ~Utilities_lom2() {}

  // ---------------------------------------------------------------- values

  // Half away from zero; values beyond the int range give INT_MIN/INT_MAX,
  // NaN gives 0.
  static int round(double x);
  // The value rounded to n decimals and then moved half a unit of the last
  // decimal away from zero (roundToDecimals(2, 1.234) is 1.235); n < 0
  // leaves x unchanged.
  static double roundToDecimals(int n, double x);
  // base^exponent in wrapping 32-bit arithmetic; a negative exponent gives 0.
  static int pow_i(int base, int exponent);
  static bool isEven(int value);
  // Smallest (largest) of values[0..n-1]; *index := its first position.
  static double min_d(int n, const double* values, int* index);
  static double max_d(int n, const double* values, int* index);
  // True only for exactly 1.
  static bool intToBool(int value);
  static int boolToInt(bool value);
  static int boolToInt(unsigned char value);
  // Clamps to 0..255.
  static int checkRGB(int value);
  static int displayDecimals(double x);
  static FX::FXString getValueAsString(double x);
  static int getRGBBlackWhiteTextCutoff();

  // ------------------------------------------------------------------ text

  // The longest text a table cell or a field takes from a file or the
  // clipboard. The display refuses a text of about 262,000 bytes drawn at
  // once, and the program ends (BadLength); numbers, cell names and paths
  // are all far shorter.
  static const int MAX_SHOWN_TEXT_BYTES = 4096;

  // Groups digits by three from the right with ','.
  static FX::FXString AddCommas(const FX::FXString& text);
  static FX::FXString AddCommas(int value);
  static FX::FXString AddCommas(long value);
  static FX::FXString AddCommas(unsigned int value);
  static FX::FXString AddCommas(unsigned long value);

  // Value scanners; an output whose value was not found is left unchanged.
  static void get2Values(const FX::FXString& text, int* a, bool* b);
  static void get2Values(const FX::FXString& text, int* a, int* b);
  static void get2Values(const FX::FXString& text, int* a, double* b);
  static void get2Values(const FX::FXString& text, int* a, FX::FXString* b);
  static void get3Values(const FX::FXString& text, int* a, int* b, int* c);
  static void get3Values(const FX::FXString& text, int* a, int* b, double* c);
  static void get3Values(const FX::FXString& text, int* a, int* b, FX::FXString* c);
  static bool get1Value(const FX::FXString& text, double* a);
  static bool get3Values(const FX::FXString& text, double* a, double* b, double* c);
  static bool get4Values(const FX::FXString& text, double* a, double* b, double* c, double* d);

  // The number after the last '_' of a key such as "<name_12>".
  static int getIndexFromKeyStr(const FX::FXString& text);
  // The n-th field (1-based) of text split at delimiter.
  static FX::FXString getStringSection(int n, const FX::FXString& delimiter, const FX::FXString& text);
  // Drops the first character and everything from the last c on, trims.
  static FX::FXString cleanString(const FX::FXString& text, char c);
  static FX::FXString capitalizationFirstLetterOfEachWord(const FX::FXString& text);
  static FX::FXString capitalizationTitle(const FX::FXString& text);
  static bool characterIsANumber(char c);
  static bool characterIsALetter(char c);

  // ------------------------------------------------------ spreadsheet cells

  // Column letters for 1..18278 (A..ZZZ); empty outside that range.
  static FX::FXString excelColumnNames(int column);
  // The column number of a reference such as "$AB$3" (28).
  static int getExcelColumn(const FX::FXString& cell);
  // The row digits at the end of a reference, with '$' when keepDollar.
  static FX::FXString getExcelRow(const FX::FXString& cell, bool keepDollar);
  static bool isValidExcelCell(const FX::FXString& cell);

  // ------------------------------------------------------ colours, widgets

  // Two upper-case hexadecimal digits of a value 0..255 (clamped).
  static FX::FXString intToHex(int value);
  // "RRGGBB" of a colour, alpha dropped.
  static FX::FXString convertRGBtoHexColor(FX::FXColor color);
  // The hover colour of a flat button on the given background.
  static FX::FXColor getEnterColor(FX::FXColor color);
  // Gives font to every widget of the tree whose class is one of the
  // text-showing classes (exact class name).
  static void updateUIFont(FX::FXWindow* root, FX::FXFont* font);
  // Position of a widget relative to its top-level window.
  static int getWidget_X_InRoot(FX::FXWindow* widget);
  static int getWidget_Y_InRoot(FX::FXWindow* widget);
  static int getWidget_X_InRoot(int offset, FX::FXWindow* widget);
  static int getWidget_Y_InRoot(int offset, FX::FXWindow* widget);

  // ------------------------------------------------------------ text files

  // Encoding found from a file's first four bytes.
  enum FileUTFtypes {
    NO_BOM = 0,    // no byte-order mark
    UTF8_BOM = 1,  // EF BB BF
    UTF16_LE = 2,  // FF FE
    UTF16_BE = 3,  // FE FF
    UTF32_LE = 4,  // FF FE 00 00
    UTF32_BE = 5   // 00 00 FE FF
  };

  // The characters a file name must not hold.
  static const char illegalCharFilenameArray[10];
  static const int numIllegalCharFilenameArray = 10;

  // 32 x 32 GIF icons of the save dialog's message boxes.
  static const FX::FXuchar questionIcon[202];
  static const FX::FXuchar infoIcon[191];

  // The largest text file the readers below take. The program's own text
  // files (settings, data, conversion factors) are far smaller; a file
  // beyond this is not read, so that no file can take the memory of
  // several copies of itself while the program starts.
  static const long long MAX_TEXT_FILE_BYTES = 16LL * 1024 * 1024;

  // Reads a text file as UTF-8 (UTF-16 and UTF-32 files with a byte-order
  // mark are converted, the mark included) with every CR directly before a
  // LF left out. The buffer must hold at least the file's size in bytes;
  // it is zeroed for that many bytes and receives the text. *eightBit is
  // true for files without a mark or with the UTF-8 mark. False when the
  // file cannot be opened or read, is empty or larger than
  // MAX_TEXT_FILE_BYTES, or its converted text is longer than the file
  // (then the buffer is left zeroed).
  static bool readFile(const FX::FXString& path, char* buffer, bool* eightBit);
  static bool readFile(const FX::FXString& path, char* buffer);
  // Reads a text file as above and splits it at separator into lines with
  // every CR removed; on failure the lines are left untouched. The whole
  // text is kept however much the conversion lengthens it.
  static bool readFile(const FX::FXString& path, char separator, FX::FXArray<FX::FXString>* lines, bool* eightBit);
  static bool readFile(const FX::FXString& path, char separator, FX::FXArray<FX::FXString>* lines);
  static bool readFile(const FX::FXString& path, FX::FXArray<FX::FXString>* lines);
  static bool readFile(const FX::FXString& path, FX::FXArray<FX::FXString>* lines, bool* eightBit);

  static void getFileFormat(char b0, char b1, char b2, char b3, FileUTFtypes* type);
  static long getNumberOfLinesInCharBuffer(long length, const char* buffer, char separator);
  static void convertCharBufferToStringArray(long length, const char* buffer, char separator, long count,
                                             FX::FXString* strings);

  // Removes a file about to be written; true when it is gone. An owner
  // gets an error box when the removal fails.
  static bool deleteBeforeWritting(FX::FXWindow* owner, const FX::FXString& path);

  static bool isFilenameLegal(const FX::FXString& text);
  static bool isItemNameLegal(const FX::FXString& text);
  static bool isFileExtensionLegal(const FX::FXString& text);
  // "bmp" of "Bitmap (*.bmp)"; empty unless the pattern names exactly one
  // legal extension.
  static FX::FXString getFileExtensionFromPattern(const FX::FXString& pattern);

  // Save-file dialog: true when a name was chosen, with *fileName set to it
  // (the current pattern's extension is forced on it); false on Cancel,
  // *fileName then holding the name of an earlier pass, if any. Bad
  // names are refused with a message and the dialog comes back. In
  // existing-file mode only existing files can be chosen and no overwrite
  // question is asked. The four trailing values are not used.
  static bool saveFile(FX::FXTopWindow* owner, const FX::FXString& title, const FX::FXString& patternList,
                       const FX::FXString& defaultFileName, const FX::FXString& directory, FX::FXString* fileName,
                       bool existingFileMode, FX::FXuint unused1, FX::FXuint unused2, FX::FXuint unused3,
                       FX::FXuint unused4);
  static bool saveFile(FX::FXTopWindow* owner, const FX::FXString& title, const FX::FXString& patternList,
                       const FX::FXString& defaultFileName, const FX::FXString& directory, FX::FXString* fileName,
                       bool existingFileMode);
  static bool saveFile(FX::FXTopWindow* owner, const FX::FXString& title, const FX::FXString& patternList,
                       const FX::FXString& defaultFileName, const FX::FXString& directory, FX::FXString* fileName);

  // Writes the drawable's picture as a BMP file (whatever the extension);
  // false when the copy cannot be made or the file cannot be opened or
  // completely written.
  static bool saveImageToFile(FX::FXApp* app, const FX::FXDrawable* drawable, const FX::FXString& fileName);

  // Render the picture into an off-screen BMP image and put it on the
  // clipboard (PNG and BMP). True when there was nothing to copy or the
  // picture is on the clipboard; false when the clipboard could not be
  // taken.
  static bool copyToClipboard(FX::FXApp* app, const FX::FXImage* image);
  static bool copyToClipboard(FX::FXApp* app, const FX::FXCanvas* canvas, int width, int height);
  static bool copyToClipboard(FX::FXApp* app, const FX::FXCanvas* canvas);

  // Starts xdg-open with the address as its one argument and returns at
  // once; an empty address starts nothing.
  static void openWebSite(const FX::FXString& address);

  static void assignUIColorsStruct(UIColorsStruct source, UIColorsStruct* destination);

  // Does nothing; always true.
  static bool openExcelxlsFile(const FX::FXString& path);
};

#endif
