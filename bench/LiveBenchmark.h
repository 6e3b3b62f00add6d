// The live benchmark: the real main window, first with both demos running and then with both
// stopped, beside two floors measured in the same run, for every combination of window size and
// smoothing given.
//   niveau_bench live [seconds] [rounds] [--size WxH]... [--smoothing WAY]...
//     (default 10 s per phase, 3 rounds, the window maximised, the program's own smoothing;
//      WAY is off, msaa2, msaa4 or filter)
// It prints the line "smoothing: <way>" for what the program uses by itself at the first size,
// then a row per combination. Each measurement runs in a process of its own, so that CPU time
// and peak memory are its own; the rounds take turns, and the medians over them are printed.
#pragma once

// `argc` and `argv` are the words after "live".
int runLiveBenchmark(const char* self, int argc, char** argv);

// The child processes: "program", "replay" (the start frame, frozen, through the same view and
// pacing) and "clear" (a bare window that only clears and swaps, unpaced), each given the
// seconds, the size ("max" or WxH) and the smoothing ("default" or a way).
int runLiveChild(int argc, char** argv);
