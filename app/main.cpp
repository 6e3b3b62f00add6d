// Program start: module initialisation, the single-instance rule, the windows, the event loop.
#include "app/MainWindow.h"
#include "app/ShowInFront.h"
#include "app/SingleInstance.h"
#include "config/ini/Settings.h"
#include "dialogs/Color.h"
#include "dialogs/Kontaktadresse.h"
#include "dialogs/Optionen.h"
#include "dialogs/aboutdlg.h"
#include "scene/SceneState.h"

#include <QApplication>
#include <QSurfaceFormat>

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
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    ReadVersion(*state);

    if (!AcquireSingleInstance("niveau")) return 1;

    if (!displayAvailable()) {
        std::fprintf(stderr, "niveau: no display found (DISPLAY is not set); start it from a "
                             "graphical session.\n");
        return 2;
    }
    qInstallMessageHandler(messageHandler);

    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSwapInterval(1); // frames paced by the display's refresh
    QSurfaceFormat::setDefaultFormat(format);

    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    TfrmCube window(*state, executableFolder());
    window.onClose = [&app] { app.quit(); };

    // The other windows, in this order, hidden until a menu (or the options gesture) opens them.
    auto* options = new TOptionenForm(
        *state, [&window] { window.FormPaint(); }, [&window] { window.CheckDisplayModeEntries(); },
        &window);
    auto* colourDialog = new TColor_dlg(
        *state,
        [&window] {
            window.applyBackgroundColour();
            window.FormPaint();
        },
        &window);
    auto* about = new TAboutForm(&window);
    auto* contact = new TKontaktadresseForm(*state, &window);
    SecondaryWindows secondary;
    secondary.showOptions = [options, &window] { ShowInFront(options, &window); };
    secondary.restoreDefaults = [options] { options->DefaultEinstellungen(); };
    secondary.showBackgroundColour = [colourDialog, &window] {
        ShowInFront(colourDialog, &window);
    };
    secondary.showAbout = [about, &window] { ShowInFront(about, &window); };
    secondary.showContact = [contact, &window] { ShowInFront(contact, &window); };
    window.setSecondaryWindows(std::move(secondary));

    window.showMaximized();
    return app.exec();
}
