#include "tools/velmar32-dc/StandIn.h"

#include "tools/velmar32-dc/UsbDiskDirectory.h"
#include "tools/velmar32-dc/UsbDiskSample.h"

#include <cerrno>
#include <cstring>

namespace v32::dc {

namespace {

std::string failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

StandIn::StandIn(const ProgramOptions& options, const Clock& clock, std::FILE* logOut)
    : options_(options)
    , dataCentre_(clock, options.mixer)
    , faults_(options.mixer.seed)
    , log_(clock, logOut)
    , switchboard_(dataCentre_, faults_, log_, clock)
    , commands_(dataCentre_, switchboard_, faults_, log_)
    , loop_(clock)
    , clock_(clock) {
    faults_.setShares(TrafficDirection::In, options.faultsIn);
    faults_.setShares(TrafficDirection::Out, options.faultsOut);
    faults_.setDelayMs(options.faultDelayMs);
    log_.setEnabled(options.log);
    loop_.addTicker([this](std::uint32_t) {
        switchboard_.tick();
        dataCentre_.tick();
    });
}

StandIn::~StandIn() {
    dataCentre_.setMediaModule(nullptr);
    commands_.setMediaCommands(nullptr);
}

bool StandIn::start(std::string& error) {
    return startMedia(error) && startUdp(error) && startTcp(error) && startSerial(error);
}

Ipv4Endpoint StandIn::udpEndpoint() const {
    return udp_ ? udp_->localEndpoint() : Ipv4Endpoint{};
}

Ipv4Endpoint StandIn::udpBroadcastEndpoint() const {
    return udp_ ? udp_->broadcastEndpoint() : Ipv4Endpoint{};
}

Ipv4Endpoint StandIn::tcpEndpoint() const {
    return tcp_ ? tcp_->localEndpoint() : Ipv4Endpoint{};
}

std::string StandIn::serialPath() const {
    return serial_ ? serial_->path() : std::string();
}

bool StandIn::startUdp(std::string& error) {
    if (!options_.udpEnabled) {
        return true;
    }
    udp_ = std::make_unique<UdpServer>(switchboard_, clock_, options_.allowRemote);
    const Ipv4Endpoint bindTo{options_.effectiveBindAddress(), options_.udpPort};
    if (!udp_->open(bindTo)) {
        error = failure("cannot open UDP " + bindTo.toString());
        return false;
    }
    if (!udp_->openLoopbackBroadcast()) {
        error =
            failure("cannot listen for discovery beside UDP " + udp_->localEndpoint().toString());
        return false;
    }
    loop_.add(*udp_);
    return true;
}

bool StandIn::startTcp(std::string& error) {
    if (!options_.tcpEnabled) {
        return true;
    }
    tcp_ = std::make_unique<TcpServer>(switchboard_, options_.allowRemote);
    const Ipv4Endpoint bindTo{options_.effectiveBindAddress(), options_.tcpPort};
    if (!tcp_->open(bindTo)) {
        error = failure("cannot open TCP " + bindTo.toString());
        return false;
    }
    loop_.add(*tcp_);
    return true;
}

bool StandIn::startSerial(std::string& error) {
    if (options_.serial.empty()) {
        return true;
    }
    serial_ = std::make_unique<SerialServer>(switchboard_, clock_);
    const bool opened = options_.serial == ProgramOptions::kPseudoTerminal
                            ? serial_->openPseudoTerminal()
                            : serial_->openDevice(options_.serial, options_.baudRate);
    if (!opened) {
        error = failure("cannot open serial " + options_.serial);
        return false;
    }
    loop_.add(*serial_);
    return true;
}

bool StandIn::startMedia(std::string& error) {
    if (!options_.media) {
        return true;
    }
    std::optional<UsbDisk> disk = options_.mediaDir.empty()
                                      ? makeSampleDisk()
                                      : readDiskFromDirectory(options_.mediaDir, error);
    if (!disk) {
        error = "cannot use the media directory: " + error;
        return false;
    }
    media_ = std::make_unique<MediaSimulator>(dataCentre_.clients(), clock_);
    media_->loadDisk(std::move(*disk));
    mediaCommands_ = std::make_unique<MediaLineCommands>(*media_, dataCentre_);
    dataCentre_.setMediaModule(media_.get());
    commands_.setMediaCommands(mediaCommands_.get());
    return true;
}

} // namespace v32::dc
