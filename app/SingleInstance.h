// One running copy at a time. The lock is an advisory file lock, so the operating system
// releases it when the holder ends in any way, a crash included.
#pragma once

#include <string>

// Takes the lock of the given name for the rest of the process; false when another process
// holds it.
bool AcquireSingleInstance(const std::string& name);
