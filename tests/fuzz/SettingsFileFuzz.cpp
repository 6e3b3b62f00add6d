// Feeds arbitrary documents to the settings file handling through real files: the document is
// written as kelo.ini into a folder of this process, read with IniFile::load and ReadSettings,
// saved with WriteSettings and replaced with replaceFileAtomically. Beyond "no crash, no sanitizer
// report" it checks what the user relies on: after a save the file holds every line the document
// had except the lines the save owns, a document that could not be loaded completely is not saved
// and stays as it was, the values saved are read back, and no temporary file stays behind.
//
// As for ini_fuzz the input is the document itself, so that the seeds are plain settings files;
// its last bytes choose how kelo.ini is laid out (a file, a link to one, a file above the size
// limit, no file, a folder) and what the save writes.
#include "config/ini/FileAccess.h"
#include "config/ini/IniFile.h"
#include "config/ini/Settings.h"
#include "config/ini/SettingsFolders.h"
#include "scene/SceneState.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

enum class Layout { File, Link, Oversized, Missing, Folder };

// Mostly a plain file. A file above the size limit costs megabytes of reading and writing, so it
// comes one time in 64 only (and not for 0, the choice of inputs too short to have one).
Layout layoutFor(std::uint8_t choice) {
    if (choice % 64 == 63) return Layout::Oversized;
    switch (choice % 8) {
    case 5:
        return Layout::Link;
    case 6:
        return Layout::Missing;
    case 7:
        return Layout::Folder;
    default:
        return Layout::File;
    }
}

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
constexpr const char* linkTarget = "target.ini";

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    FUZZ_CHECK(dir != nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// One folder for the whole process, emptied after every input, so that an input costs a few
// system calls only. It lies in $TMPDIR (else /tmp) and is removed when the process ends normally.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/settings_fuzz.XXXXXX";
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        path_ = pattern + "/";
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        empty();
        ::rmdir(path_.c_str());
    }

    const std::string& path() const { return path_; }

    void empty() const {
        for (const std::string& name : entriesOf(path_)) {
            const std::string entry = path_ + name;
            if (::unlink(entry.c_str()) != 0) FUZZ_CHECK(::rmdir(entry.c_str()) == 0);
        }
    }

  private:
    std::string path_;
};

void writeFile(const std::string& path, std::string_view content, mode_t permissions) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::fchmod(fd, permissions) == 0);
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        FUZZ_CHECK(written > 0);
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    ::close(fd);
}

std::optional<std::string> readFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, got);
    ::close(fd);
    if (got < 0) return std::nullopt;
    return text;
}

// Whether the file holds exactly `content`; compared piece by piece, as it may be a megabyte.
bool holds(const std::string& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[65536];
    ssize_t got = 0;
    bool same = true;
    while (same && (got = ::read(fd, buffer, sizeof buffer)) > 0) {
        const auto piece = static_cast<std::size_t>(got);
        same = content.substr(0, piece) == std::string_view(buffer, piece);
        content.remove_prefix(std::min(piece, content.size()));
    }
    ::close(fd);
    return same && got == 0 && content.empty();
}

// The document followed by comment lines that take it above the size limit: a long one that ends
// shortly before the limit and a short one across it, so that the readers' passes stay cheap. The
// buffer is kept for the next input, which spares the allocation of a megabyte of fresh pages.
const std::string& oversized(const std::string& document) {
    constexpr std::size_t crossing = 4096;
    static std::string text;
    text.assign(document).append("\n");
    if (text.size() + crossing < IniFile::maxFileBytes) {
        text.append(";").append(IniFile::maxFileBytes - text.size() - crossing / 2, '-');
        text.append("\n");
    }
    text.append(";").append(crossing, '-').append("\n");
    return text;
}

