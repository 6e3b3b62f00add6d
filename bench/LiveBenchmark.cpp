#include "LiveBenchmark.h"

#include "SwapCounter.h"

#include "app/GLView.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "app/StandaloneView.h"
#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QTimer>

#include <GL/gl.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr int warmUpMs = 1000; // frames before this count neither for fps nor for CPU
constexpr int settleMs = 1000; // after stopping the demos, before the quiet phase is measured

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// One measured stretch: frames presented and CPU used between start() and stop().
struct Phase {
    long long frames = 0;
    double cpu = 0;
    std::int64_t ns = 0;
    void start() {
        frames = presentedFrames().swaps;
        cpu = cpuSeconds();
        ns = monotonicNs();
    }
    void stop() {
        frames = presentedFrames().swaps - frames;
        cpu = cpuSeconds() - cpu;
        ns = monotonicNs() - ns;
    }
    double fps() const { return double(frames) * 1e9 / double(ns); }
    double cpuPercent() const { return cpu * 1e9 / double(ns) * 100; }
};

// Waits for the first presented frame, then runs the phases: warm-up, `seconds` with the demos
// as they are, `stop`, settle, `seconds` quiet. Prints one line of key=value results and quits.
void measureAfterFirstFrame(int seconds, std::function<void()> stop, std::function<QSize()> size) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (presentedFrames().swaps == 0) return;
        poll->stop();
        auto running = std::make_shared<Phase>();
        auto quiet = std::make_shared<Phase>();
        QTimer::singleShot(warmUpMs, [=] {
            running->start();
            QTimer::singleShot(seconds * 1000, [=] {
                running->stop();
                if (stop) stop();
                QTimer::singleShot(settleMs, [=] {
                    quiet->start();
                    QTimer::singleShot(seconds * 1000, [=] {
                        quiet->stop();
                        const QSize pixels = size();
                        std::printf("fps=%.2f cpu=%.1f quietfps=%.2f quietcpu=%.2f first=%lld "
                                    "rss=%.1f size=%dx%d renderer=%s\n",
                                    running->fps(), running->cpuPercent(), quiet->fps(),
                                    quiet->cpuPercent(), (long long)presentedFrames().firstSwapNs,
                                    peakRssMiB(), pixels.width(), pixels.height(),
                                    presentedFrames().renderer.c_str());
                        std::fflush(stdout);
                        QCoreApplication::exit(0);
                    });
                });
            });
        });
    });
    poll->start(5);
}

QSize devicePixels(const QWindow& window) {
    return window.size() * window.devicePixelRatio();
}

// Smooth edges for every measurement of this run, as the program's menu entry chooses them.
constexpr const char* smoothVariable = "NIVEAU_BENCH_SMOOTH";

void chooseSmoothing(SceneState& state) {
    if (!std::getenv(smoothVariable)) return;
    state.smoothEdges = state.smoothEdgesChosen = true;
}

// The real program's windows, as main() creates them, with a settings folder of its own.
int programChild(int argc, char** argv, int seconds) {
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TfrmCube window(*state, folder.path().toStdString() + "/");
    CreateSecondaryWindows(window, *state);
    chooseSmoothing(*state);
    window.showMaximized();
    measureAfterFirstFrame(
        seconds,
        [&] {
            window.core().Start_Stop_ImageClick();
            window.core().Start_Stop_Image_UpDownClick();
        },
        [&] { return devicePixels(*window.view()); });
    return app.exec();
}

// The start frame over and over: the same view and paint loop, with the demos at speed 0.
int replayChild(int argc, char** argv, int seconds) {
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    BuildStartScene(*state);
    state->animationSpeed = 0;
    chooseSmoothing(*state);
    QApplication app(argc, argv);
    StandaloneView standalone(*state);
    GLView& view = standalone.view();
    view.onResized = [&view](int w, int h) {
        const qreal ratio = view.devicePixelRatio();
        ApplyProjection(int(w * ratio), int(h * ratio));
    };
    view.showMaximized();
    QTimer::singleShot(0, [&standalone] { standalone.core().FormPaint(); });
    measureAfterFirstFrame(seconds, nullptr, [&] { return devicePixels(view); });
    return app.exec();
}

// The cheapest presentation at this size: a native GL window of the same kind as the view that
// clears and swaps again as soon as the event loop is free, without any pacing.
class ClearWindow : public QWindow {
  public:
    ClearWindow() {
        setSurfaceType(QWindow::OpenGLSurface);
        QSurfaceFormat format;
        format.setDepthBufferSize(24);
        format.setSwapInterval(0);
        setFormat(format);
        context.setFormat(format);
        context.create();
        loop.setInterval(0);
        QObject::connect(&loop, &QTimer::timeout, [this] {
            if (!isExposed() || !context.makeCurrent(this)) return;
            glClearColor(0.643f, 0.745f, 1.0f, 0);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            context.swapBuffers(this);
        });
        loop.start();
    }

