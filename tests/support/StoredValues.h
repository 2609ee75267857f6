#pragma once

#include "app/model/ParamReader.h"

#include <map>

namespace v32::test {

// Parameter values for rules to read: what a test sets, and 0 for everything else.
class StoredValues : public ParamReader {
public:
    std::uint16_t value(ParamId id) const override {
        const auto found = m_values.find(id);
        return found == m_values.end() ? 0 : found->second;
    }
    void set(ParamId id, std::uint16_t value) { m_values[id] = value; }

private:
    std::map<ParamId, std::uint16_t> m_values;
};

} // namespace v32::test
