#include "tools/velmar32-dc/UsbDisk.h"

#include "tools/velmar32-dc/UsbDiskBuilder.h"
#include "tools/velmar32-dc/UsbDiskDirectory.h"
#include "tools/velmar32-dc/UsbDiskSample.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace v32::dc {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const UsbDisk& disk, const DiskFolder& folder) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < folder.entryCount(); ++i) {
        names.emplace_back(disk.entry(folder, i)->name);
    }
    return names;
}

// The files in the order a walk of the listing finds them: a folder's items in order, then
// its folders.
void collectSongs(const UsbDisk& disk, const DiskFolder& folder, std::vector<std::uint32_t>& ids) {
    std::vector<const DiskFolder*> folders;
    for (std::size_t i = 0; i < folder.entryCount(); ++i) {
        const DiskEntry entry = *disk.entry(folder, i);
        if (entry.isFile) {
            ids.push_back(entry.id);
        } else {
            folders.push_back(disk.folder(entry.id));
        }
    }
    for (const DiskFolder* sub : folders) {
        collectSongs(disk, *sub, ids);
    }
}

std::size_t depthOf(const UsbDisk& disk, const DiskFolder& folder) {
    return folder.id == UsbDisk::kRootId ? 0 : 1 + depthOf(disk, *disk.folder(folder.parentId));
}

TEST(UsbDiskTest, TheSampleDiskIsLargeDeepAndNamedInSeveralScripts) {
    const UsbDisk disk = makeSampleDisk();
    EXPECT_GE(disk.songCount(), 300U);
    EXPECT_LE(disk.songCount(), 1000U);

    std::set<std::uint32_t> ids;
    std::size_t deepest = 0;
    std::size_t largest = 0;
    bool hasEmpty = false;
    bool hasOnlyFolders = false;
    bool hasChinese = false;
    bool hasAccents = false;
    for (std::uint32_t id = UsbDisk::kFirstFolderId; disk.folder(id) != nullptr; ++id) {
        const DiskFolder& folder = *disk.folder(id);
        ids.insert(id);
        deepest = std::max(deepest, depthOf(disk, folder));
        largest = std::max(largest, folder.entryCount());
        hasEmpty = hasEmpty || folder.entryCount() == 0;
        hasOnlyFolders = hasOnlyFolders || (folder.fileIds.empty() && !folder.folderIds.empty());
        for (const std::string& name : namesIn(disk, folder)) {
            hasChinese = hasChinese || name.find("\xE5\xA4\x9C") != std::string::npos; // 夜
            hasAccents = hasAccents || name.find("\xC3\xA9") != std::string::npos;     // é
        }
    }
    for (std::size_t number = 1; number <= disk.songCount(); ++number) {
        ids.insert(disk.song(number)->id);
    }
    EXPECT_EQ(ids.size(), disk.folderCount() - 1 + disk.songCount()) << "identifiers repeat";
    EXPECT_GE(deepest, 3U);
    EXPECT_GE(largest, 200U);
    EXPECT_TRUE(hasEmpty);
    EXPECT_TRUE(hasOnlyFolders);
    EXPECT_TRUE(hasChinese);
    EXPECT_TRUE(hasAccents);
}

TEST(UsbDiskTest, SongsAreNumberedInTheOrderAWalkOfTheListingFindsThem) {
    const UsbDisk disk = makeSampleDisk();
    std::vector<std::uint32_t> walked;
    collectSongs(disk, *disk.folder(UsbDisk::kRootId), walked);

    ASSERT_EQ(walked.size(), disk.songCount());
    for (std::size_t i = 0; i < walked.size(); ++i) {
        EXPECT_EQ(disk.song(i + 1)->id, walked[i]);
        EXPECT_EQ(disk.file(walked[i])->songNumber, i + 1);
    }
}

TEST(UsbDiskTest, NeighboursGoRoundTheSongsOfTheSameFolder) {
    UsbDiskBuilder builder;
    builder.addFile(UsbDisk::kRootId, "Elsewhere.mp3");
    const std::uint32_t folder = *builder.addFolder(UsbDisk::kRootId, "Set");
    for (const char* name : {"A.mp3", "B.mp3", "C.mp3"}) {
        builder.addFile(folder, name);
    }
    const UsbDisk disk = std::move(builder).build();
    const std::vector<std::uint32_t>& set = disk.folder(folder)->fileIds;
    struct Case {
        std::size_t from;
        int step;
        std::size_t to;
    };
    for (const Case& c : {Case{0, 1, 1}, Case{2, 1, 0}, Case{0, -1, 2}, Case{1, -1, 0}}) {
        EXPECT_EQ(disk.neighbour(*disk.file(set[c.from]), c.step).id, set[c.to]);
    }
}

