#include "app/model/LinkedWrites.h"
#include "app/model/OfflineModel.h"
#include "app/model/ParamWriteListener.h"

#include <gtest/gtest.h>
#include <map>

namespace v32 {
namespace {

constexpr int kFaderNumber = 12;

// Every write reported for a widget refresh, the last value per identifier.
class RecordingWriteListener : public ParamWriteListener {
public:
    void parameterWritten(ParamId id, std::uint16_t value) override { written[id] = value; }
    std::map<ParamId, std::uint16_t> written;
};

struct WriteCase {
    const char* what;
    ParamWrite write;
    bool partnerWritten;
    bool ownRedrawn;
    bool partnerRedrawn;
};

const ParamId kLeftFader = paramId(KindInput, 0, kFaderNumber);
const ParamId kRightFader = paramId(KindInput, 1, kFaderNumber);

const WriteCase kWriteCases[] = {
    {"a control", ParamWrite::control(kLeftFader, 900), true, true, true},
    {"a drag", ParamWrite::fromDrag(kLeftFader, 900), true, false, true},
    {"a quiet write", ParamWrite::quietly(kLeftFader, 900), false, false, false},
};

// Inputs 1 and 2 are linked: a write to one half reaches the other unless it is quiet, and
// every written value is redrawn except the dragged control's and the quiet ones.
TEST(ParamWriteTest, EachWriteIsAppliedWithItsRules) {
    for (const WriteCase& c : kWriteCases) {
        OfflineModel offline;
        RecordingWriteListener listener;
        offline.model.setWriteListener(&listener);
        offline.model.storeWithoutSending(LinkedWrites::kInputLinks, 1);

        offline.model.write(c.write);

        EXPECT_EQ(offline.model.value(kLeftFader), 900) << c.what;
        EXPECT_TRUE(offline.model.store().sendSet().isPending(kLeftFader)) << c.what;
        EXPECT_EQ(offline.model.value(kRightFader) == 900, c.partnerWritten) << c.what;
        EXPECT_EQ(offline.model.store().sendSet().isPending(kRightFader), c.partnerWritten)
            << c.what;
        EXPECT_EQ(listener.written.count(kLeftFader) == 1, c.ownRedrawn) << c.what;
        EXPECT_EQ(listener.written.count(kRightFader) == 1, c.partnerRedrawn) << c.what;
        offline.model.setWriteListener(nullptr);
    }
}

TEST(ParamWriteTest, AListIsAppliedInOrder) {
    OfflineModel offline;
    const ParamId fader = paramId(KindInput, 5, kFaderNumber);
    const ParamWrite writes[] = {ParamWrite::control(fader, 100), ParamWrite::quietly(fader, 200)};
    offline.model.write(writes);
    EXPECT_EQ(offline.model.value(fader), 200) << "the last write wins";
}

} // namespace
} // namespace v32
