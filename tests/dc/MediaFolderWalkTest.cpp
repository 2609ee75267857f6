#include "app/core/ManualClock.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/MediaItemRecord.h"
#include "tools/velmar32-dc/MediaSimulator.h"
#include "tools/velmar32-dc/UsbDiskBuilder.h"
#include "tools/velmar32-dc/UsbDiskSample.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace v32::dc {
namespace {

using test::Bytes;
using test::TestClient;

// An item record as the control surface's scanner reads it.
struct CutRecord {
    std::uint8_t kind = 0;
    std::uint16_t index = 0;
    std::uint8_t flags = 0;
    std::uint32_t id = 0;
    std::string name;

    bool isFile() const { return (flags & 0x01) != 0; }
    bool isLast() const { return (flags & 0x40) != 0; }
    bool isUtf16() const { return (flags & 0x80) != 0; }
};

void appendUtf8(std::string& text, unsigned unit) {
    if (unit < 0x80) {
        text += static_cast<char>(unit);
    } else if (unit < 0x800) {
        text += static_cast<char>(0xC0 | unit >> 6);
        text += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | unit >> 12);
        text += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

// The receive queue of the media link and the cutting of item records out of it: data
// chunks of status frames of 17 bytes fill it; a record starts at 0xAA, holds L + 3 bytes
// with L big-endian at offsets 1-2, may be at most 256 bytes and ends in the 8-bit sum of
// the bytes before it; anything else loses its first byte.
class RecordCutter {
public:
    void take(const std::vector<test::ReceivedFrame>& frames) {
        for (const test::ReceivedFrame& frame : frames) {
            const Bytes& bytes = frame.bytes;
            if (frame.code() != MSG_MEDIA_EVENT || bytes.size() != 17 || bytes[3] != 0x82) {
                continue;
            }
            queue_.insert(queue_.end(), bytes.begin() + 5, bytes.begin() + 5 + bytes[4]);
        }
    }

    std::optional<CutRecord> cut() {
        while (!queue_.empty()) {
            if (queue_[0] != 0xAA) {
                queue_.pop_front();
                continue;
            }
            if (queue_.size() < 4) {
                return std::nullopt;
            }
            const std::size_t size = (queue_[1] << 8 | queue_[2]) + 3U;
            if (size > 256) {
                queue_.erase(queue_.begin(),
                             queue_.begin() + static_cast<long>(std::min(size, queue_.size())));
                continue;
            }
            if (queue_.size() < size) {
                return std::nullopt;
            }
            const Bytes record(queue_.begin(), queue_.begin() + static_cast<long>(size));
            unsigned sum = 0;
            for (std::size_t i = 0; i + 1 < size; ++i) {
                sum += record[i];
            }
            if ((sum & 0xFF) != record.back()) {
                queue_.pop_front();
                continue;
            }
            queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(size));
            return decode(record);
        }
        return std::nullopt;
    }

    bool empty() const { return queue_.empty(); }

private:
    static CutRecord decode(const Bytes& record) {
        CutRecord cut;
        cut.kind = record[3];
        cut.index = static_cast<std::uint16_t>(record[4] << 8 | record[5]);
        cut.flags = record[6];
        cut.id = static_cast<std::uint32_t>(record[8]) << 24 | record[9] << 16 | record[10] << 8 |
                 record[11];
        const std::size_t end = record.size() - 1;
        for (std::size_t i = 12; i < end; i += cut.isUtf16() ? 2 : 1) {
            const unsigned unit =
                cut.isUtf16() && i + 1 < end ? record[i] | record[i + 1] << 8 : record[i];
            if (unit == 0) {
                break;
            }
            if (cut.isUtf16()) {
                appendUtf8(cut.name, unit);
            } else {
                cut.name += static_cast<char>(unit);
            }
        }
        return cut;
    }

    std::deque<std::uint8_t> queue_;
};

Bytes unit(std::uint16_t value, std::uint8_t tag) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8), tag};
}

