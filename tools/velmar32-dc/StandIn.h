#pragma once

#include "app/core/Clock.h"
#include "tools/velmar32-dc/ControlCommands.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/FaultInjector.h"
#include "tools/velmar32-dc/Ipv4Endpoint.h"
#include "tools/velmar32-dc/MediaLineCommands.h"
#include "tools/velmar32-dc/MediaSimulator.h"
#include "tools/velmar32-dc/ProgramOptions.h"
#include "tools/velmar32-dc/SerialServer.h"
#include "tools/velmar32-dc/ServerLoop.h"
#include "tools/velmar32-dc/Switchboard.h"
#include "tools/velmar32-dc/TcpServer.h"
#include "tools/velmar32-dc/TrafficLog.h"
#include "tools/velmar32-dc/UdpServer.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

namespace v32::dc {

// The whole stand-in as its options ask for it: the data centre with its fault injector and
// log, the transports and the loop that serves them. The program runs one; tests run one
// on free ports in a thread of their own.
class StandIn {
public:
    StandIn(const ProgramOptions& options, const Clock& clock, std::FILE* logOut = stdout);
    ~StandIn();

    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    // Loads the media disk and opens the transports; on failure the error says which and why.
    bool start(std::string& error);
    // Serves until stop is set.
    void run(const std::atomic<bool>& stop) { loop_.run(stop); }

    ServerLoop& loop() { return loop_; }
    ControlCommands& commands() { return commands_; }
    DataCentre& dataCentre() { return dataCentre_; }
    // nullptr unless the options ask for the media module and start has loaded its disk.
    MediaSimulator* media() { return media_.get(); }
    // Where each transport listens; port 0 when it is not served.
    Ipv4Endpoint udpEndpoint() const;
    // Where discovery broadcasts reach the UDP transport; port 0 when they need no socket
    // of their own or UDP is not served.
    Ipv4Endpoint udpBroadcastEndpoint() const;
    Ipv4Endpoint tcpEndpoint() const;
    // Empty without a serial line.
    std::string serialPath() const;

private:
    bool startUdp(std::string& error);
    bool startTcp(std::string& error);
    bool startSerial(std::string& error);
    bool startMedia(std::string& error);

    const ProgramOptions options_;
    DataCentre dataCentre_;
    FaultInjector faults_;
    TrafficLog log_;
    Switchboard switchboard_;
    ControlCommands commands_;
    ServerLoop loop_;
    std::unique_ptr<UdpServer> udp_;
    std::unique_ptr<TcpServer> tcp_;
    std::unique_ptr<SerialServer> serial_;
    std::unique_ptr<MediaSimulator> media_;
    std::unique_ptr<MediaLineCommands> mediaCommands_;
    const Clock& clock_;
};

} // namespace v32::dc
