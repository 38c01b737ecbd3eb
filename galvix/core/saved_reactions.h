// Saved.dat: named pairs of an oxidation and a reduction list entry.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace galvix {

inline constexpr const char* SavedFileName = "Saved.dat";
inline constexpr int SavedReadLimit = 100000;

struct SavedReaction {
    std::string name;
    std::string oxidationText;
    std::string reductionText;
};

// The records of Saved.dat in file order, up to 100000; reading stops at the
// first record that cannot be read. A missing file gives none.
std::vector<SavedReaction> ReadSavedReactions(const std::string& path);

// The first record with exactly this name.
std::optional<SavedReaction> FindSavedReaction(const std::string& path, const std::string& name);

// One record as appended to the file: three quoted texts and CR LF.
std::string FormatSavedReaction(const SavedReaction& reaction);

// True when a name can be stored: the file's texts have no escape for a quote.
bool IsStorableName(const std::string& name);

} // namespace galvix
