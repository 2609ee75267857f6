#pragma once

#include "app/model/ParamReader.h"
#include "app/model/PendingSet.h"
#include "app/protocol/ParamId.h"

#include <array>
#include <cstdint>

namespace v32 {

class DefaultTable;

// The program's copy of every parameter value, with the writes waiting to be confirmed by
// the device (send set) and the reads waiting for a report (request set).
class ParamStore : public ParamReader {
public:
    using ParamSet = PendingSet<kParamCount>;

    explicit ParamStore(const DefaultTable& defaults);

    std::uint16_t value(ParamId id) const override;
    // Identifiers beyond the last one are never written.
    void store(ParamId id, std::uint16_t value);

    // Stores the value and queues it for sending.
    void storeAndSend(ParamId id, std::uint16_t value);
    // The device confirmed `value`: the repeats stop only when it is the value held now, so
    // an older confirmation cannot swallow a newer change.
    void acknowledge(ParamId id, std::uint16_t value);

    ParamSet& sendSet() { return m_sendSet; }
    const ParamSet& sendSet() const { return m_sendSet; }
    ParamSet& requestSet() { return m_requestSet; }
    const ParamSet& requestSet() const { return m_requestSet; }

    static bool isValid(ParamId id) { return id < kParamCount; }

private:
    std::array<std::uint16_t, kParamCount> m_values{};
    ParamSet m_sendSet;
    ParamSet m_requestSet;
};

} // namespace v32
