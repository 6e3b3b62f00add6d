// The real program and its settings file under faults: killed with SIGKILL at random moments after
// it was asked to close, which is when it saves, and closed normally where the file must stay as
// it is (a read-only file or folder, a folder in the file's place, a full disk). The program runs
// as a copy in P/Program/, which the main window's folder rule turns into P/ for its kelo.ini.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "XDisplay.h" // last: it brings in Xlib's macros

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;

constexpr int killRuns = 50;
constexpr int longestKillDelayMicroseconds = 200'000;
constexpr int settleMilliseconds = 300; // from the window's showing to the close request
constexpr mode_t settingsMode = 0640;   // not the default, so that a replaced file shows it kept it

// Lines a user keeps around the values; a file cut short anywhere loses some of them.
std::string notes() {
    std::string text;
    for (int line = 1; line <= 100; ++line)
        text += "; note " + std::to_string(line) + ": written by hand and kept whole\n";
    return text;
}

// The file before a run, with colour values the program writes back in its own format.
const std::string oldSettings = "[optionen]\nlanguage=englisch\n" + notes() +
                                "[backgroundcolor]\nred=0.25\ngreen=0.5\nblue=1\n; the end\n";
const std::string newSettings =
    "[optionen]\nlanguage=englisch\n" + notes() +
    "[backgroundcolor]\nred=0.250\ngreen=0.500\nblue=1.000\n; the end\n";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& content, mode_t mode) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    ::chmod(path.c_str(), mode);
}

// The temporary files a save of kelo.ini makes beside it: ".kelo.ini.XXXXXX".
std::vector<std::string> temporaryFilesIn(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(".kelo.ini.", 0) == 0) found.push_back(name);
    }
    return found;
}

// Every entry below a folder and the folder itself, with its bytes and permission bits.
using Snapshot = std::map<std::string, std::pair<std::string, fs::perms>>;

Snapshot snapshot(const std::string& folder) {
    Snapshot entries;
    entries[folder] = {"", fs::status(folder).permissions()};
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string path = entry.path().string();
        entries[path] = {entry.is_regular_file() ? readFile(path) : "",
                         fs::symlink_status(path).permissions()};
    }
    return entries;
}

// The entries that are gone, changed or new in `after`, one a line.
std::string differences(const Snapshot& before, const Snapshot& after) {
    std::string listed;
    for (const auto& [path, entry] : before) {
        const auto now = after.find(path);
        if (now == after.end() || now->second != entry)
            listed += (now == after.end() ? "gone: " : "changed: ") + path + "\n";
    }
    for (const auto& [path, entry] : after)
        if (!before.count(path)) listed += "new: " + path + "\n";
    return listed;
}

// A folder of the test's own: "place/" for the program copy "place/Program/niveau" and its
// settings file "place/kelo.ini"; the home folder and each run's runtime folder lie beside it.
class Sandbox {
  public:
    Sandbox() {
        fs::create_directories(place);
        fs::create_directories(home);
    }

    // Copies the program in; a step of its own, so that the place can first become a mount.
    void installProgram() const {
        fs::create_directories(place + "Program");
        fs::copy_file(NIVEAU_EXECUTABLE, program);
    }

    // A runtime folder no other run has used, so that each gets a single-instance lock of its own.
    std::string newRuntimeFolder() {
        const std::string folder = root_ + "/run-" + std::to_string(++runs_);
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::owner_all);
        return folder;
    }

  private:
    QTemporaryDir dir_;
    std::string root_ = dir_.path().toStdString();
    int runs_ = 0;

  public:
    const std::string place = root_ + "/place/";
    const std::string program = place + "Program/niveau";
    const std::string settings = place + "kelo.ini";
    const std::string home = root_ + "/home/";
};

struct ProgramRun {
    std::string failure;         // why the run could not be made; empty when it was
    bool closedByItself = false; // ended with status 0 before any kill
    std::string output;          // what it wrote to stdout and stderr
};

