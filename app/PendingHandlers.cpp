// Handlers and operations of features that are not built yet. Each does
// nothing: a command handler reports the message as handled, an event
// handler leaves the event to the widget's own handling. They move to the
// file of their area as the features are built.
#include "Quillgrid.h"

using namespace FX;

long Quillgrid::onCmdSaveDatafile(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdResetDirectory(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdDeleteLastPoint(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSetAxisScale(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRecalData(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdClearCurvePointsTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumberFormatType(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRestoreTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumberFormat(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdArrheniusPlot(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRoundXvalue(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSwitchXYRealValues(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdLeftClickColor(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdDataSource(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdClearRecentProjectList(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdUnHighlightPoints(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumericFormatMatchesAxisScaling(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdHideEqnCoefficientTables(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdImageMotion(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onImageKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftMouseClick(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdRightButtonOnImage(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdRedrawFitPlots(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdFitPlotImageResize(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onFitPlotMotion(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftBtnPressFitPlot(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftBtnReleaseFitPlot(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onMouseEqnZones(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onDataPointsTableKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdHighlightSelectedPoints(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onMouseLMP(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdLMPStepSize(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAutoFitLMP(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdDeleteRows(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onAxisMinMaxTableKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdSavePlot(FXObject*, FXSelector, void*) { return 1; }

void Quillgrid::drawFitPlots(bool) {}
bool Quillgrid::readIniFile(const FXString&, bool) { return false; }
void Quillgrid::writeIniFile(const FXString&) {}
void Quillgrid::afterReadingDatafiles(bool) {}
void Quillgrid::freePlotDataArrays() {}
void Quillgrid::setEquationSlopeLabels() {}
void Quillgrid::setEquationSlopeLabels(bool, bool, bool) {}
void Quillgrid::setDataSource() {}
FXColor Quillgrid::getPlotPointColor(unsigned) { return FXRGB(0, 0, 0); }
bool Quillgrid::getQuillgrid() { return false; }
void Quillgrid::setPlotBackgroundColor() {}
void Quillgrid::setNumEquations(bool) {}
void Quillgrid::drawZoneMarkers(bool) {}
void Quillgrid::resetAxis() {}
void Quillgrid::clearAxisDefinitions() {}
void Quillgrid::resetSelections() {}
void Quillgrid::openDataFile(FXString) {}
