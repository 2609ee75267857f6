#include "app/link/DiscoveryReply.h"

#include "app/protocol/DatagramValidator.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/Frame.h"

namespace v32 {

namespace {

constexpr std::size_t kCodeOffset = 2;
constexpr std::string_view kUnnamed = "unnamed";

} // namespace

std::optional<std::string_view> discoveryReplyName(std::span<const std::uint8_t> datagram,
                                                   const ProductConstants& product) {
    if (!isValidDatagram(datagram) || datagram[kCodeOffset] != MSG_IDENTIFY) {
        return std::nullopt;
    }
    const std::optional<IdentifyReply> reply = parseIdentifyReply(datagram);
    if (!reply || reply->productId != product.productId || reply->modelCode != product.modelCode) {
        return std::nullopt;
    }
    return reply->deviceName == kUnnamed ? kProductName : reply->deviceName;
}

} // namespace v32
