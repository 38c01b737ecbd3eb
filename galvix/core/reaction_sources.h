// Sources.dat: where each built-in half reaction comes from, shown with the
// half reaction's data.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace galvix {

inline constexpr const char* SourcesFileName = "Sources.dat";

// The sources of the built-in half reactions. Sources.dat holds one record per
// entry of Data.dat: its oxidation text and the source, both quoted.
class ReactionSources {
  public:
    // Reads dataDirectory + Sources.dat up to the first record that cannot be
    // read; a missing file gives no sources.
    static ReactionSources Load(const std::string& dataDirectory);

    // The source of a built-in half reaction, given its oxidation or its
    // reduction text; none for any other text, such as a custom entry's.
    std::optional<std::string> SourceOf(std::string_view text) const;

    std::size_t count() const { return count_; }

  private:
    std::map<std::string, std::string, std::less<>> byText_; // both directions
    std::size_t count_ = 0;
};

} // namespace galvix
