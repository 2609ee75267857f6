#include "tests/surface/PrivateNetwork.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

QtMessageHandler previousHandler = nullptr;

// The splash fades in through the window's opacity, which the offscreen platform cannot set
// and says so on every frame; the road's own messages still come through.
void dropOffscreenLimits(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

// The surface test finds its mixer the way the program does, by broadcasting: it runs only
// in a network of its own, never on the computer's real one.
int main(int argc, char** argv) {
    const std::string problem = v32::surface::privateNetworkProblem();
    if (!problem.empty()) {
        std::fprintf(stderr,
                     "surface_tests: refusing to run: %s.\n"
                     "It must run in a private network namespace with only loopback up, for "
                     "example through tests/surface/in-private-network.sh (ctest does so).\n",
                     problem.c_str());
        return 1;
    }
    // The offscreen platform's own screen is smaller than the window, which would be
    // maximised onto it and leave part of the screens out of reach of the touches.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" VELMAR32_TEST_DATA_DIR "/offscreen-screen.json");
    }
    previousHandler = qInstallMessageHandler(dropOffscreenLimits);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
