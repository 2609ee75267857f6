#include "tools/velmar32-dc/PayloadWriter.h"

#include "app/protocol/PayloadText.h"

#include <algorithm>

namespace v32::dc {

bool PayloadWriter::putByte(std::uint8_t byte) {
    const std::array<std::uint8_t, 1> one{byte};
    return putBytes(one);
}

bool PayloadWriter::putWord(std::uint16_t word) {
    std::array<std::uint8_t, 2> two{};
    writeWord(two, 0, word);
    return putBytes(two);
}

bool PayloadWriter::putText(std::string_view text) {
    return putBytes(textBytes(text));
}

bool PayloadWriter::putBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > room()) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += bytes.size();
    return true;
}

} // namespace v32::dc
