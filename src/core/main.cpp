#include <windows.h>

#include "core/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    StartUp();
}
