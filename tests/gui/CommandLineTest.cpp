// --help and --version with the real program: answered in the terminal, also without a display.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Answer {
    int exitCode;
    QString out, err;
};

Answer runWithoutDisplay(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    QTemporaryDir runtimeDir;
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    process.setProcessEnvironment(env);
    process.start(NIVEAU_EXECUTABLE, arguments);
    if (!process.waitForFinished(10000)) process.kill();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutputWithoutADisplay) {
    const Answer version = runWithoutDisplay({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "niveau " NIVEAU_VERSION "\n");
    EXPECT_EQ(version.err, "");

    const Answer help = runWithoutDisplay({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: niveau")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--version")) << help.out.toStdString();
    EXPECT_EQ(help.err, "");

    // Any other argument is ignored: the program goes on to look for a display.
    const Answer other = runWithoutDisplay({"--verbose", "file.txt"});
    EXPECT_NE(other.exitCode, 0);
    EXPECT_EQ(other.out, "");
    EXPECT_TRUE(other.err.contains("no display")) << other.err.toStdString();
}
