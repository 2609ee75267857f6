#pragma once

#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/FaultInjector.h"
#include "tools/velmar32-dc/Switchboard.h"
#include "tools/velmar32-dc/TrafficLog.h"

#include <string>
#include <string_view>

namespace v32::dc {

class MediaLineCommands;

// The line commands that drive the stand-in by hand or from a test script: panel events,
// changes made at the desk, faults, the log and the status line. Each line gives one reply
// line ("ok", "error: ...", a value or the status).
class ControlCommands {
public:
    struct Reply {
        std::string text;
        bool quit = false;
    };

    ControlCommands(DataCentre& dataCentre, Switchboard& switchboard, FaultInjector& faults,
                    TrafficLog& log);

    // The "media" commands, while a media module is served; nullptr removes them.
    void setMediaCommands(MediaLineCommands* media) { media_ = media; }

    Reply run(std::string_view line);
    std::string statusLine() const;
    static std::string_view help();

private:
    std::string pressKey(std::string_view arguments);
    std::string pressSceneKey(std::string_view arguments);
    std::string moveFader(std::string_view arguments);
    std::string turnEncoder(std::string_view arguments);
    std::string setParameter(std::string_view arguments);
    std::string getParameter(std::string_view arguments) const;
    std::string switchLog(std::string_view arguments);
    std::string setFaults(std::string_view arguments);
    std::string runMedia(std::string_view arguments);

    DataCentre& dataCentre_;
    Switchboard& switchboard_;
    FaultInjector& faults_;
    TrafficLog& log_;
    MediaLineCommands* media_ = nullptr;
};

} // namespace v32::dc
