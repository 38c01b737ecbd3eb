#include "reaction_sources.h"

#include "field_reader.h"
#include "half_reaction_table.h"

namespace galvix {

ReactionSources ReactionSources::Load(const std::string& dataDirectory) {
    ReactionSources sources;
    const auto bytes = ReadFileBytes(dataDirectory + SourcesFileName);
    if (!bytes)
        return sources;
    FieldReader reader(*bytes);
    while (true) {
        auto text = reader.readText();
        auto source = text ? reader.readText() : std::nullopt;
        if (!source)
            break;
        if (const auto reduction = ReductionForm(*text))
            sources.byText_.try_emplace(*reduction, *source);
        sources.byText_.try_emplace(std::move(*text), std::move(*source));
        ++sources.count_;
    }
    return sources;
}

std::optional<std::string> ReactionSources::SourceOf(std::string_view text) const {
    const auto found = byText_.find(text);
    if (found == byText_.end())
        return std::nullopt;
    return found->second;
}

} // namespace galvix
