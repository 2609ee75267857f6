#include "platform/ProgramPictures.h"

#include "ui/resources/ResourceDisk.h"

namespace v32 {

namespace {

QString storedPath(QStringView path) {
    return ResourceDisk().storedPath(path);
}

} // namespace

QIcon ProgramPictures::windowIcon() {
    const QString path = storedPath(u"program/app_icon.png");
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap ProgramPictures::splash() {
    const QString path = storedPath(u"program/splash.png");
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

} // namespace v32
