// The installed copy of the program run as a user would run it: from PATH, with a home folder of
// its own, on the suite's X display. The copy lives in INSTALLED_ROOT/usr, so that the main
// window's folder rule turns its program folder INSTALLED_ROOT/usr/bin/ into INSTALLED_ROOT/, just
// as it turns /usr/bin/ into /.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>

// Last: Xlib defines macros (None, Bool, Status...) that would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

const QString root = INSTALLED_ROOT;
const QString bin = root + "/usr/bin";

QProcessEnvironment userEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.remove("XDG_CONFIG_HOME");
    env.insert("XDG_RUNTIME_DIR", home.path()); // a single-instance lock of its own
    env.insert("PATH", bin + ":/usr/bin:/bin");
    env.insert("LIBGL_ALWAYS_SOFTWARE", "1");
    return env;
}

// Every file and folder under `folder`.
std::set<QString> treeOf(const QString& folder) {
    std::set<QString> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) entries.insert(it.next());
    return entries;
}

// The settings files in the places the folder rules give for a copy in /usr/bin.
std::set<QString> systemSettingsFiles() {
    std::set<QString> found;
    for (const QString path : {"/kelo.ini", "/usr/kelo.ini", "/usr/bin/kelo.ini"}) {
        if (QFile::exists(path)) found.insert(path);
    }
    return found;
}

QString desktopEntryValue(const QString& key) {
    QDirIterator it(root + "/usr/share/applications", {"*.desktop"});
    if (!it.hasNext()) return {};
    QFile file(it.next());
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(key.toUtf8() + "=")) return QString::fromUtf8(line.mid(key.size() + 1));
    }
    return {};
}

// The X side: finding the program's window and asking it to close as a window manager would.
class XDisplay {
  public:
    XDisplay() : display(XOpenDisplay(nullptr)) {
        // Windows may go away while the tree is walked; such errors only end that branch.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~XDisplay() {
        if (display) XCloseDisplay(display);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // A mapped top-level window of process `pid`, by its _NET_WM_PID, anywhere in the window tree.
    // Top-level means it speaks the window manager's protocols; the program's native child
    // windows (the view, the callouts) carry its process id too but take no close request.
    std::optional<Window> windowOf(qint64 pid) { return search(DefaultRootWindow(display), pid); }

    QString wmClass(Window window) {
        XClassHint hint{};
        if (!XGetClassHint(display, window, &hint)) return {};
        const QString name = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
        return name;
    }

    void requestClose(Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    }

    Display* const display;

  private:
    std::optional<qint64> pidOf(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
        if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) != Success ||
            !data) {
            return std::nullopt;
        }
        std::optional<qint64> pid;
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = qint64(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
        return pid;
    }

    bool isTopLevel(Window window) {
        Atom* protocols = nullptr;
        int count = 0;
        if (!XGetWMProtocols(display, window, &protocols, &count)) return false;
        XFree(protocols);
        return count > 0;
    }

    std::optional<Window> search(Window window, qint64 pid) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable && pidOf(window) == pid && isTopLevel(window)) {
            return window;
        }
        Window rootWindow = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &rootWindow, &parent, &children, &count)) return {};
        std::optional<Window> found;
        for (unsigned int i = 0; i < count && !found; ++i) found = search(children[i], pid);
        if (children) XFree(children);
        return found;
    }
};

} // namespace

TEST(InstalledProgram, StartsFromPathAndOnCloseWritesOnlyTheUsersOwnFile) {
    ASSERT_TRUE(QFile::exists(bin + "/niveau")) << "no installed copy in " << qPrintable(root);
    XDisplay x;
    ASSERT_NE(x.display, nullptr) << "no X display";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::set<QString> installedBefore = treeOf(root);
    const std::set<QString> systemBefore = systemSettingsFiles();

    QProcess program;
    program.setProcessEnvironment(userEnvironment(home));
    program.start("/bin/sh", {"-c", "exec niveau"});
    ASSERT_TRUE(program.waitForStarted());
    std::optional<Window> window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (window = x.windowOf(program.processId())).has_value(); }, 30000))
        << "no window; stderr: " << program.readAllStandardError().toStdString();
    EXPECT_EQ(x.wmClass(*window), desktopEntryValue("StartupWMClass"))
        << "the desktop entry's StartupWMClass names the window's class";
    QTest::qWait(1000); // a few frames of the running demos

    x.requestClose(*window);
    ASSERT_TRUE(program.waitForFinished(20000)) << "the window did not close";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    QFile saved(home.path() + "/.config/niveau/kelo.ini");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << "no ~/.config/niveau/kelo.ini";
    EXPECT_EQ(saved.readAll(), "[backgroundcolor]\nred=0.643\ngreen=0.745\nblue=1.000\n");
    EXPECT_EQ(treeOf(root), installedBefore) << "the program wrote into its prefix or above it";
    EXPECT_EQ(systemSettingsFiles(), systemBefore) << "a kelo.ini appeared in /, /usr or /usr/bin";
}

TEST(InstalledProgram, WithoutADisplaySaysSoInOneLine) {
    QTemporaryDir home;
    QProcessEnvironment env = userEnvironment(home);
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start("/bin/sh", {"-c", "exec niveau"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_NE(program.exitCode(), 0);
    const QString message = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(message.startsWith("niveau: no display found")) << message.toStdString();
    EXPECT_EQ(message.count('\n'), 1) << message.toStdString();
    EXPECT_FALSE(QDir(home.path() + "/.config").exists()) << "nothing is written without a window";
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
