#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/NativeConfig.h"
#include "app/core/ProductConstants.h"
#include "app/core/SerialSettings.h"
#include "app/protocol/IdentifierHeader.h"

namespace v32 {

// The state that start-up decides and the rest of the program reads.
struct ApplicationContext {
    static constexpr int kDefaultLogLevel = 2;

    DebugSwitches switches;
    SerialSettings serial;
    ProductConstants constants;
    ConfigValue language;
    bool english = true;
    bool factoryMode = false;
    bool localDevice = false;
    int logLevel = kDefaultLogLevel;
    // Non-zero adds the global bar to the main screen.
    int globalBar = 0;
    // Debug names of the identifiers, when print_writes asked for them.
    IdentifierHeader identifierNames;
};

} // namespace v32
