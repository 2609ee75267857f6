#include "GalleryContext.h"
#include "GalleryScenes.h"
#include "app/core/Translation.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

namespace v32 {
namespace {

// Lets layouts, animations and deferred work settle before the picture is taken.
void settle() {
    for (int pass = 0; pass < 5; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

bool render(const GalleryScene& scene, GalleryContext& context, const QDir& folder) {
    PageRegistry registry;
    registry.setValues(&context.model);
    if (scene.install) {
        scene.install(registry, context);
    }
    RootScreen root(RootScreenSetup{registry, context.clock, context.fonts, context.images,
                                    context.pinyin, scene.options.textEntry,
                                    scene.options.globalBar});
    context.screenSet.attach(root);
    root.show();
    settle();
    GalleryStage stage{root, context};
    QWidget* own = scene.stage ? scene.stage(stage) : nullptr;
    QWidget* subject = own != nullptr ? own : &root;
    subject->show();
    settle();
    const QString path = folder.filePath(QString::fromUtf8(scene.name) + QStringLiteral(".png"));
    const bool saved = subject->grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    delete own;
    context.screenSet.detach();
    return saved;
}

int run(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: velmar32-gallery FOLDER [SCENE...]\n");
        return 2;
    }
    QDir folder(arguments.front());
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(arguments.front()));
        return 1;
    }
    const QStringList wanted = arguments.mid(1);
    installLanguages();
    GalleryContext context;
    context.fonts.loadNamedFonts();
    bool allSaved = true;
    for (const GalleryScene& scene : galleryScenes()) {
        if (wanted.isEmpty() || wanted.contains(QString::fromUtf8(scene.name))) {
            allSaved = render(scene, context, folder) && allSaved;
        }
    }
    return allSaved ? 0 : 1;
}

} // namespace
} // namespace v32

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return v32::run(QApplication::arguments().mid(1));
}
