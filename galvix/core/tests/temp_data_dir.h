// A temporary data directory holding Data.dat and Custom.dat for one test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace galvix::testing {

class TempDataDir {
  public:
    TempDataDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("galvix-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDataDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    // A directory path ending in "/", as the program's data directory does.
    std::string directory() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

// Data.dat with 531 records "potential,"Mk -> Mk+ + e"", k = 1..531, and the
// potential k / 1000, so that every text and every potential is distinct.
inline std::string NumberedBuiltIns(int records = 531) {
    std::string bytes;
    for (int k = 1; k <= records; ++k)
        bytes += std::to_string(k) + "e-3,\"M" + std::to_string(k) + " -> M" + std::to_string(k) +
                 "+ + e\"\r\n";
    return bytes;
}

} // namespace galvix::testing
