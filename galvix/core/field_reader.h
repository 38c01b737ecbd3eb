// Reader for the comma-separated field syntax of Galvix3's data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace galvix {

// Reads fields one after another from a whole file's bytes. A field ends at a
// comma or a line end (CR LF or LF). A quoted text may hold commas and keeps its
// spaces; an unquoted field loses its surrounding blanks. Numbers use a period.
// On failure a read returns nullopt and error() says what was wrong.
class FieldReader {
  public:
    explicit FieldReader(std::string content) : content_(std::move(content)), view_(content_) {}
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    std::optional<std::string> readText();
    std::optional<double> readNumber();

    const std::string& error() const { return error_; }

  private:
    std::optional<std::string> readField(bool& quoted);
    bool finishField();
    void skipBlanks();
    bool atLineEnd() const;

    std::string content_;
    std::string_view view_; // over content_
    std::size_t pos_ = 0;
    std::string error_;
};

// Parses a whole text as a decimal number (optional sign, digits with at most
// one period, optional exponent); nullopt when it is anything else or lies
// beyond the range of a double.
std::optional<double> ParseDecimalNumber(std::string_view text);

// A field as an error message quotes it: in double quotes, control characters
// (a NUL byte among them) written as \xNN so that no message is cut short or
// broken, and no more than 40 characters followed by "...".
std::string QuotedFieldText(std::string_view field);

// Reads a whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

} // namespace galvix
