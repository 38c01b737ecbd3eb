// Whole-file reads and writes: what each fault says, and that a failed write
// leaves the old file alone.
#include "core/data_file.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

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
