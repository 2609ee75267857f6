#pragma once

// The fader bit layout lives with the other wire layouts; this name stays for the screens
// that still include it from here.
#include "app/protocol/FaderLevel.h"
