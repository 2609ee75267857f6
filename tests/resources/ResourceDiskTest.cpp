#include "ui/resources/ResourceDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <dirent.h>
#include <gtest/gtest.h>

namespace v32 {
namespace {

// A tree in a temporary folder: entries ending in "/" are folders, the rest empty files.
class TemporaryTree {
public:
    explicit TemporaryTree(const QStringList& entries) {
        for (const QString& entry : entries) {
            if (entry.endsWith(u'/')) {
                QDir(m_folder.path()).mkpath(entry);
            } else {
                QDir(m_folder.path()).mkpath(QFileInfo(entry).path());
                QFile file(m_folder.filePath(entry));
                EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << entry.toStdString();
            }
        }
    }

    QString path() const { return m_folder.path(); }

    // The entries of a folder in the order the file system lists them.
    QStringList listing(const QString& folder) const {
        QStringList names;
        const QByteArray path = QFile::encodeName(m_folder.filePath(folder));
        DIR* directory = ::opendir(path.constData());
        while (const dirent* entry = directory ? ::readdir(directory) : nullptr) {
            names.append(QFile::decodeName(entry->d_name));
        }
        if (directory) {
            ::closedir(directory);
        }
        return names;
    }

private:
    QTemporaryDir m_folder;
};

TEST(ResourceDisk, FindsStoredNamesWithoutRegardToCase) {
    const ResourceDisk disk;
    const QString stored = QStringLiteral(":/RES/COMMON/IMG_BACK.PNG");
    const char* const paths[] = {
        "res/common/img_back.png",          "0:res/common/img_back.png",
        "0:/res/common/img_back.png",       "RES/COMMON/IMG_BACK.PNG",
        "0:Res/Common/Img_Back.Png",        "res//common/./img_back.png",
        "res/media/../common/img_back.png",
    };
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(disk.storedPath(QString::fromUtf8(path)), stored);
    }
    EXPECT_EQ(disk.storedPath(u"res/common/img_online.png"),
              QStringLiteral(":/RES/COMMON/img_online.png"));
}

TEST(ResourceDisk, FindsNothingOutsideTheVolume) {
    const TemporaryTree tree({"inside/a.png", "outside.png"});
    const ResourceDisk disk(tree.path() + QStringLiteral("/inside"));
    const char* const paths[] = {
        "", "0:", "1:a.png", "../outside.png", "0:../outside.png", "b/../../outside.png",
    };
    ASSERT_FALSE(disk.storedPath(u"0:a.png").isEmpty());
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(disk.storedPath(QString::fromUtf8(path)).isEmpty());
        EXPECT_FALSE(disk.read(QString::fromUtf8(path)).has_value());
    }
}

TEST(ResourceDisk, ReadsWholeFilesButNotFolders) {
    const ResourceDisk disk;
    const std::optional<QByteArray> picture = disk.read(u"0:res/common/img_edit.png");
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_FALSE(disk.read(u"0:res/common").has_value());
    EXPECT_FALSE(disk.read(u"0:res/common/img_nothing.png").has_value());
}

TEST(ResourceDisk, BuildsVolumePathsOnDriveZero) {
    EXPECT_EQ(resourcePath(u"res/common/img_edit.png"),
              QStringLiteral("0:res/common/img_edit.png"));
    EXPECT_EQ(resourcePath(u"font"), QStringLiteral("0:font"));
}

TEST(ResourceDiskFontLookup, TakesTheFirstTrueTypeFileOfTheFontFolder) {
    struct Case {
        const char* what;
        QStringList entries;
        QString expected;
    };
    const Case cases[] = {
        {"a folder named like a font is skipped",
         {"FONT/x.ttf/", "FONT/real.TtF"},
         "0:font/real.TtF"},
        {"the folder is found in any case", {"Font/Interface.ttf"}, "0:font/Interface.ttf"},
        {"a name without a dot never matches", {"FONT/ttf", "FONT/fontttf"}, ""},
        {"the extension runs from the last dot", {"FONT/a.ttf.bak", "FONT/b.otf"}, ""},
        {"an empty font folder", {"FONT/"}, ""},
        {"no font folder", {"RES/COMMON/img_back.png", "font.ttf"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TemporaryTree tree(c.entries);
        EXPECT_EQ(ResourceDisk(tree.path()).fontFilePath(), c.expected);
    }
}

TEST(ResourceDiskFontLookup, FollowsTheOrderOfTheFolderListing) {
    const TemporaryTree tree({"FONT/A.TTF", "FONT/b.ttf"});
    const QStringList listed = tree.listing(QStringLiteral("FONT"));
    const QString first = listed.indexOf(u"A.TTF") < listed.indexOf(u"b.ttf")
                              ? QStringLiteral("A.TTF")
                              : QStringLiteral("b.ttf");
    EXPECT_EQ(ResourceDisk(tree.path()).fontFilePath(), QStringLiteral("0:font/") + first);
}

TEST(ResourceDiskFontLookup, FindsTheInterfaceFontInTheCompiledTree) {
    const ResourceDisk disk;
    const QString path = disk.fontFilePath();
    EXPECT_EQ(path, QStringLiteral("0:font/DroidSansFallbackFull.ttf"));
    const std::optional<QByteArray> font = disk.read(path);
    ASSERT_TRUE(font.has_value());
    EXPECT_GT(font->size(), 1'000'000);
    EXPECT_TRUE(font->startsWith(QByteArray("\x00\x01\x00\x00", 4))) << "not a TrueType file";
}

} // namespace
} // namespace v32
