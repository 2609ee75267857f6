#include "ui/resources/ResourceDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace v32 {

namespace {

constexpr QStringView kCompiledTreeRoot = u":/";
constexpr QStringView kDrivePrefix = u"0:";
constexpr QStringView kFontFolder = u"font";
constexpr QStringView kTrueTypeExtension = u".ttf";

// The path inside the volume with the drive removed, cleaned and case-folded; nothing for
// another drive. A path that climbs out of the volume folds to one the index never holds.
std::optional<QString> foldedPathInVolume(QStringView path) {
    if (path.size() >= 2 && path[1] == u':') {
        if (!path.startsWith(kDrivePrefix)) {
            return std::nullopt;
        }
        path = path.sliced(kDrivePrefix.size());
    }
    const QString cleaned = QDir::cleanPath(path.toString());
    QStringView relative = cleaned;
    while (relative.startsWith(u'/')) {
        relative = relative.sliced(1);
    }
    return relative.toString().toCaseFolded();
}

// From the last dot: a name without a dot never has the extension.
bool hasTrueTypeExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 &&
           QStringView(name).sliced(dot).compare(kTrueTypeExtension, Qt::CaseInsensitive) == 0;
}

} // namespace

ResourceDisk::ResourceDisk()
    : ResourceDisk(kCompiledTreeRoot.toString()) {}

ResourceDisk::ResourceDisk(const QString& rootPath)
    : m_root(rootPath) {
    indexTree();
}

void ResourceDisk::indexTree() {
    const QDir root(m_root);
    QDirIterator entries(m_root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString stored = entries.next();
        const QString folded = root.relativeFilePath(stored).toCaseFolded();
        // Of two names that differ only in case, the first listed wins.
        if (!m_storedPathByFoldedPath.contains(folded)) {
            m_storedPathByFoldedPath.insert(folded, stored);
        }
    }
}

QString ResourceDisk::storedPath(QStringView path) const {
    const std::optional<QString> folded = foldedPathInVolume(path);
    if (!folded || folded->isEmpty()) {
        return {};
    }
    return m_storedPathByFoldedPath.value(*folded);
}

std::optional<QByteArray> ResourceDisk::read(QStringView path) const {
    const QString stored = storedPath(path);
    if (stored.isEmpty() || !QFileInfo(stored).isFile()) {
        return std::nullopt;
    }
    QFile file(stored);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

QString ResourceDisk::fontFilePath() const {
    const QString folder = storedPath(kFontFolder);
    if (folder.isEmpty()) {
        return {};
    }
    // Without sorting, the iterator gives the folder's own listing order.
    QDirIterator files(folder, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        files.next();
        const QString name = files.fileName();
        if (hasTrueTypeExtension(name)) {
            return resourcePath(kFontFolder) + u'/' + name;
        }
    }
    return {};
}

QString resourcePath(QStringView pathInVolume) {
    QString path = kDrivePrefix.toString();
    path.append(pathInVolume);
    return path;
}

} // namespace v32
