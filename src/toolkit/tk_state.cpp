#include "toolkit/tk_internal.h"

TkShared& TkSharedState()
{
    static TkShared shared;
    return shared;
}
