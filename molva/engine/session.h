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
    std::array<std::string, 3> results;   // current result, previous result, third-row result
    std::array<std::string, 4> markers;   // the short labels at the left of the four rows
    std::array<std::string, 2> inputs;    // current and previous canonical input
    std::array<std::string, 2> inputTips; // their expanded texts, as tool tips
};

// The figures of the statistics data the window writes at the caret.
enum class DataFigure { Sum, SumOfSquares, PopulationDeviation, SampleDeviation, Count, Mean };

// A figure as the standard text of its value, or the message shown instead.
struct FigureText {
    std::string text;
    bool message = false;
};

// What one entered line adds to the history lists, and what the input line gets.
struct Entry {
    std::string historyText;
    std::string resultLine;
    bool command = false;
    bool tooLong = false;  // the line was not calculated: its filtered text is too long
    std::string inputLine; // the input line's text afterwards
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
    // Shows the current results again in the chosen number format.
    void Redisplay();

    // Memory register: store, add, recall (nothing while it is 0), the memory as text.
    void MemoryStore();
    void MemoryAdd();
    std::optional<std::string> MemoryRecall() const;
    bool HasMemory() const { return state_.memory != 0; }
    std::string MemoryText() const;

    // Statistics data: the figures, and the data list ":sum(1+2+3)" (none without data).
    FigureText DataFigureText(DataFigure figure) const;
    std::optional<std::string> DataList() const;
    bool ResultIsNumeric() const;

    // Clearing: the statistics data and the memory (AC); the display texts
    // (the first marker stays); the last texts and the display for a new list.
    void ClearDataAndMemory();
    void ClearDisplay();
    void ClearForNewList();

    CalcState& state() { return state_; }
    const CalcState& state() const { return state_; }
    const DisplayTexts& display() const { return display_; }
    // A line of hint under the result, on what the last calculation may have
    // meant; empty for none. Found when asked, so that a batch run never pays for it.
    std::string_view Hint() const;
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
    bool expressionShown_ = false; // the display shows the result of an expression
};

} // namespace molva
