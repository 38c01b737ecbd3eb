// Whole-file reads and writes: what each fault says, and that a failed write
// leaves the old file alone.
#include "core/data_file.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace galvix {
namespace {

using testing::TempDataDir;

struct MessageCase {
    const char* name;
    DataError error;
    const char* message;
};

class DataErrorTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DataErrorTest, SaysFileFolderAndFault) {
    EXPECT_EQ(GetParam().error.message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataErrorTest,
    ::testing::Values(
        MessageCase{"missing",
                    {DataFault::Missing, "Data.dat", "/opt/g/", 0, ""},
                    "Data.dat was not found in the folder /opt/g/"},
        MessageCase{"unreadable",
                    {DataFault::Unreadable, "Ele.dat", "/opt/g/", 0, "Permission denied"},
                    "Ele.dat in the folder /opt/g/ cannot be read: Permission denied"},
        MessageCase{"damaged",
                    {DataFault::Damaged, "Custom.dat", "/opt/g/", 3, "\"x\" is not a number"},
                    "Custom.dat, record 3: \"x\" is not a number"},
        MessageCase{"not_written",
                    {DataFault::NotWritten, "Custom.dat", "/opt/g/", 0, "No space left on device"},
                    "Custom.dat could not be written: No space left on device"}),
    testing::RowName());

TEST(ReadDataFileTest, TellsMissingFromUnreadable) {
    TempDataDir dir;
    const auto missing = ReadDataFile(dir.directory() + "Data.dat");
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(missing.error->fault, DataFault::Missing);
    EXPECT_EQ(missing.error->folder, dir.directory());

    std::filesystem::create_directory(dir.directory() + "Data.dat");
    const auto folder = ReadDataFile(dir.directory() + "Data.dat");
    ASSERT_TRUE(folder.error);
    EXPECT_EQ(folder.error->fault, DataFault::Unreadable);
    EXPECT_EQ(folder.error->detail, "Is a directory");

    dir.write("Ele.dat", "1,\"H\"\r\n");
    const auto read = ReadDataFile(dir.directory() + "Ele.dat");
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.bytes, "1,\"H\"\r\n");
}

struct NotADataFile {
    const char* name;
    // Puts something at `path` that is no data file; false when this system cannot.
    bool (*make)(const std::string& path);
    const char* detail;
};

class NotADataFileTest : public ::testing::TestWithParam<NotADataFile> {};

TEST_P(NotADataFileTest, IsRefusedWithoutReadingIt) {
    TempDataDir dir;
    const std::string path = dir.directory() + "Data.dat";
    if (!GetParam().make(path))
        GTEST_SKIP() << "this system cannot make it";
    const DataFileRead read = ReadDataFile(path);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->fault, DataFault::Unreadable);
    EXPECT_EQ(read.error->message(), "Data.dat in the folder " + dir.directory() +
                                         " cannot be read: " + GetParam().detail);
    EXPECT_TRUE(read.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, NotADataFileTest,
    ::testing::Values(NotADataFile{"pipe_that_nobody_writes",
                                   [](const std::string& path) {
                                       return mkfifo(path.c_str(), 0600) == 0;
                                   },
                                   "it is not a regular file"},
                      NotADataFile{"endless_device",
                                   [](const std::string& path) {
                                       std::error_code error;
                                       std::filesystem::create_symlink("/dev/zero", path, error);
                                       return !error && std::filesystem::exists("/dev/zero");
                                   },
                                   "it is not a regular file"},
                      NotADataFile{"over_256_MB",
                                   [](const std::string& path) {
                                       std::ofstream(path, std::ios::binary).put('x');
                                       std::error_code error;
                                       std::filesystem::resize_file(path, DataFileLimit + 1, error);
                                       return !error;
                                   },
                                   "it is larger than 256 MB"}),
    testing::RowName());

TEST(ReplaceFileContentsTest, ReplacesTheWholeFile) {
    TempDataDir dir;
    dir.write("Custom.dat", "2\r\nlonger old content\r\n");
    EXPECT_FALSE(ReplaceFileContents(dir.directory() + "Custom.dat", "0\r\n"));
    EXPECT_EQ(ReadDataFile(dir.directory() + "Custom.dat").bytes, "0\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.directory()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

TEST(ReplaceFileContentsTest, AFailureLeavesWhatWasThere) {
    TempDataDir dir;
    const std::error_code noFolder = ReplaceFileContents(dir.directory() + "gone/Custom.dat", "0");
    EXPECT_EQ(noFolder, std::errc::no_such_file_or_directory);

    std::filesystem::create_directory(dir.directory() + "Custom.dat");
    dir.write("Custom.dat/kept", "x");
    EXPECT_TRUE(ReplaceFileContents(dir.directory() + "Custom.dat", "0\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.directory() + "Custom.dat"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.directory()),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file is removed again";
}

TEST(ReplaceFileContentsTest, AFullDiskLeavesTheOldFileAndSaysSo) {
    TempDataDir dir;
    dir.write("Custom.dat", "0\r\n");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit full = old;
    full.rlim_cur = 1024; // a write past it fails with EFBIG, as on a full disk
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &full) != 0) {
        std::signal(SIGXFSZ, oldHandler);
        GTEST_SKIP() << "no file-size limit can be set here, so no full disk can be imitated";
    }
    const std::error_code error =
        ReplaceFileContents(dir.directory() + "Custom.dat", std::string(8000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadDataFile(dir.directory() + "Custom.dat").bytes, "0\r\n");
}

TEST(FileStampTest, ChangesWithSizeOrTime) {
    TempDataDir dir;
    const std::string path = dir.directory() + "Custom.dat";
    EXPECT_FALSE(StampOf(path).exists);
    dir.write("Custom.dat", "0\r\n");
    const FileStamp first = StampOf(path);
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(StampOf(path), first);
    dir.write("Custom.dat", "1\r\n");
    std::filesystem::last_write_time(path, first.modified + std::chrono::seconds(1));
    EXPECT_NE(StampOf(path), first);
}

} // namespace
} // namespace galvix
