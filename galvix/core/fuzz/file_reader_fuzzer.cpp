// libFuzzer target: any bytes as one of Galvix3's data files, read the way the
// program reads it. The first byte picks the file; the rest is its content.
// A Custom.dat that reads must also survive being written and read again
// unchanged, as every edit of the custom editor rewrites it.
#include "core/custom_reactions.h"
#include "core/elements.h"
#include "core/half_reaction_table.h"
#include "core/reaction_sources.h"
#include "core/saved_reactions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// A folder of its own for the files of this process, made once and removed
// when the process ends.
struct ScratchFolder {
    std::string path;

    ScratchFolder() {
        // Memory-backed where the system has it: the files are rewritten every run.
        char memory[] = "/dev/shm/galvix-fuzz-XXXXXX";
        char disk[] = "/tmp/galvix-fuzz-XXXXXX";
        const char* made = mkdtemp(memory);
        if (!made)
            made = mkdtemp(disk);
        if (!made)
            std::abort();
        path = std::string(made) + "/";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& Folder() {
    static const ScratchFolder folder;
    return folder.path;
}

void Write(const std::string& name, std::string_view bytes) {
    std::ofstream(Folder() + name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool SameRecords(const std::vector<galvix::CustomRecord>& a,
                 const std::vector<galvix::CustomRecord>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].text != b[k].text || a[k].potential != b[k].potential)
            return false;
    }
    return true;
}

void CheckCustomRoundTrip(std::string_view bytes) {
    Write(galvix::CustomFileName, bytes);
    const galvix::CustomRead first = galvix::ReadCustomRecords(Folder() + galvix::CustomFileName);
    if (!first.ok())
        return;
    const auto written = galvix::FormatCustomFile(first.records);
    if (!written)
        __builtin_trap(); // a file that reads must be writable
    Write(galvix::CustomFileName, *written);
    const galvix::CustomRead second = galvix::ReadCustomRecords(Folder() + galvix::CustomFileName);
    if (!second.ok() || !SameRecords(first.records, second.records))
        __builtin_trap(); // the rewrite changed or broke the file
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 5) {
    case 0:
        Write(galvix::DataFileName, bytes);
        Write(galvix::CustomFileName, "0\r\n");
        (void)galvix::LoadTable(Folder());
        break;
    case 1:
        CheckCustomRoundTrip(bytes);
        break;
    case 2:
        Write(galvix::SavedFileName, bytes);
        (void)galvix::ReadSavedReactions(Folder() + galvix::SavedFileName);
        break;
    case 3: {
        Write(galvix::ElementFileName, bytes);
        const galvix::ElementRead read = galvix::ReadElements(Folder() + galvix::ElementFileName);
        for (const galvix::ElementRecord& record : read.records)
            (void)galvix::JumpToElement(read.records, record.symbol);
        break;
    }
    default:
        Write(galvix::SourcesFileName, bytes);
        (void)galvix::ReactionSources::Load(Folder());
        break;
    }
    return 0;
}