// Starts the program copy, waits for its main window and asks it to close. With `killAfter` it
// is killed that long after the request unless it has ended by then; without, it must end.
ProgramRun runProgram(XDisplay& x, Sandbox& box, std::optional<microseconds> killAfter = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(box.home));
    env.remove("XDG_CONFIG_HOME");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(box.newRuntimeFolder()));
    env.insert("LIBGL_ALWAYS_SOFTWARE", "1");
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QString::fromStdString(box.program), {});
    ProgramRun run;
    if (!program.waitForStarted()) {
        run.failure = "the program did not start";
        return run;
    }
    // While the window comes up, its native child windows can show for a moment as top-level
    // windows of their own; once the demos run, only the main window is one.
    std::optional<Window> window;
    auto windowShown = [&] { return (window = x.windowOf(program.processId())).has_value(); };
    if (!QTest::qWaitFor(windowShown, 30000) ||
        (QTest::qWait(settleMilliseconds), !windowShown())) {
        program.kill();
        program.waitForFinished();
        run.failure = "no window; output: " + program.readAll().toStdString();
        return run;
    }
    x.requestClose(*window);
    if (killAfter) {
        std::this_thread::sleep_until(Clock::now() + *killAfter);
        program.kill(); // SIGKILL; nothing happens to a process that has ended
    }
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        run.failure = "the window did not close";
        return run;
    }
    run.output = program.readAll().toStdString();
    run.closedByItself = program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    if (!killAfter && !run.closedByItself) run.failure = "it failed on closing: " + run.output;
    return run;
}

// The kill moments: NIVEAU_FAULT_SEED repeats them, else a new seed each time.
unsigned killSeed() {
    if (const char* given = std::getenv("NIVEAU_FAULT_SEED")) return unsigned(std::stoul(given));
    return std::random_device{}();
}

std::string describe(const std::string& content) {
    return std::to_string(content.size()) + " bytes (old " + std::to_string(oldSettings.size()) +
           ", new " + std::to_string(newSettings.size()) + "): \"" + content + "\"";
}

} // namespace

