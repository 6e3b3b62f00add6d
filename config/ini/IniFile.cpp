#include "config/ini/IniFile.h"

#include "config/ini/FileAccess.h"

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// A stray '\r' counts as a blank, so that odd line ends never leak into names or values.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

std::string_view unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

enum class LineKind { Other, Section, Key };

struct Line {
    std::size_t begin = 0; // first byte of the line
    std::size_t end = 0;   // one past its last byte, before "\r\n" or "\n"
    std::size_t next = 0;  // first byte of the following line
    bool hasBreak = false; // false for a last line without a line end
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // value of a key line, trimmed and unquoted
};

// Walks the lines of a document one at a time, so that a hostile file of millions of short lines
// costs no memory beyond the text itself.
class LineScanner {
  public:
    explicit LineScanner(std::string_view text)
        : text_(text), pos_(text.substr(0, utf8Bom.size()) == utf8Bom ? utf8Bom.size() : 0) {}

    bool next(Line& line) {
        if (pos_ >= text_.size()) return false;
        line = Line{};
        line.begin = pos_;
        const std::size_t lineBreak = text_.find('\n', pos_);
        line.hasBreak = lineBreak != std::string_view::npos;
        line.next = line.hasBreak ? lineBreak + 1 : text_.size();
        line.end = line.hasBreak ? lineBreak : text_.size();
        // "\r\n" ends a line, and so does a '\r' left at the very end of the text.
        if (line.end > line.begin && text_[line.end - 1] == '\r') --line.end;
        pos_ = line.next;
        classify(line);
        return true;
    }

  private:
    void classify(Line& line) const {
        const std::string_view content = trimmed(text_.substr(line.begin, line.end - line.begin));
        if (content.empty() || content.front() == ';') return;
        if (content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close == std::string_view::npos) return;
            line.kind = LineKind::Section;
            line.name = trimmed(content.substr(1, close - 1));
            return;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) return;
        const std::string_view key = trimmed(content.substr(0, equals));
        if (key.empty()) return;
        line.kind = LineKind::Key;
        line.name = key;
        line.value = unquoted(trimmed(content.substr(equals + 1)));
    }

    std::string_view text_;
    std::size_t pos_;
};

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

bool usableName(std::string_view name) {
    return !name.empty() && trimmed(name) == name && !hasLineBreak(name);
}

bool usableSection(std::string_view s) {
    return usableName(s) && s.find(']') == s.npos;
}

bool usableKey(std::string_view k) {
    return usableName(k) && k.find('=') == k.npos && k.front() != '[' && k.front() != ';';
}

// "\r\n" when the document's first line ends so, else "\n" (also for an empty document).
std::string_view lineEndOf(std::string_view text) {
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak != std::string_view::npos && lineBreak > 0 && text[lineBreak - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

bool isUtf16(std::string_view text) {
    return text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF";
}

} // namespace

IniFile::IniFile(std::string text) : text_(std::move(text)) {}

IniFile IniFile::load(const std::string& path) {
    FileRead read = readFileLimited(path, maxFileBytes);
    IniFile file(std::move(read.text));
    file.savable_ = read.outcome == ReadOutcome::Complete || read.outcome == ReadOutcome::Missing;
    if (isUtf16(file.text_)) {
        // A UTF-16 file cannot be edited byte-wise: it reads as empty and is left as it is.
        file.text_.clear();
        file.savable_ = false;
    }
    return file;
}

std::string IniFile::value(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
    LineScanner scanner(text_);
    Line line;
    bool inSection = false;
    while (scanner.next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == LineKind::Key && sameName(line.name, key)) {
            return std::string(line.value);
        }
    }
    return std::string(fallback);
}

bool IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!usableSection(section) || !usableKey(key) || hasLineBreak(value)) return false;
    const std::string_view eol = lineEndOf(text_);

    LineScanner scanner(text_);
    Line line;
    bool inSection = false;
    bool firstSectionSeen = false;
    bool inFirstSection = false;
    Line insertAfter; // last header or key line of the first matching section
    while (scanner.next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = sameName(line.name, section);
            inFirstSection = inSection && !firstSectionSeen;
            if (inFirstSection) insertAfter = line;
            firstSectionSeen = firstSectionSeen || inSection;
            continue;
        }
        if (!inSection || line.kind != LineKind::Key) continue;
        if (sameName(line.name, key)) {
            std::string replacement(line.name);
            replacement.append("=").append(value);
            text_.replace(line.begin, line.end - line.begin, replacement);
            return true;
        }
        if (inFirstSection) insertAfter = line;
    }

    if (firstSectionSeen) {
        std::string addition(key);
        addition.append("=").append(value);
        if (!insertAfter.hasBreak) {
            text_.insert(insertAfter.next, std::string(eol) + addition);
        } else {
            text_.insert(insertAfter.next, addition + std::string(eol));
        }
        return true;
    }

    std::string addition;
    const bool empty = text_.empty() || text_ == utf8Bom;
    if (!empty) {
        if (text_.back() != '\n') addition += eol;
        const bool endsBlank = text_.ends_with("\n\n") || text_.ends_with("\n\r\n");
        if (!endsBlank) addition += eol;
    }
    addition.append("[").append(section).append("]").append(eol);
    addition.append(key).append("=").append(value).append(eol);
    text_ += addition;
    return true;
}

bool IniFile::save(const std::string& path) const {
    return savable_ && replaceFileAtomically(path, text_);
}

std::string readIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    return IniFile::load(path).value(section, key, fallback);
}
