// The live benchmark: the real main window, maximised on the current display, first with both
// demos running and then with both stopped, beside two floors measured in the same run.
//   niveau_bench live [seconds] [rounds] [smooth]    (default 10 s per phase, 3 rounds;
//                                                     "smooth" smooths the edges)
// Each measurement runs in a process of its own, so that CPU time and peak memory are its own;
// the rounds take turns, and the medians over them are printed.
#pragma once

int runLiveBenchmark(const char* self, int seconds, int rounds, bool smooth);

// The child processes: "program", "replay" (the start frame, frozen, through the same view and
// pacing) and "clear" (a bare window that only clears and swaps, unpaced).
int runLiveChild(int argc, char** argv);
