// The installed copy of the program run as a user would run it: from PATH, with a home folder of
// its own, on the suite's X display. The copy lives in INSTALLED_ROOT/usr, so that the main
// window's folder rule would turn its program folder INSTALLED_ROOT/usr/bin/ into INSTALLED_ROOT/,
// just as it turns /usr/bin/ into /; an installed program must not look there.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
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
    env.insert("XDG_RUNTIME_DIR", home.path());          // a single-instance lock of its own
    env.insert("XDG_CONFIG_DIRS", home.path() + "/xdg"); // system-wide defaults, none unless made
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

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeTo(const QString& path, const QByteArray& content) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
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

// Starts the installed program from PATH in `env`, lets the demos run a moment and closes its
// window as a window manager would; it must end normally. `wmClass` gets the window's class.
void runAndClose(const QProcessEnvironment& env, QString* wmClass = nullptr) {
    XDisplay x;
    ASSERT_NE(x.display, nullptr) << "no X display";
    QProcess program;
    program.setProcessEnvironment(env);
    program.start("/bin/sh", {"-c", "exec niveau"});
    ASSERT_TRUE(program.waitForStarted());
    std::optional<Window> window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (window = x.windowOf(program.processId())).has_value(); }, 30000))
        << "no window; stderr: " << program.readAllStandardError().toStdString();
    QTest::qWait(1000); // a few frames of the running demos

    window = x.windowOf(program.processId()); // the main window now, not a passing child window
    ASSERT_TRUE(window.has_value()) << "the window went away";
    if (wmClass) *wmClass = x.wmClass(*window);
    x.requestClose(*window);
    ASSERT_TRUE(program.waitForFinished(20000)) << "the window did not close";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

} // namespace

TEST(InstalledProgram, StartsFromPathAndOnCloseWritesOnlyTheUsersOwnFile) {
    ASSERT_TRUE(QFile::exists(bin + "/niveau")) << "no installed copy in " << qPrintable(root);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::set<QString> installedBefore = treeOf(root);
    const std::set<QString> systemBefore = systemSettingsFiles();

    QString wmClass;
    ASSERT_NO_FATAL_FAILURE(runAndClose(userEnvironment(home), &wmClass));
    EXPECT_EQ(wmClass, desktopEntryValue("StartupWMClass"))
        << "the desktop entry's StartupWMClass names the window's class";

    QFile saved(home.path() + "/.config/niveau/kelo.ini");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << "no ~/.config/niveau/kelo.ini";
    EXPECT_EQ(saved.readAll(), "[backgroundcolor]\nred=0.643\ngreen=0.745\nblue=1.000\n");
    EXPECT_EQ(treeOf(root), installedBefore) << "the program wrote into its prefix or above it";
    EXPECT_EQ(systemSettingsFiles(), systemBefore) << "a kelo.ini appeared in /, /usr or /usr/bin";
}

TEST(InstalledProgram, TakesSystemDefaultsAndNeverAFileAtItsRuleFolder) {
    ASSERT_TRUE(QFile::exists(bin + "/niveau")) << "no installed copy in " << qPrintable(root);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // A file where the folder rule of a copied program looks, as "/kelo.ini" would be for
    // /usr/bin/niveau, and system-wide defaults in the second folder of XDG_CONFIG_DIRS.
    const QString ruleFile = root + "/kelo.ini";
    const QByteArray ruleContent = "[backgroundcolor]\nred=0.900\ngreen=0.900\nblue=0.900\n";
    const QString defaultsFile = home.path() + "/site/niveau/kelo.ini";
    const QByteArray defaults = "; site\n[backgroundcolor]\nred=0.25\ngreen=0.5\n";
    ASSERT_TRUE(writeTo(ruleFile, ruleContent) && writeTo(defaultsFile, defaults));
    QProcessEnvironment env = userEnvironment(home);
    env.insert("XDG_CONFIG_DIRS", home.path() + "/xdg:" + home.path() + "/site");

    ASSERT_NO_FATAL_FAILURE(runAndClose(env));
    QFile::remove(ruleFile);

    EXPECT_EQ(contentOf(home.path() + "/.config/niveau/kelo.ini"),
              "[backgroundcolor]\nred=0.250\ngreen=0.500\nblue=1.000\n")
        << "the colour comes from the defaults and goes to the user's file";
    EXPECT_EQ(contentOf(defaultsFile), defaults) << "the defaults are never written";
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
