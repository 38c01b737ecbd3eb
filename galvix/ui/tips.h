// The tips of the day, each completing "Did you know...".
#pragma once

#include <QString>

namespace galvix::ui {

inline constexpr int kTipCount = 26;

// Tip number 1..26.
QString TipText(int number);

} // namespace galvix::ui
