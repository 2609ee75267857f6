#include "tests/e2e/StandInThread.h"

namespace v32::e2e {

dc::ProgramOptions StandInThread::onFreePorts() {
    dc::ProgramOptions options;
    options.udpPort = 0;
    options.tcpPort = 0;
    options.console = false;
    return options;
}

StandInThread::StandInThread(const dc::ProgramOptions& options)
    : m_standIn(options, m_clock) {
    if (m_standIn.start(m_startError)) {
        m_server = std::thread([this] { serve(); });
    }
}

StandInThread::~StandInThread() {
    m_stop = true;
    if (m_server.joinable()) {
        m_server.join();
    }
}

void StandInThread::serve() {
    while (!m_stop) {
        m_standIn.loop().runOnce();
        runHandedOverWork();
    }
}

void StandInThread::runOnServer(const std::function<void()>& work) {
    if (!isServing()) {
        work();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_work = &work;
    m_workDone.wait(lock, [this] { return m_work == nullptr; });
}

void StandInThread::runHandedOverWork() {
    const std::lock_guard lock(m_mutex);
    if (m_work != nullptr) {
        (*m_work)();
        m_work = nullptr;
        m_workDone.notify_all();
    }
}

} // namespace v32::e2e