Bytes enterFolderCommand(std::uint32_t folderId) {
    Bytes payload = unit(static_cast<std::uint16_t>(folderId >> 16), 0xD1);
    for (const Bytes& more : {unit(static_cast<std::uint16_t>(folderId), 0xD2), unit(2, 0xD0)}) {
        payload.insert(payload.end(), more.begin(), more.end());
    }
    return payload;
}

Bytes queryItemCommand(std::uint16_t index) {
    Bytes payload = unit(index, 0xD1);
    const Bytes number = unit(8, 0xD0);
    payload.insert(payload.end(), number.begin(), number.end());
    return payload;
}

struct WalkedFolder {
    std::uint32_t id = 0;
    std::string name;
    std::vector<CutRecord> items;
    std::vector<WalkedFolder> folders;
};

// A control surface that walks the disk one request at a time, as its scanner does, and
// insists on exactly one whole record for each request.
class Scanner {
public:
    explicit Scanner(DataCentre& dataCentre)
        : client_(dataCentre) {
        client_.join();
    }

    std::optional<CutRecord> request(const Bytes& command) {
        client_.clear();
        client_.send(MSG_MEDIA_COMMAND, command);
        ++requests_;
        cutter_.take(client_.frames());
        std::optional<CutRecord> record = cutter_.cut();
        EXPECT_TRUE(cutter_.empty()) << "more than one record for one request";
        return record;
    }

    WalkedFolder walk(std::uint32_t id, std::string name) {
        WalkedFolder folder{id, std::move(name), {}, {}};
        std::optional<CutRecord> record = request(enterFolderCommand(id));
        EXPECT_TRUE(record) << "no answer to entering " << folder.name;
        if (!record || record->kind == 2) {
            return folder;
        }
        while (record) {
            folder.items.push_back(*record);
            if (record->isLast()) {
                break;
            }
            record = request(queryItemCommand(record->index));
            EXPECT_TRUE(record) << "lost the item after " << folder.items.back().name;
        }
        for (const CutRecord& item : folder.items) {
            if (!item.isFile()) {
                folder.folders.push_back(walk(item.id, item.name));
            }
        }
        return folder;
    }

    TestClient& client() { return client_; }
    int requests() const { return requests_; }

private:
    TestClient client_;
    RecordCutter cutter_;
    int requests_ = 0;
};

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every item the walk found against the disk itself, and every folder of the disk found.
void expectSameTree(const WalkedFolder& walked, const UsbDisk& disk, const DiskFolder& folder) {
    SCOPED_TRACE(folder.name);
    ASSERT_EQ(walked.items.size(), folder.entryCount());
    std::size_t subfolder = 0;
    for (std::size_t i = 0; i < walked.items.size(); ++i) {
        const CutRecord& item = walked.items[i];
        const DiskEntry expected = *disk.entry(folder, i);
        EXPECT_EQ(item.kind, 1);
        EXPECT_EQ(item.index, i);
        EXPECT_EQ(item.isFile(), expected.isFile);
        EXPECT_EQ(item.isLast(), i + 1 == folder.entryCount());
        EXPECT_EQ(item.isUtf16(), !isAscii(expected.name)) << expected.name;
        EXPECT_EQ(item.id, expected.id);
        EXPECT_EQ(item.name, expected.name);
        if (!expected.isFile) {
            ASSERT_LT(subfolder, walked.folders.size());
            expectSameTree(walked.folders[subfolder++], disk, *disk.folder(expected.id));
        }
    }
}

std::size_t filesIn(const WalkedFolder& folder) {
    std::size_t count = 0;
    for (const CutRecord& item : folder.items) {
        count += item.isFile() ? 1 : 0;
    }
    for (const WalkedFolder& sub : folder.folders) {
        count += filesIn(sub);
    }
    return count;
}

