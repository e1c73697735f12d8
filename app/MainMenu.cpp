// The menu bar, the tool bar, the recent-file lists, the image file
// patterns, the conversion factors and the web commands of the main window.
#include <initializer_list>

#include "CheckWebForUpdates.h"
#include "Globals.h"
#include "MenuButtonWin10Style.h"
#include "MenuRules.h"
#include "MenuTitleWin10Style.h"
#include "Quillgrid.h"
#include "UIForWebUpdates.h"
#include "Utilities_lom2.h"

using namespace FX;

void Quillgrid::setUpMainMenu() {
  fileMenu = new FXMenuPane(this);
  new MenuTitleWin10Style(menuBar, "File", nullptr, fileMenu);
  new FXMenuCommand(fileMenu, "Open image file", fileOpenIcon, this, ID_OPEN_IMAGE_FILE);
  new FXMenuCommand(fileMenu, "Open data file", fileOpenIcon, this, ID_OPEN_DATA_FILE);
  new FXMenuSeparator(fileMenu);
  new FXMenuCommand(fileMenu, "Sava data file", saveIcon, this, ID_SAVE_DATA_FILE);
  for (int type = 0; type < 2; ++type) {
    new FXMenuSeparator(fileMenu);
    // An entry without text takes no height: only used entries show.
    for (int k = 0; k < NUM_RECENT_FILES; ++k)
      recentFiles_MC[type][k] = new FXMenuCommand(fileMenu, FXString::null, nullptr, this, ID_OPEN_RECENT_FILE);
  }
  new FXMenuSeparator(fileMenu);
  clearRecentFiles_MC[0] = new FXMenuCommand(fileMenu, "Clear recent image files list", nullptr, this,
                                             ID_CLEAR_RECENT_FILES);
  clearRecentFiles_MC[1] = new FXMenuCommand(fileMenu, "Clear recent data files list", nullptr, this,
                                             ID_CLEAR_RECENT_FILES);
  clearRecentFiles_MC[0]->disable();
  clearRecentFiles_MC[1]->disable();
  new FXMenuSeparator(fileMenu);
  new FXMenuCommand(fileMenu, "Quit", nullptr, this, ID_QUIT);

  savePlotMenu = new FXMenuPane(this);
  savePlotMenuTitle = new MenuTitleWin10Style(menuBar, "Save Plot", nullptr, savePlotMenu);
  new FXMenuCommand(savePlotMenu, "&Save image to file", nullptr, this, ID_SAVE_PLOT);
  // Never shown: its accelerator puts Ctrl+V into the window's accelerator
  // table, so the key pastes a new image whatever has the focus.
  FXMenuCommand* pasteNewImage = new FXMenuCommand(savePlotMenu, "Paste new image\tCtl-V", nullptr, this, ID_PASTE);
  pasteNewImage->hide();
  includeRotationOnImage_Chk =
      new FXMenuCheck(savePlotMenu, "Write the rotation (if not 0), min/max x/y to the image when saving");

  optionsMenu = new FXMenuPane(this);
  new MenuTitleWin10Style(menuBar, "Options", nullptr, optionsMenu);
  resizeWindowWithNewImage = new FXMenuCheck(optionsMenu, "Resize window with new image");
  resizeWindowWithNewImage->setCheck(TRUE);
  clearAxisDefinitionsWithNewImage = new FXMenuCheck(optionsMenu, "Clear axis definitions with new image");
  turnOnAutoFindAxisWithNewImage_Chk =
      new FXMenuCheck(optionsMenu, "Turn on \"" + AUTO_FIND_POINT_TXT + " axis\" after loading new image");
  cornerPointsSameColorAsDataPoints = new FXMenuCheck(
      optionsMenu, "Make the corner points and data points the same color", this, ID_SAME_POINT_COLORS);
  cornerPointsSameColorAsDataPoints->setCheck(TRUE);
  warnForAxisMinMaxReversed = new FXMenuCheck(optionsMenu, "Show a warning if the axis min/max values are reversed");
  warnForAxisMinMaxReversed->setCheck(TRUE);
  warnForAxisLogScaling_Chk = new FXMenuCheck(
      optionsMenu, FXStringFormat("Show a warning if the axis scaling should/shouldn't be log (max/min > %.0lf)", 100.0));
  warnForAxisLogScaling_Chk->setCheck(TRUE);
  setNumericFormatDependingOnAxisScaling = new FXMenuCheck(
      optionsMenu,
      "Set the numeric format in the \"" + CURVE_POINTS_TXT + "\" table depending on the axis scale type", this,
      ID_NUMERIC_FORMAT_FOLLOWS_SCALE);
  new FXMenuSeparator(optionsMenu);
  FXString lmpLabel = lmpTab->getText();
  FXString fittingLabel = curveFittingTab->getText();
  showLMPStuff_Chk =
      new FXMenuCheck(optionsMenu, FXStringFormat("Show the \"%s\" tab", lmpLabel.trim().text()), this, ID_SHOW_LMP_TAB);
  hideEqnCoefficientTables_Chk = new FXMenuCheck(
      optionsMenu, FXStringFormat("Hide equation coefficient tables on the \"%s\" tab", fittingLabel.trim().text()),
      this, ID_HIDE_EQN_COEFFICIENT_TABLES);
  new FXMenuSeparator(optionsMenu);
  showMagnifiedImage_MC = new FXMenuCheck(optionsMenu, "Show magnified images", this, ID_SHOW_MAGNIFIED_IMAGE);
  showLineOnMagnifiedImage_MC =
      new FXMenuCheck(optionsMenu, "Show line on the magnified image", this, ID_SHOW_MAGNIFIED_IMAGE);
  showScanDirectionMagnifiedImage_MC = new FXMenuCheck(
      optionsMenu, FXStringFormat("Show the scan direction image when \"%s\" is checked", AUTO_FIND_POINT_TXT.text()),
      this, ID_SHOW_MAGNIFIED_IMAGE);
  new FXMenuSeparator(optionsMenu);
  magnifiedViewsOnRightSide_MRB =
      new FXMenuRadio(optionsMenu, "Magnified views on the right-side", this, ID_MAGNIFIED_VIEWS_RIGHT);
  magnifiedViewsOnBottom_MRB =
      new FXMenuRadio(optionsMenu, "Magnified views on the bottom", this, ID_MAGNIFIED_VIEWS_BOTTOM);
  if (authorMode) {
    new FXMenuSeparator(optionsMenu);
    new FXMenuCommand(optionsMenu, "Reset directory to default", nullptr, this, ID_RESET_DIRECTORY);
  }

  helpMenu = new FXMenuPane(this);
  new MenuTitleWin10Style(menuBar, "Help", nullptr, helpMenu);
  new FXMenuCommand(helpMenu, "About", helpIcon, this, ID_ABOUT);
  new FXMenuCommand(helpMenu, "VORN Software web site (opens a browser)", nullptr, this, ID_OPEN_WEB_SITE);
  new FXMenuSeparator(helpMenu);
  new FXMenuCommand(helpMenu, "Check the web site for updates", nullptr, this, ID_CHECK_FOR_UPDATES);
}

