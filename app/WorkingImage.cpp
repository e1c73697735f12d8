// The working picture: opening image files, the pixel copies of the
// picture, the point marks with their redraw log, the user's line, the
// extended cross-hair, the rotation alignment lines, and the fine, quarter
// and half turns of the picture.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <new>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <fx.h>
#include <FXPNGImage.h>

#include "Globals.h"
#include "ImageFileRules.h"
#include "ImageRules.h"
#include "MenuRules.h"
#include "ModalSeam.h"
#include "PixelUpload.h"
#include <new>

#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXuint IMAGE_OPTS = IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP;
const int REFERENCE_MARK_THICKNESS = 3;
const int REFERENCE_MARK_LENGTH = 15;
const int DATA_MARK_THICKNESS = 1;
const int DATA_MARK_LENGTH = 9;
const FXColor BLACK = argb(0xFF000000);

// A decoder of the file type named by the extension (any case), made
// empty; null for a type that is not read.
FXImage* makeDecoder(FXApp* app, const FXString& extension) {
  const FXString ext = FXString(extension).lower();
  if (ext == "gif") return new FXGIFImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "bmp") return new FXBMPImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "pcx") return new FXPCXImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "tga") return new FXTGAImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "ppm" || ext == "pgm") return new FXPPMImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "lbm") return new FXIFFImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "ras") return new FXRASImage(app, nullptr, IMAGE_OPTS, 1, 1);
  if (ext == "png") return new FXPNGImage(app, nullptr, IMAGE_OPTS, 1, 1);
  return nullptr;
}

// n ints cleared to 0 (released with free).
int* clearedInts(int n) {
  void* p = calloc(n > 0 ? (size_t)n : 1, sizeof(int));
  if (!p) throw std::bad_alloc();
  return static_cast<int*>(p);
}

// Puts the target's pixels on its display-side image through the kept
// upload, made on first use.
void upload(PixelUpload*& through, FXImage* target) {
  if (!through) through = new PixelUpload;
  through->put(target);
}

// True, after the error box, when the buffers of the checked picture need
// more memory than the machine has available, counting what the shown
// picture of shownW x shownH gives back (none: 0 x 0). An unknown figure
// refuses nothing.
bool tooLargeForMemory(FXWindow* owner, const ImageDecode::CheckedFile& file, long shownW, long shownH) {
  const long long systemHas = ImageDecode::availableMemory();
  const long long needed = ImageRules::pictureMemoryNeeded(file.width, file.height);
  const long long available = systemHas + ImageRules::pictureMemoryHeld(shownW, shownH);
  if (systemHas <= 0 || needed <= available) return false;
  ModalSeam::error(owner, MBOX_OK, "Error Loading Image",
                   ImageRules::pictureTooLargeText(file.width, file.height, needed, available));
  return true;
}

// Maps in the pages of the buffers on threads of their own while work
// runs on this one (in turn when no thread can be had).
void mapInMeanwhile(std::initializer_list<std::pair<void*, size_t>> buffers, const std::function<void()>& work) {
  std::vector<std::thread> helpers;
  for (const auto& b : buffers) {
    try {
      helpers.emplace_back([b]() { ImageDecode::prefaultPages(b.first, b.second); });
    } catch (const std::system_error&) {
      ImageDecode::prefaultPages(b.first, b.second);
    }
  }
  work();
  for (std::thread& h : helpers) h.join();
}

// Number of pixels two buffers of these images share.
long sharedPixels(FXImage* a, int w, int h) {
  const long na = (long)a->getWidth() * a->getHeight(), nb = (long)w * h;
  return na < nb ? na : nb;
}
}  // namespace

// ---- opening files

