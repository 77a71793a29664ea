// The short guide: a picture that explains the program, with a box for showing it at every start.
#pragma once

void OpenShortGuide();
// Records the state of the guide's check box in the settings and closes the guide, when it is open.
void CloseShortGuide();
