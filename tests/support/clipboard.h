// The clipboard's text as another program reads it.
#pragma once

#include <string>

std::string ClipboardText();
void ClearClipboard();
