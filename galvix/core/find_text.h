// Text search in the half-reaction lists, shared by the search window and the
// main screen's Find Next.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace galvix {

// Upper case of Windows-1252 text: a-z and the accented small letters.
std::string UpperCp1252(std::string_view text);

// True when `search` occurs in `entry`; with wholeWord, only where it is
// preceded by a space or the start and followed by a space or the end. An
// empty search matches every entry.
bool EntryMatches(std::string_view entry, std::string_view search, bool wholeWord);

// The first position from `start` on whose entry matches; both sides are
// upper-cased first when matchCase is off.
std::optional<std::size_t> FindEntryText(const std::vector<std::string>& entries, std::size_t start,
                                         std::string_view search, bool matchCase, bool wholeWord);

} // namespace galvix
