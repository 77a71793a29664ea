#pragma once

// Draws the four scale pictures of the ruler, once, for the whole screen measured at start-up.
void DrawRulerScales();
