#include "tests/e2e/ControlSurface.h"

#include "app/link/TcpLink.h"
#include "app/link/UdpLink.h"
#include "app/protocol/FixedParams.h"

#include <algorithm>

namespace v32::e2e {

namespace {

std::unique_ptr<Link> makeTransport(Transport transport, std::uint16_t port,
                                    const UdpTarget& target, UiWakeup& wakeup, const Clock& clock,
                                    const FrameDump& dump) {
    if (transport == Transport::Udp) {
        return std::make_unique<UdpLink>(target, wakeup, dump, port);
    }
    return std::make_unique<TcpLink>(clock, dump, port);
}

int countLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (std::size_t at = text.find(line); at != std::string::npos;
         at = text.find(line, at + line.size())) {
        ++count;
    }
    return count;
}

} // namespace

ControlSurface::ControlSurface(Transport transportKind, std::uint16_t port)
    : transport(makeTransport(transportKind, port, udpTarget, wakeup, clock, dump)) {
    // The device list would set the target once the user picked the mixer.
    udpTarget.set(kLoopback);
    screens.registerIn(listeners);
    link.open();
    mainLoop.enableDispatch();
}

ControlSurface::~ControlSurface() {
    std::fclose(log);
}

void ControlSurface::pass() {
    mainLoop.runPass();
}

void ControlSurface::step() {
    clock.advance(MainLoop::kWaitMs);
    pass();
}

void ControlSurface::tick() {
    clock.advance(LinkSupervisor::kTickMs);
    pass();
}

bool ControlSurface::passUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds patience) {
    return repeatUntil([this] { pass(); }, done, patience);
}

bool ControlSurface::stepUntil(const std::function<bool()>& done) {
    return repeatUntil([this] { step(); }, done, kPatience);
}

bool ControlSurface::repeatUntil(const std::function<void()>& move,
                                 const std::function<bool()>& done,
                                 std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        move();
    }
    return true;
}

bool ControlSurface::settleWrites() {
    step();
    return passUntil([this] { return model.store().sendSet().isEmpty(); });
}

bool ControlSurface::comeOnline() {
    supervisor.start();
    return comeBackOnline();
}

bool ControlSurface::comeBackOnline() {
    const int readsBefore = readsFinished();
    const auto online = [this] { return linkState.online; };
    const bool reported = repeatUntil(
        [this, &online] {
            tick();
            passUntil(online, kReportWait);
        },
        online, kPatience);
    if (!reported) {
        return false;
    }
    // The tick that finds the link up sends the identify request and the layer query; the
    // full read is due a second later.
    tick();
    tick();
    return stepUntil([this, readsBefore] { return readsFinished() > readsBefore; });
}

int ControlSurface::readsFinished() const {
    return countLines(logText(), "read finished!\n");
}

bool ControlSurface::isSettled() const {
    return model.store().sendSet().isEmpty() && model.store().requestSet().isEmpty();
}

bool ControlSurface::areNamesSettled() {
    return model.sceneNames().requests().isEmpty() && model.sceneNames().writes().isEmpty() &&
           model.channelNames().requests().isEmpty() && model.channelNames().writes().isEmpty();
}

bool ControlSurface::settle() {
    if (!stepUntil([this] { return isSettled() && areNamesSettled(); })) {
        return false;
    }
    return awaitReportOf(FixedParam::kOnlineLock);
}

bool ControlSurface::awaitReportOf(ParamId id) {
    const std::size_t receivedBefore = recording.receivedCount();
    const auto reportsId = [id](const Bytes& frame) {
        return frame[2] == MSG_PARAM_QUERY &&
               std::ranges::any_of(pairsOf(frame), [id](ParamPair pair) { return pair.id == id; });
    };
    const auto reported = [this, receivedBefore, &reportsId] {
        return std::ranges::any_of(recording.receivedFrames(receivedBefore), reportsId);
    };
    return passUntil([this, id, &reported] {
        if (reported()) {
            return true;
        }
        // Given up unanswered: asked for again.
        if (!model.store().requestSet().isPending(id)) {
            model.request(id);
        }
        return false;
    });
}

std::string ControlSurface::logText() const {
    std::fflush(log);
    std::rewind(log);
    std::string text;
    for (int c = std::fgetc(log); c != EOF; c = std::fgetc(log)) {
        text.push_back(static_cast<char>(c));
    }
    // A stream that was read must be positioned before it is written again.
    std::fseek(log, 0, SEEK_END);
    return text;
}

} // namespace v32::e2e