TEST(SettingsUnderFaults, KilledWhileClosingLeavesTheOldOrTheNewFileWholeAndNoTemporaryFile) {
    XDisplay x;
    ASSERT_NE(x.display, nullptr) << "no X display";
    Sandbox box;
    box.installProgram();
    const unsigned seed = killSeed();
    std::printf("kill moments from seed %u (NIVEAU_FAULT_SEED=%u repeats them)\n", seed, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delays(0, longestKillDelayMicroseconds);

    int endedOld = 0, endedNew = 0, closedBeforeTheKill = 0, temporariesLeft = 0;
    const Clock::time_point start = Clock::now();
    for (int run = 1; run <= killRuns; ++run) {
        // The temporary files of earlier runs stay, for this run's save to clear away.
        writeFile(box.settings, oldSettings, settingsMode);
        const std::size_t temporariesBefore = temporaryFilesIn(box.place).size();
        const microseconds delay(delays(random));
        const ProgramRun result = runProgram(x, box, delay);
        ASSERT_EQ(result.failure, "") << "run " << run;
        const std::string after = readFile(box.settings);
        const std::vector<std::string> temporaries = temporaryFilesIn(box.place);
        SCOPED_TRACE("run " + std::to_string(run) + ", killed " + std::to_string(delay.count()) +
                     " us after the close request");
        ASSERT_TRUE(after == oldSettings || after == newSettings) << describe(after);
        EXPECT_EQ(int(fs::status(box.settings).permissions()), int(settingsMode));
        if (after == oldSettings) {
            ++endedOld;
            if (temporaries.size() > temporariesBefore) ++temporariesLeft;
        } else {
            ++endedNew;
            EXPECT_EQ(temporaries, std::vector<std::string>{})
                << "a save leaves no temporary file, its own nor one an earlier kill left";
        }
        if (result.closedByItself) {
            ++closedBeforeTheKill;
            EXPECT_EQ(after, newSettings) << "a normal close saves";
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%d kills 0 to %d ms after the close request in %.1f s: %d old, %d new (%d of them "
                "closed before the kill); %d killed during the save left a temporary file\n",
                killRuns, longestKillDelayMicroseconds / 1000, seconds, endedOld, endedNew,
                closedBeforeTheKill, temporariesLeft);

    // The next normal close: one more stale temporary file beside whatever the kills left.
    writeFile(box.place + ".kelo.ini.Stale1", oldSettings.substr(0, 100), settingsMode);
    writeFile(box.settings, oldSettings, settingsMode);
    const ProgramRun last = runProgram(x, box);
    ASSERT_EQ(last.failure, "");
    EXPECT_EQ(readFile(box.settings), newSettings);
    EXPECT_EQ(temporaryFilesIn(box.place), std::vector<std::string>{});
}

namespace {

// Starts the program in `box`, closes it, and expects everything in its place as it was, with
// nothing written to the user's own folder instead.
void expectClosingLeavesThePlaceAsItWas(Sandbox& box) {
    XDisplay x;
    ASSERT_NE(x.display, nullptr) << "no X display";
    const auto before = snapshot(box.place);
    const ProgramRun run = runProgram(x, box);
    ASSERT_EQ(run.failure, "");
    EXPECT_EQ(differences(before, snapshot(box.place)), "");
    EXPECT_TRUE(fs::is_empty(box.home)) << "the settings went to the user's folder";
}

} // namespace

TEST(SettingsUnderFaults, ReadOnlyFileStaysAsItWas) {
    Sandbox box;
    box.installProgram();
    writeFile(box.settings, oldSettings, 0444);
    expectClosingLeavesThePlaceAsItWas(box);
}

TEST(SettingsUnderFaults, FileInAReadOnlyFolderStaysAsItWas) {
    Sandbox box;
    box.installProgram();
    writeFile(box.settings, oldSettings, settingsMode);
    fs::permissions(box.place, fs::perms(0555));
    expectClosingLeavesThePlaceAsItWas(box);
    fs::permissions(box.place, fs::perms::owner_all);
}

TEST(SettingsUnderFaults, FolderInTheFilesPlaceStaysAsItWas) {
    Sandbox box;
    box.installProgram();
    fs::create_directory(box.settings);
    writeFile(box.settings + "/inside", oldSettings, settingsMode);
    expectClosingLeavesThePlaceAsItWas(box);
}

namespace {

// A small tmpfs mounted over a folder for the scope's lifetime.
class SmallDisk {
  public:
    SmallDisk(const std::string& folder, std::uintmax_t bytes) : folder_(folder) {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        mounted_ =
            ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
        if (!mounted_) error_ = std::strerror(errno);
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }

  private:
    std::string folder_;
    bool mounted_ = false;
    std::string error_;
};

// Writes into a new file until the disk holding `folder` has no room left.
bool fillUp(const std::string& folder) {
    const int fd = ::open((folder + "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string block(4096, 'x');
    for (std::size_t size : {block.size(), std::size_t(1)}) {
        while (::write(fd, block.data(), size) > 0) {
        }
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    struct statvfs disk {};
    return full && ::statvfs(folder.c_str(), &disk) == 0 && disk.f_bavail == 0;
}

} // namespace

TEST(SettingsUnderFaults, FileOnAFullDiskStaysAsItWas) {
    Sandbox box;
    // Room for the program copy and 64 KiB more, which the filler then takes.
    const std::uintmax_t room = (fs::file_size(NIVEAU_EXECUTABLE) + 4095) / 4096 * 4096 + 65536;
    const SmallDisk disk(box.place, room);
    if (!disk.mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs to fill up (" << disk.error()
                     << "; needs root): the full-disk case is not tried";
    }
    box.installProgram();
    writeFile(box.settings, oldSettings, settingsMode);
    ASSERT_TRUE(fillUp(box.place)) << "the tmpfs did not fill up";
    expectClosingLeavesThePlaceAsItWas(box);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
