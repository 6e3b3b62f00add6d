#include "LiveBenchmark.h"

#include "SwapCounter.h"

#include "app/GLView.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "app/StandaloneView.h"
#include "app/frame/FrameRender.h"
#include "app/frame/Renderer.h"
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

// The names of the ways of smoothing on the command line and in the results.
struct NamedSmoothing {
    const char* name;
    SmoothingWay way;
    int samples;
};
constexpr NamedSmoothing smoothingNames[] = {{"off", SmoothingWay::Off, 0},
                                             {"msaa2", SmoothingWay::Multisampling, 2},
                                             {"msaa4", SmoothingWay::Multisampling, 4},
                                             {"filter", SmoothingWay::EdgeFilter, 0}};

const NamedSmoothing* smoothingNamed(std::string_view name) {
    for (const NamedSmoothing& named : smoothingNames)
        if (name == named.name) return &named;
    return nullptr;
}

std::string smoothingName(SmoothingWay way, int samples) {
    if (way == SmoothingWay::Multisampling) return "msaa" + std::to_string(samples);
    return way == SmoothingWay::EdgeFilter ? "filter" : "off";
}

// What a view smooths with: the way given on the command line, or else the program's own choice.
void applySmoothing(GLView& view, const std::string& smoothing) {
    if (const NamedSmoothing* named = smoothingNamed(smoothing))
        view.useSmoothing(named->way, named->samples);
}

// The smoothing a view used, and the one the program chooses by itself at its size.
std::string smoothingReport(const GLView& view, const SceneState& state) {
    const QSize pixels = view.size() * view.devicePixelRatio();
    const std::string& renderer = presentedFrames().renderer;
    const SmoothingWay way = smoothingWayFor(renderer);
    const bool byDefault = smoothEdgesByDefault(renderer, way, pixels.width(), pixels.height());
    return "smoothing=" +
           (state.smoothEdges ? smoothingName(view.smoothingWay(), view.smoothingSamples())
                              : std::string("off")) +
           " default=" + (byDefault ? smoothingName(way, 4) : "off");
}

// Shows a window (a QWindow or a QWidget) maximised, or at `size` ("max" or "WxH").
template <typename Window> void showAt(Window& window, const std::string& size) {
    int width = 0, height = 0;
    if (std::sscanf(size.c_str(), "%dx%d", &width, &height) == 2) {
        window.resize(width, height);
        window.show();
    } else {
        window.showMaximized();
    }
}

