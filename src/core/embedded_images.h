#pragma once

// Decodes the pictures the program carries (hand, backgrounds, button icons, magnifier) and records their sizes.
void LoadEmbeddedImages();