void Quillgrid::setUpToolBar() {
  toolBar = new FXToolBar(topDockSite, toolBarShell, LAYOUT_DOCK_NEXT | LAYOUT_SIDE_TOP | LAYOUT_FILL_X, 0, 0, 0, 0,
                          3, 3, 2, 2, 4, 4);
  const FXuint style = BUTTON_TOOLBAR | TEXT_OVER_ICON;
  auto button = [&](const FXString& text, FXIcon* icon, FXSelector id) {
    return new MenuButtonWin10Style(toolBar, text, icon, this, id, style, 0, 0, 0, 0, 6, 6, 6, 6);
  };
  auto separator = [&] { new FXVerticalSeparator(toolBar, SEPARATOR_GROOVE); };
  const FXString ccw = "\tRotate image counter-clockwise at %.*lf degree/click";
  const FXString cw = "\tRotate image clockwise at %.*lf degree/click";

  button("I\tOpen image file", fileOpenIcon, ID_OPEN_IMAGE_FILE);
  separator();
  button("D\tOpen data file", fileOpenIcon, ID_OPEN_DATA_FILE);
  paste_TB = button("\tPaste\tCtl-V", pasteIcon, ID_PASTE);
  undo_TB = button("\tUndo last point", undoIcon, ID_DELETE_LAST_POINT);
  undo_TB->disable();
  separator();
  separator();
  rotateCcw_TB = button(FXStringFormat(ccw.text(), 3, 0.1), ccwRotateDarkBlueIcon, ID_ROTATE_CCW_COARSE);
  rotateCcwFine_TB = button(FXStringFormat(ccw.text(), 3, 0.025), ccwRotateBlueIcon, ID_ROTATE_CCW_FINE);
  rotateCw_TB = button(FXStringFormat(cw.text(), 3, 0.1), cwRotateDarkBlueIcon, ID_ROTATE_CW_COARSE);
  rotateCwFine_TB = button(FXStringFormat(cw.text(), 3, 0.025), cwRotateBlueIcon, ID_ROTATE_CW_FINE);
  rotate90Ccw_TB = button("\tRotate image 90 counter-clockwise", ccwRotateIcon, ID_ROTATE_90_CCW);
  rotate90Cw_TB = button("\tRotate image 90 clockwise", cwRotateIcon, ID_ROTATE_90_CW);
  rotate180_TB = button("180\tRotate image 180", nullptr, ID_ROTATE_180);
  for (MenuButtonWin10Style* b :
       {rotateCcw_TB, rotateCcwFine_TB, rotateCw_TB, rotateCwFine_TB, rotate90Ccw_TB, rotate90Cw_TB, rotate180_TB})
    b->disable();
  // The fine rotation steps are served by the rotation command but not offered.
  rotateCcwFine_TB->hide();
  rotateCwFine_TB->hide();
  rotation_Lbl = new FXLabel(toolBar, "rotation = 0", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 2, 2, 2, 2);
}

