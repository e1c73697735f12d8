// Data files: the settings together with the axis values and both value
// tables, saved and opened by the user.
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Utilities_lom2.h"

using namespace FX;

void Quillgrid::openDataFile(FXString path) {
  // The file is read and checked before anything changes: one that cannot
  // be read, or is not a data file, leaves the tables and settings as
  // they were.
  FXArray<FXString> lines;
  if (!readIniLines(path, lines) || !enoughRecognisedLines(lines, true)) {
    ModalSeam::error(this, MBOX_OK, "Error", "Unknown error reading file");
    updateRecentlyUsedFileList(FXString::null, 1);
    return;
  }
  onCmdClearXYValuesTable(nullptr, 0, nullptr);
  onCmdClearLMPTable(nullptr, 0, nullptr);
  applyIniLines(lines, true);
  updateRecentlyUsedFileList(path, 1);
  afterReadingDatafiles(false);
  // The curve points keep their pixel positions, but their real values
  // came from the axis values before the file was read: convert them again
  // with the axis values the file brought.
  onCmdRecalData(nullptr, 0, nullptr);
}

long Quillgrid::onCmdSaveDatafile(FXObject*, FXSelector, void*) {
  const FXString pattern = FXStringFormat("Quillgrid (*.%s)", DATA_FILE_EXT_NO_DOT.text());
  if (!Utilities_lom2::saveFile(this, "Save datafile", pattern, FXString::null, directoryForUserFiles, &saveFileName,
                                false))
    return 1;
  directoryForUserFiles = FXPath::directory(saveFileName);
  // A file that could not be written is not offered as a recent file: the
  // user is told, and the previous file of that name is left as it was.
  if (!writeSettingsFile(saveFileName)) {
    ModalSeam::error(this, MBOX_OK, "Error", FXStringFormat("Could not write the file \"%s\".", saveFileName.text()));
    return 1;
  }
  updateRecentlyUsedFileList(saveFileName, 1);
  return 1;
}
