// The soak benchmark: the real main window maximised with both demos running for a long time,
// as at a trade fair, with its memory and open files sampled at a fixed interval.
//   niveau_bench soak [minutes] [seconds between samples]    (default 30 minutes, 30 s)
// Prints the series and the growth per hour of both, fitted over the samples after the first
// minute (the start-up's own allocations are not growth).
#pragma once

int runSoakBenchmark(const char* self, int minutes, int interval);