void Quillgrid::defineFileExt() {
  imageFilePatterns = FXString::null;
  imageFilePatterns += "Supported Images    (*.bmp,*.gif,*.png,*.lbm,*.pcx,*.pgm,*.ppm,*.ras,*.tga)\n";
  imageFilePatterns += "BMP Image    (*.bmp)\n";
  imageFilePatterns += "GIF Image    (*.gif)\n";
  imageFilePatterns += "PNG Image    (*.png)\n";
  imageFilePatterns += "LBM Image    (*.lbm)\n";
  imageFilePatterns += "PCX Image    (*.pcx)\n";
  imageFilePatterns += "PGM Image    (*.pgm)\n";
  imageFilePatterns += "PPM Image    (*.ppm)\n";
  imageFilePatterns += "RAS Image    (*.ras)\n";
  imageFilePatterns += "TARGA Image  (*.tga)\n";
}

void Quillgrid::updateRecentlyUsedFileList(FXString fileName, int fileType) {
  if (fileType < 0 || fileType > 1) return;
  updateRecentList(recentFiles[fileType], fileName);
  for (int k = 0; k < NUM_RECENT_FILES; ++k) recentFiles_MC[fileType][k]->setText(recentFiles[fileType][k]);
  for (int t = 0; t < 2; ++t) {
    clearRecentFiles_MC[t]->disable();
    if (recentListHasEntries(recentFiles[t])) clearRecentFiles_MC[t]->enable();
  }
}

void Quillgrid::clearRecentlyUsedList(int fileType) {
  if (fileType < 0 || fileType > 1) return;
  clearRecentFiles_MC[fileType]->disable();
  for (int k = 0; k < NUM_RECENT_FILES; ++k) {
    recentFiles[fileType][k] = FXString::null;
    recentFiles_MC[fileType][k]->setText(FXString::null);
  }
}

bool Quillgrid::readConversionFactors() {
  numConversionFactors = 0;
  delete[] conversionFactors;
  conversionFactors = nullptr;
  const int count = readConversionFactorsFile(CONVERSION_FACTORS_FILE, conversionFactors);
  if (count < 0) return false;
  numConversionFactors = count;
  return true;
}

long Quillgrid::onCmdOpenWebSite(FXObject*, FXSelector, void*) {
  if (!WEB_SITE_URL.empty()) Utilities_lom2::openWebSite(WEB_SITE_URL);
  return 1;
}

long Quillgrid::onCmdCheckForUpdates(FXObject*, FXSelector, void*) {
  const double currentVersion = FXDoubleVal(VERSION_NUMBER);
  double webVersion = 0.0;
  CheckWebForUpdates check;
  check.checkForUpdates(currentVersion, &webVersion, WEB_SITE_HOST, WEB_FILE_URL);
  const int status = check.getStatusCode();
  UIForWebUpdates ui;
  // The browser is handed the site's full address: a bare host name is not
  // an address xdg-open can open.
  ui.messageForUpdates(this, WEB_SITE_URL, webVersion, status);
  return 1;
}
