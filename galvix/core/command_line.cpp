#include "command_line.h"

#include "cell_conditions.h"
#include "cell_reaction.h"
#include "chem_unicode.h"
#include "list_output.h"
#include "number_text.h"
#include "result_text.h"
#include "typing_aid.h"

#include <algorithm>
#include <functional>

namespace galvix {

namespace {

constexpr const char* kCalc = "--calc";
constexpr const char* kList = "--list";

bool Contains(const std::vector<std::string>& arguments, std::initializer_list<const char*> any) {
    return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
        return std::find(any.begin(), any.end(), argument) != any.end();
    });
}

// Reads the options of --calc and --list one by one; the first fault stops it.
class OptionParser {
  public:
    explicit OptionParser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    Command parse() {
        while (command_.ok() && at_ < arguments_.size())
            option(arguments_[at_++]);
        if (command_.ok() && command_.kind == CommandKind::List &&
            command_.calculate.hasConditions())
            command_.usageError = "conditions belong to --calc, not to --list";
        return command_;
    }

  private:
    void fail(const std::string& what) { command_.usageError = what; }

    std::optional<std::string> value(const std::string& option, const char* what) {
        if (at_ < arguments_.size())
            return arguments_[at_++];
        fail(option + " needs " + what);
        return std::nullopt;
    }

    std::optional<double> number(const std::string& option) {
        const auto text = value(option, "a number");
        if (!text)
            return std::nullopt;
        const auto read = ReadConditionNumber(*text);
        if (!read)
            fail(option + ": \"" + *text + "\" is not a number");
        return read;
    }

    void amount(const std::string& option, std::vector<TypedAmount>& into) {
        const auto text = value(option, "SPECIES=VALUE");
        if (!text)
            return;
        const std::size_t equals = text->rfind('=');
        if (equals == std::string::npos || equals == 0) {
            fail(option + ": \"" + *text + "\" is not SPECIES=VALUE");
            return;
        }
        const auto read = ReadConditionNumber(std::string_view(*text).substr(equals + 1));
        if (!read) {
            fail(option + ": \"" + text->substr(equals + 1) + "\" is not a number");
            return;
        }
        into.emplace_back(text->substr(0, equals), *read);
    }

    void mode(CommandKind kind, const std::string& option) {
        if (command_.kind != CommandKind::Windows)
            fail(command_.kind == kind ? option + " is given twice"
                                       : "--calc and --list cannot be combined");
        command_.kind = kind;
    }

    void calc(const std::string& option) {
        mode(CommandKind::Calculate, option);
        const auto oxidation = value(option, "an oxidation and a reduction half reaction");
        const auto reduction =
            oxidation ? value(option, "an oxidation and a reduction half reaction") : std::nullopt;
        if (reduction) {
            command_.calculate.oxidation = *oxidation;
            command_.calculate.reduction = *reduction;
        }
    }

    void list(const std::string& option) {
        mode(CommandKind::List, option);
        const auto side = value(option, "oxidation or reduction");
        if (side == "oxidation" || side == "reduction")
            command_.list = *side == "oxidation" ? ListSide::Oxidation : ListSide::Reduction;
        else if (side)
            fail(option + " takes oxidation or reduction, not \"" + *side + "\"");
    }

    void option(const std::string& name) {
        CalculateRequest& request = command_.calculate;
        const std::pair<const char*, std::function<void()>> options[] = {
            {kCalc, [&] { calc(name); }},
            {kList, [&] { list(name); }},
            {"--temperature", [&] { request.temperatureCelsius = number(name); }},
            {"--ox", [&] { amount(name, request.oxidationAmounts); }},
            {"--red", [&] { amount(name, request.reductionAmounts); }},
            {"--ox-ph", [&] { request.oxidationPH = number(name); }},
            {"--red-ph", [&] { request.reductionPH = number(name); }},
            {"--ph", [&] { request.pH = number(name); }}};
        for (const auto& [option, read] : options) {
            if (name == option) {
                read();
                return;
            }
        }
        fail("unknown option \"" + name + "\"");
    }

