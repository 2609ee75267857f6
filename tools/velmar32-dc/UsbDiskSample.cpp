#include "tools/velmar32-dc/UsbDiskSample.h"

#include "tools/velmar32-dc/UsbDiskBuilder.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace v32::dc {

namespace {

constexpr std::array<std::string_view, 12> kAdjectives{
    "Morning", "Electric", "Slow",   "Northern", "Paper", "Golden",
    "Quiet",   "Neon",     "Hollow", "Silver",   "Wild",  "Distant",
};
constexpr std::array<std::string_view, 11> kNouns{
    "River", "Glass", "Harbour", "Lights", "Rain",   "Roads",
    "Tides", "Fire",  "Orchard", "Signal", "Garden",
};
constexpr std::array<std::string_view, 12> kChineseWords{
    "春风", "夜空", "远方", "海边", "城市", "回忆", "星光", "雨季", "旅途", "晨曦", "山谷", "灯火",
};
constexpr std::array<std::string_view, 12> kFrenchTitles{
    "Café du matin", "Élodie",        "Très beau jour", "Noël à Montréal",
    "Garçon pressé", "Où es-tu",      "Déjà vu d'été",  "Rêve éveillé",
    "Crème brûlée",  "Fenêtre close", "Bientôt l'aube", "Cœur léger",
};
constexpr std::array<std::string_view, 12> kEffects{
    "Door", "Rain",  "Thunder", "Applause", "Footsteps", "Wind",
    "Bell", "Glass", "Engine",  "Birds",    "Crowd",     "Clock",
};
constexpr std::array<std::string_view, 5> kExtensions{".mp3", ".flac", ".mp3", ".wav", ".wma"};

// The number with leading zeros to width digits.
std::string padded(std::size_t number, std::size_t width) {
    const std::string digits = std::to_string(number);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string title(std::size_t seed) {
    return std::string(kAdjectives[seed % kAdjectives.size()]) + " " +
           std::string(kNouns[(seed * 7 + 3) % kNouns.size()]);
}

std::string chineseTitle(std::size_t seed) {
    const std::size_t first = seed % kChineseWords.size();
    const std::size_t second = (first + 1 + seed / kChineseWords.size()) % kChineseWords.size();
    return std::string(kChineseWords[first]) + std::string(kChineseWords[second]);
}

void addSongs(UsbDiskBuilder& disk, std::uint32_t folder, std::size_t count,
              const std::function<std::string(std::size_t)>& nameOf) {
    for (std::size_t i = 0; i < count; ++i) {
        disk.addFile(folder, nameOf(i));
    }
}

std::uint32_t folderIn(UsbDiskBuilder& disk, std::uint32_t parent, std::string name) {
    // The sample is built within every limit, so each folder is taken.
    return *disk.addFolder(parent, std::move(name));
}

void addAlbums(UsbDiskBuilder& disk) {
    constexpr std::array<std::string_view, 4> kArtists{"The Lanterns", "Mira Sol", "Kestrel Drive",
                                                       "Ana Lúcia Prado"};
    constexpr std::array<std::string_view, 2> kAlbums{"First Light", "Night Shift"};
    const std::uint32_t albums = folderIn(disk, UsbDisk::kRootId, "Albums");
    std::size_t seed = 0;
    for (const std::string_view artist : kArtists) {
        const std::uint32_t artistFolder = folderIn(disk, albums, std::string(artist));
        for (const std::string_view album : kAlbums) {
            const std::uint32_t albumFolder = folderIn(disk, artistFolder, std::string(album));
            addSongs(disk, albumFolder, 9, [&](std::size_t i) {
                ++seed;
                return padded(i + 1, 2) + " " + title(seed) +
                       std::string(kExtensions[seed % kExtensions.size()]);
            });
        }
    }
}

void addLiveRecordings(UsbDiskBuilder& disk) {
    constexpr std::array<std::string_view, 3> kShows{
        "2023-05-12 Harbour Hall", "2023-09-30 Open Air", "2024-02-17 Studio Session"};
    const std::uint32_t live = folderIn(disk, UsbDisk::kRootId, "Live Recordings");
    for (const std::string_view show : kShows) {
        const std::uint32_t showFolder = folderIn(disk, live, std::string(show));
        addSongs(disk, showFolder, 10, [&](std::size_t i) {
            return "Set " + std::to_string(i / 5 + 1) + " - " + title(i * 5 + show.size()) + ".wav";
        });
    }
}

void addChinesePop(UsbDiskBuilder& disk) {
    const std::uint32_t pop = folderIn(disk, UsbDisk::kRootId, "华语流行");
    addSongs(disk, pop, 4, [](std::size_t i) { return chineseTitle(i) + ".mp3"; });
    std::size_t seed = 4;
    for (const auto& [year, seasons] : {std::pair{"2023", std::array{"夏天", "冬天"}},
                                        std::pair{"2024", std::array{"春天", "秋天"}}}) {
        const std::uint32_t yearFolder = folderIn(disk, pop, year);
        for (const char* season : seasons) {
            const std::uint32_t seasonFolder = folderIn(disk, yearFolder, season);
            addSongs(disk, seasonFolder, 8, [&](std::size_t) {
                ++seed;
                return chineseTitle(seed) + (seed % 2 == 0 ? ".flac" : ".mp3");
            });
        }
    }
}

void addChansons(UsbDiskBuilder& disk) {
    const std::uint32_t chansons = folderIn(disk, UsbDisk::kRootId, "Chansons d'été");
    addSongs(disk, chansons, kFrenchTitles.size(), [](std::size_t i) {
        return std::string(kFrenchTitles[i]) + (i % 3 == 0 ? ".ape" : ".mp3");
    });
}

void addPodcasts(UsbDiskBuilder& disk) {
    constexpr std::array<std::string_view, 2> kShows{"Gespräche über Klang", "Técnica de Sonido"};
    const std::uint32_t podcasts = folderIn(disk, UsbDisk::kRootId, "Podcasts");
    for (const std::string_view show : kShows) {
        const std::uint32_t showFolder = folderIn(disk, podcasts, std::string(show));
        for (std::size_t season = 1; season <= 3; ++season) {
            const std::uint32_t seasonFolder =
                folderIn(disk, showFolder, "Season " + std::to_string(season));
            addSongs(disk, seasonFolder, 4, [&](std::size_t i) {
                return "Episode " + padded((season - 1) * 4 + i + 1, 2) + ".mp3";
            });
        }
    }
}

void addSoundEffects(UsbDiskBuilder& disk) {
    const std::uint32_t effects = folderIn(disk, UsbDisk::kRootId, "Sound Effects");
    addSongs(disk, effects, 240, [](std::size_t i) {
        return "SFX " + padded(i + 1, 3) + " " + std::string(kEffects[i % kEffects.size()]) +
               ".wav";
    });
}

void addArchive(UsbDiskBuilder& disk) {
    std::uint32_t folder = UsbDisk::kRootId;
    for (const char* name : {"Archive", "Old", "Older", "Oldest"}) {
        folder = folderIn(disk, folder, name);
    }
    addSongs(disk, folder, 3,
             [](std::size_t i) { return "Relic " + std::to_string(i + 1) + ".mp3"; });
}

} // namespace

UsbDisk makeSampleDisk() {
    UsbDiskBuilder disk;
    for (const char* name : {"Intro.mp3", "Line Check 1kHz.wav", "Pink Noise -20dB.wav"}) {
        disk.addFile(UsbDisk::kRootId, name);
    }
    addAlbums(disk);
    addLiveRecordings(disk);
    addChinesePop(disk);
    addChansons(disk);
    addPodcasts(disk);
    addSoundEffects(disk);
    folderIn(disk, UsbDisk::kRootId, "Empty");
    addArchive(disk);
    return std::move(disk).build();
}

} // namespace v32::dc
