// A Windows-style INI file ("[section]" headers, "key=value" lines) with the semantics of the
// system's private-profile functions: looking a value up never fails, section and key names match
// without regard to ASCII case, and changing one value keeps every other line of the file as it is.
// Plain C++ without Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class IniFile {
  public:
    // Files above this size are no settings file of ours. Only their first complete lines within
    // the limit are looked at, and they are never rewritten: rewriting needs the whole content,
    // and a write must never cut a file short.
    static constexpr std::size_t maxFileBytes = 1024 * 1024;

    IniFile() = default;
    explicit IniFile(std::string text);

    // Never fails: a missing, unreadable or non-regular file gives an empty document. Only a
    // document loaded completely (or a missing file) may be saved back.
    static IniFile load(const std::string& path);

    // The value of the first "key" line in a section named `section` (the first such line when
    // the section or key appears more than once), trimmed of blanks and tabs and of one pair of
    // enclosing quotes; `fallback` when there is none.
    std::string value(std::string_view section, std::string_view key,
                      std::string_view fallback) const;

    // Sets the value of the line `value` reads, or adds the key at the end of the first such
    // section, or adds the section at the end of the document. New lines take the document's
    // line end ("\r\n" when its first line ends so, else "\n"). Returns false, changing nothing,
    // for names or values that cannot stand in an INI line (line breaks, '=' in a key, ']' in a
    // section name, empty or blank-padded names).
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // Writes the document to `path`, replacing the file as a whole (see replaceFileAtomically).
    // Returns false without touching the file when the document is not savable or writing fails.
    bool save(const std::string& path) const;

    const std::string& text() const { return text_; }
    bool savable() const { return savable_; }

  private:
    std::string text_;
    bool savable_ = true;
};

// One-shot helpers in the manner of the system's profile functions.
std::string readIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback);
