// The calibration window "Bildschirm vermessen": the user fits the ruler's width to an object of known length and
// types that length; the monitor's pixels per millimetre are kept in the settings.
#pragma once

// Opens the window for the monitor the ruler stands on, in front; an open one is brought to the front.
void OpenCalibrationWindow();
void CloseCalibrationWindow();
// OK: the ruler's width over the typed length becomes the pitch of the ruler's monitor, and the window closes; a
// length that cannot be read is said so and the window stays.
void StoreCalibration();
// "Zurücksetzen": the monitor's calibration is forgotten, and the window closes.
void ForgetCalibration();
