// Switches that tests and benchmarks use to compare two ways the toolkit does one thing; the program uses none.
#pragma once

// On at the start; off, TkDrawDigits draws every text whole.
void TkUseDigitGlyphs(bool use);
