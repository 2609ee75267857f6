#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>

namespace v32 {

// The read-only volume that holds the pictures under res/ and the interface font under
// font/. Screens name files by volume paths such as "0:res/common/img_back.png"; the drive
// prefix is optional and case does not matter, because the names are stored the way the
// mixer's own disk stores them (RES/COMMON/IMG_BACK.PNG).
class ResourceDisk {
public:
    // The tree compiled into the program.
    ResourceDisk();
    // The tree under rootPath: a folder, or ":/" for the compiled one. The tree is indexed
    // once, here; files added later are not seen.
    explicit ResourceDisk(const QString& rootPath);

    // The path QFile opens for the stored file or folder that path names, or an empty
    // string when there is none.
    QString storedPath(QStringView path) const;
    // The whole file, or nothing when there is no such file or it cannot be read.
    std::optional<QByteArray> read(QStringView path) const;
    // The volume path of the interface font: the first regular file of the font folder, in
    // the order the folder lists them, whose extension is ".ttf" in any case. Empty when
    // the folder is missing or holds no such file.
    QString fontFilePath() const;

private:
    void indexTree();

    QString m_root;
    QHash<QString, QString> m_storedPathByFoldedPath;
};

// The volume path of a path inside the volume: "0:" and the path.
QString resourcePath(QStringView pathInVolume);

} // namespace v32
