#include "platform/QtStartupHost.h"

#include "platform/ProgramPictures.h"
#include "platform/SplashWindow.h"
#include "platform/StartDialog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>

namespace v32 {

bool QtStartupHost::factoryKeyHeld() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool QtStartupHost::chooseDebugSettings(DebugSwitches& switches, SerialSettings& serial) {
    StartDialog dialog;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.store(switches, serial);
    return true;
}

void QtStartupHost::showSplash() {
    const QPixmap picture = ProgramPictures::splash();
    if (picture.isNull()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kErrorCaption),
                              QString::fromUtf8(kPictureMissingText));
        return;
    }
    SplashWindow(picture).run();
}

} // namespace v32
