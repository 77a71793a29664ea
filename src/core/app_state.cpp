#include "core/app_state.h"

AppState& App()
{
    // Created cleared before anything else runs; lives until the process ends.
    static AppState state;
    return state;
}
