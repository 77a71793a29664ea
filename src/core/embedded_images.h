#pragma once

// Decodes the pictures the program carries, those of the control panel and the guide as drawn for 96 dpi.
void LoadEmbeddedImages();
// Puts the control panel's pictures (background, button icons, the magnifier's start picture) as drawn for the
// resolution into their image numbers, unless they are there already. True when a picture was replaced: the
// controls showing it need the new handle. The background and icons of the scale left are kept for when the
// panel comes back onto a monitor of that scale.
bool UsePanelPictures(int dpi);
// The same for the guide's picture, for a box of width x height at the resolution.
bool UseGuidePicture(int dpi, int width, int height);
// Frees the pictures that UsePanelPictures and UseGuidePicture replaced, once the controls show the new ones.
void FreeRetiredPictures();
