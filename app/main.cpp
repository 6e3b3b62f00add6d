// Program start: module initialisation, the single-instance rule, the windows, the event loop.
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "app/QtTranslations.h"
#include "app/SingleInstance.h"
#include "config/ini/Settings.h"
#include "scene/SceneState.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true; // an explicit platform (offscreen, wayland...) decides
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// Qt ends the process with an abort and a trace when it cannot open the display; say it in one
// line instead and leave with an ordinary error status.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "niveau: cannot start the user interface: %s\n",
                     qPrintable(message.section('\n', 0, 0)));
        _exit(2);
    }
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answered = AnswerCommandLine(argc, argv)) return *answered;
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    ReadVersion(*state);

    // A second copy brings the running one to the front and ends without a word.
    if (!AcquireSingleInstance("niveau")) {
        QCoreApplication ask(argc, argv);
        AskRunningCopyToShow("niveau");
        return 1;
    }

    if (!displayAvailable()) {
        std::fprintf(stderr, "niveau: no display found (DISPLAY is not set); start it from a "
                             "graphical session.\n");
        return 2;
    }
    qInstallMessageHandler(messageHandler);

    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    TfrmCube window(*state, executableFolder());
    window.onClose = [&app] { app.quit(); };
    ApplyQtTranslations(state->languageCode);
    ShowRequests showRequests("niveau");
    QObject::connect(&showRequests, &ShowRequests::showRequested, &window, &TfrmCube::bringToFront);

    CreateSecondaryWindows(window, *state);
    window.showMaximized();
    return app.exec();
}