    const std::vector<std::string>& arguments_;
    std::size_t at_ = 0;
    Command command_;
};

CommandOutput Failure(std::string message) {
    return {{}, std::move(message), ExitFailure};
}

// A typed text in the Chem notation: UTF-8 first, then the typing aid's codes.
struct ChemInput {
    std::string chem;
    std::string error;
};

ChemInput ReadInput(const std::string& typed, const std::string& what) {
    ChemFromUtf8 read = ReadChemText(typed);
    if (!read.ok())
        return {{}, what + " \"" + typed + "\": " + read.error};
    return {ApplyTypingAid(read.chem).text, {}};
}

std::string Quoted(std::string_view chem) {
    return "\"" + ChemToUtf8(chem) + "\"";
}

// Why a text is not in a list, with the way the list writes it when the text
// is the half reaction written the other way round.
std::string NotInList(const HalfReactionTable& table, ListSide side, const std::string& chem) {
    const bool oxidation = side == ListSide::Oxidation;
    std::string message =
        Quoted(chem) + " is not in the " + (oxidation ? "oxidation" : "reduction") + " list";
    const auto reversed =
        oxidation ? FindReductionEntry(table, chem) : FindOxidationEntry(table, chem);
    if (reversed) {
        const HalfReactionEntry& entry = table[*reversed];
        message += "; it is written " +
                   Quoted(oxidation ? entry.oxidationText : entry.reductionText) + " there";
    }
    return message;
}

struct HalfCellInput {
    HalfCellConditions conditions;
    std::string error;
};

HalfCellInput HalfCellOf(const std::vector<TypedAmount>& amounts, std::optional<double> pH,
                         const char* which) {
    HalfCellInput input;
    input.conditions.pH = pH;
    for (const auto& [typed, value] : amounts) {
        ChemInput species = ReadInput(typed, std::string("the ") + which + " species");
        if (!species.error.empty()) {
            input.error = species.error;
            return input;
        }
        input.conditions.amounts.emplace_back(std::move(species.chem), value);
    }
    return input;
}

std::string WithLineFeeds(const std::string& chem) {
    std::string text = ChemToUtf8(chem);
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n'))
            out += text[k];
    }
    return out;
}

} // namespace

bool CalculateRequest::hasConditions() const {
    return temperatureCelsius || !oxidationAmounts.empty() || !reductionAmounts.empty() ||
           oxidationPH || reductionPH || pH;
}

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    Command command;
    if (Contains(arguments, {"--help", "-h"}))
        command.kind = CommandKind::Help;
    else if (Contains(arguments, {"--version"}))
        command.kind = CommandKind::Version;
    else if (Contains(arguments, {kCalc, kList}))
        command = OptionParser(arguments).parse();
    return command;
}

CommandOutput RunCalculate(const CalculateRequest& request, const std::string& dataDirectory) {
    const ChemInput oxidation = ReadInput(request.oxidation, "the oxidation half reaction");
    const ChemInput reduction = ReadInput(request.reduction, "the reduction half reaction");
    for (const ChemInput* input : {&oxidation, &reduction}) {
        if (!input->error.empty())
            return Failure(input->error);
    }
    const TableLoad load = LoadTable(dataDirectory);
    if (!load.ok())
        return Failure(load.error);
    if (!FindOxidationEntry(load.table, oxidation.chem))
        return Failure(NotInList(load.table, ListSide::Oxidation, oxidation.chem));
    if (!FindReductionEntry(load.table, reduction.chem))
        return Failure(NotInList(load.table, ListSide::Reduction, reduction.chem));
    CalculateOutcome outcome = CalculateWithTable(load.table, oxidation.chem, reduction.chem, 0, 0);
    if (!outcome.ok())
        return Failure(outcome.error);
    CellReactionResult& result = outcome.result;
    CompleteCellValues(result);
    std::string text = ReactionResultText(result);
    if (!result.occurs())
        text += NetReactionLines(result.netReaction);
    if (request.hasConditions()) {
        const HalfCellInput oxidised =
            HalfCellOf(request.oxidationAmounts,
                       request.oxidationPH ? request.oxidationPH : request.pH, "oxidation");
        const HalfCellInput reduced =
            HalfCellOf(request.reductionAmounts,
                       request.reductionPH ? request.reductionPH : request.pH, "reduction");
        if (!oxidised.error.empty() || !reduced.error.empty())
            return Failure(oxidised.error.empty() ? reduced.error : oxidised.error);
        const CellConditions conditions{oxidised.conditions, reduced.conditions,
                                        request.temperatureCelsius.value_or(25)};
        const ConditionsOutcome evaluated = EvaluateConditions(result, conditions);
        if (!evaluated.ok())
            return Failure(evaluated.error);
        text += "\r\n" + ConditionsResultText(result, conditions, evaluated);
    }
    return {WithLineFeeds(text), {}, 0};
}

