#pragma once

#include <cstdint>
#include <limits>

namespace v32 {

// The pages of the program by number. The numbers are the registry's keys; gaps are pages
// that do not exist.
enum class PageId : int {
    Home = 1,
    BriefCont = 2,
    BriefChannel = 3,
    BriefFader = 4,
    EditCont = 5,
    EditInput = 6,
    EditEfx = 7,
    EditOutput = 8,
    EditDca = 9,
    Player = 14,
    Setting = 15,
    SetScene = 16,
    SetCopy = 17,
    SetMuteGroup = 19,
    SetPhantomGroup = 20,
    SetRecord = 21,
    SetPhones = 22,
    SetMonitor = 23,
    Network = 24,
    Signal = 25,
    Lamp = 26,
    SetInput = 28,
    SetOutput = 29,
    SetSys = 31,
    FactoryMode = 33,
};

// The number 0x80000000 of an open argument that opens nothing: the page is only shown.
inline constexpr std::int32_t kNoArgument = std::numeric_limits<std::int32_t>::min();

} // namespace v32
