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

#include "XDisplay.h" // last: it brings in Xlib's macros

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
    QTest::qWait(1000); // a few frames of the running demos

    window = x.windowOf(program.processId()); // the main window now, not a passing child window
    ASSERT_TRUE(window.has_value()) << "the window went away";
    EXPECT_EQ(x.wmClass(*window), desktopEntryValue("StartupWMClass"))
        << "the desktop entry's StartupWMClass names the window's class";
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
