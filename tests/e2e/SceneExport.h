#pragma once

#include "app/protocol/SceneTransferState.h"
#include "tests/e2e/ControlSurface.h"

#include <cstdint>
#include <vector>

namespace v32::e2e {

// Reads one stored scene out of the data centre into the surface's scene image the way a
// scene export does: the parameter words in chunks of 60 from identifier 0, each asked for
// once the one before has arrived, then the 64 text items, then the name.
class SceneExport {
public:
    static constexpr std::uint16_t kChunkSize = 60;

    struct Chunk {
        std::uint16_t start = 0;
        std::uint8_t count = 0;

        friend bool operator==(const Chunk&, const Chunk&) = default;
    };

    // Every identifier exactly once: the last chunk is what is left after the whole ones,
    // so nothing is asked for beyond the last identifier.
    static std::vector<Chunk> chunks();

    explicit SceneExport(ControlSurface& surface);

    // False when a reply did not come.
    bool read(std::uint8_t scene);

private:
    bool readData(std::uint8_t scene);
    bool readTextItems(std::uint8_t scene);
    bool readName(std::uint8_t scene);
    bool awaitReply(TransferRequest request);

    ControlSurface& m_surface;
};

} // namespace v32::e2e