CommandOutput RunList(ListSide side, const std::string& dataDirectory) {
    const TableLoad load = LoadTable(dataDirectory);
    if (!load.ok())
        return Failure(load.error);
    const bool reduction = side == ListSide::Reduction;
    const ListItems items = MakeListItems(load.table, Arrangement::Alphabetical);
    const ListPotentials potentials(load.table, reduction);
    CommandOutput output;
    for (const std::string& item : reduction ? items.reduction : items.oxidation) {
        output.out += GeneralFormat(potentials.potentialOf(item).value_or(0)) + "\t" +
                      ChemToUtf8(item) + "\n";
    }
    return output;
}

std::string HelpText() {
    return "Usage: galvix3 [--help | --version]\n"
           "       galvix3 --calc OXIDATION REDUCTION [--temperature C]\n"
           "               [--ox SPECIES=VALUE]... [--red SPECIES=VALUE]...\n"
           "               [--ox-ph X] [--red-ph X] [--ph X]\n"
           "       galvix3 --list oxidation|reduction\n"
           "\n"
           "Galvix3 predicts redox reactions from standard electrode potentials: choose one half\n"
           "reaction to be oxidised and one to be reduced, and it balances the electrons and "
           "gives\n"
           "E(cell), log K, K, the Gibbs free energy change, whether the reaction will occur and\n"
           "the net reaction. Without options it opens its windows.\n"
           "\n"
           "  --calc OXIDATION REDUCTION\n"
           "        print the reaction data of two half reactions, written as the lists show\n"
           "        them, in UTF-8 (\"Zn -> Zn\u00B2\u207A + 2e\") or with the typing aid's codes\n"
           "        (\"Cu*2*+ + 2e -> Cu\", \"H/2O\"), then the net reaction\n"
           "  --temperature C      the temperature in degrees Celsius (default 25)\n"
           "  --ox SPECIES=VALUE   the concentration (mol/L) or pressure (bar) of a species of\n"
           "                       the oxidation half-cell (default 1); may be repeated\n"
           "  --red SPECIES=VALUE  the same for the reduction half-cell\n"
           "  --ox-ph X, --red-ph X, --ph X\n"
           "                       the pH of one half-cell, or of both\n"
           "        With any of these, the results under those conditions follow.\n"
           "  --list oxidation|reduction\n"
           "        print one list in alphabetical order: the potential, a tab, the half reaction\n"
           "\n"
           "Errors go to standard error; the exit status is 1 for an unknown half reaction, a\n"
           "damaged data file or conditions that cannot be used, 2 for a wrong command line.\n"
           "\n"
           "Data files are read from the program's folder when Data.dat is there, otherwise from\n"
           "the user's data folder (~/.local/share/Galvix3), which is filled from the installed\n"
           "copies; your own half reactions (Custom.dat) and saved reactions (Saved.dat) live "
           "there.\n";
}

} // namespace galvix
