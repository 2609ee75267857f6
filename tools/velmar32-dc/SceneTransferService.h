#pragma once

#include "app/protocol/MessageCode.h"
#include "tools/velmar32-dc/PayloadWriter.h"
#include "tools/velmar32-dc/SceneStore.h"

#include <cstdint>
#include <span>

namespace v32::dc {

// The mixer's side of the scene transfer: block, text-item and name reads from the stored
// scenes, writes into the staged copy of a scene, and the commit that stores it. Requests
// for a scene that does not exist, a text item beyond 63 or a block write that carries
// fewer values than it announces get no reply, like any request the mixer cannot serve.
class SceneTransferService {
public:
    static constexpr std::size_t kMaxBlockValues = (kMaxPayload - 4) / 2;

    explicit SceneTransferService(SceneStore& scenes);

    static bool handles(MessageCode code);

    // Fills reply and returns true when the request is answered.
    bool answer(MessageCode code, std::span<const std::uint8_t> payload, PayloadWriter& reply);

private:
    bool readBlock(std::span<const std::uint8_t> payload, PayloadWriter& reply) const;
    bool writeBlock(std::span<const std::uint8_t> payload, PayloadWriter& reply);
    bool commit(std::span<const std::uint8_t> payload, PayloadWriter& reply);
    bool readTextItem(std::span<const std::uint8_t> payload, PayloadWriter& reply) const;
    bool writeTextItem(std::span<const std::uint8_t> payload, PayloadWriter& reply);
    bool readName(std::span<const std::uint8_t> payload, PayloadWriter& reply) const;
    bool writeName(std::span<const std::uint8_t> payload, PayloadWriter& reply);

    SceneStore& scenes_;
};

} // namespace v32::dc
