// Handlers and operations of features that are not built yet. Each does
// nothing: a command handler reports the message as handled, an event
// handler leaves the event to the widget's own handling. They move to the
// file of their area as the features are built.
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

long Quillgrid::onCmdSaveDatafile(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdResetDirectory(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdDeleteLastPoint(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdClearCurvePointsTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRestoreTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdClearRecentProjectList(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdUnHighlightPoints(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRightButtonOnImage(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onDataPointsTableKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdHighlightSelectedPoints(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdDeleteRows(FXObject*, FXSelector, void*) { return 1; }

bool Quillgrid::readIniFile(const FXString&, bool) { return false; }
void Quillgrid::writeIniFile(const FXString&) {}
void Quillgrid::afterReadingDatafiles(bool) {}
void Quillgrid::openDataFile(FXString) {}

void Quillgrid::unHighlightPoints(bool) {}
