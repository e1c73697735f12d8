// Construction, defaults, placement and destruction of the main window.
#include <cerrno>
#include <cstring>
#include <ctime>

#include <fxkeys.h>

#include "AboutWindow.h"
#include "ChangeWidgetColors.h"
#include "DataPlot.h"
#include "Globals.h"
#include "MenuTitleWin10Style.h"
#include "ModalSeam.h"
#include "PixelUpload.h"
#include "Quillgrid.h"
#include "StartUp.h"
#include "WindowFrame.h"
#include "Table_lom2.h"
#include "fox16.h"
#include "icon_data.h"

using namespace FX;

namespace {
const char* OLD_INI_FILE = "Quillgrid.ini";
const char* AUTHOR_MODE_FILE = "lom2_vorn.txt";
const long long WINDOW_POSITION_DELAY_NS = 500000;  // 0.5 ms
const long long IMAGE_VIEW_TOP_DELAY_NS = 200000;   // 0.2 ms
const long long TOOLTIP_PAUSE_NS = 5000000000LL;    // 5 s

FXGIFIcon* makeIcon(FXApp* app, const unsigned char* gif) { return new FXGIFIcon(app, gif); }
}  // namespace

FXString Quillgrid::getBasicTitle(FXString name) {
  if (name.empty()) name = "untitled";
  return FXStringFormat("%s v%s - %s", APP_NAME.text(), VERSION_NUMBER.text(), name.text());
}

