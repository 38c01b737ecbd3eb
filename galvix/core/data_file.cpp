#include "data_file.h"

#include <cerrno>
#include <fstream>
#include <random>

namespace galvix {

namespace fs = std::filesystem;

namespace {

std::string FolderOf(const fs::path& file) {
    std::string folder = file.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

DataError FileError(const fs::path& file, DataFault fault, std::string detail = {}) {
    return {fault, file.filename().string(), FolderOf(file), 0, std::move(detail)};
}

// The reason the last failed stream operation left in errno, or `otherwise`.
std::error_code LastSystemError(std::errc otherwise) {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category())
                     : std::make_error_code(otherwise);
}

fs::path TemporaryBeside(const fs::path& file) {
    std::random_device random;
    fs::path temporary = file.parent_path() / ("." + file.filename().string() + ".");
    temporary += std::to_string(random());
    return temporary;
}

} // namespace

std::string DataError::message() const {
    switch (fault) {
    case DataFault::Missing:
        return file + " was not found in the folder " + folder;
    case DataFault::Unreadable:
        return file + " in the folder " + folder + " cannot be read: " + detail;
    case DataFault::NotWritten:
        return file + " could not be written: " + detail;
    case DataFault::Damaged:
        break;
    }
    return file + ", record " + std::to_string(record) + ": " + detail;
}

DataFileRead ReadDataFile(const std::string& path) {
    const fs::path file(path);
    DataFileRead read;
    std::error_code status;
    // The type is checked before opening: opening a pipe would wait for a
    // writer, and a device such as /dev/zero never ends.
    const fs::file_status type = fs::status(file, status);
    if (type.type() == fs::file_type::not_found) {
        read.error = FileError(file, DataFault::Missing);
        return read;
    }
    if (fs::is_directory(type)) {
        read.error = FileError(file, DataFault::Unreadable,
                               std::make_error_code(std::errc::is_a_directory).message());
        return read;
    }
    if (!status && !fs::is_regular_file(type)) {
        read.error = FileError(file, DataFault::Unreadable, "it is not a regular file");
        return read;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size > DataFileLimit) {
        read.error = FileError(file, DataFault::Unreadable, "it is larger than 256 MB");
        return read;
    }
    if (size >= 0) {
        read.bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        if (in.read(read.bytes.data(), size))
            return read;
    }
    read.bytes.clear();
    read.error =
        FileError(file, DataFault::Unreadable, LastSystemError(std::errc::io_error).message());
    return read;
}

DataError DamagedRecord(const std::string& path, int record, std::string fault) {
    DataError error = FileError(fs::path(path), DataFault::Damaged, std::move(fault));
    error.record = record;
    return error;
}

std::error_code ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    const fs::path temporary = TemporaryBeside(target);
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return LastSystemError(std::errc::io_error);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code error;
    if (!out)
        error = LastSystemError(std::errc::io_error);
    else
        fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    std::error_code error;
    stamp.size = fs::file_size(path, error);
    if (error)
        return {};
    stamp.modified = fs::last_write_time(path, error);
    if (error)
        return {};
    stamp.exists = true;
    return stamp;
}

} // namespace galvix