TEST(UsbDiskTest, TheBuilderTakesAudioFilesInExistingFoldersOnly) {
    struct Case {
        const char* name;
        std::optional<AudioFormat> format;
    };
    const Case cases[] = {
        {"a.mp3", AudioFormat::Mp3}, {"b.WAV", AudioFormat::Wav},   {"c.Wma", AudioFormat::Wma},
        {"d.ape", AudioFormat::Ape}, {"e.fLaC", AudioFormat::Flac}, {"f.ogg", std::nullopt},
        {"mp3", std::nullopt},       {".mp3", std::nullopt},        {"g.mp3.txt", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UsbDiskBuilder::formatOf(c.name), c.format);
        UsbDiskBuilder builder;
        EXPECT_EQ(builder.addFile(UsbDisk::kRootId, c.name), c.format.has_value());
    }
    UsbDiskBuilder builder;
    EXPECT_FALSE(builder.addFile(UsbDisk::kFirstFolderId, "a.mp3"));
    EXPECT_FALSE(builder.addFolder(UsbDisk::kFirstFolderId, "Nowhere"));
    EXPECT_FALSE(builder.addFolder(UsbDisk::kFirstFileId, "In a file"));
}

TEST(UsbDiskTest, DurationsAreInventedTheSameEveryTime) {
    const UsbDisk first = makeSampleDisk();
    const UsbDisk second = makeSampleDisk();
    std::set<std::uint32_t> durations;
    for (std::size_t number = 1; number <= first.songCount(); ++number) {
        const DiskFile& song = *first.song(number);
        EXPECT_EQ(song.durationS, second.song(number)->durationS);
        EXPECT_GE(song.durationS, UsbDiskBuilder::kShortestSongS);
        EXPECT_LE(song.durationS, UsbDiskBuilder::kLongestSongS);
        durations.insert(song.durationS);
    }
    EXPECT_GT(durations.size(), 100U) << "songs should not all last alike";
}

TEST(UsbDiskTest, TheListingsStayWithinTheirSixteenBitCounts) {
    UsbDiskBuilder folders;
    for (std::size_t i = 0; i < UsbDiskBuilder::kMaxEntriesPerFolder; ++i) {
        ASSERT_TRUE(folders.addFolder(UsbDisk::kRootId, "F"));
    }
    EXPECT_FALSE(folders.addFolder(UsbDisk::kRootId, "One too many"));
    EXPECT_FALSE(folders.addFile(UsbDisk::kRootId, "One too many.mp3"));

    UsbDiskBuilder songs;
    const std::uint32_t first = *songs.addFolder(UsbDisk::kRootId, "First");
    const std::uint32_t second = *songs.addFolder(UsbDisk::kRootId, "Second");
    for (std::size_t i = 0; i < UsbDiskBuilder::kMaxSongs; ++i) {
        ASSERT_TRUE(songs.addFile(i < 60000 ? first : second, "s.mp3"));
    }
    EXPECT_FALSE(songs.addFile(second, "One too many.mp3"));
    EXPECT_EQ(std::move(songs).build().songCount(), UsbDiskBuilder::kMaxSongs);
}

class UsbDiskDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "usbdisk-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }

    void touch(const fs::path& relative) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << "audio";
    }

    fs::path root;
};

TEST_F(UsbDiskDirectoryTest, FoldersAndAudioFilesBecomeTheTreeInOrderOfTheirNames) {
    for (const char* file : {"b.mp3", "A.FLAC", "notes.txt", ".hidden.mp3", "Zed/deep/song.wav",
                             "alpha/x.Wma", ".git/y.mp3", "Empty/cover.jpg"}) {
        touch(file);
    }
    fs::create_symlink(root / "b.mp3", root / "link.mp3");
    fs::create_directory_symlink(root / "alpha", root / "linked");

    std::string error;
    const std::optional<UsbDisk> disk = readDiskFromDirectory(root, error);

    ASSERT_TRUE(disk) << error;
    const DiskFolder& top = *disk->folder(UsbDisk::kRootId);
    EXPECT_EQ(namesIn(*disk, top),
              (std::vector<std::string>{"A.FLAC", "b.mp3", "Empty", "Zed", "alpha"}));
    const DiskFolder& zed = *disk->folder(disk->entry(top, 3)->id);
    const DiskFolder& deep = *disk->folder(disk->entry(zed, 0)->id);
    EXPECT_EQ(namesIn(*disk, deep), std::vector<std::string>{"song.wav"});
    EXPECT_EQ(disk->folder(disk->entry(top, 2)->id)->entryCount(), 0U);
    ASSERT_EQ(disk->songCount(), 4U);
    EXPECT_EQ(disk->song(3)->name, "song.wav");
    EXPECT_EQ(disk->song(4)->format, AudioFormat::Wma);
}

TEST_F(UsbDiskDirectoryTest, APathThatIsNoDirectoryIsAnError) {
    touch("file.mp3");
    for (const fs::path& path : {root / "missing", root / "file.mp3"}) {
        std::string error;
        EXPECT_FALSE(readDiskFromDirectory(path, error));
        EXPECT_EQ(error, "not a directory: " + path.string());
    }
}

} // namespace
} // namespace v32::dc
