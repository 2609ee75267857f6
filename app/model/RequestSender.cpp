#include "app/model/RequestSender.h"

#include "app/model/ParamModel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/MessageSender.h"

#include <array>
#include <span>

namespace v32 {

RequestSender::RequestSender(ParamModel& model, MessageSender& sender)
    : m_model(model)
    , m_sender(sender) {}

void RequestSender::run() {
    ParamStore::ParamSet& requests = m_model.store().requestSet();
    if (!requests.hasWork()) {
        return;
    }
    std::array<ParamId, kMaxIdsPerFrame> ids{};
    std::size_t count = 0;
    std::size_t alreadyAdvanced = ParamStore::ParamSet::kSize;
    if (requests.isPending(FixedParam::kLockState) &&
        requests.retry(FixedParam::kLockState).isDue()) {
        requests.advance(FixedParam::kLockState);
        ids[count++] = FixedParam::kLockState;
        alreadyAdvanced = FixedParam::kLockState;
    }
    count += requests.collectDue(std::span(ids).subspan(count), kMaxIdsPerFrame, alreadyAdvanced);
    if (count != 0) {
        m_sender.sendParamQuery(std::span(ids).first(count));
    }
}

} // namespace v32
