#include "task_text.h"

#include "session.h"

#include <array>
#include <cstdint>

namespace molva {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t minimum = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, minimum = 0x80, code = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, minimum = 0x800, code = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, minimum = 0x10000, code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(byte))
                return false;
            code = (code << 6) | (byte & 0x3Fu);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined keep their own code.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string DecodeTaskText(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
    }
    return out;
}

std::string_view TakeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty())
        lines.push_back(TakeLine(text));
    return lines;
}

std::optional<std::string_view> TaskInput(std::string_view line, TaskLines kind) {
    if (kind == TaskLines::Whole)
        return line.empty() ? std::nullopt : std::optional(line);
    const std::size_t equals = line.find('=');
    if (equals == 0)
        return std::nullopt;
    return line.substr(0, equals);
}

void AppendListLine(std::string& out, std::string_view historyText, std::string_view resultLine) {
    out += historyText;
    if (!resultLine.empty()) {
        out += " = ";
        out += resultLine;
    }
}

std::string ListLine(std::string_view historyText, std::string_view resultLine) {
    std::string line;
    AppendListLine(line, historyText, resultLine);
    return line;
}

std::string RunBatch(std::string_view bytes, char decimalSeparator, AtomicWeights weights) {
    std::string decoded;
    if (!IsValidUtf8(bytes))
        decoded = DecodeTaskText(bytes);
    std::string_view text = decoded.empty() ? bytes : std::string_view(decoded);
    CalcSession session(decimalSeparator);
    session.state().weights = weights;
    std::string output;
    output.reserve(text.size() * 4);
    while (!text.empty()) {
        const auto input = TaskInput(TakeLine(text), TaskLines::Whole);
        if (!input)
            continue;
        const Entry entry = session.Enter(*input);
        AppendListLine(output, entry.historyText, entry.resultLine);
        output += '\n';
    }
    return output;
}

} // namespace molva
