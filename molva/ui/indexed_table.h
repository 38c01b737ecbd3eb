// Tables of buttons indexed by an enum class: each row names its own key, and
// the rows stand in the order of the keys, which a static_assert checks.
#pragma once

#include <cstddef>

namespace molva::ui {

template <class Table> constexpr bool InKeyOrder(const Table& table) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (static_cast<std::size_t>(table[k].key) != k)
            return false;
    }
    return true;
}

} // namespace molva::ui
