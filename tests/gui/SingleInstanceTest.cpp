// The single-instance rule with real processes of the program.
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {
QProcess* startProgram(const QString& runtimeDir) {
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeDir);
    env.insert("LIBGL_ALWAYS_SOFTWARE", "1");
    process->setProcessEnvironment(env);
    process->start(NIVEAU_EXECUTABLE, {});
    process->waitForStarted();
    return process;
}
} // namespace

TEST(SingleInstance, SecondCopyEndsWithCodeOneAndAKilledHolderFreesTheName) {
    QTemporaryDir runtimeDir;
    ASSERT_TRUE(runtimeDir.isValid());
    std::unique_ptr<QProcess> first(startProgram(runtimeDir.path()));
    ASSERT_FALSE(first->waitForFinished(2000)) << "the first copy keeps running";

    std::unique_ptr<QProcess> second(startProgram(runtimeDir.path()));
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_EQ(first->state(), QProcess::Running);

    ::kill(pid_t(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(5000));

    ASSERT_TRUE(QFileInfo::exists(runtimeDir.filePath("niveau.socket"))) << "left by the crash";
    std::unique_ptr<QProcess> third(startProgram(runtimeDir.path()));
    EXPECT_FALSE(third->waitForFinished(2000)) << "a new copy starts after a crash of the holder";
    // ... and listens for a later launch in place of the socket the crash left.
    QLocalSocket later;
    later.connectToServer(runtimeDir.filePath("niveau.socket"));
    EXPECT_TRUE(later.waitForConnected(5000));
    third->kill();
    third->waitForFinished(5000);
}

TEST(SingleInstance, WithoutADisplayTheProgramSaysSoInOneLine) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QTemporaryDir runtimeDir;
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    process.setProcessEnvironment(env);
    process.start(NIVEAU_EXECUTABLE, {});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_NE(process.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    EXPECT_EQ(err.count('\n'), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("display")) << err.toStdString();
}
