#pragma once

#include "app/core/LocalDataCentreProbe.h"
#include "app/core/NativeConfig.h"
#include "app/core/PresetFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace v32 {

// Where start-up finds its files and peers, and where it logs.
struct StartupEnvironment {
    std::filesystem::path configPath{NativeConfig::kDefaultFileName};
    std::filesystem::path presetPath = PresetFile::pathInTemporaryDirectory();
    // The identifier header is looked for here, then in the source tree relative to it.
    std::filesystem::path headerDirectory{"."};
    ProbePorts probePorts;
    // Where the UDP link reaches the mixer; a stand-in on a port of its own can be aimed at.
    std::uint16_t mixerUdpPort = 8086;
    std::FILE* log = stdout;
};

} // namespace v32
