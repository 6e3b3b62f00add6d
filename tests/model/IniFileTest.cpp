#include "config/ini/IniFile.h"
#include "config/ini/FileAccess.h"

#include "TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string windowsFile = "\xEF\xBB\xBF"
                                "; written by hand\r\n"
                                "[OPTIONEN]\r\n"
                                "Language = deutsch \r\n"
                                "\tVersion=\t4.1\r\n"
                                "\r\n"
                                "[Fenster]\r\n"
                                "Left=20\r\n"
                                "[BackgroundColor]\r\n"
                                "Red = 0.100\r\n"
                                "; keep this comment\r\n";

int filesIn(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(IniFile, ReadsWindowsFilesWithoutRegardToCaseOrBlanks) {
    const IniFile file(windowsFile);
    EXPECT_EQ(file.value("optionen", "language", "Error"), "deutsch");
    EXPECT_EQ(file.value("Optionen", "VERSION", ""), "4.1");
    EXPECT_EQ(file.value("backgroundcolor", "red", ""), "0.100");
    // Missing key, key of another section, missing section.
    EXPECT_EQ(file.value("backgroundcolor", "green", "0.745"), "0.745");
    EXPECT_EQ(file.value("optionen", "left", "none"), "none");
    EXPECT_EQ(file.value("nothing", "red", "none"), "none");
    // Only ASCII letters fold: "ü" and "Ü" are different names.
    EXPECT_EQ(IniFile("[s]\nfl\xC3\xBC"
                      "gel=1\n")
                  .value("s", "FL\xC3\x9CGEL", "no"),
              "no");
}

TEST(IniFile, ReadingSkipsOddLinesAndTakesTheFirstOfDuplicates) {
    const IniFile file("key=before any section\n"
                       "[a]\n"
                       "no equals sign here\n"
                       "=no key\n"
                       "[broken header\n"
                       "x = \"quoted value\" \n"
                       "y='single'\n"
                       "z=\"unbalanced\n"
                       "x=second\n"
                       "[A]\n"
                       "x=third\n"
                       "w=only in the second [a]\n");
    EXPECT_EQ(file.value("", "key", "-"), "-");
    EXPECT_EQ(file.value("a", "x", "-"), "quoted value");
    EXPECT_EQ(file.value("a", "y", "-"), "single");
    EXPECT_EQ(file.value("a", "z", "-"), "\"unbalanced");
    EXPECT_EQ(file.value("a", "w", "-"), "only in the second [a]");
    EXPECT_EQ(file.value("broken header", "x", "-"), "-");
}

TEST(IniFile, ChangingAValueKeepsEveryOtherLineAndTheLineEnds) {
    IniFile file(windowsFile);
    ASSERT_TRUE(file.setValue("backgroundcolor", "red", "0.643"));
    ASSERT_TRUE(file.setValue("BACKGROUNDCOLOR", "green", "0.745"));
    ASSERT_TRUE(file.setValue("new", "key", "v"));
    EXPECT_EQ(file.text(), "\xEF\xBB\xBF"
                           "; written by hand\r\n"
                           "[OPTIONEN]\r\n"
                           "Language = deutsch \r\n"
                           "\tVersion=\t4.1\r\n"
                           "\r\n"
                           "[Fenster]\r\n"
                           "Left=20\r\n"
                           "[BackgroundColor]\r\n"
                           "Red=0.643\r\n"
                           "green=0.745\r\n"
                           "; keep this comment\r\n"
                           "\r\n"
                           "[new]\r\n"
                           "key=v\r\n");
}

TEST(IniFile, WritingFindsTheLineReadingFinds) {
    IniFile file("[a]\nx=1\n[b]\ny=2\n[a]\nw=3\n");
    ASSERT_TRUE(file.setValue("a", "w", "30")); // in the second [a]: updated where it stands
    ASSERT_TRUE(file.setValue("a", "v", "4"));  // new: into the first [a], after its last key
    EXPECT_EQ(file.text(), "[a]\nx=1\nv=4\n[b]\ny=2\n[a]\nw=30\n");
    EXPECT_EQ(file.value("a", "w", ""), "30");
}

TEST(IniFile, AddsKeysAndSectionsToFilesWithoutFinalLineEnd) {
    IniFile endsInKey("[a]\nx=1");
    ASSERT_TRUE(endsInKey.setValue("a", "y", "2"));
    EXPECT_EQ(endsInKey.text(), "[a]\nx=1\ny=2");
    IniFile endsInComment("; only a comment");
    ASSERT_TRUE(endsInComment.setValue("s", "k", "v"));
    EXPECT_EQ(endsInComment.text(), "; only a comment\n\n[s]\nk=v\n");
    IniFile empty;
    ASSERT_TRUE(empty.setValue("s", "k", "v"));
    EXPECT_EQ(empty.text(), "[s]\nk=v\n");
    IniFile endsInCarriageReturn("[a]\r\nx=1\r");
    ASSERT_TRUE(endsInCarriageReturn.setValue("a", "y", "2"));
    EXPECT_EQ(endsInCarriageReturn.value("a", "x", ""), "1");
    EXPECT_EQ(endsInCarriageReturn.value("a", "y", ""), "2");
}

TEST(IniFile, RefusesNamesAndValuesThatWouldBreakTheFile) {
    IniFile file("[a]\nx=1\n");
    EXPECT_FALSE(file.setValue("a", "x", "1\n[evil]"));
    EXPECT_FALSE(file.setValue("a", "x=y", "1"));
    EXPECT_FALSE(file.setValue("a]", "x", "1"));
    EXPECT_FALSE(file.setValue("", "x", "1"));
    EXPECT_FALSE(file.setValue("a", " x", "1"));
    EXPECT_FALSE(file.setValue("a", ";x", "1"));
    EXPECT_EQ(file.text(), "[a]\nx=1\n");
}

TEST(IniFileOnDisk, SavesByReplacingTheWholeFileAndKeepsItsPermissions) {
    TempFolder folder;
    const std::string path = folder / "kelo.ini";
    writeFile(path, windowsFile);
    ::chmod(path.c_str(), 0640);
    IniFile file = IniFile::load(path);
    ASSERT_TRUE(file.setValue("optionen", "language", "englisch"));
    ASSERT_TRUE(file.save(path));
    EXPECT_EQ(readIniValue(path, "optionen", "language", ""), "englisch");
    EXPECT_EQ(readIniValue(path, "fenster", "left", ""), "20");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(filesIn(folder.path()), 1) << "no temporary file may be left behind";
}

TEST(IniFileOnDisk, WritesThroughASymbolicLink) {
    TempFolder folder;
    writeFile(folder / "real.ini", "[a]\nx=1\n");
    std::filesystem::create_symlink(folder / "real.ini", folder / "kelo.ini");
    IniFile file = IniFile::load(folder / "kelo.ini");
    ASSERT_TRUE(file.setValue("a", "x", "2"));
    ASSERT_TRUE(file.save(folder / "kelo.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "kelo.ini"));
    EXPECT_EQ(readFile(folder / "real.ini"), "[a]\nx=2\n");
}

TEST(IniFileOnDisk, HostileFilesNeverCrashAndNeverLoseContent) {
    TempFolder folder;
    const std::string path = folder / "kelo.ini";

    // Binary junk with NUL bytes survives a rewrite byte for byte.
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    writeFile(path, junk);
    IniFile binary = IniFile::load(path);
    EXPECT_EQ(binary.value("backgroundcolor", "red", "d"), "d");
    ASSERT_TRUE(binary.setValue("backgroundcolor", "red", "0.643"));
    ASSERT_TRUE(binary.save(path));
    const std::string rewritten = readFile(path);
    EXPECT_EQ(rewritten.substr(0, junk.size()), junk);
    EXPECT_EQ(readIniValue(path, "backgroundcolor", "red", ""), "0.643");

    // A 20 MB file: its first lines are read, and it is never rewritten (or cut short).
    std::string huge = "[backgroundcolor]\nred=0.25\n";
    huge += std::string(20 * 1024 * 1024, 'x');
    huge += "\n[optionen]\nlanguage=deutsch\n";
    writeFile(path, huge);
    IniFile large = IniFile::load(path);
    EXPECT_EQ(large.value("backgroundcolor", "red", ""), "0.25");
    EXPECT_EQ(large.value("optionen", "language", "Error"), "Error");
    EXPECT_FALSE(large.savable());
    large.setValue("backgroundcolor", "red", "0.5");
    EXPECT_FALSE(large.save(path));
    EXPECT_EQ(std::filesystem::file_size(path), huge.size());

    // A UTF-16 file cannot be edited line by line: it is left alone.
    writeFile(path, std::string("\xFF\xFE[\0a\0]\0", 8));
    EXPECT_FALSE(IniFile::load(path).savable());
}

TEST(IniFileOnDisk, SizeLimitIsExactAndFilesWithoutReportedSizeAreReadWhole) {
    TempFolder folder;
    const std::string path = folder / "kelo.ini";
    const std::string atLimit = "[a]\nx=1\n" + std::string(IniFile::maxFileBytes - 8, ';');
    writeFile(path, atLimit);
    EXPECT_TRUE(IniFile::load(path).savable());
    EXPECT_EQ(IniFile::load(path).text().size(), IniFile::maxFileBytes);
    writeFile(path, atLimit + ";");
    EXPECT_FALSE(IniFile::load(path).savable());
    EXPECT_EQ(IniFile::load(path).text(), "[a]\nx=1\n");

    const FileRead status = readFileLimited("/proc/self/status", IniFile::maxFileBytes);
    EXPECT_EQ(status.outcome, ReadOutcome::Complete);
    EXPECT_NE(status.text.find("\nPid:"), std::string::npos);
}

TEST(IniFileOnDisk, AFolderNamedLikeTheFileGivesDefaultsAndStaysUntouched) {
    TempFolder folder;
    const std::string path = folder / "kelo.ini";
    std::filesystem::create_directory(path);
    writeFile(path + "/inside", "keep");
    IniFile file = IniFile::load(path);
    EXPECT_EQ(file.value("optionen", "language", "Error"), "Error");
    ASSERT_TRUE(file.setValue("backgroundcolor", "red", "0.643"));
    EXPECT_FALSE(file.save(path));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(readFile(path + "/inside"), "keep");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

TEST(IniFileOnDisk, WriteFailuresAreSilentAndLeaveTheOldFile) {
    TempFolder folder;
    IniFile file("[a]\nx=1\n");
    EXPECT_FALSE(file.save(folder / "missing/kelo.ini"));
    EXPECT_FALSE(file.save(""));

    // Read-only by its permission bits, also for the superuser, whom access() never refuses.
    const std::string path = folder / "kelo.ini";
    writeFile(path, "[a]\nx=old\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(file.save(path)) << "a read-only file is not replaced";
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_FALSE(file.save(path)) << "no temporary file in a read-only folder";
    EXPECT_EQ(readFile(path), "[a]\nx=old\n");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

TEST(IniFileOnDisk, UnreadableFileIsNeverOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads files without read permission";
    TempFolder folder;
    const std::string path = folder / "kelo.ini";
    writeFile(path, "[a]\nx=old\n");
    ::chmod(path.c_str(), 0);
    EXPECT_FALSE(IniFile::load(path).savable()) << "an unreadable file must not be overwritten";
}

TEST(IniFileOnDisk, SavingRemovesOnlyTheTemporaryFilesThatAKilledSaveLeftBehind) {
    TempFolder folder;
    const std::string path = folder / "kelo.ini";
    writeFile(path, "[a]\nx=old\n");
    for (const char* stale : {".kelo.ini.Ab12Cd", ".kelo.ini.zzzzzz", ".kelo.ini.000000"})
        writeFile(folder / stale, "[a]\nx=ha");
    // Names the pattern cannot make, other files' temporaries, and what is no plain file of ours.
    const std::set<std::string> kept = {".kelo.ini.Ab12C",
                                        ".kelo.ini.Ab12Cde",
                                        "kelo.ini.Ab12Cd",
                                        "..kelo.ini.Ab12Cd",
                                        ".kelo.ini.Ab-2Cd",
                                        ".kelo.ini.Ab12C.",
                                        ".other.ini.Ab12Cd",
                                        ".kelo.ini.Folder",
                                        ".kelo.ini.Link12",
                                        ".kelo.ini.Busy12",
                                        "target"};
    for (const std::string& name : kept) writeFile(folder / name, "keep");
    std::filesystem::remove(folder / ".kelo.ini.Folder");
    std::filesystem::create_directory(folder / ".kelo.ini.Folder");
    std::filesystem::remove(folder / ".kelo.ini.Link12");
    std::filesystem::create_symlink(folder / "target", folder / ".kelo.ini.Link12");
    // A save that is still writing holds its temporary file locked.
    const int busy = ::open((folder / ".kelo.ini.Busy12").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    std::set<std::string> expected = kept;
    if (::geteuid() == 0) {
        writeFile(folder / ".kelo.ini.Nobody", "keep");
        ASSERT_EQ(::chown((folder / ".kelo.ini.Nobody").c_str(), 65534, 65534), 0);
        expected.insert(".kelo.ini.Nobody"); // another user's
    }

    ASSERT_TRUE(IniFile("[a]\nx=new\n").save(path));
    ::close(busy);
    expected.insert("kelo.ini");
    EXPECT_EQ(namesIn(folder.path()), expected);
    EXPECT_EQ(readFile(path), "[a]\nx=new\n");
    EXPECT_EQ(readFile(folder / "target"), "keep");

    // A failed save removes nothing.
    writeFile(folder / ".kelo.ini.Ab12Cd", "[a]\nx=ha");
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(IniFile("[a]\nx=newer\n").save(path));
    EXPECT_TRUE(std::filesystem::exists(folder / ".kelo.ini.Ab12Cd"));
}
