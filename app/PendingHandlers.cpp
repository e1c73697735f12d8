// Handlers and operations of features that are not built yet. Each does
// nothing: a command handler reports the message as handled, an event
// handler leaves the event to the widget's own handling. They move to the
// file of their area as the features are built.
#include "Quillgrid.h"

using namespace FX;

long Quillgrid::onCmdOpen(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSaveDatafile(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdResetDirectory(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSetAxisScale(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRecalData(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAutoOrderOnCopy(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdOrderCurvePointsByDiff(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAutoFindCurve(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdResetImage(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdResetAll(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdDataPointColor(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdReferencePointColor(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdMakePointsSameColor(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumberFormatType(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumberFormat(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAxisDataType(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdArrheniusPlot(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRoundXvalue(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSearchLocation(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSwitchXYRealValues(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdLeftClickColor(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdCopyTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAxisDataTypePopUp(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRotateImage(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRotateImage90(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdRotateImage180(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdDataSource(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdOpenRecentFile(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdClearRecentProjectList(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAppendImageDataToXYValuesTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdNumericFormatMatchesAxisScaling(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdOrderCurveDataPoints(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdCopyHiddenEquationStuff(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdFontSize(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdHideEqnCoefficientTables(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdYaxisScaleFactorRightButton(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdExcelEqnRightButton(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdCopyExcelEqn(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdImageMotion(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onImageKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onImageKeyRelease(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftMouseClick(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdRedrawFitPlots(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdFitPlotImageResize(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onFitPlotMotion(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftBtnPressFitPlot(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftBtnReleaseFitPlot(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onMouseEqnZones(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdImageTableRightButton(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdLMPDataPointsTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdLMPTableRightButton(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdCopyLMPTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onMouseLMP(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdLMPStepSize(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAutoFitLMP(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdCopyXYValuesTable(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdXYvaluesTableRightButton(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdOrderXYValuesPoints(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdOrderXYvaluesPointsByDiff(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onAxisMinMaxTableKeyPress(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdWritePlotFile(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdCopyToClipboard(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdCopyToClipboardHalfSize(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdSavePlot(FXObject*, FXSelector, void*) { return 1; }

void Quillgrid::drawFitPlots(bool) {}
void Quillgrid::disableButtons() {}
void Quillgrid::enableDisableDrawLineBtn() {}
void Quillgrid::setDefaultForSearchLength() {}
void Quillgrid::setDefaultForColorDiff() {}
void Quillgrid::resetDrawLine() {}
bool Quillgrid::readIniFile(const FXString&, bool) { return false; }
void Quillgrid::writeIniFile(const FXString&) {}
void Quillgrid::afterReadingDatafiles(bool) {}
void Quillgrid::freePlotDataArrays() {}
void Quillgrid::cleanUpPopUpPane() {}
void Quillgrid::cleanUpPopUpPaneExcelEqn() {}
void Quillgrid::free_originalPixelArray() {}
void Quillgrid::setEquationSlopeLabels() {}
void Quillgrid::setEquationSlopeLabels(bool, bool, bool) {}
void Quillgrid::resetOrdering() {}
void Quillgrid::setDataSource() {}
void Quillgrid::setXaxisTemperatureBackColor() {}
void Quillgrid::addDataToXYValuesTable(int) {}
FXColor Quillgrid::getPlotPointColor(unsigned) { return FXRGB(0, 0, 0); }
bool Quillgrid::getQuillgrid() { return false; }
void Quillgrid::setZELKformat() {}
void Quillgrid::setPointSize() {}
void Quillgrid::setFitPlotFontSize() {}
void Quillgrid::myCustomSettings() {}
void Quillgrid::setPlotBackgroundColor() {}
void Quillgrid::setNumEquations(bool) {}
void Quillgrid::drawZoneMarkers(bool) {}
void Quillgrid::setSearchLengthButtonColor(int) {}
void Quillgrid::setColorDiffButtonColor(int) {}
void Quillgrid::setAutoFindButtons() {}
void Quillgrid::setSearchDirection() {}
void Quillgrid::updateDrawLineBtn() {}
void Quillgrid::autoSizeWindow() {}
void Quillgrid::resetAxis() {}
void Quillgrid::plotPointOnImage(int, int, FXColor, int, int, bool, FXImage*) {}
void Quillgrid::redrawCornerPoints(FXImage*) {}
void Quillgrid::resetImage(bool, FXImage*) {}
void Quillgrid::resetImageAndDrawPoints() {}
void Quillgrid::rotateImage(int, FXImage*) {}
void Quillgrid::appendRows(int) {}
void Quillgrid::allowOrdering() {}
bool Quillgrid::loadImage(FXString) { return false; }
