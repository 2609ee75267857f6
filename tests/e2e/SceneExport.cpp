#include "tests/e2e/SceneExport.h"

#include <algorithm>

namespace v32::e2e {

std::vector<SceneExport::Chunk> SceneExport::chunks() {
    std::vector<Chunk> plan;
    for (int start = 0; start < kParamCount; start += kChunkSize) {
        const int count = std::min<int>(kChunkSize, kParamCount - start);
        plan.push_back({static_cast<std::uint16_t>(start), static_cast<std::uint8_t>(count)});
    }
    return plan;
}

SceneExport::SceneExport(ControlSurface& surface)
    : m_surface(surface) {}

bool SceneExport::read(std::uint8_t scene) {
    return readData(scene) && readTextItems(scene) && readName(scene);
}

bool SceneExport::readData(std::uint8_t scene) {
    for (const Chunk& chunk : chunks()) {
        m_surface.sender.sendBlockRead(m_surface.transfer, scene, chunk.start, chunk.count);
        if (!awaitReply(TransferRequest::BlockRead)) {
            return false;
        }
    }
    return true;
}

bool SceneExport::readTextItems(std::uint8_t scene) {
    for (std::size_t item = 0; item < kSceneTextCount; ++item) {
        m_surface.sender.sendBlockNameRead(m_surface.transfer, scene,
                                           static_cast<std::uint8_t>(item));
        if (!awaitReply(TransferRequest::BlockNameRead)) {
            return false;
        }
    }
    return true;
}

bool SceneExport::readName(std::uint8_t scene) {
    m_surface.sender.sendBlockTextRead(m_surface.transfer, scene);
    return awaitReply(TransferRequest::BlockTextRead);
}

bool SceneExport::awaitReply(TransferRequest request) {
    return m_surface.passUntil([this, request] { return m_surface.transfer.isDone(request); });
}

} // namespace v32::e2e