  private:
    QOpenGLContext context;
    QTimer loop;
};

int clearChild(int argc, char** argv, int seconds) {
    QGuiApplication app(argc, argv);
    ClearWindow window;
    window.showMaximized();
    measureAfterFirstFrame(seconds, nullptr, [&] { return devicePixels(window); });
    return app.exec();
}

std::map<std::string, std::string> parseResult(const std::string& line) {
    std::map<std::string, std::string> values;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals != std::string::npos) values[word.substr(0, equals)] = word.substr(equals + 1);
    }
    // The renderer's name has blanks: it is the rest of the line.
    const auto renderer = line.find("renderer=");
    if (renderer != std::string::npos) values["renderer"] = line.substr(renderer + 9);
    return values;
}

struct ChildResult {
    std::map<std::string, std::string> values;
    double firstFrameMs = 0;
    bool ok = false;
};

ChildResult runChild(const char* self, const char* kind, int seconds) {
    int out[2];
    ChildResult result;
    if (pipe(out) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string secondsText = std::to_string(seconds);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--live-child"),
                    const_cast<char*>(kind), const_cast<char*>(secondsText.c_str()), nullptr};
    pid_t pid = 0;
    const std::int64_t startNs = monotonicNs();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return result;
    }
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    // The result is the line that starts with "fps=" (Qt may have written lines before it).
    const auto line = text.rfind("\nfps=") == std::string::npos ? text.rfind("fps=", 0)
                                                                : text.rfind("\nfps=") + 1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || line == std::string::npos) return result;
    result.values = parseResult(text.substr(line, text.find('\n', line) - line));
    result.firstFrameMs = double(std::stoll(result.values["first"]) - startNs) / 1e6;
    result.ok = true;
    return result;
}

double number(const ChildResult& r, const char* key) {
    if (std::string_view(key) == "first") return r.firstFrameMs;
    const auto it = r.values.find(key);
    return it == r.values.end() ? 0 : std::atof(it->second.c_str());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One kind of measurement over all rounds.
struct Series {
    std::vector<ChildResult> rounds;
    double median(const char* key) const {
        std::vector<double> values;
        for (const ChildResult& r : rounds) values.push_back(number(r, key));
        return ::median(values);
    }
    double min(const char* key) const {
        double lowest = number(rounds.front(), key);
        for (const ChildResult& r : rounds) lowest = std::min(lowest, number(r, key));
        return lowest;
    }
    double max(const char* key) const {
        double highest = number(rounds.front(), key);
        for (const ChildResult& r : rounds) highest = std::max(highest, number(r, key));
        return highest;
    }
};

} // namespace

int runLiveChild(int argc, char** argv) {
    const std::string kind = argv[2];
    const int seconds = std::max(1, std::atoi(argv[3]));
    if (kind == "program") return programChild(argc, argv, seconds);
    if (kind == "replay") return replayChild(argc, argv, seconds);
    if (kind == "clear") return clearChild(argc, argv, seconds);
    return 2;
}

int runLiveBenchmark(const char* self, int seconds, int rounds, bool smooth) {
    if (smooth) setenv(smoothVariable, "1", 1);
    std::printf("live benchmark: %d s with both demos, then %d s with both stopped; %d rounds, "
                "one process per measurement, medians (fps: lowest .. highest)%s\n",
                seconds, seconds, rounds, smooth ? "; smooth edges" : "");
    Series program, replay, clear;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        for (auto [series, kind] : {std::pair{&program, "program"}, std::pair{&replay, "replay"},
                                    std::pair{&clear, "clear"}}) {
            ChildResult result = runChild(self, kind, seconds);
            if (!result.ok) {
                std::fprintf(stderr,
                             "niveau_bench: the %s measurement did not finish (no "
                             "display?)\n",
                             kind);
                return 1;
            }
            series->rounds.push_back(std::move(result));
        }
        ratios.push_back(number(program.rounds.back(), "fps") /
                         number(replay.rounds.back(), "fps"));
    }
    std::printf("renderer: %s\n", program.rounds.front().values.at("renderer").c_str());
    std::printf("view: %s device pixels\n\n", program.rounds.front().values.at("size").c_str());
    std::printf("%-34s %20s %7s %12s %10s\n", "", "fps", "CPU %", "first frame", "peak RSS");
    auto row = [](const char* name, const Series& r) {
        std::printf("%-34s %6.1f (%5.1f .. %5.1f) %7.1f %9.0f ms %6.1f MiB\n", name,
                    r.median("fps"), r.min("fps"), r.max("fps"), r.median("cpu"), r.median("first"),
                    r.median("rss"));
    };
    row("program, both demos running", program);
    std::printf("%-34s %6.1f %22.2f\n", "program, both demos stopped", program.median("quietfps"),
                program.median("quietcpu"));
    row("floor: replay of the start frame", replay);
    row("floor: clear and swap, unpaced", clear);
    std::printf("\nprogram / replay in the same round: %.2f\n", median(ratios));
    return 0;
}
