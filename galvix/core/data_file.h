// Galvix3's data files read and written whole, with faults that name the file,
// the folder and the reason, and the stamps that tell whether a file changed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ios>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace galvix {

enum class DataFault {
    Missing,    // the file is not in the folder
    Unreadable, // the file is there but cannot be read
    Damaged,    // a record cannot be used
    NotWritten, // rewriting the file failed
};

struct DataError {
    DataFault fault = DataFault::Damaged;
    std::string file;   // "Custom.dat"
    std::string folder; // the folder searched, ending with "/"
    int record = 0;     // 1-based, for a damaged file
    std::string detail; // the fault in the record, or the system's reason

    // "Data.dat was not found in the folder /x/", "Custom.dat, record 2:
    // \"high\" is not a number", "Custom.dat could not be written: Permission denied".
    std::string message() const;
};

struct DataFileRead {
    std::string bytes;
    std::optional<DataError> error;
};

// The largest data file read: 256 MB.
inline constexpr std::streamoff DataFileLimit = std::streamoff(256) * 1024 * 1024;

// Reads a whole regular file of at most DataFileLimit bytes; a folder, a
// device, a pipe or a larger file is unreadable, with the reason.
DataFileRead ReadDataFile(const std::string& path);

// A read of records that stopped at a fault: keeps what was read before it and
// sets both the typed fault and its message.
template <class Read> Read FailedRead(Read read, DataError error) {
    read.error = error.message();
    read.dataError = std::move(error);
    return read;
}

// The fault of one record of the file at `path`.
DataError DamagedRecord(const std::string& path, int record, std::string fault);

// Writes `bytes` to a new file beside `path` and renames it over the old one,
// so that a failed write leaves the old file as it was. Returns the system's
// error, or an empty error code on success.
std::error_code ReplaceFileContents(const std::string& path, std::string_view bytes);

// How a whole file is rewritten; tests replace it to make writing fail.
using FileWriter = std::function<std::error_code(const std::string& path, std::string_view bytes)>;

// Runs `work` while no other program rewrites the file at `path`: another
// instance waits for it. Returns why that could not be arranged (then `work`
// did not run). The program supplies one over a lock file; without it the
// work runs unguarded.
using FileGuard = std::function<std::optional<std::string>(const std::string& path,
                                                           const std::function<void()>& work)>;

// What tells a changed file apart without reading it: size and modification time.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

} // namespace galvix
