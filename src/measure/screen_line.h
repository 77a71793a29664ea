// One line of the screen's pixels, read in one copy per monitor it crosses.
#pragma once

#include <cstdint>
#include <vector>

// The colours (0x00BBGGRR) of count pixels from first on along a row of the screen (horizontal, at y = across) or a
// column (at x = across); a pixel that lies on no monitor, beyond them or in a gap between them, is OffMonitor. The
// copy is the screen's own, without layered windows where the system leaves them out of it (Windows does).
std::vector<uint32_t> ReadScreenLine(bool horizontal, int across, int first, int count);
