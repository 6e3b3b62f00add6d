// The two questions the program answers in the terminal, before and without any window.
#pragma once

#include <cstdio>
#include <optional>

// "--help" or "--version" anywhere among the arguments: the answer is written to `out` and the
// exit status returned (0). Nothing for any other arguments, which the program ignores.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out = stdout);