bool isUtf16(std::string_view text) {
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

// The lines of a document as a reader sees them: split at '\n', without the byte order mark and
// without the '\r's before a line end.
std::vector<std::string_view> linesOf(std::string_view text) {
    if (text.starts_with(utf8Bom)) text.remove_prefix(utf8Bom.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lineBreak = text.find('\n');
        std::string_view line = text.substr(0, lineBreak);
        text.remove_prefix(lineBreak == std::string_view::npos ? text.size() : lineBreak + 1);
        while (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::optional<std::string_view> sectionOf(std::string_view content) {
    if (!content.starts_with('[')) return std::nullopt;
    const std::size_t close = content.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(content.substr(1, close - 1));
}

std::optional<std::string_view> keyOf(std::string_view content) {
    if (content.empty() || content.front() == ';' || content.front() == '[') return std::nullopt;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = trimmed(content.substr(0, equals));
    if (key.empty()) return std::nullopt;
    return key;
}

struct SavedKey {
    std::string_view section;
    std::string_view key;
};

// The lines a save owns: for each key it writes, the line a reader takes its value from, the
// first line of that key in any section of that name.
std::vector<bool> ownedLines(const std::vector<std::string_view>& lines,
                             const std::vector<SavedKey>& saved) {
    std::vector<bool> owned(lines.size());
    std::vector<bool> found(saved.size());
    std::string_view section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view content = trimmed(lines[i]);
        if (const auto name = sectionOf(content)) {
            section = *name;
            continue;
        }
        const auto key = keyOf(content);
        if (!key) continue;
        for (std::size_t k = 0; k < saved.size(); ++k) {
            if (!found[k] && sameName(section, saved[k].section) && sameName(*key, saved[k].key)) {
                found[k] = owned[i] = true;
            }
        }
    }
    return owned;
}

// A line a save may add: a blank line, the header of a section it writes, a line of a key it
// writes.
bool isSavedLine(std::string_view line, const std::vector<SavedKey>& saved) {
    const std::string_view content = trimmed(line);
    if (content.empty()) return true;
    for (const SavedKey& entry : saved) {
        if (content == "[" + std::string(entry.section) + "]") return true;
        if (const auto key = keyOf(content); key && sameName(*key, entry.key)) return true;
    }
    return false;
}

// The lines of `before` other than the owned ones appear in `after` in the same order, and every
// line in between is one the save may add.
bool keepsItsLines(std::string_view before, std::string_view after,
                   const std::vector<SavedKey>& saved) {
    const auto old = linesOf(before);
    const auto now = linesOf(after);
    const auto owned = ownedLines(old, saved);
    std::size_t j = 0;
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (owned[i]) continue;
        while (j < now.size() && now[j] != old[i]) {
            if (!isSavedLine(now[j], saved)) return false;
            ++j;
        }
        if (j == now.size()) return false;
        ++j;
    }
    for (; j < now.size(); ++j) {
        if (!isSavedLine(now[j], saved)) return false;
    }
    return true;
}

// Anything in the folder besides the settings file (and the file a link points to) was left
// behind, such as a temporary file of an interrupted replace.
bool nothingLeftBehind(const std::string& folder, Layout layout) {
    bool clean = true;
    for (const std::string& name : entriesOf(folder)) {
        if (name == settingsFileName || (layout == Layout::Link && name == linkTarget)) continue;
        std::fprintf(stderr, "left behind: %s\n", name.c_str());
        clean = false;
    }
    return clean;
}

bool isLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

mode_t permissionsOf(const std::string& path) {
    struct stat info {};
    FUZZ_CHECK(::stat(path.c_str(), &info) == 0);
    return info.st_mode & 07777;
}

// A colour saved within 0..1 is read back within the three decimals written; any other stays
// finite.
void checkColourReadBack(float saved, float read) {
    FUZZ_CHECK(std::isfinite(read));
    if (saved >= 0 && saved <= 1) FUZZ_CHECK(std::fabs(read - saved) <= 0.0005f + FLT_EPSILON);
}

// The colour a save writes: the one read, or one of the input's.
std::optional<float> consumeColour(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return std::nullopt;
    case 1:
        return input.ConsumeProbability<float>();
    default:
        return input.ConsumeFloatingPoint<float>();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const std::string& dir = folder.path();
    const std::string path = dir + settingsFileName;
    const std::string programFolder = dir + "program/"; // seven letters: the rule gives `dir`

    FuzzedDataProvider input(data, size);
    const Layout layout = layoutFor(input.ConsumeIntegral<std::uint8_t>());
    const mode_t permissions = input.PickValueInArray<mode_t>({0600, 0640, 0644, 0664});
    const bool chooseSmoothing = input.ConsumeBool();
    const bool smoothOn = input.ConsumeBool();
    const bool personal = input.ConsumeBool();
    const std::array<std::optional<float>, 3> colours = {consumeColour(input), consumeColour(input),
                                                         consumeColour(input)};
    const std::string document = input.ConsumeRemainingBytesAsString();

    std::string_view onDisk = document; // what kelo.ini (or the file it links to) holds
    switch (layout) {
    case Layout::File:
        writeFile(path, document, permissions);
        break;
    case Layout::Link:
        writeFile(dir + linkTarget, document, permissions);
        FUZZ_CHECK(::symlink(linkTarget, path.c_str()) == 0);
        break;
    case Layout::Oversized:
        onDisk = oversized(document);
        writeFile(path, onDisk, permissions);
        break;
    case Layout::Missing:
        onDisk = {};
        break;
    case Layout::Folder:
        onDisk = {};
        FUZZ_CHECK(::mkdir(path.c_str(), 0700) == 0);
        break;
    }

    // Loading: the whole file, or nothing that could be saved back.
    const IniFile loaded = IniFile::load(path);
    if (layout == Layout::Oversized) {
        FUZZ_CHECK(!loaded.savable());
        FUZZ_CHECK(loaded.text().size() <= IniFile::maxFileBytes);
        FUZZ_CHECK(onDisk.starts_with(loaded.text()));
        FUZZ_CHECK(loaded.text().empty() || loaded.text().back() == '\n');
    } else if (isUtf16(onDisk) || layout == Layout::Folder) {
        FUZZ_CHECK(!loaded.savable() && loaded.text().empty());
    } else {
        FUZZ_CHECK(loaded.savable() && loaded.text() == onDisk);
    }

    SceneState state;
    const SettingsFile found = ReadSettings(state, programFolder, dir + "personal/");
    FUZZ_CHECK(found.place().folder == dir && !found.place().personal);
    FUZZ_CHECK(std::isfinite(state.backgroundRed) && std::isfinite(state.backgroundGreen) &&
               std::isfinite(state.backgroundBlue));

    // The save: colours and smoothing as a user may have changed them.
    if (chooseSmoothing) {
        state.smoothEdgesChosen = true;
        state.smoothEdges = smoothOn;
    }
    state.backgroundRed = colours[0].value_or(state.backgroundRed);
    state.backgroundGreen = colours[1].value_or(state.backgroundGreen);
    state.backgroundBlue = colours[2].value_or(state.backgroundBlue);
    std::vector<SavedKey> saved = {
        {"backgroundcolor", "red"}, {"backgroundcolor", "green"}, {"backgroundcolor", "blue"}};
    if (state.smoothEdgesChosen) saved.push_back({"optionen", "smoothedges"});
    const bool written = WriteSettings(state, SettingsFile({dir, personal, {}}));

    if (!loaded.savable()) {
        FUZZ_CHECK(!written);
        if (layout == Layout::Folder) {
            FUZZ_CHECK(isExistingFolder(path) && entriesOf(path).empty());
        } else {
            FUZZ_CHECK(holds(path, onDisk));
        }
    } else {
        FUZZ_CHECK(written);
        const auto after = readFile(path);
        FUZZ_CHECK(after.has_value());
        FUZZ_CHECK(keepsItsLines(loaded.text(), *after, saved));
        FUZZ_CHECK(loaded.text().starts_with(utf8Bom) == after->starts_with(utf8Bom));
        if (layout == Layout::Link) FUZZ_CHECK(isLink(path));
        if (layout == Layout::File || layout == Layout::Link) {
            FUZZ_CHECK(permissionsOf(path) == permissions);
        }

        SceneState reread;
        ReadSettings(reread, programFolder, dir + "personal/");
        checkColourReadBack(state.backgroundRed, reread.backgroundRed);
        checkColourReadBack(state.backgroundGreen, reread.backgroundGreen);
        checkColourReadBack(state.backgroundBlue, reread.backgroundBlue);
        FUZZ_CHECK(reread.languageCode == state.languageCode);
        FUZZ_CHECK(reread.smoothEdgesChosen == state.smoothEdgesChosen);
        if (state.smoothEdgesChosen) FUZZ_CHECK(reread.smoothEdges == state.smoothEdges);
    }

    // Replacing the file as a whole: the new bytes in its place, or nothing where a folder is.
    const bool replaced = replaceFileAtomically(path, document);
    if (layout == Layout::Folder) {
        FUZZ_CHECK(!replaced && isExistingFolder(path));
    } else {
        FUZZ_CHECK(replaced && holds(path, document));
        if (layout == Layout::Link) FUZZ_CHECK(isLink(path));
    }

    FUZZ_CHECK(nothingLeftBehind(dir, layout));
    folder.empty();
    return 0;
}
