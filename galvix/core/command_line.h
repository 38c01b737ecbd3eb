// The galvix3 command line: --calc and --list answer on standard output in
// UTF-8 without opening any window; --help and --version; anything else starts
// the windows.
#pragma once

#include "half_reaction_table.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace galvix {

enum class CommandKind { Windows, Help, Version, Calculate, List };

// A species of a half-cell and its concentration (mol/L) or pressure (bar),
// the species as typed.
using TypedAmount = std::pair<std::string, double>;

struct CalculateRequest {
    // The half reactions as the lists show them, in UTF-8 or with the typing
    // aid's codes.
    std::string oxidation;
    std::string reduction;
    std::optional<double> temperatureCelsius;
    std::vector<TypedAmount> oxidationAmounts;
    std::vector<TypedAmount> reductionAmounts;
    std::optional<double> oxidationPH;
    std::optional<double> reductionPH;
    std::optional<double> pH; // both half-cells, unless one has its own

    bool hasConditions() const;
};

struct Command {
    CommandKind kind = CommandKind::Windows;
    CalculateRequest calculate;
    ListSide list = ListSide::Oxidation;
    std::string usageError; // a command line that cannot be run: what is wrong

    bool ok() const { return usageError.empty(); }
};

// The arguments after the program name. --help (or -h) and --version win
// wherever they stand; --calc or --list makes every other argument an option
// of theirs; without any of these the arguments are left to the windows.
Command ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr int ExitFailure = 1; // unknown half reaction, damaged data, bad conditions
inline constexpr int ExitUsage = 2;   // a command line that cannot be run

struct CommandOutput {
    std::string out;   // for standard output: UTF-8, a line feed after every line
    std::string error; // for standard error, empty when all went well
    int exitCode = 0;
};

// The reaction data as Copy gives it, the net reaction, and the results under
// the given conditions when there are any.
CommandOutput RunCalculate(const CalculateRequest& request, const std::string& dataDirectory);

// One list in the Alphabetical arrangement: the potential, a tab, the text.
CommandOutput RunList(ListSide side, const std::string& dataDirectory);

// What --help prints.
std::string HelpText();

} // namespace galvix