struct MediaMixer {
    ManualClock clock{5000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    MediaSimulator media{dataCentre.clients(), clock};

    explicit MediaMixer(UsbDisk disk) {
        media.loadDisk(std::move(disk));
        dataCentre.setMediaModule(&media);
    }
    ~MediaMixer() { dataCentre.setMediaModule(nullptr); }
};

TEST(MediaFolderWalkTest, AWalkFromTheRootRebuildsTheSampleDiskExactly) {
    MediaMixer mixer(makeSampleDisk());
    Scanner scanner(mixer.dataCentre);

    const WalkedFolder root = scanner.walk(UsbDisk::kRootId, "ROOT");

    const UsbDisk& disk = *mixer.media.player().disk();
    expectSameTree(root, disk, *disk.folder(UsbDisk::kRootId));
    EXPECT_EQ(filesIn(root), disk.songCount());
}

TEST(MediaFolderWalkTest, AFolderOfHundredsOfItemsLosesNoRecord) {
    UsbDiskBuilder builder;
    const std::uint32_t big = *builder.addFolder(UsbDisk::kRootId, "Big");
    for (int i = 0; i < 700; ++i) {
        builder.addFile(big, "Take " + std::to_string(i) + (i % 2 == 0 ? " 夜.mp3" : ".wav"));
    }
    MediaMixer mixer(std::move(builder).build());
    Scanner scanner(mixer.dataCentre);

    const WalkedFolder walked = scanner.walk(big, "Big");

    ASSERT_EQ(walked.items.size(), 700U);
    for (std::size_t i = 0; i < walked.items.size(); ++i) {
        EXPECT_EQ(walked.items[i].index, i);
    }
    EXPECT_EQ(walked.items[699].name, "Take 699.wav");
    EXPECT_EQ(walked.items[698].name, "Take 698 夜.mp3");
    // One enter, then one query for every item after the first.
    EXPECT_EQ(scanner.requests(), 700);
}

TEST(MediaFolderWalkTest, FoldersWithNothingToListAnswerThatTheyAreEmpty) {
    UsbDiskBuilder builder;
    const std::uint32_t empty = *builder.addFolder(UsbDisk::kRootId, "Empty");
    MediaMixer mixer(std::move(builder).build());
    Scanner scanner(mixer.dataCentre);

    for (const std::uint32_t folder :
         {empty, UsbDisk::kFirstFolderId + 40, UsbDisk::kFirstFileId}) {
        SCOPED_TRACE(folder);
        const std::optional<CutRecord> record = scanner.request(enterFolderCommand(folder));
        ASSERT_TRUE(record);
        EXPECT_EQ(record->kind, 2);
        EXPECT_EQ(record->id, folder);
    }
}

TEST(MediaFolderWalkTest, NothingAnswersAQueryPastTheEndOrWithoutADisk) {
    UsbDiskBuilder builder;
    builder.addFile(UsbDisk::kRootId, "Only.mp3");
    MediaMixer mixer(std::move(builder).build());
    Scanner scanner(mixer.dataCentre);
    ASSERT_TRUE(scanner.request(enterFolderCommand(UsbDisk::kRootId)));

    EXPECT_FALSE(scanner.request(queryItemCommand(0)));
    EXPECT_FALSE(scanner.request(queryItemCommand(0xFFFF)));
    mixer.media.setDiskInserted(false);
    EXPECT_FALSE(scanner.request(enterFolderCommand(UsbDisk::kRootId)));
}

TEST(MediaFolderWalkTest, ClientsWalkingAtOnceEachGoOnInTheirOwnFolder) {
    MediaMixer mixer(makeSampleDisk());
    Scanner first(mixer.dataCentre);
    Scanner second(mixer.dataCentre);
    const UsbDisk& disk = *mixer.media.player().disk();
    const DiskFolder& root = *disk.folder(UsbDisk::kRootId);
    const std::uint32_t effects = disk.entry(root, root.entryCount() - 3)->id;
    ASSERT_EQ(disk.folder(effects)->name, "Sound Effects");

    ASSERT_TRUE(first.request(enterFolderCommand(UsbDisk::kRootId)));
    ASSERT_TRUE(second.request(enterFolderCommand(effects)));
    const std::optional<CutRecord> fromRoot = first.request(queryItemCommand(0));
    const std::optional<CutRecord> fromEffects = second.request(queryItemCommand(0));

    ASSERT_TRUE(fromRoot && fromEffects);
    EXPECT_EQ(fromRoot->name, disk.entry(root, 1)->name);
    EXPECT_EQ(fromEffects->name, "SFX 002 Rain.wav");
}

TEST(MediaFolderWalkTest, ThePlayingFileIsReportedWithItsPlaceInItsFolder) {
    MediaMixer mixer(makeSampleDisk());
    Scanner scanner(mixer.dataCentre);
    const UsbDisk& disk = *mixer.media.player().disk();
    const DiskFile& chosen = *disk.song(120);
    const Bytes playFile = [&] {
        Bytes payload = unit(static_cast<std::uint16_t>(chosen.id >> 16), 0xD1);
        for (const Bytes& more :
             {unit(static_cast<std::uint16_t>(chosen.id), 0xD2), unit(1, 0xD0)}) {
            payload.insert(payload.end(), more.begin(), more.end());
        }
        return payload;
    }();
    scanner.client().send(MSG_MEDIA_COMMAND, unit(0, 0xA8));
    scanner.client().send(MSG_MEDIA_COMMAND, playFile);

    const std::optional<CutRecord> record = scanner.request(unit(5, 0xD0));

    ASSERT_TRUE(record);
    EXPECT_EQ(record->kind, 0);
    EXPECT_EQ(record->id, chosen.id);
    EXPECT_EQ(record->index, chosen.index);
    EXPECT_EQ(record->name, chosen.name);
}

TEST(MediaItemRecordTest, NamesAreSentSoThatTheRecordFitsAndCutWhole) {
    struct Case {
        const char* what;
        std::string name;
        std::string received;
        bool utf16;
    };
    const std::string chinese = "夜空";
    std::string manyChinese;
    for (int i = 0; i < 100; ++i) {
        manyChinese += chinese;
    }
    const Case cases[] = {
        {"ASCII as 8-bit text", "Intro.mp3", "Intro.mp3", false},
        {"accents as UTF-16", "Café.mp3", "Café.mp3", true},
        {"a long ASCII name cut to the room", std::string(300, 'a'), std::string(242, 'a'), false},
        {"a long Chinese name cut at a character", manyChinese, manyChinese.substr(0, 120 * 3),
         true},
        {"bytes that are not UTF-8 as U+FFFD", "Bad\xFF\xC3.mp3", "Bad\xEF\xBF\xBD\xEF\xBF\xBD.mp3",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MediaItemRecord record{
            MediaItemRecord::Kind::FolderItem, 3, true, false, 0x46000009, c.name};
        const std::vector<std::uint8_t> bytes = record.encode();
        EXPECT_LE(bytes.size(), 256U);
        RecordCutter cutter;
        for (std::size_t offset = 0; offset < bytes.size(); offset += 10) {
            const std::size_t count = std::min<std::size_t>(10, bytes.size() - offset);
            Bytes payload{0x82, static_cast<std::uint8_t>(count)};
            payload.insert(payload.end(), bytes.begin() + static_cast<long>(offset),
                           bytes.begin() + static_cast<long>(offset + count));
            payload.resize(12);
            cutter.take({{test::makeFrame(MSG_MEDIA_EVENT, payload)}});
        }
        const std::optional<CutRecord> cut = cutter.cut();
        ASSERT_TRUE(cut);
        EXPECT_EQ(cut->name, c.received);
        EXPECT_EQ(cut->isUtf16(), c.utf16);
        EXPECT_EQ(cut->id, 0x46000009U);
        EXPECT_EQ(cut->index, 3);
        EXPECT_TRUE(cut->isFile());
    }
}

TEST(MediaItemRecordTest, CharactersBeyondTheBasicPlaneGoAsSurrogatePairs) {
    const MediaItemRecord record{
        MediaItemRecord::Kind::FolderItem, 0, true, true, 1, "\xF0\x9F\x8E\xB5.mp3"};
    const std::vector<std::uint8_t> bytes = record.encode();
    const std::vector<std::uint8_t> name(bytes.begin() + 12, bytes.end() - 1);
    EXPECT_EQ(name, (std::vector<std::uint8_t>{0x3C, 0xD8, 0xB5, 0xDF, '.', 0, 'm', 0, 'p', 0, '3',
                                               0, 0, 0}));
    EXPECT_EQ(bytes[6], 0x01 | 0x40 | 0x80);
}

} // namespace
} // namespace v32::dc
