#include <windows.h>

// The program's entry. Start-up, its windows and the event loop are still to come; until then the program ends
// at once with exit code 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
