// Texts the program shows, as code page 1252 bytes.
#pragma once

#include "tessaro_version.h"

constexpr const char* ProgramTitle = "Tessaro";
constexpr const char* ProgramVersionText = "Version " TESSARO_VERSION_TEXT;
constexpr const char* AlreadyRunningText = "Das Programm läuft bereits.";
constexpr const char* ErrorTitle = "Fehler";
constexpr const char* ManualFileName = "Tessaro.pdf";
constexpr const char* ManualMissingText = "Das Handbuch wurde nicht gefunden:";
constexpr const char* NoDisplayText = "Die Angaben über den Bildschirm können nicht gelesen werden.";

// The main window's menu.
constexpr const char* MenuFileTitle = "&Datei";
constexpr const char* MenuQuitText = "&Beenden";
constexpr const char* MenuSettingsTitle = "&Einstellungen";
constexpr const char* MenuAlwaysOnTopText = "&Fenster immer im Vordergrund";
constexpr const char* MenuShowTooltipsText = "&Tooltipps anzeigen";
constexpr const char* MenuMeasureUnitTitle = "&Maßeinheit";
constexpr const char* MenuUnitPixelText = "&Pixel";
constexpr const char* MenuUnitMillimetreText = "&Millimeter";
constexpr const char* MenuUnitInchText = "&Zoll";
constexpr const char* MenuMeasureMonitorText = "&Bildschirm vermessen …";

// The calibration window.
constexpr const char* CalibrationTitle = "Bildschirm vermessen - Tessaro";
constexpr const char* CalibrationHelp =
    "Legen Sie einen Gegenstand bekannter Länge an den Bildschirm, etwa eine Bankkarte (85,60 mm breit). Ziehen "
    "Sie die Breite des Lineals mit der Maus oder mit Umschalt/Strg und den Pfeiltasten genau auf seine Länge "
    "und geben Sie die Länge in Millimetern ein.";
constexpr const char* CalibrationLengthText = "Länge in mm:";
constexpr const char* CalibrationStartLength = "85,60";
constexpr const char* CalibrationResetText = "Zurücksetzen";
constexpr const char* CalibrationCancelText = "Abbrechen";
constexpr const char* CalibrationWrongLength =
    "Bitte geben Sie die Länge des Gegenstands in Millimetern ein, zum Beispiel 85,60.";
constexpr const char* MenuToleranceTitle = "&Kantentoleranz";
constexpr const char* MenuToleranceExactText = "&Genau";
constexpr const char* MenuToleranceLowText = "Ge&ring";
constexpr const char* MenuToleranceHighText = "&Hoch";
constexpr const char* MenuHelpTitle = "&Hilfe";
constexpr const char* MenuShortGuideText = "&Kurzanleitung";
constexpr const char* MenuManualText = "&Handbuch";
constexpr const char* MenuWebsiteText = "&Website";
constexpr const char* MenuMoreToolsText = "Weitere &Tools";
constexpr const char* MenuAboutText = "&Über ...";

// Addresses opened from the help menu. The project has no web site of its own yet; these lie under the reserved
// .example domain until it has.
constexpr const char* WebsiteAddress = "https://tessaro.example/";
constexpr const char* MoreToolsAddress = "https://tessaro.example/tools/";
