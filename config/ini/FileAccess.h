// Whole-file reading with a size limit and crash-safe replacement of a file. Plain POSIX, no Qt.
#pragma once

#include <cstddef>
#include <string>

enum class ReadOutcome {
    Complete,  // the whole regular file is in `text`
    Truncated, // the file is larger than the limit: `text` holds its first complete lines only
    Missing,   // no file under that name: `text` is empty
    Unusable,  // a directory, device, unreadable file...: `text` is empty
};

struct FileRead {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string text;
};

// Reads at most `limit` bytes. Never blocks on FIFOs, never throws.
FileRead readFileLimited(const std::string& path, std::size_t limit);

// Replaces the file at `path` (or creates it) with `content`. The bytes go to a temporary file
// ".<name>.XXXXXX" in the same folder, which is synced and then renamed over the target, so that a
// crash or a full disk leaves either the old or the new file, never a partial one. Temporary files
// of this user that an earlier, killed replacement of the same file left there are removed first.
// A symbolic link is followed and its target replaced. The replaced file keeps its permission bits
// (and its owner where allowed). Returns false on any failure (read-only file or folder, missing
// folder, target not a regular file, disk full); the old file is then untouched. Never throws.
bool replaceFileAtomically(const std::string& path, const std::string& content);

// Whether this process may change the file, or create files in the folder, at `path`. Beside
// access(), which also knows read-only mounts, a file or folder without a write permission bit
// for anyone counts as read-only: the superuser passes access() whatever the bits say, and a
// file or folder made read-only stays as it is for every user.
bool isWritablePath(const std::string& path);

// Creates `folder` and its missing parents, each readable by the user only (as the XDG base
// directory rules ask for). True when the folder exists afterwards. Never throws.
bool createFolders(const std::string& folder);
