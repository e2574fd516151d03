// The program's named numbers: drawing modes, command ids grouped as the dispatcher offers them,
// timer ids and tool icons. Pure; every module may include it.
#pragma once

// What a press on the paper does. 4 and 6 behave like 1, 2 and 5 though no command sets them.
enum DrawingMode : int {
  kModeNone = 0,
  kModePencil = 1,
  kModeBrush = 2,  // brush, candle, chalk
  kModeWaterBrush = 3,
  kModeLineSpare4 = 4,
  kModeMarker = 5,
  kModeLineSpare6 = 6,
  kModeToothpaste = 7,
  kModeAirbrush = 8,
  kModeColourFill = 9,
  kModeSoftEraser = 10,
  kModeAbsorber = 11,
  kModeMagicStamp = 12,
  kModeFreeRope = 13,
  kModeTypewriter = 14,
  kModeLens = 15,
  kModeSticker = 16,
  kModeCartoon = 17,
  kModeEffectsPanel = 18,  // no canvas tool
  kModeSquareEraser = 19,
  kModePictureEraser = 20,
  kModeTextureFill = 21,
  kModeGradientFill = 22,
  kModeEllipseRope = 23,
  kModeRectangleRope = 24,
  kModeShapes = 25,
  kModeCount = 26,
};

// Command ids (WM_COMMAND wParam). Grouped as the dispatcher offers them: the areas' own ranges
// first, then the toolbox and desk, then the option-panel buttons.
namespace cmd {

// Taken by areas before the texture reset.
constexpr int kFileBoxFirst = 5001, kFileBoxLast = 5009;
constexpr int kBoxesBack = 5001, kBoxesForward = 5002, kPicturesBack = 5003, kPicturesForward = 5004;
constexpr int kNewBox = 5005, kExportPicture = 5006, kPrintPicture = 5007;
constexpr int kFileBoxClose = 5008;
constexpr int kRubbishBin = 5009;
constexpr int kEditDone = 8010, kEditCancel = 8011;
constexpr int kShapeDown = 31001, kShapeUp = 31002;
constexpr int kShapeSlot1 = 31003, kShapeSlot2 = 31004, kShapeSlot3 = 31005;
constexpr int kShapeHollow = 31010, kShapeFull = 31011;
constexpr int kShapeFirst = 31001, kShapeLast = 31011;
constexpr int kStampNext = 43001, kStampPrevious = 43002, kStampSelect = 43003;
// The library: one command per category (its first command plus the category's id), then the
// page buttons.
constexpr int kLibraryCategoryFirst = 7000, kLibraryCategoryLast = 7010;
constexpr int kLibraryPageBack = 7011, kLibraryPageForward = 7012;
constexpr int kLibraryFirst = kLibraryCategoryFirst, kLibraryLast = kLibraryPageForward;
static_assert(kLibraryCategoryLast < kLibraryPageBack, "a category's command would be a page button's");

// Toolbox page 1, page 2 and its page buttons.
constexpr int kBrush = 1001, kPencil = 1002, kMarker = 1003, kCandle = 1004, kChalk = 1005;
constexpr int kSpray = 1006, kFill = 1007, kEraser = 1008;
constexpr int kToolboxPage2 = 1009, kToolboxPage1 = 1010;
constexpr int kShapes = 2001, kRope = 2002, kAbsorber = 2003, kEffects = 2004;
constexpr int kTypewriter = 2005, kMagicStamp = 2006;

// Desk buttons.
constexpr int kFilePage = 4001, kExit = 4002, kUndo = 4003, kNewPicture = 4004;
constexpr int kPaper = 4005, kToLibrary = 4006, kToTools = 4007;
constexpr int kRedo = 4008;  // the undo button's right press and Ctrl+Y, when undo keeps steps
constexpr int kUndoAgain = 4009;  // the second click of a double click on undo, when undo keeps steps

// Option-panel buttons.
constexpr int kBrushFree = 10001, kBrushLine = 10002, kBrushWater = 10003;
constexpr int kColourFill = 11001, kGradientFill = 11002, kTextureFill = 11003;
constexpr int kPencilFree = 20001, kPencilLine = 20002;
constexpr int kSquareEraser = 21001, kSoftEraser = 21002, kPictureEraser = 21003;
constexpr int kMarkerFree = 30001, kMarkerLine = 30002;
constexpr int kCandleFree = 40001, kCandleLine = 40002;
constexpr int kRopeEllipse = 41001, kRopeRectangle = 41002, kRopeFree = 41003;
constexpr int kSharpen = 42001, kBlur = 42002, kEmboss = 42003, kLens = 42004;
constexpr int kTypeStandard = 44001, kTypeBold = 44002, kTypeItalic = 44003, kTypeUnderline = 44004;
constexpr int kChalkFree = 50001, kChalkLine = 50002;
constexpr int kAirbrush = 60001, kToothpaste = 60002;

}  // namespace cmd

// Timers of the main window: each id with its interval in milliseconds.
namespace timer {
constexpr int kCaret = 0, kCaretMs = 200;                // the typewriter's caret
constexpr int kStrokeRepeat = 1, kStrokeRepeatMs = 100;  // airbrush and toothpaste keep painting
constexpr int kCartoons = 2, kCartoonsMs = 150;          // cartoon frames
constexpr int kRopeFrame = 3, kRopeFrameMs = 100;        // the marching selection outline
constexpr int kExitScroll = 10, kExitScrollMs = 40;      // the goodbye picture, 25 steps a second
constexpr int kRecovery = 11, kRecoveryMs = 1000;        // the recovery copy of a changed picture
constexpr int kNoticeCard = 12, kNoticeCardMs = 6000;    // a "not now" card goes by itself
constexpr int kGrownUpsChord = 13, kGrownUpsChordMs = 100;  // the grown-ups' keys held down
constexpr int kSwitchScan = 14, kSwitchScanMs = 50;      // switch scanning looks at the clock
}  // namespace timer

// Tool icons: the cursor and the tool sound of a tool.
enum ToolIcon : int {
  kIconNone = -1,
  kIconAbsorber = 0,
  kIconHand = 1,
  kIconGrab = 2,
  kIconAirbrush = 3,
  kIconFill = 4,
  kIconChalk = 5,
  kIconLens = 6,
  kIconCandle = 7,
  kIconMagicStamp = 8,
  kIconMarker = 9,
  kIconPencil = 10,
  kIconShapes = 11,
  kIconEraser = 12,
  kIconTypewriter = 13,
  kIconRope = 14,
  kIconBrush = 15,
  kIconArrow = 16,
  kIconToothpaste = 17,
};
