#include "toolkit/tk_fault_marker.h"

volatile int32_t CurrentLine = 0;
