#include "CProfileText.h"

#include "AsciiText.h"

#include <cstdint>
#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpaceOrTab(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpaceOrTab(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

enum class LineKind { Other, Section, Key };

// One line of the text: its content is [begin, end), its line end [end, next).
struct ProfileLine {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

ProfileLine ClassifyContent(ProfileLine line, std::string_view content) {
    const std::string_view body = Trim(content);
    if (body.empty() || body.front() == ';')
        return line;
    if (body.front() == '[') {
        const std::string_view inner = body.substr(1);
        line.kind = LineKind::Section;
        line.name = Trim(inner.substr(0, inner.find(']')));
        return line;
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.kind = LineKind::Key;
    line.name = Trim(body.substr(0, equals));
    line.value = Trim(body.substr(equals + 1));
    return line;
}

// The line starting at pos; CR LF, LF and CR all end a line.
ProfileLine LineAt(std::string_view text, std::size_t pos) {
    ProfileLine line;
    line.begin = pos;
    line.end = text.find_first_of(kLineEnd, pos);
    if (line.end == std::string_view::npos) {
        line.end = line.next = text.size();
    } else {
        line.next = line.end + 1;
        if (text[line.end] == '\r' && line.next < text.size() && text[line.next] == '\n')
            ++line.next;
    }
    return ClassifyContent(line, text.substr(line.begin, line.end - line.begin));
}

// Where a key stands in the first section of its name, or where a new one would go.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<ProfileLine> keyLine;
    std::size_t insertAt = 0; // after the section's last key line, or after its header
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t pos = 0; pos < text.size();) {
        const ProfileLine line = LineAt(text, pos);
        pos = line.next;
        if (line.kind == LineKind::Section) {
            if (place.sectionFound)
                break;
            place.sectionFound = EqualNoCase(line.name, section);
            place.insertAt = line.next;
        } else if (line.kind == LineKind::Key && place.sectionFound) {
            if (EqualNoCase(line.name, key)) {
                place.keyLine = line;
                break;
            }
            place.insertAt = line.next;
        }
    }
    return place;
}

bool EndsOpenLine(std::string_view text, std::size_t pos) {
    return pos > 0 && pos == text.size() && text.back() != '\n' && text.back() != '\r';
}

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

} // namespace

CProfileText::CProfileText(std::string text) : m_text(std::move(text)) {}

std::optional<std::string> CProfileText::GetValue(std::string_view section,
                                                  std::string_view key) const {
    const KeyPlace place = FindKey(m_text, section, key);
    if (!place.keyLine)
        return std::nullopt;
    return std::string(Unquote(place.keyLine->value));
}

bool CProfileText::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
    if (Holds(section, "\r\n]") || Holds(key, "\r\n=") || Holds(value, kLineEnd))
        return false;

    const KeyPlace place = FindKey(m_text, section, key);
    if (place.keyLine) {
        const ProfileLine& line = *place.keyLine;
        std::string rewritten(line.name);
        rewritten.append("=").append(value).append(kLineEnd);
        m_text.replace(line.begin, line.next - line.begin, rewritten);
        return true;
    }

    std::string added;
    const std::size_t at = place.sectionFound ? place.insertAt : m_text.size();
    if (EndsOpenLine(m_text, at))
        added.append(kLineEnd);
    if (!place.sectionFound)
        added.append("[").append(section).append("]").append(kLineEnd);
    added.append(key).append("=").append(value).append(kLineEnd);
    m_text.insert(at, added);
    return true;
}

int CProfileText::ToInt(std::string_view value, int nDefault) {
    if (value.empty())
        return nDefault;
    const bool negative = value[0] == '-';
    if (value[0] == '+' || negative)
        value.remove_prefix(1);
    // Wrapped to 32 bits, as the C runtime does.
    const auto number = static_cast<std::uint32_t>(ScanDigits(value).nValue);
    return static_cast<int>(negative ? 0u - number : number);
}
