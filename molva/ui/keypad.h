// The tables behind Molva's keypad and function field: captions, tool tips
// and what each button writes or does.
#pragma once

#include <array>

namespace molva::ui {

enum class KeyAction {
    Write,       // writes `text` (with the function prefix when `prefixed`)
    PowerOrRoot, // "^", or "^(1/)" with Inverse
    Enclose,     // "( ... )"
    MemoryStore,
    MemoryRecall,
    MemoryAdd,
    Backspace,
    Clear, // C, or AC with Inverse
};

struct KeyDef {
    const char* caption;
    const char* inverseCaption; // nullptr when Inverse does not change the key
    const char* toolTip;
    KeyAction action;
    const char* text;
    const char* inverseText;
    bool prefixed;    // function words get ":" while the function separator is on
    const char* icon; // a picture instead of a caption
};

inline constexpr int kKeyCount = 39;
extern const std::array<KeyDef, kKeyCount> kKeys;

enum class FunctionAction {
    Calculate,      // writes operand into `text` at "%1" and calculates
    PowerCalculate, // as Calculate, with the power text at "%2"
    Insert,         // writes `text` at the caret
    DataEntry,
    DataList,
    SumOfValues,
    SumOfSquares,
    PopulationDeviation,
    SampleDeviation,
    Count,
    Mean,
};

struct FunctionDef {
    const char* caption;
    const char* toolTip;
    FunctionAction action;
    const char* text;
};

inline constexpr int kFunctionCount = 36;
extern const std::array<FunctionDef, kFunctionCount> kFunctions;

} // namespace molva::ui
