#include "saved_reactions.h"

#include "field_reader.h"

namespace galvix {

std::vector<SavedReaction> ReadSavedReactions(const std::string& path) {
    std::vector<SavedReaction> reactions;
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return reactions;
    const std::string& content = *bytes;
    FieldReader reader(content);
    while (static_cast<int>(reactions.size()) < SavedReadLimit) {
        auto name = reader.readText();
        auto oxidation = name ? reader.readText() : std::nullopt;
        auto reduction = oxidation ? reader.readText() : std::nullopt;
        if (!reduction)
            break;
        reactions.push_back({std::move(*name), std::move(*oxidation), std::move(*reduction)});
    }
    return reactions;
}

std::optional<SavedReaction> FindSavedReaction(const std::string& path, const std::string& name) {
    for (SavedReaction& reaction : ReadSavedReactions(path)) {
        if (reaction.name == name)
            return std::move(reaction);
    }
    return std::nullopt;
}

std::string FormatSavedReaction(const SavedReaction& reaction) {
    return "\"" + reaction.name + "\",\"" + reaction.oxidationText + "\",\"" +
           reaction.reductionText + "\"\r\n";
}

bool IsStorableName(const std::string& name) {
    return name.find('"') == std::string::npos;
}

} // namespace galvix
