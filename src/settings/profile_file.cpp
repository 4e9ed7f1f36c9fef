#include "settings/profile_file.h"

#include "core/ascii.h"
#include "core/texts.h"
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <vector>

namespace kst {
namespace {

// What the service trims around names and values. Line breaks are not among
// them: they never reach a line's text.
constexpr std::string_view Blanks = " \t\f\v";

std::string_view trimmed(std::string_view text)
{
    std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// One line of the file, as views into its content.
struct Line {
    std::size_t offset = 0;  // where the line starts in the content
    std::string_view text;   // without its line break
    std::string_view end;    // "\r\n", "\n", "\r", or "" for a last line without one
};

// CR LF, LF and CR alone all end a line, as files written on any system have them.
std::vector<Line> splitLines(std::string_view content)
{
    std::vector<Line> lines;
    std::size_t offset = 0;
    while (offset < content.size()) {
        std::size_t textEnd = content.find_first_of("\r\n", offset);
        if (textEnd == std::string_view::npos) {
            lines.push_back({offset, content.substr(offset), {}});
            break;
        }
        std::size_t next = content.compare(textEnd, 2, "\r\n") == 0 ? textEnd + 2 : textEnd + 1;
        lines.push_back({offset, content.substr(offset, textEnd - offset), content.substr(textEnd, next - textEnd)});
        offset = next;
    }
    return lines;
}

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;      // the section's or the entry's name, trimmed
    std::size_t valueStart = 0;  // for an entry: where its value starts in the line's text
};

ParsedLine parse(std::string_view text)
{
    std::string_view body = trimmed(text);
    if (body.empty())
        return {LineKind::Blank, {}, 0};
    if (body.front() == ';')
        return {LineKind::Comment, {}, 0};
    if (body.front() == '[') {
        // Whatever follows the closing bracket is ignored; a bracket that never
        // closes makes the line neither a section nor an entry.
        std::size_t close = body.find(']');
        if (close == std::string_view::npos)
            return {LineKind::Other, {}, 0};
        return {LineKind::Section, trimmed(body.substr(1, close - 1))};
    }
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {LineKind::Other, {}, 0};
    std::size_t valueStart = text.find_first_not_of(Blanks, equals + 1);
    return {LineKind::Entry, trimmed(text.substr(0, equals)),
            valueStart == std::string_view::npos ? text.size() : valueStart};
}

// Where a key is, or would go, in the file.
struct Place {
    std::optional<std::size_t> section;  // the header line of the first section of that name
    std::optional<std::size_t> entry;    // the first entry of that key in it
    std::size_t lastContent = 0;         // the section's last line that is neither blank nor a comment
};

Place find(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ParsedLine line = parse(lines[i].text);
        if (line.kind == LineKind::Section) {
            if (place.section)
                break;
            if (equalIgnoringAsciiCase(line.name, section))
                place.section = place.lastContent = i;
            continue;
        }
        if (!place.section || line.kind == LineKind::Blank || line.kind == LineKind::Comment)
            continue;
        // New entries go after the last line that belongs to the section; the
        // blank lines and comments before the next header are left where they
        // are, since they usually introduce that next section.
        place.lastContent = i;
        if (line.kind == LineKind::Entry && !place.entry && equalIgnoringAsciiCase(line.name, key))
            place.entry = i;
    }
    return place;
}

// The whole file, or nothing when there is none. Throws FileError when the
// file is there but cannot be read or is not one a settings file can be.
std::string load(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT)
        return {};
    std::vector<std::uint8_t> bytes = readWholeFile(path, ProfileFile::MaxFileSize);
    return std::string(bytes.begin(), bytes.end());
}

// A name that would read back as something else once written (a key that
// looks like a comment or a section, a section that closes early) is a mistake
// in the caller, not a state of the file.
std::string_view checkedName(std::string_view name, bool isSection)
{
    std::string_view forbidden = isSection ? "]\r\n" : "=\r\n";
    std::string_view result = trimmed(name);
    if (result.empty() || result.find_first_of(forbidden) != std::string_view::npos ||
        (!isSection && (result.front() == ';' || result.front() == '[')))
        throw std::invalid_argument("profile file: invalid " + std::string(isSection ? "section" : "key") + " name \"" +
                                    std::string(name) + "\"");
    return result;
}

}  // namespace

void ProfileFile::check() const
{
    load(path_);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    std::string content;
    try {
        content = load(path_);
    } catch (const FileError&) {
        return std::string(fallback);
    }
    std::vector<Line> lines = splitLines(content);
    Place place = find(lines, trimmed(section), trimmed(key));
    if (!place.entry)
        return std::string(fallback);

    std::string_view text = lines[*place.entry].text;
    std::string_view value = trimmed(text.substr(parse(text).valueStart));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxValueLength) {
        // Cut before the character that straddles the limit rather than through it.
        std::size_t cut = MaxValueLength;
        while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
            --cut;
        value = value.substr(0, cut);
    }
    return std::string(value);
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    section = checkedName(section, true);
    key = checkedName(key, false);
    if (value.find_first_of("\r\n") != std::string_view::npos)
        throw FileError(path_, tr(texts::SettingHoldsLineBreak));

    // Root may write anywhere, so the permission bits are asked directly: a file
    // or folder that nobody may write to is refused for everyone alike.
    std::filesystem::path folder = path_.parent_path().empty() ? std::filesystem::path(".") : path_.parent_path();
    if (isReadOnly(path_) || isReadOnly(folder))
        throw FileError(path_, std::strerror(EACCES));

    std::string content = load(path_);
    std::vector<Line> lines = splitLines(content);
    // New lines follow the file's own habit; a file without any line break yet gets this system's.
    std::string_view lineBreak = "\n";
    for (const Line& line : lines)
        if (!line.end.empty()) {
            lineBreak = line.end;
            break;
        }
    std::string entry = std::string(key) + "=" + std::string(value);

    std::string result;
    Place place = find(lines, section, key);
    if (place.entry) {
        const Line& line = lines[*place.entry];
        std::size_t valueStart = line.offset + parse(line.text).valueStart;
        result = content.substr(0, valueStart);
        result += value;
        result += content.substr(line.offset + line.text.size());
    } else if (place.section) {
        const Line& line = lines[place.lastContent];
        std::size_t after = line.offset + line.text.size() + line.end.size();
        result = content.substr(0, after);
        if (line.end.empty()) {
            // The section ends the file, which has no final line break: the new
            // entry becomes the last line, without one too.
            result += lineBreak;
            result += entry;
        } else {
            result += entry;
            result += lineBreak;
            result += content.substr(after);
        }
    } else {
        result = content;
        bool endsWithBreak = lines.empty() || !lines.back().end.empty();
        if (!lines.empty()) {
            if (!endsWithBreak)
                result += lineBreak;
            if (parse(lines.back().text).kind != LineKind::Blank)
                result += lineBreak;  // a blank line before the new section
        }
        result += "[" + std::string(section) + "]";
        result += lineBreak;
        result += entry;
        if (endsWithBreak)
            result += lineBreak;
    }
    // A file the next start would refuse to read is never written.
    if (result.size() > MaxFileSize)
        throw fileTooLargeError(path_, MaxFileSize);
    writeFileAtomically(path_, result);
}

}  // namespace kst
