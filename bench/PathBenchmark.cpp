// The path benchmark: the start frame through libGL and through the layer on OpenGL ES 3, both
// off-screen on the same renderer at 1280 x 720, each in a process of its own (the two cannot
// share one: both define the GL 1.1 names). The rounds take turns between the paths; printed are
// the medians over the rounds of each path's median frame time, its draw calls per frame, and the
// ratio of the layer's frame time to libGL's in the same round.
//   niveau_bench_paths [frames] [rounds]    (default 200 frames, 3 rounds; needs no display)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct Result {
    double median = 0;
    long long draws = 0;
    std::string renderer;
};

// Runs one path's program and reads its key=value line; false where it failed.
bool runPath(const char* program, int frames, Result& result) {
    const std::string command = std::string("'") + program + "' " + std::to_string(frames);
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    if (pclose(pipe) != 0 || !read) return false;
    const std::string text = line;
    const auto value = [&](const std::string& key) {
        const std::size_t at = text.find(key + "=");
        if (at == std::string::npos) return std::string();
        const std::size_t from = at + key.size() + 1;
        const std::size_t end = key == "renderer" ? text.find('\n', from) : text.find(' ', from);
        return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    };
    result.median = std::atof(value("median").c_str());
    result.draws = std::atoll(value("draws").c_str());
    result.renderer = value("renderer");
    return result.median > 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::printf("path benchmark: the start frame at 1280 x 720, %d frames per run, %d rounds, one "
                "process per run\n",
                frames, rounds);
    const std::map<std::string, const char*> programs = {{"libGL", NIVEAU_FRAMES_GL},
                                                         {"GL 1.1 on ES 3", NIVEAU_FRAMES_ES}};
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, Result> last;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, program] : programs) {
            if (!runPath(program, frames, last[name])) {
                std::fprintf(stderr, "niveau_bench_paths: the %s run failed\n", name.c_str());
                return 1;
            }
            times[name].push_back(last[name].median);
        }
        ratios.push_back(last["GL 1.1 on ES 3"].median / last["libGL"].median);
    }
    std::printf("renderer: %s\n\n", last["libGL"].renderer.c_str());
    std::printf("%-16s %22s %16s\n", "", "median frame time", "draw calls/frame");
    for (const char* name : {"libGL", "GL 1.1 on ES 3"})
        std::printf("%-16s %19.2f ms %16lld\n", name, median(times[name]), last[name].draws);
    std::printf("\nGL 1.1 on ES 3 / libGL, frame time in the same round: %.2f\n", median(ratios));
    return 0;
}