Quillgrid::Quillgrid(FXApp* a) : FXMainWindow(a, "untitled", nullptr, nullptr, DECOR_ALL, 0, 0, 900, 800) {
  // An older version kept its settings under another name; the old file
  // replaces the current one before the settings are read.
  if (FXStat::exists(OLD_INI_FILE)) FXFile::rename(OLD_INI_FILE, INI_FILE);

  lastCursorDrawClock = static_cast<double>(clock());
  savedCurveColor = argb(0xFF000000);

  checkToolkitVersion(fxversion);

  authorMode = FXStat::exists(AUTHOR_MODE_FILE);

  setTitle(getBasicTitle(""));

  directoryForUserFiles = getDefaultDirectory();

  fileOpenIcon = makeIcon(getApp(), fileopen);
  pasteIcon = makeIcon(getApp(), paste);
  helpIcon = makeIcon(getApp(), info_gif);
  undoIcon = makeIcon(getApp(), undo_gif);
  ccwRotateIcon = makeIcon(getApp(), ccw_rotate_16x16_gif);
  cwRotateIcon = makeIcon(getApp(), cw_rotate_16x16_gif);
  ccwRotateBlueIcon = makeIcon(getApp(), ccw_rotate_blue_16x16_gif);
  cwRotateBlueIcon = makeIcon(getApp(), cw_rotate_blue_16x16_gif);
  ccwRotateDarkBlueIcon = makeIcon(getApp(), ccw_rotate_dark_blue_16x16_gif);
  cwRotateDarkBlueIcon = makeIcon(getApp(), cw_rotate_dark_blue_16x16_gif);
  saveIcon = makeIcon(getApp(), save_gif);
  deleteIcon = makeIcon(getApp(), delete_gif);
  copyIcon = makeIcon(getApp(), copy_gif);
  orderIncreasingIcon = makeIcon(getApp(), order_increasing_icon);
  orderDecreasingIcon = makeIcon(getApp(), order_decreasing_icon);
  transparentIcon = makeIcon(getApp(), transparent_1x1);
  appIcon = makeIcon(getApp(), Quillgrid_32);
  appIcon->create();
  setIcon(appIcon);

  menuBar = new FXMenuBar(this, LAYOUT_FILL_X, 0, 0, 0, 0, 3, 3, 2, 2, 4, 4);
  toolBarShell = new FXToolBarShell(this, FRAME_SUNKEN | FRAME_THICK, 0, 0, 0, 0, 4, 4);
  topDockSite = new FXDockSite(this, LAYOUT_SIDE_TOP | LAYOUT_FILL_X);
  mainFrame = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  tabBook = new FXTabBook(mainFrame, this, ID_TABS, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4);

  const FXuint pageOpts = LAYOUT_FILL_X | LAYOUT_FILL_Y | FRAME_THICK | FRAME_RAISED;

  imageTab = new FXTabItem(tabBook, "  Image  ", nullptr, TAB_TOP_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
  defaultTabColor = imageTab->getBackColor();
  imageTab->setBackColor(argb(0xFFC8C8FF));
  imageTabFrame = new FXHorizontalFrame(tabBook, pageOpts, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  setUpPlotImageUI(imageTabFrame);

  xyValuesTab = new FXTabItem(tabBook, "  Xy Values  ", nullptr, TAB_TOP_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
  xyValuesTab->setBackColor(argb(0xFF23AAFF));
  xyValuesTabFrame = new FXVerticalFrame(tabBook, pageOpts, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4);
  setUpXYValuesTab();

  lmpTab = new FXTabItem(tabBook, "  Larson-Miller Data  ", nullptr, TAB_TOP_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
  lmpTab->setBackColor(argb(0xFFFFC8C8));
  lmpTabFrame = new FXVerticalFrame(tabBook, pageOpts, 0, 0, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING,
                                    DEFAULT_SPACING, DEFAULT_SPACING, 4, 4);
  setUpLMPTab();

  curveFittingTab = new FXTabItem(tabBook, "  Curve Fitting  ", nullptr, TAB_TOP_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
  curveFittingTab->setBackColor(argb(0xFFC8FFC8));
  curveFittingTabFrame = new FXVerticalFrame(tabBook, pageOpts, 0, 0, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING,
                                             DEFAULT_SPACING, DEFAULT_SPACING, 4, 4);
  setUpFittingTab();

  setUpMainMenu();
  setUpToolBar();

  new FXToolTip(getApp(), TOOLTIP_VARIABLE);
  getApp()->setTooltipPause(nsToMs(TOOLTIP_PAUSE_NS));

  imageFileName = "untitled";

  setDefaults();
  readConversionFactors();
  drawFitPlots(true);

  isStartingUp = false;

  getApp()->addTimeout(this, ID_WINDOW_POSITION_TIMER, nsToMs(WINDOW_POSITION_DELAY_NS));
  getApp()->addTimeout(this, ID_IMAGE_VIEW_TOP_TIMER, nsToMs(IMAGE_VIEW_TOP_DELAY_NS));
}

void Quillgrid::create() {
  FXMainWindow::create();
  // The fonts exist from here on: the tables take the widths their texts need.
  fitImageTabTablesToTheirTexts();
  fitValueTablesToTheirTexts();
  show(PLACEMENT_SCREEN);
}

FXString Quillgrid::getDefaultDirectory() { return pathToExeStr_l; }

void Quillgrid::setDefaults() {
  int autoFindRows = 0;
  if (numAutoFindPoints_LB_LB && numAutoFindPoints_LB_LB->getNumItems() > 0)
    autoFindRows = FXIntVal(numAutoFindPoints_LB_LB->getItemText(numAutoFindPoints_LB_LB->getNumItems() - 1), 10);
  clearCurveDataTable(autoFindRows + 2);

  defineFileExt();
  disableButtons();
  enableDisableDrawLineBtn();
  if (savePlotMenuTitle) savePlotMenuTitle->disable();

  if (showEquationOnImage_Chk) showEquationOnImage_Chk->setCheck(TRUE, FALSE);

  cursorType = 2;
  cursorColorIndex = 0;
  makeCursors();
  plotPointSize = 1;
  if (!arrowCursor) {
    arrowCursor = new FXCursor(getApp(), CURSOR_ARROW);
    arrowCursor->create();
  }

  referencePointColorIndex = 1;
  dataPointColorIndex = 1;
  plotBackgroundColorIndex = 1;
  searchDirection = 0;
  searchLocation = 0;
  setDefaultForSearchLength();
  setDefaultForColorDiff();

  showMagnifiedImage = showLineOnMagnifiedImage = showScanDirectionMagnifiedImage = true;
  if (showMagnifiedImage_MC) showMagnifiedImage_MC->setCheck(TRUE);
  if (showLineOnMagnifiedImage_MC) showLineOnMagnifiedImage_MC->setCheck(TRUE);
  if (showScanDirectionMagnifiedImage_MC) showScanDirectionMagnifiedImage_MC->setCheck(TRUE);
  if (setNumericFormatDependingOnAxisScaling) setNumericFormatDependingOnAxisScaling->setCheck(TRUE);

  windowWidth = 1100;
  windowHeight = 850;
  window_x = 150;
  window_y = 100;

  if (excel_cell_TF) excel_cell_TF->setText("A2", FALSE);
  curveFitType = 0;

  resetDrawLine();
  savedCurveColor = argb(0xFF000000);
  setDefaultColorTextfieldFrame();
  pickColorMode = false;

  if (curve_color) {
    curve_color->setBackColor(argb(0xFF000000));
    curve_color->setTextColor(ChangeWidgetColors::getFontColor(argb(0xFF000000)));
  }
  if (selectionColor_TF) {
    selectionColor_TF->setBackColor(argb(0xFFFFFF00));
    selectionColor_TF->setTextColor(ChangeWidgetColors::getFontColor(argb(0xFFFFFF00)));
    selectionColor_TF->recalc();
  }

  // The image view asks for 500 x 500 while it has no picture (the size
  // it is made with).

  if (magnifiedViewsOnRightSide_MRB) magnifiedViewsOnRightSide_MRB->setCheck(TRUE);

  for (int& order : fit_order) order = 1;

  placementFromDefaults = !readIniFile(INI_FILE, false);
  if (placementFromDefaults) {
    resize(900, 800);
    if (autoFindPoint_Chk) autoFindPoint_Chk->setCheck(TRUE, FALSE);
    if (numAutoFindPoints_LB_LB && numAutoFindPoints_LB_LB->getNumItems() > 4)
      numAutoFindPoints_LB_LB->setCurrentItem(4, FALSE);
    if (numOfDecimalsInCoefficients_LB && numOfDecimalsInCoefficients_LB->getNumItems() > 4)
      numOfDecimalsInCoefficients_LB->setCurrentItem(4, FALSE);
    if (numRowsInXYTable_LB && numRowsInXYTable_LB->getNumItems() > 1) numRowsInXYTable_LB->setCurrentItem(1, FALSE);
    setDefaultForSearchLength();
    setDefaultForColorDiff();
    setUpXYDataTables();
    for (int& order : fit_order) order = 1;
    if (excel_cell_TF) excel_cell_TF->setText("A2", FALSE);
    curveFitType = 0;
    axisScaleType_x = 0;
    numberFormatType_x = 1;
    axisScaleType_y = 0;
    numberFormatType_y = 1;
  }

  afterReadingDatafiles(true);
}

long Quillgrid::onCmdAbout(FXObject*, FXSelector, void*) {
  AboutWindow about(this, APP_NAME, VERSION_NUMBER);
  ModalSeam::execute(&about, PLACEMENT_OWNER);
  return 1;
}

long Quillgrid::onCmdQuit(FXObject*, FXSelector, void*) {
  if (writeSettingsBeforeLeaving()) getApp()->exit(0);
  return 1;
}

FXbool Quillgrid::close(FXbool notify) {
  if (!writeSettingsBeforeLeaving()) return FALSE;
  return FXMainWindow::close(notify);
}

bool Quillgrid::writeSettingsBeforeLeaving() {
  if (writeSettingsFile(INI_FILE)) {
    settingsWrittenOnLeaving = true;
    return true;
  }
  const int error = errno;
  const FXString text = FXStringFormat(
      "The settings and the tables (Xy Values, Larson-Miller Data) could not be saved in\n%s\n(%s).\n\n"
      "Quit: leave the program without them.\n"
      "Save: stay, and save a data file in another folder now.\n"
      "Cancel: stay.",
      FXPath::absolute(INI_FILE).text(), strerror(error));
  switch (ModalSeam::error(this, MBOX_QUIT_SAVE_CANCEL, "Settings not saved", text)) {
    case MBOX_CLICKED_QUIT:
      settingsWrittenOnLeaving = true;
      return true;
    case MBOX_CLICKED_SAVE:
      onCmdSaveDatafile(nullptr, 0, nullptr);
      return false;
    default:
      return false;
  }
}

long Quillgrid::onCmdMainWindowPosition(FXObject*, FXSelector, void*) {
  // Placed once it shows: a window manager puts its frame around it first,
  // and the placement keeps the frame on the screen too.
  const int WAIT_MS = 20, MAX_WAITS = 50;
  if (!isViewable(this) && placementWaits < MAX_WAITS) {
    ++placementWaits;
    getApp()->addTimeout(this, ID_WINDOW_POSITION_TIMER, WAIT_MS);
    return 1;
  }
  const FrameExtents frame = frameExtentsOf(this);
  const int screenW = getApp()->getRootWindow()->getWidth(), screenH = getApp()->getRootWindow()->getHeight();
  WindowPlacement stored;
  stored.x = window_x;
  stored.y = window_y;
  stored.w = windowWidth;
  stored.h = windowHeight;
  // Without settings the window takes the room every control needs (every
  // tab at its full width, the Image tab's column of controls whole), as
  // far as the screen allows.
  if (placementFromDefaults)
    stored = startUpPlacement(stored, getDefaultWidth(), FXMAX(getDefaultHeight(), controlColumnWindowHeight()),
                              screenW, screenH, frame);
  placementFromDefaults = false;
  PlacementSteps steps = placeMainWindow(stored, isMinimized, screenW, screenH, frame);
  position(steps.first.x, steps.first.y, steps.first.w, steps.first.h);
  if (steps.pulledBack) position(steps.final.x, steps.final.y, steps.final.w, steps.final.h);
  window_x = steps.final.x;
  window_y = steps.final.y;
  windowWidth = steps.final.w;
  windowHeight = steps.final.h;
  return 1;
}

long Quillgrid::onCmdImageViewTopTimer(FXObject*, FXSelector, void*) {
  imageViewTop = (toolBar ? toolBar->getHeight() : 0) + (menuBar ? menuBar->getHeight() : 0) +
                 (imageTab ? imageTab->getHeight() : 0);
  return 1;
}

long Quillgrid::onXYValuesTableKeyPress(FXObject*, FXSelector, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev || !xyValues_TBL) return 0;
  if (isPasteKey(ev->code, ev->state)) return pasteIntoXYValuesTable();
  return swallowXYValuesTableKey(ev->code, ev->state, xyValues_TBL->getCurrentColumn()) ? 1 : 0;
}

void Quillgrid::deletePlots() {
  delete fitPlot;
  fitPlot = nullptr;
  delete halfWidthPlot;
  halfWidthPlot = nullptr;
  for (DataPlot*& plot : smallPlots) {
    delete plot;
    plot = nullptr;
  }
}

Quillgrid::~Quillgrid() {
  // Timers still pending would otherwise reach a window that is gone.
  getApp()->removeTimeout(this, ID_WINDOW_POSITION_TIMER);
  getApp()->removeTimeout(this, ID_IMAGE_VIEW_TOP_TIMER);
  getApp()->removeTimeout(this, ID_WRITE_PLOT_FILE_TIMER);

  // Leaving through Quit or the title bar has written them already.
  if (!settingsWrittenOnLeaving) writeIniFile(INI_FILE);

  freePlotDataArrays();
  cleanUpPopUpPane();
  cleanUpPopUpPaneExcelEqn();
  free_originalPixelArray();
  delete pixelUpload;  // while the display is open
  pixelUpload = nullptr;
  deallocateLMPcellColorIcons();

  releaseAndDelete(image);
  releaseAndDelete(cleanImage);
  releaseAndDelete(lineImage);
  delete[] lineBackupPixels;
  lineBackupPixels = nullptr;

  for (int i = 0; i < 3; ++i) {
    releaseAndDelete(magnifiedImage[i]);
    delete[] magnifiedPixels[i];
    magnifiedPixels[i] = nullptr;
  }

  deletePlots();

  if (conversionFactors) {
    delete[] conversionFactors;
    conversionFactors = nullptr;
  }
  numConversionFactors = 0;

  delete[] curveFitType_RB;
  delete[] pointColors;
  delete[] dataPointColor_RB;
  delete[] referencePointColor_RB;
  delete[] plotPointSize_RB;

  delete fileMenu;
  delete savePlotMenu;
  delete optionsMenu;
  delete helpMenu;

  releaseAndDelete(fileOpenIcon);
  releaseAndDelete(pasteIcon);
  releaseAndDelete(helpIcon);
  releaseAndDelete(undoIcon);
  releaseAndDelete(copyIcon);
  releaseAndDelete(ccwRotateIcon);
  releaseAndDelete(cwRotateIcon);
  releaseAndDelete(ccwRotateBlueIcon);
  releaseAndDelete(cwRotateBlueIcon);
  releaseAndDelete(ccwRotateDarkBlueIcon);
  releaseAndDelete(cwRotateDarkBlueIcon);
  releaseAndDelete(appIcon);
  releaseAndDelete(saveIcon);
  releaseAndDelete(deleteIcon);
  releaseAndDelete(orderIncreasingIcon);
  releaseAndDelete(orderDecreasingIcon);
  releaseAndDelete(transparentIcon);

  releaseAndDelete(arrowCursor);
  releaseAndDelete(pickColorCursor);
  for (FXCursor*& c : cursors) releaseAndDelete(c);

  delete toolBar;
  delete topDockSite;
  delete toolBarShell;
  delete menuBar;
}
