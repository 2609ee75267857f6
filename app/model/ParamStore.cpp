#include "app/model/ParamStore.h"

#include "app/model/DefaultTable.h"

namespace v32 {

ParamStore::ParamStore(const DefaultTable& defaults)
    : m_values(defaults.values()) {}

std::uint16_t ParamStore::value(ParamId id) const {
    return isValid(id) ? m_values[id] : 0;
}

void ParamStore::store(ParamId id, std::uint16_t value) {
    if (isValid(id)) {
        m_values[id] = value;
    }
}

void ParamStore::storeAndSend(ParamId id, std::uint16_t value) {
    if (!isValid(id)) {
        return;
    }
    m_values[id] = value;
    m_sendSet.mark(id);
}

void ParamStore::acknowledge(ParamId id, std::uint16_t value) {
    if (isValid(id) && m_values[id] == value) {
        m_sendSet.clear(id);
    }
}

} // namespace v32
