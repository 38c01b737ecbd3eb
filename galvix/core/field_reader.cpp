#include "field_reader.h"

#include "data_file.h"
#include "number_text.h"

#include <cmath>

namespace galvix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

void FieldReader::skipBlanks() {
    while (pos_ < view_.size() && IsBlank(view_[pos_]))
        ++pos_;
}

bool FieldReader::atLineEnd() const {
    return pos_ >= view_.size() || view_[pos_] == '\n' || view_.substr(pos_, 2) == "\r\n";
}

bool FieldReader::finishField() {
    skipBlanks();
    if (pos_ >= view_.size())
        return true;
    if (view_[pos_] == ',') {
        ++pos_;
        return true;
    }
    if (view_[pos_] == '\n') {
        ++pos_;
        return true;
    }
    if (view_.substr(pos_, 2) == "\r\n") {
        pos_ += 2;
        return true;
    }
    error_ = "unexpected characters after a quoted text";
    return false;
}

std::optional<std::string> FieldReader::readField(bool& quoted) {
    skipBlanks();
    if (pos_ >= view_.size()) {
        error_ = "the file ends before this field";
        return std::nullopt;
    }
    quoted = view_[pos_] == '"';
    if (quoted) {
        const std::size_t close = view_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            error_ = "a quoted text has no closing quote";
            return std::nullopt;
        }
        std::string text(view_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        if (!finishField())
            return std::nullopt;
        return text;
    }
    const std::size_t start = pos_;
    while (pos_ < view_.size() && view_[pos_] != ',' && !atLineEnd())
        ++pos_;
    std::string text(TrimBlanks(view_.substr(start, pos_ - start)));
    finishField();
    return text;
}

std::optional<std::string> FieldReader::readText() {
    bool quoted = false;
    return readField(quoted);
}

std::optional<double> FieldReader::readNumber() {
    bool quoted = false;
    const auto field = readField(quoted);
    if (!field)
        return std::nullopt;
    const auto value = ParseDecimalNumber(*field);
    if (!value)
        error_ = QuotedFieldText(*field) + " is not a number";
    return value;
}

std::optional<double> ParseDecimalNumber(std::string_view text) {
    const auto prefix = NumericPrefix(text);
    if (!prefix || prefix->length != text.size() || !std::isfinite(prefix->value))
        return std::nullopt;
    return prefix->value;
}

std::string QuotedFieldText(std::string_view field) {
    constexpr std::size_t kShownLength = 40;
    std::string shown = "\"";
    for (const char c : field.substr(0, kShownLength)) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            constexpr char kHex[] = "0123456789ABCDEF";
            shown += "\\x";
            shown += kHex[code >> 4];
            shown += kHex[code & 0xF];
        } else {
            shown += c;
        }
    }
    if (field.size() > kShownLength)
        shown += "...";
    return shown + "\"";
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    DataFileRead read = ReadDataFile(path);
    if (read.error)
        return std::nullopt;
    return std::move(read.bytes);
}

} // namespace galvix
