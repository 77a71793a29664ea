#pragma once

// Draws the four scale pictures of the ruler for the whole screen, in AppState's scalesUnit at its scalesPitch: at
// start-up, and again under the same image numbers when the screen has changed its size or the ruler its unit or
// pitch. The old pictures' handles are freed: the ruler's scale controls must be given the new ones at once
// (ShowRulerScales).
void DrawRulerScales();
// Whether the scale pictures are drawn for the screen as it was measured last.
bool RulerScalesFitScreen();