long Quillgrid::onCmdOpen(FXObject*, FXSelector sel, void*) {
  const bool imageFile = FXSELID(sel) != ID_OPEN_DATA_FILE;
  FXFileDialog dialog(this, imageFile ? "Open image file" : "Open data file", 0, 0, 0, 500, 300);
  if (imageFile)
    dialog.setPatternList(imageFilePatterns);
  else
    dialog.setPatternList(FXStringFormat("Data file (*%s)", DATA_FILE_EXT_NO_DOT.text()));
  const bool useOpenDirectory = !openDialogDirectory.empty() && FXStat::isDirectory(openDialogDirectory);
  dialog.setDirectory(useOpenDirectory ? openDialogDirectory : directoryForUserFiles);
  if (transparentIcon) dialog.setIcon(transparentIcon);
  if (ModalSeam::execute(&dialog, PLACEMENT_OWNER) && (!imageFile || mayOpenAnotherPicture())) {
    const FXString path = dialog.getFilename();
    directoryForUserFiles = FXPath::directory(path);
    if (imageFile) {
      if (tabBook) tabBook->setCurrent(0, FALSE);
      loadImage(path);
    } else {
      openDataFile(path);
    }
  }
  openDialogDirectory = FXString::null;
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdOpenRecentFile(FXObject* sender, FXSelector, void*) {
  int type = -1, entry = -1;
  for (int t = 0; t < 2 && type < 0; ++t)
    for (int k = 0; k < NUM_RECENT_FILES; ++k)
      if (recentFiles_MC[t][k] && sender == recentFiles_MC[t][k]) {
        type = t;
        entry = k;
        break;
      }
  if (type < 0) return 1;
  const FXString path = recentFiles[type][entry];
  if (path.empty()) return 1;
  if (FXStat::exists(path)) {
    if (type == 0 && !mayOpenAnotherPicture()) return 1;
    directoryForUserFiles = FXPath::directory(path);
    if (type == 1) {
      openDataFile(path);
    } else {
      if (tabBook) tabBook->setCurrent(0, FALSE);
      loadImage(path);
    }
    return 1;
  }
  ModalSeam::information(this, MBOX_OK, "User file error", "The file was not found");
  if (ModalSeam::question(this, MBOX_YES_NO, "User file error",
                          "Do you want to remove this file name from the list?") == MBOX_CLICKED_YES) {
    for (int k = 0; k < NUM_RECENT_FILES; ++k)
      if (recentFiles[type][k] == path) {
        recentFiles[type][k] = FXString::null;
        break;
      }
    updateRecentlyUsedFileList(FXString::null, type);
  }
  return 1;
}

// Lets go of the shown picture before another one loads into fresh (a
// decoder made empty, or null). What a picture of the checked file's size
// takes over stays: the room of the decoded pixels, in decoded, and the
// display's picture of the same kind and size, which is returned in place
// of fresh, so that the display need not make and map in another. Its
// pixels and the pixel copies go later, while the new picture decodes
// (allocate_originalPixelArray and makeBuffers let go of them).
static FXImage* letGoOfPicture(Quillgrid* w, FXImage* fresh, const ImageDecode::CheckedFile* file,
                               ImageDecode::DecodedPixels* decoded) {
  // The view lets go of the picture before it is released, and shows none
  // until a new one has loaded.
  if (w->imageView) w->imageView->setImage(nullptr);
  FXImage* previous = w->image;
  w->image = nullptr;
  w->enableDisableDrawLineBtn();
  Quillgrid::releaseAndDelete(w->cleanImage);
  *decoded = static_cast<ImageDecode::DecodedPixels&&>(w->cleanPixels);
  w->imageWidth = w->imageHeight = 0;
  if (fresh && previous && file && previous->getMetaClass() == fresh->getMetaClass() &&
      previous->getWidth() == file->width && previous->getHeight() == file->height) {
    delete fresh;
    return previous;
  }
  Quillgrid::releaseAndDelete(previous);
  return fresh;
}

bool Quillgrid::loadImage(FXString path) {
  // A picture that memory cannot hold is refused before anything changes.
  ImageDecode::CheckedFile file;
  const bool checked = ImageDecode::checkImageFile(path, FXPath::extension(path), &file);
  if (checked && tooLargeForMemory(this, file, image ? imageWidth : 0, image ? imageHeight : 0)) return false;

  rotationAngle = 0;
  rotationCentre[0] = rotationCentre[1] = -1;
  updateRotationLabel();
  disableButtons();

  const FXString extension = FXPath::extension(path);
  ImageDecode::DecodedPixels decoded;
  FXImage* fresh = letGoOfPicture(this, makeDecoder(getApp(), extension), checked ? &file : nullptr, &decoded);
  // The upload's segment is kept for a next picture of the same size, and
  // let go of with a picture that does not load.
  const auto releaseUpload = [&]() {
    delete pixelUpload;
    pixelUpload = nullptr;
  };
  if (!fresh) {
    free_originalPixelArray();
    releaseUpload();
    ModalSeam::error(this, MBOX_OK, "Error Loading Image", FXStringFormat("Unsupported type: %s", extension.text()));
    return false;
  }
  FXImage* clean = makeDecoder(getApp(), extension);
  auto fail = [&](const FXString& caption, const FXString& text) {
    free_originalPixelArray();
    delete fresh;
    delete clean;
    releaseUpload();
    ModalSeam::error(this, MBOX_OK, caption, text);
    return false;
  };
  if (!FXStat::exists(path)) return fail("File not found", path);
  // The file is checked and decoded once, in a child process, so that a
  // damaged file cannot crash or freeze the window; the shown picture, the
  // clean copy and the original pixels are copies of those pixels.
  getApp()->beginWaitCursor();
  FXColor* shown = nullptr;
  // Buffers for a bw x bh picture, with their pages mapped in: the shown
  // picture's, the pixel arrays, and the display's picture, made empty with
  // the segment of its upload; false when memory or the display cannot hold
  // them.
  const auto makeBuffers = [&](int bw, int bh) {
    FXFREE(&shown);
    const bool made = fresh->id() && fresh->getWidth() == bw && fresh->getHeight() == bh;
    if (made)
      fresh->setData(nullptr, 0);  // the pixels of the picture replaced
    else
      fresh->destroy();
    try {
      allocate_originalPixelArray(bw, bh);
      if (!made) {
        fresh->resize(bw, bh);
        fresh->create();
      }
    } catch (const FXException&) {
      return false;
    } catch (const std::bad_alloc&) {
      return false;
    }
    const size_t bytes = sizeof(FXColor) * (size_t)bw * bh;
    if (!FXMALLOC(&shown, FXColor, (size_t)bw * bh)) return false;
    // The pages are mapped in on helper threads while this one makes the
    // upload's segment, and the display maps in the picture's memory
    // meanwhile too.
    mapInMeanwhile({{shown, bytes}, {originalPixelArray, bytes}}, [&]() {
      if (!pixelUpload) pixelUpload = new PixelUpload;
      if (!pixelUpload->prepare(fresh, !made) && !made) {
        FXDCWindow dc(fresh);
        dc.fillRectangle(0, 0, bw, bh);
        getApp()->flush();
      }
    });
    return true;
  };
  // The buffers are made ready while the child process decodes.
  bool ready = false;
  const ImageDecode::WhileDecoding prepare = [&](int bw, int bh) { ready = makeBuffers(bw, bh); };
  // The child process ends while the picture goes to the display.
  ImageDecode::EndingChild ending;
  bool ok = checked && ImageDecode::decodeCheckedFile(file, &decoded, ImageDecode::Limits(), prepare, &ending) ==
                          ImageDecode::DECODED;
  const int w = decoded.width(), h = decoded.height();
  // A picture smaller than its file declared gets buffers of its own size.
  if (ok && (!ready || w != imageWidth || h != imageHeight)) ok = makeBuffers(w, h);
  if (ok) {
    clean->setData(decoded.data(), 0, w, h);
    fresh->setData(shown, IMAGE_OWNED | IMAGE_OPTS, w, h);
    // The fast form of the toolkit's render, from the decoded pixels; the
    // shown picture and the original pixels are copied from them while the
    // display reads them.
    const FXColor* from = decoded.data();
    FXColor* original = originalPixelArray;
    pixelUpload->put(fresh, from, [&]() { ImageRules::copyPixelsTwice(from, shown, original, w, h); });
    shown = nullptr;
    ++imageDrawings;
  }
  if (!ok) {
    FXFREE(&shown);
    free_originalPixelArray();
    imageWidth = imageHeight = 0;
    getApp()->endWaitCursor();
    return fail("Error Loading Image", path);
  }

  image = fresh;
  cleanImage = clean;
  cleanPixels = static_cast<ImageDecode::DecodedPixels&&>(decoded);
  imageFileName = path;
  setTitle(getBasicTitle(path));
  if (imageView) {
    // The view asks for the picture's size and scrolls it where the
    // window gives it less room; a new picture starts at its top left
    // corner, whatever part of the last one was in view.
    imageView->setImage(image);
    imageView->setPosition(0, 0);
  }
  resetAfterNewImage();
  // The old picture's points went to the backup: they do not belong here.
  forgetCurvePointBackup();
  updateRecentlyUsedFileList(path, 0);
  if (resizeWindowWithNewImage && resizeWindowWithNewImage->getCheck()) autoSizeWindow();
  if (clearAxisDefinitionsWithNewImage && clearAxisDefinitionsWithNewImage->getCheck()) resetAxis();
  getApp()->endWaitCursor();
  enableButtons();
  return true;
}

void Quillgrid::resetAfterNewImage() {
  getExtraPixels();
  resetDrawLine();
  resetSearchLocation();
  zeroAllRotations();
  rotationCentre[0] = 0;
  rotationCentre[1] = imageHeight - 1;
  redrawCounter = 0;
  minMaxWarned = false;
  logScalingWarned = false;
  onCmdResetAll(nullptr, 0, nullptr);
  onCmdTabs(nullptr, 0, nullptr);
  setFocusToImageView();
  if (turnOnAutoFindAxisWithNewImage_Chk && turnOnAutoFindAxisWithNewImage_Chk->getCheck() && autoFindAxisMaxXY_Chk)
    autoFindAxisMaxXY_Chk->setCheck(TRUE, FALSE);
}

long Quillgrid::onCmdResetAll(FXObject* sender, FXSelector, void*) {
  // The user's command asks first while there are points to lose.
  if (sender && !mayResetAll()) return 1;
  pickColorKeep = CurveTableKeep();
  resetDrawLine();
  onCmdClearTable(nullptr, 0, nullptr);
  clearOwnClipboardCopy();
  if (restoreData_Btn) restoreData_Btn->disable();
  resetSelections();
  if (sender) onCmdResetImage(sender, 0, nullptr);
  onCmdImageMotion(nullptr, 0, nullptr);
  setFocusToImageView();
  pointsHighlighted = false;
  axisColor = 0;
  return 1;
}

// ---- marks and the redraw log

void Quillgrid::plotPointOnImage(int x, int y, FXColor color, int thickness, int length, bool highlight,
                                 FXImage* target) {
  if (!target || !target->id()) return;
  ++imageDrawings;
  const FXColor outline = dataPointColorIndex == 2 ? POINT_COLORS[0] : BLACK;
  const std::vector<ImageRules::MarkPixel> pixels = ImageRules::markPixels(
      x - extraPixels[0], y - extraPixels[1], thickness, length, highlight, target->getWidth(), target->getHeight());
  const bool logged = redrawIndexes && redrawX && redrawY && redrawCapacity > 0;
  {
    FXDCWindow dc(target);
    for (const ImageRules::MarkPixel& p : pixels) {
      dc.setForeground(p.pass == 0 ? outline : color);
      dc.drawPoint(p.x, p.y);
      if (!logged) continue;
      if (redrawCounter < 0 || redrawCounter >= redrawCapacity) redrawCounter = 0;
      redrawX[redrawCounter] = p.x;
      redrawY[redrawCounter] = p.y;
      redrawIndexes[redrawCounter] = getRestoreIndex(p.x, p.y);
      ++redrawCounter;
      checkRedrawCounter();
    }
  }
  if (imageView) {
    imageView->setImage(target);
    imageView->update();
  }
}

namespace {
// The axis reference points in window positions: the origin and the X far
// point (X table rows 0 and 1), the Y far point (Y table row 1); the origin
// is also row 0 of the Y table. Points not picked yet are left out.
std::vector<std::pair<int, int>> cornerPoints(Table_lom2* const axisTables[2]) {
  std::vector<std::pair<int, int>> points;
  const int refs[3][2] = {{0, 0}, {0, 1}, {1, 1}};
  for (const auto& ref : refs) {
    Table_lom2* t = axisTables[ref[0]];
    if (!t || t->getNumRows() <= ref[1] || t->getNumColumns() < 3) continue;
    if (t->isEmpty(ref[1], 1) || t->isEmpty(ref[1], 2)) continue;
    points.push_back({t->toInt(ref[1], 1), t->toInt(ref[1], 2)});
  }
  return points;
}
}  // namespace

void Quillgrid::redrawCornerPoints(FXImage* target) {
  if (!target) return;
  for (const auto& p : cornerPoints(axisDataPoints_TBL))
    plotPointOnImage(p.first, p.second, referencePointColor, REFERENCE_MARK_THICKNESS, REFERENCE_MARK_LENGTH, false,
                     target);
}

const FXColor* Quillgrid::cleanShownPixels() const {
  return rotationAngle != 0 && rotatedPixelArray ? rotatedPixelArray : originalPixelArray;
}

void Quillgrid::resetImage(bool force, FXImage* target) {
  if (!target || redrawCounter <= 0) return;
  const FXColor* clean = cleanShownPixels();
  if (!clean) return;
  const bool logged = redrawIndexes && redrawX && redrawY;
  ++imageDrawings;
  if (force || !logged) {
    FXColor* data = target->getData();
    if (data && data != clean) memcpy(data, clean, sizeof(FXColor) * sharedPixels(target, imageWidth, imageHeight));
    // The marks live only on the display's copy: upload the clean pixels.
    if (data && target->id()) target->render();
  } else if (target->id()) {
    FXDCWindow dc(target);
    const int n = redrawCounter < redrawCapacity ? redrawCounter : redrawCapacity;
    for (int k = 0; k < n; ++k) {
      const int index = redrawIndexes[k];
      if (index < 0 || index >= redrawCapacity) continue;
      dc.setForeground(clean[index]);
      dc.drawPoint(redrawX[k], redrawY[k]);
    }
  }
  redrawCounter = 0;
}

long Quillgrid::onCmdResetImage(FXObject* sender, FXSelector, void*) {
  resetImage(false, image);
  redrawCornerPoints(image);
  if (sender) {
    minMaxWarned = false;
    logScalingWarned = false;
  }
  if (imageView && image) imageView->update();
  return 1;
}

void Quillgrid::resetImageAndDrawPoints() {
  onCmdResetImage(nullptr, 0, nullptr);
  redrawTablePoints(image);
}

void Quillgrid::redrawTablePoints(FXImage* target) {
  if (!target) return;
  if (rotationAngle != 0) {
    FXColor* data = target->getData();
    if (data && cleanImage && cleanImage->getData() && data != cleanImage->getData())
      memcpy(data, cleanImage->getData(),
             sizeof(FXColor) * sharedPixels(target, cleanImage->getWidth(), cleanImage->getHeight()));
    rotateImage(rotationAngle, target);
    updateRotationLabel();
  }
  if (!curveData_TBL || curveData_TBL->getNumColumns() < 5) return;
  for (int r = 0; r < curveData_TBL->getNumRows(); ++r) {
    if (curveData_TBL->isEmpty(r, 3) || curveData_TBL->isEmpty(r, 4)) break;
    plotPointOnImage(curveData_TBL->toInt(r, 3), (int)curveData_TBL->toDouble(r, 4), dataPointColor,
                     DATA_MARK_THICKNESS, DATA_MARK_LENGTH, false, target);
  }
}

void Quillgrid::drawLineOnImage(FXImage* target) {
  if (!target || !target->id()) return;
  ++imageDrawings;
  const FXColor color = referencePointColor;
  redrawCornerPoints(target);
  redrawTablePoints(target);
  {
    FXDCWindow dc(target);
    dc.setForeground(color);
    for (const auto& p : ImageRules::linePixels(lineX[0], lineY[0], lineX[1], lineY[1])) dc.drawPoint(p.first, p.second);
  }
  if (imageView) {
    imageView->setImage(target);
    imageView->update();
  }
}

bool Quillgrid::cleanUnderExtendedCursor(const FXColor* clean) {
  if (image->getWidth() != imageWidth || image->getHeight() != imageHeight) return false;
  if (!pixelUpload) pixelUpload = new PixelUpload;
  const ExtendedCursorTrace& last = extendedCursorTrace;
  if (last.image == image && last.id == image->id() && last.clean == clean && last.width == imageWidth &&
      last.height == imageHeight && last.drawings == imageDrawings) {
    bool repaired = true;
    for (const ImageRules::Area& a : ImageRules::traceAreas(last.trace, imageWidth, imageHeight))
      repaired = repaired && pixelUpload->putArea(image, clean, a.x, a.y, a.w, a.h);
    if (repaired) return true;
  }
  return pixelUpload->putPixels(image, clean);
}

void Quillgrid::drawExtendedCursor(int x, int y) {
  if (!image || !image->id() || imageWidth <= 0 || imageHeight <= 0) return;
  FXColor* clean = rotationAngle != 0 ? rotatedPixelArray : originalPixelArray;
  if (!clean) return;
  const bool cross = x > 0 && y > 0;
  const auto drawCross = [&](FXDrawable* on) {
    if (!cross) return;
    FXDCWindow dc(on);
    dc.setForeground(dataPointColor);
    dc.fillRectangle(x, 0, 1, imageHeight);
    dc.fillRectangle(0, y, imageWidth, 1);
  };
  if (cleanUnderExtendedCursor(clean)) {
    drawCross(image);
  } else {
    // The toolkit's own way, for a display the upload cannot serve: the
    // cross-hair on a temporary image that only borrows the clean pixels
    // (it neither keeps nor frees them), drawn over the working image.
    FXImage* overlay = new FXImage(getApp(), clean, IMAGE_SHMI | IMAGE_SHMP, imageWidth, imageHeight);
    overlay->create();
    drawCross(overlay);
    {
      FXDCWindow dc(image);
      dc.drawImage(overlay, 0, 0);
    }
    releaseAndDelete(overlay);
  }
  if (imageView) {
    imageView->setImage(image);
    imageView->update();
  }
  redrawCornerPoints(image);
  // What the next cross-hair has to put back.
  ExtendedCursorTrace& left = extendedCursorTrace;
  left.image = image;
  left.id = image->id();
  left.clean = clean;
  left.width = imageWidth;
  left.height = imageHeight;
  left.drawings = imageDrawings;
  left.trace.x = cross ? x : 0;
  left.trace.y = cross ? y : 0;
  left.trace.marks.clear();
  for (const auto& p : cornerPoints(axisDataPoints_TBL))
    left.trace.marks.push_back(ImageRules::pixelsArea(
        ImageRules::markPixels(p.first - extraPixels[0], p.second - extraPixels[1], REFERENCE_MARK_THICKNESS,
                               REFERENCE_MARK_LENGTH, false, imageWidth, imageHeight)));
}

// ---- point colours

long Quillgrid::onCmdDataPointColor(FXObject* sender, FXSelector, void*) {
  const int i = indexOfSender(sender, dataPointColor_RB, NUM_POINT_COLORS);
  dataPointColorIndex = i < 0 ? 1 : i;
  setDataPointColor();
  resetImageAndDrawPoints();
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdReferencePointColor(FXObject* sender, FXSelector, void*) {
  const int i = indexOfSender(sender, referencePointColor_RB, NUM_POINT_COLORS);
  referencePointColorIndex = i < 0 ? 1 : i;
  setReferencePointColor();
  resetImageAndDrawPoints();
  setFocusToImageView();
  return 1;
}

// ---- rotation

void Quillgrid::rotateImage(int angle, FXImage* target) {
  if (!target || !target->id() || !originalPixelArray || !rotatedPixelArray) return;
  const int W = target->getWidth(), H = target->getHeight();
  // The pixel copies hold the picture as oriented now; a target of another
  // size cannot be turned from them.
  if (W != imageWidth || H != imageHeight) return;
  // The uncovered corners look like the picture's background, so that the
  // curve search cannot take them for the curve.
  getPlotRGBColors();
  const FXColor fill = ImageRules::cornerFillColor(originalPixelArray, W, H, curveRGB, colorTol);
  ImageRules::rotateFine(originalPixelArray, rotatedPixelArray, W, H, rotationCentre[0], rotationCentre[1], angle, fill);
  target->setData(rotatedPixelArray, 0);
  upload(pixelUpload, target);  // the target's render, made fast for large pictures
  ++imageDrawings;
  {
    FXDCWindow dc(target);
    drawAlignmentLines(&dc);
  }
  redrawCornerPoints(target);
  if (imageView) {
    imageView->recalc();
    imageView->update();
  }
}

void Quillgrid::drawAlignmentLines(FXDCWindow* dc) {
  if (!dc) return;
  const int cx = rotationCentre[0], cy = rotationCentre[1];
  if (cx == 0 && cy == imageHeight - 1) return;  // the centre a new picture starts with
  if (cx < 0 || cx >= imageWidth || cy < 0 || cy >= imageHeight) return;
  dc->setForeground(dataPointColor);
  dc->fillRectangle(0, cy, imageWidth, 1);
  dc->fillRectangle(cx, 0, 1, imageHeight);
}

long Quillgrid::onCmdRotateImage(FXObject*, FXSelector sel, void*) {
  if (!image) return 1;
  resetSelectedAxisPointsAfterARotation();
  switch (FXSELID(sel)) {
    case ID_ROTATE_CW_COARSE:
      rotationAngle += 100;
      break;
    case ID_ROTATE_CW_FINE:
      rotationAngle += 25;
      break;
    case ID_ROTATE_CCW_COARSE:
      rotationAngle -= 100;
      break;
    case ID_ROTATE_CCW_FINE:
      rotationAngle -= 25;
      break;
    default:
      break;
  }
  rotateImage(rotationAngle, image);
  updateRotationLabel();
  resetDrawLine();
  setFocusToImageView();
  return 1;
}

void Quillgrid::resetSelectedAxisPointsAfterARotation() {
  resetDrawLine();
  // Right after the origin click the origin stays: it is the pivot.
  // Otherwise the reference points moved with the picture and are clicked
  // again; their typed real values stay, as after a quarter turn.
  if (!(axisDataType_RB[1] && axisDataType_RB[1]->getCheck())) {
    setAxisDataType(0);
    nextAxisDataType = 0;
    clearAxisReferencePixels();
  }
  // The curve points no longer lie on the picture; "Restore data" keeps them.
  pickColorKeep = CurveTableKeep();
  backUpCurvePoints();
  if (curveData_TBL)
    for (int r = 0; r < curveData_TBL->getNumRows(); ++r)
      for (int c = 0; c < curveData_TBL->getNumColumns(); ++c)
        if (curveData_TBL->getItem(r, c)) curveData_TBL->setItemText(r, c, FXString::null);
  setDataPointTableStipple();
}

long Quillgrid::onCmdRotateImage90(FXObject*, FXSelector sel, void*) {
  if (!image || !originalPixelArray || !imagePixelArray) return 1;
  const bool clockwise = FXSELID(sel) == ID_ROTATE_90_CW;
  rotation90 += clockwise ? 90 : -90;
  const int w = imageWidth, h = imageHeight;
  if (imageView) imageView->setImage(nullptr);
  releaseAndDelete(image);
  // The display's picture of the turned size is made first and filled, so
  // that the display maps in its memory while the pixels are turned here.
  image = new FXImage(getApp(), nullptr, IMAGE_OPTS, h, w);
  image->create();
  {
    FXDCWindow dc(image);
    dc.fillRectangle(0, 0, h, w);
  }
  getApp()->flush();
  ImageRules::quarterTurn(originalPixelArray, imagePixelArray, w, h, clockwise);
  ImageRules::copyPixels(imagePixelArray, originalPixelArray, (size_t)w * h);
  imageWidth = h;
  imageHeight = w;
  // Given the turned pixels through the upload.
  image->setData(imagePixelArray, 0);
  upload(pixelUpload, image);
  ++imageDrawings;
  if (imageView) {
    imageView->setImage(image);
    imageView->recalc();
  }
  const int kept = rotation90;
  resetAfterTurn();
  resetRotationAngle();
  rotation90 = kept;
  updateRotationLabel();
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdRotateImage180(FXObject*, FXSelector, void*) {
  if (!image || !originalPixelArray || !rotatedPixelArray) return 1;
  const int n = imageWidth * imageHeight;
  if (image->getWidth() * image->getHeight() != n) return 1;
  ImageRules::halfTurn(originalPixelArray, rotatedPixelArray, n);
  image->setData(rotatedPixelArray, 0);
  upload(pixelUpload, image);
  ++imageDrawings;
  ImageRules::copyPixels(image->getData(), originalPixelArray, (size_t)n);
  if (imageView) {
    imageView->recalc();
    imageView->update();
  }
  rotation90 += 180;
  const int kept = rotation90;
  resetAfterTurn();
  resetRotationAngle();
  rotation90 = kept;
  updateRotationLabel();
  setFocusToImageView();
  return 1;
}

void Quillgrid::updateRotationLabel() {
  rotation90 = ImageRules::wrapCoarseRotation(rotation90);
  if (rotation_Lbl) rotation_Lbl->setText(ImageRules::rotationLabelText(rotation90, rotationAngle));
}

void Quillgrid::zeroAllRotations() {
  rotation90 = 0;
  rotationAngle = 0;
  updateRotationLabel();
}

void Quillgrid::resetRotationAngle() { rotationAngle = ImageRules::keptFineAngle(rotationAngle); }

// ---- pixel arrays

void Quillgrid::allocate_originalPixelArray(int w, int h) {
  free_originalPixelArray();
  if (w < 0) w = 0;
  if (h < 0) h = 0;
  const int n = w * h;
  originalPixelArray = new FXColor[n];
  imagePixelArray = new FXColor[n];
  rotatedPixelArray = new FXColor[n];
  imageHeight = h;
  imageWidth = w;
  redrawCapacity = n;
  // The log starts cleared; memory the system hands out cleared is not
  // written again, so a log that is never used costs no pages.
  redrawIndexes = clearedInts(n);
  redrawX = clearedInts(n);
  redrawY = clearedInts(n);
  redrawCounter = 0;
}

void Quillgrid::free_originalPixelArray() {
  delete[] originalPixelArray;
  delete[] imagePixelArray;
  delete[] rotatedPixelArray;
  free(redrawIndexes);
  free(redrawX);
  free(redrawY);
  originalPixelArray = imagePixelArray = rotatedPixelArray = nullptr;
  redrawIndexes = redrawX = redrawY = nullptr;
  redrawCapacity = 0;
  redrawCounter = 0;
}

int Quillgrid::getRestoreIndex(int x, int y) { return x + y * imageWidth; }
