// Numbers of the program's windows, controls, menu items and keyboard commands.
#pragma once

// Windows.
constexpr int MainWindow = 0;
constexpr int RulerWindow = 1;
constexpr int ShortGuideWindow = 3;
constexpr int CalibrationWindow = 4;

// The main window's menu bar.
constexpr int MainMenu = 0;

// Menu items and keyboard shortcuts share one number space.
constexpr int MenuQuit = 1;
constexpr int MenuAlwaysOnTop = 2;
constexpr int MenuShowTooltips = 3;
constexpr int MenuShortGuide = 4;
constexpr int MenuManual = 5;
constexpr int MenuWebsite = 6;
constexpr int MenuMoreTools = 8;
constexpr int MenuAbout = 9;
constexpr int CmdMoveUp = 10;
constexpr int CmdMoveDown = 11;
constexpr int CmdMoveLeft = 12;
constexpr int CmdMoveRight = 13;
constexpr int CmdGrowTop = 14;
constexpr int CmdGrowBottom = 15;
constexpr int CmdGrowLeft = 16;
constexpr int CmdGrowRight = 17;
constexpr int CmdShrinkTop = 18;
constexpr int CmdShrinkBottom = 19;
constexpr int CmdShrinkLeft = 20;
constexpr int CmdShrinkRight = 21;
constexpr int CmdCloseGuide = 22; // Enter and Escape in the short guide
// The submenu of the edge searches' tolerance.
constexpr int MenuToleranceExact = 40;
constexpr int MenuToleranceLow = 41;
constexpr int MenuToleranceHigh = 42;
// The edge searches: Alt with the arrow keys (and Shift or Ctrl), or Alt held while a nudge button is clicked.
constexpr int CmdFindMoveUp = 50;
constexpr int CmdFindMoveDown = 51;
constexpr int CmdFindMoveLeft = 52;
constexpr int CmdFindMoveRight = 53;
constexpr int CmdFindGrowTop = 54;
constexpr int CmdFindGrowBottom = 55;
constexpr int CmdFindGrowLeft = 56;
constexpr int CmdFindGrowRight = 57;
constexpr int CmdFindShrinkTop = 58;
constexpr int CmdFindShrinkBottom = 59;
constexpr int CmdFindShrinkLeft = 60;
constexpr int CmdFindShrinkRight = 61;
// The unit of the ruler's labels and scales: one item per MeasureUnit, in the order of its values.
constexpr int MenuUnitPixel = 80;
constexpr int MenuUnitMillimetre = 81;
constexpr int MenuUnitInch = 82;
constexpr int MenuMeasureMonitor = 83;
constexpr int CmdCloseCalibration = 84; // Escape in the calibration window
constexpr int CmdStoreCalibration = 85; // Enter in the calibration window

// Controls of the main window: upper panel.
constexpr int TopSeparator = 1;
constexpr int MagnifierFrame = 2;
constexpr int MagnifierView = 3;
constexpr int CornerTopLeftOption = 4;
constexpr int CornerTopRightOption = 5;
constexpr int CornerBottomRightOption = 6;
constexpr int CornerBottomLeftOption = 7;
constexpr int GrowTopButton = 8;
constexpr int GrowRightButton = 9;
constexpr int GrowBottomButton = 10;
constexpr int GrowLeftButton = 11;
constexpr int ShrinkTopButton = 12;
constexpr int ShrinkRightButton = 13;
constexpr int ShrinkBottomButton = 14;
constexpr int ShrinkLeftButton = 15;
constexpr int MoveUpButton = 16;
constexpr int MoveRightButton = 17;
constexpr int MoveDownButton = 18;
constexpr int MoveLeftButton = 19;
constexpr int PositionRangeLabel = 20;
constexpr int SizeRangeLabel = 21;
constexpr int OriginLabel = 22;
constexpr int LeftEdgeTopField = 23;
constexpr int RightEdgeTopField = 24;
constexpr int RightEdgeBottomField = 25;
constexpr int LeftEdgeBottomField = 26;
constexpr int BottomEdgeLeftField = 27;
constexpr int TopEdgeLeftField = 28;
constexpr int TopEdgeRightField = 29;
constexpr int BottomEdgeRightField = 30;
constexpr int SizeOriginLabel = 31;
constexpr int RulerHeightField = 32;
constexpr int RulerWidthField = 33;

// Controls of the main window: lower panel.
constexpr int ColourSwatch = 37;
constexpr int RgbCaption = 38;
constexpr int RgbValueField = 39;
constexpr int HslCaption = 40;
constexpr int HslValueField = 41;
constexpr int HtmlCaption = 42;
constexpr int HtmlValueField = 43;
constexpr int DecCaption = 44;
constexpr int DecValueField = 45;
constexpr int WindowNameCaption = 48;
constexpr int WindowNameField = 49;
constexpr int WindowClassCaption = 50;
constexpr int WindowClassField = 51;
constexpr int WindowHandleCaption = 52;
constexpr int WindowHandleField = 53;
constexpr int ProcessIdCaption = 54;
constexpr int ProcessIdField = 55;
constexpr int TaskCaption = 56;
constexpr int TaskField = 57;

// Controls of the ruler window.
constexpr int RulerCentreImage = 58;
constexpr int TopScaleImage = 59;
constexpr int BottomScaleImage = 60;
constexpr int LeftScaleImage = 61;
constexpr int RightScaleImage = 62;
constexpr int RulerOriginLabel = 63;
constexpr int RulerWidthLabel = 64;
constexpr int RulerHeightLabel = 65;
constexpr int MagnifierPeephole = 66;

// Controls of the short guide.
constexpr int GuideImage = 67;
constexpr int ShowGuideAtStartCheck = 68;
constexpr int GuideOkButton = 69;

// Controls of the calibration window.
constexpr int CalibrationHelpText = 70;
constexpr int CalibrationLengthCaption = 71;
constexpr int CalibrationLengthField = 72;
constexpr int CalibrationOkButton = 73;
constexpr int CalibrationResetButton = 74;
constexpr int CalibrationCancelButton = 75;
