// The calculator's bookkeeping around each entered line, free of any window:
// the number format and angle unit the window's controls hold, the display
// texts, the memory register, and the history entry each line gives. The
// window and the batch mode both run lines through Enter.
#pragma once

#include "calc_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace molva {

// The texts of the result display.
struct DisplayTexts {
    std::array<std::string, 3> rezultat;    // lblRezultat(0..2): current, previous, third row
    std::array<std::string, 4> oznaka;      // lblOznaka(0..3): the labels beside them
    std::array<std::string, 2> unosFormule; // lblUnosFormule(0..1): current and previous input
    std::array<std::string, 2> unosFormuleTip;
};

// What one entered line adds to the history lists, and what the input line gets.
struct Entry {
    std::string historyText;
    std::string resultLine;
    bool command = false;
    bool tooLong = false; // the line was not calculated: its filtered text is too long
    std::string inputLine;                     // the input line's text afterwards
    std::optional<std::size_t> selectionStart; // the unknown symbol, selected in inputLine
    std::size_t selectionLength = 0;
};

class CalcSession {
  public:
    explicit CalcSession(char decimalSeparator = '.');

    Entry Enter(std::string_view line);

    // The window's number format and angle controls; each redisplays.
    void SelectFormat(FormatKind kind);
    void SetGrouping(bool grouping);
    // The places box: whole numbers 0.. are accepted (above 12 gives 12; with
    // Fixed and grouping, 2); any other text changes nothing. Returns the places.
    int SetDecimalPlacesText(std::string_view text);
    void SelectAngle(AngleUnit unit);
    void PokaziRezultat();

    // Memory register: store, add, and the memory as text.
    void MemoryStore();
    void MemoryAdd();
    void ClearMemory() { state_.memory = 0; }
    std::string MemoryText() const;

    CalcState& state() { return state_; }
    const CalcState& state() const { return state_; }
    const DisplayTexts& display() const { return display_; }
    FormatKind formatKind() const { return formatKind_; }
    int decimalPlaces() const { return decimalPlaces_; }
    std::string_view formatZeros() const;

  private:
    Entry EnterCommand(std::string_view line);
    Entry EnterCalculation(std::string_view line);
    void ApplyDecimalPlaces(int places);
    void SetInputLabel(std::size_t k, const std::string& normal, const std::string& expanded);
    std::string Shown(std::string_view value) const;

    CalcState state_;
    DisplayTexts display_;
    FormatKind formatKind_ = FormatKind::Automatic;
    int decimalPlaces_ = 2;
};

} // namespace molva
