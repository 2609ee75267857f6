#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/ProductConstants.h"
#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/DispatcherLink.h"
#include "app/link/FrameDump.h"
#include "app/link/LinkSupervisorState.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/MainLoop.h"
#include "app/link/NullLink.h"
#include "app/link/ReceiveQueue.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "app/protocol/IdentifierHeader.h"
#include "app/protocol/MessageSender.h"
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"
#include "platform/EventPump.h"
#include "platform/MainWindow.h"
#include "tests/platform/EncoderRecorder.h"

#include <QCoreApplication>
#include <QWheelEvent>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

using ::testing::ElementsAre;

// Notes the arrival of a posted event and its own deferred deletion.
class EventWitness : public QObject {
public:
    static constexpr QEvent::Type kPing = QEvent::User;

    explicit EventWitness(std::vector<std::string>& calls)
        : m_calls(calls) {}
    ~EventWitness() override { m_calls.emplace_back("deleted"); }

    EventWitness(const EventWitness&) = delete;
    EventWitness& operator=(const EventWitness&) = delete;

protected:
    bool event(QEvent* event) override {
        if (event->type() == kPing) {
            m_calls.emplace_back("event");
            return true;
        }
        return QObject::event(event);
    }

private:
    std::vector<std::string>& m_calls;
};

// The main loop around a dispatcher on a silent link, with the window's pump as its
// toolkit step.
class MainLoopPassTest : public ::testing::Test {
protected:
    ~MainLoopPassTest() override { std::fclose(log); }

    // The recorder hears the wheel's turns and the dispatch passes.
    void listen() {
        listeners.listen<PageListener>(&ui);
        listeners.listen<MediaListener>(&ui);
    }

    std::FILE* log = std::tmpfile();
    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock;
    TimerQueue timers{clock};
    ParamModel model{defaults, switches, conditions, timers};
    FrameDump dump{switches, clock, log};
    NullLink transport{LinkType::None, dump};
    DispatcherLink link{transport};
    MessageSender sender{link};
    ReceiveQueue queue;
    SceneTransferState transfer;
    SceneImage sceneImage;
    LinkSupervisorState linkState;
    ProductConstants product = parseProductConstants();
    UdpTarget udpTarget;
    UiWakeup wakeup;
    IdentifierHeader names;
    ListenerRegistry listeners;
    Dispatcher dispatcher{DispatcherContext{link, queue, model, conditions, sender, transfer,
                                            sceneImage, linkState, switches, product, udpTarget,
                                            wakeup, clock, names, log, listeners}};
    MainLoop loop{wakeup, timers, dispatcher};
    test::EncoderRecorder ui;
    MainWindow window;
    EventPump pump{window.wheelEncoder(), listeners};
};

TEST_F(MainLoopPassTest, WindowEventsAndTheWheelComeBeforeTheTimersAndTheDispatchPass) {
    std::vector<std::string>& calls = ui.calls();
    listen();
    loop.setToolkitStep([this] { pump.run(); });
    loop.enableDispatch();
    timers.startOneShot(0, [&](TimerQueue::Handle) { calls.emplace_back("timer"); });

    auto* witness = new EventWitness(calls);
    QCoreApplication::postEvent(witness, new QEvent(EventWitness::kPing));
    witness->deleteLater();
    auto* screen = new QWidget;
    window.setScreen(screen);
    QCoreApplication::postEvent(screen, new QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(),
                                                        QPoint(0, 120), Qt::NoButton,
                                                        Qt::NoModifier, Qt::NoScrollPhase, false));
    wakeup.release();
    loop.runPass();

    EXPECT_THAT(calls, ElementsAre("event", "deleted", "encoder 0 1", "timer", "dispatch"));
}

TEST_F(MainLoopPassTest, PassWithNothingToDoStillServesTheLink) {
    listen();
    loop.setToolkitStep([this] { pump.run(); });
    loop.enableDispatch();

    for (int pass = 0; pass < 3; ++pass) {
        loop.runPass();
    }

    EXPECT_THAT(ui.calls(), ElementsAre("dispatch", "dispatch", "dispatch"));
}

} // namespace
} // namespace v32
