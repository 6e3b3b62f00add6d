#include "SoakBenchmark.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double minutes;
    double rssMiB;
    double files;
};

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double openFiles(pid_t pid) {
    DIR* folder = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    if (!folder) return 0;
    int count = 0;
    while (const dirent* entry = readdir(folder)) count += entry->d_name[0] != '.';
    closedir(folder);
    return count;
}

// The slope of a least-squares line through the points, per hour.
double growthPerHour(const std::vector<Sample>& samples, double Sample::*value) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Sample& s : samples) {
        if (s.minutes < 1) continue;
        n += 1, sx += s.minutes, sy += s.*value;
        sxx += s.minutes * s.minutes, sxy += s.minutes * s.*value;
    }
    const double spread = n * sxx - sx * sx;
    return n < 2 || spread <= 0 ? 0 : (n * sxy - sx * sy) / spread * 60;
}

} // namespace

int runSoakBenchmark(const char* self, int minutes, int interval) {
    // The live benchmark's program, with demos that would run far beyond the soak.
    const std::string seconds = std::to_string(minutes * 60 + 3600);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--live-child"),
                    const_cast<char*>("program"), const_cast<char*>(seconds.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "niveau_bench: cannot start the program\n");
        return 1;
    }
    std::printf("soak: %d min maximised with both demos, a sample every %d s\n", minutes, interval);
    std::printf("%8s %10s %6s\n", "minutes", "RSS MiB", "files");
    const auto start = std::chrono::steady_clock::now();
    std::vector<Sample> samples;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(interval));
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "niveau_bench: the program ended during the soak\n");
            return 1;
        }
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60;
        samples.push_back({elapsed, residentMiB(pid), openFiles(pid)});
        std::printf("%8.1f %10.1f %6.0f\n", elapsed, samples.back().rssMiB, samples.back().files);
        std::fflush(stdout);
        if (elapsed >= minutes) break;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::printf("growth per hour after the first minute: RSS %+.2f MiB, open files %+.1f\n",
                growthPerHour(samples, &Sample::rssMiB) + 0.0,
                growthPerHour(samples, &Sample::files) + 0.0); // no "-0.0"
    return 0;
}