// Waits for the first presented frame, then runs the phases: warm-up, `seconds` with the demos
// as they are, `stop`, settle, `seconds` quiet. Prints one line of key=value results (`report`
// adds its own) and quits.
void measureAfterFirstFrame(int seconds, std::function<void()> stop, std::function<QSize()> size,
                            std::function<std::string()> report) {
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
                                    "rss=%.1f size=%dx%d %s renderer=%s\n",
                                    running->fps(), running->cpuPercent(), quiet->fps(),
                                    quiet->cpuPercent(), (long long)presentedFrames().firstSwapNs,
                                    peakRssMiB(), pixels.width(), pixels.height(), report().c_str(),
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

// The real program's windows, as main() creates them, with a settings folder of its own.
int programChild(int argc, char** argv, int seconds, const std::string& size,
                 const std::string& smoothing) {
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TfrmCube window(*state, folder.path().toStdString() + "/");
    CreateSecondaryWindows(window, *state);
    applySmoothing(*window.view(), smoothing);
    showAt(window, size);
    measureAfterFirstFrame(
        seconds,
        [&] {
            window.core().Start_Stop_ImageClick();
            window.core().Start_Stop_Image_UpDownClick();
        },
        [&] { return devicePixels(*window.view()); },
        [&] { return smoothingReport(*window.view(), *state); });
    return app.exec();
}

// The start frame over and over: the same view and paint loop, with the demos at speed 0.
int replayChild(int argc, char** argv, int seconds, const std::string& size,
                const std::string& smoothing) {
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    BuildStartScene(*state);
    state->animationSpeed = 0;
    QApplication app(argc, argv);
    StandaloneView standalone(*state);
    GLView& view = standalone.view();
    applySmoothing(view, smoothing);
    view.onResized = [&view](int w, int h) {
        const qreal ratio = view.devicePixelRatio();
        ApplyProjection(int(w * ratio), int(h * ratio));
    };
    showAt(view, size);
    QTimer::singleShot(0, [&standalone] { standalone.core().FormPaint(); });
    measureAfterFirstFrame(
        seconds, nullptr, [&] { return devicePixels(view); },
        [&] { return smoothingReport(view, *state); });
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

int clearChild(int argc, char** argv, int seconds, const std::string& size) {
    QGuiApplication app(argc, argv);
    ClearWindow window;
    showAt(window, size);
    measureAfterFirstFrame(
        seconds, nullptr, [&] { return devicePixels(window); },
        [] { return std::string("smoothing=off default=off"); });
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

// One measured configuration: the window's size ("max": maximised) and the smoothing
// ("default": the program's own choice).
struct Configuration {
    std::string size;
    std::string smoothing;
};

ChildResult runChild(const char* self, const char* kind, int seconds,
                     const Configuration& configuration) {
    int out[2];
    ChildResult result;
    if (pipe(out) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string secondsText = std::to_string(seconds);
    char* args[] = {const_cast<char*>(self),
                    const_cast<char*>("--live-child"),
                    const_cast<char*>(kind),
                    const_cast<char*>(secondsText.c_str()),
                    const_cast<char*>(configuration.size.c_str()),
                    const_cast<char*>(configuration.smoothing.c_str()),
                    nullptr};
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
    if (argc < 6) return 2;
    const std::string kind = argv[2];
    const int seconds = std::max(1, std::atoi(argv[3]));
    const std::string size = argv[4], smoothing = argv[5];
    if (kind == "program") return programChild(argc, argv, seconds, size, smoothing);
    if (kind == "replay") return replayChild(argc, argv, seconds, size, smoothing);
    if (kind == "clear") return clearChild(argc, argv, seconds, size);
    return 2;
}

int runLiveBenchmark(const char* self, int argc, char** argv) {
    int seconds = 10, rounds = 3;
    std::vector<std::string> sizes, smoothings;
    int position = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string_view word = argv[i];
        if ((word == "--size" || word == "--smoothing") && i + 1 < argc) {
            const std::string value = argv[++i];
            int width = 0, height = 0;
            if (word == "--size" && std::sscanf(value.c_str(), "%dx%d", &width, &height) != 2) {
                std::fprintf(stderr, "niveau_bench: a size is WIDTHxHEIGHT, not %s\n",
                             value.c_str());
                return 2;
            }
            if (word == "--smoothing" && !smoothingNamed(value)) {
                std::fprintf(stderr, "niveau_bench: smoothing is off, msaa2, msaa4 or filter\n");
                return 2;
            }
            (word == "--size" ? sizes : smoothings).push_back(value);
        } else if (position++ == 0) {
            seconds = std::max(1, std::atoi(argv[i]));
        } else {
            rounds = std::max(1, std::atoi(argv[i]));
        }
    }
    if (sizes.empty()) sizes.push_back("max");
    if (smoothings.empty()) smoothings.push_back("default");
    std::vector<Configuration> configurations;
    for (const std::string& size : sizes)
        for (const std::string& smoothing : smoothings) configurations.push_back({size, smoothing});

    std::printf("live benchmark: %d s with both demos, then %d s with both stopped; %d rounds, "
                "one process per measurement, medians (fps: lowest .. highest)\n",
                seconds, seconds, rounds);
    struct Measured {
        Series program, replay, clear;
    };
    std::vector<Measured> measured(configurations.size());
    // Every round measures every configuration, so that a change in the machine's load falls on
    // all of them alike.
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t c = 0; c < configurations.size(); ++c) {
            for (auto [series, kind] : {std::pair{&measured[c].program, "program"},
                                        std::pair{&measured[c].replay, "replay"},
                                        std::pair{&measured[c].clear, "clear"}}) {
                ChildResult result = runChild(self, kind, seconds, configurations[c]);
                if (!result.ok) {
                    std::fprintf(stderr,
                                 "niveau_bench: the %s measurement did not finish (no "
                                 "display?)\n",
                                 kind);
                    return 1;
                }
                series->rounds.push_back(std::move(result));
            }
        }
    }
    const auto& first = measured.front().program.rounds.front().values;
    std::printf("renderer: %s\n", first.at("renderer").c_str());
    std::printf("smoothing: %s\n\n", first.at("default").c_str());
    std::printf("%-10s %-9s %22s %6s %8s %9s %9s %8s %9s\n", "view", "smoothing", "fps, both demos",
                "CPU %", "stopped", "replay", "clear", "first", "peak RSS");
    for (std::size_t c = 0; c < configurations.size(); ++c) {
        const Measured& m = measured[c];
        const auto& values = m.program.rounds.front().values;
        std::printf(
            "%-10s %-9s %6.1f (%5.1f .. %5.1f) %6.1f %8.1f %9.1f %9.1f %5.0f ms %5.1f MiB\n",
            values.at("size").c_str(), values.at("smoothing").c_str(), m.program.median("fps"),
            m.program.min("fps"), m.program.max("fps"), m.program.median("cpu"),
            m.program.median("quietfps"), m.replay.median("fps"), m.clear.median("fps"),
            m.program.median("first"), m.program.median("rss"));
    }
    std::printf("\nfps: presented frames per second with both demos running (medians, lowest .. "
                "highest); stopped: with both demos stopped; replay: the start frame, frozen, "
                "through the same view; clear: a bare window that clears and swaps, unpaced\n");
    return 0;
}
