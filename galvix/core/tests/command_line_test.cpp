// The galvix3 command line: what each argument list asks for, and what
// --calc and --list print or report for the shipped data.
#include "core/command_line.h"
#include "param_name.h"
#include "temp_data_dir.h"

#include <gtest/gtest.h>

namespace galvix {
namespace {

const std::string kDataDir = GALVIX_SHIPPED_DATA_DIR;

struct ParseCase {
    const char* name;
    std::vector<std::string> arguments;
    CommandKind kind;
    const char* usageError;
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, TellsWhatIsAskedOrWhatIsWrong) {
    const Command command = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(command.usageError, GetParam().usageError);
    if (command.ok()) {
        EXPECT_EQ(command.kind, GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{"nothing_opens_the_windows", {}, CommandKind::Windows, ""},
        ParseCase{"toolkit_options_are_left_to_the_windows",
                  {"-platform", "offscreen"},
                  CommandKind::Windows,
                  ""},
        ParseCase{"help", {"--help"}, CommandKind::Help, ""},
        ParseCase{
            "help_after_other_options", {"--calc", "a", "--bogus", "-h"}, CommandKind::Help, ""},
        ParseCase{"version", {"--version"}, CommandKind::Version, ""},
        ParseCase{"calc", {"--calc", "A -> B + e", "C + e -> D"}, CommandKind::Calculate, ""},
        ParseCase{"options_before_calc",
                  {"--ph", "7", "--calc", "A -> B + e", "C + e -> D"},
                  CommandKind::Calculate,
                  ""},
        ParseCase{"list", {"--list", "reduction"}, CommandKind::List, ""},
        ParseCase{"calc_without_reduction",
                  {"--calc", "A -> B + e"},
                  CommandKind::Calculate,
                  "--calc needs an oxidation and a reduction half reaction"},
        ParseCase{
            "list_of_what", {"--list"}, CommandKind::List, "--list needs oxidation or reduction"},
        ParseCase{"list_of_something_else",
                  {"--list", "both"},
                  CommandKind::List,
                  "--list takes oxidation or reduction, not \"both\""},
        ParseCase{"unknown_option",
                  {"--calc", "a", "b", "--colour", "red"},
                  CommandKind::Calculate,
                  "unknown option \"--colour\""},
        ParseCase{"amount_without_value",
                  {"--calc", "a", "b", "--ox", "Zn2+"},
                  CommandKind::Calculate,
                  "--ox: \"Zn2+\" is not SPECIES=VALUE"},
        ParseCase{"amount_without_species",
                  {"--calc", "a", "b", "--red", "=0.1"},
                  CommandKind::Calculate,
                  "--red: \"=0.1\" is not SPECIES=VALUE"},
        ParseCase{"amount_with_a_unit",
                  {"--calc", "a", "b", "--ox", "Zn*2*+=0.1M"},
                  CommandKind::Calculate,
                  "--ox: \"0.1M\" is not a number"},
        ParseCase{"temperature_without_number",
                  {"--calc", "a", "b", "--temperature"},
                  CommandKind::Calculate,
                  "--temperature needs a number"},
        ParseCase{"ph_beyond_a_double",
                  {"--calc", "a", "b", "--ph", "1e999"},
                  CommandKind::Calculate,
                  "--ph: \"1e999\" is not a number"},
        ParseCase{"calc_twice",
                  {"--calc", "a", "b", "--calc", "c", "d"},
                  CommandKind::Calculate,
                  "--calc is given twice"},
        ParseCase{"calc_and_list",
                  {"--calc", "a", "b", "--list", "oxidation"},
                  CommandKind::Calculate,
                  "--calc and --list cannot be combined"},
        ParseCase{"conditions_with_list",
                  {"--list", "oxidation", "--temperature", "30"},
                  CommandKind::List,
                  "conditions belong to --calc, not to --list"}),
    testing::RowName());

TEST(ParseCommandLineTest, KeepsEveryConditionAsTyped) {
    const Command command =
        ParseCommandLine({"--calc", "Zn -> Zn²⁺ + 2e", "Cu*2*+ + 2e -> Cu", "--temperature", "-5",
                          "--ox", "Zn²⁺=0.10", "--red", "Cu*2*+=1e-3", "--red", "X=Y=2", "--ox-ph",
                          "3", "--red-ph", "4.5", "--ph", " 7 "});
    ASSERT_TRUE(command.ok()) << command.usageError;
    const CalculateRequest& request = command.calculate;
    EXPECT_EQ(request.oxidation, "Zn -> Zn²⁺ + 2e");
    EXPECT_EQ(request.reduction, "Cu*2*+ + 2e -> Cu");
    EXPECT_EQ(request.temperatureCelsius, -5.0);
    EXPECT_EQ(request.oxidationAmounts, (std::vector<TypedAmount>{{"Zn²⁺", 0.1}}));
    EXPECT_EQ(request.reductionAmounts,
              (std::vector<TypedAmount>{{"Cu*2*+", 0.001}, {"X=Y", 2.0}}));
    EXPECT_EQ(request.oxidationPH, 3.0);
    EXPECT_EQ(request.reductionPH, 4.5);
    EXPECT_EQ(request.pH, 7.0);
    EXPECT_TRUE(request.hasConditions());
}

struct CalcCase {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<const char*> expectedLines; // each found in the output, in this order
};

class RunCalculateTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(RunCalculateTest, PrintsTheReactionDataAndTheConditions) {
    const Command command = ParseCommandLine(GetParam().arguments);
    ASSERT_TRUE(command.ok()) << command.usageError;
    const CommandOutput output = RunCalculate(command.calculate, kDataDir);
    ASSERT_EQ(output.exitCode, 0) << output.error;
    EXPECT_EQ(output.error, "");
    EXPECT_EQ(output.out.find('\r'), std::string::npos);
    EXPECT_TRUE(output.out.starts_with("Galvix Ver 3.0\n"));
    std::size_t from = 0;
    for (const char* line : GetParam().expectedLines) {
        const std::size_t at = output.out.find("\n" + std::string(line) + "\n", from);
        ASSERT_NE(at, std::string::npos) << "missing line: " << line << "\n" << output.out;
        from = at + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunCalculateTest,
    ::testing::Values(
        CalcCase{"daniell_in_utf8",
                 {"--calc", "Zn -> Zn²⁺ + 2e", "Cu²⁺ + 2e -> Cu"},
                 {"Zn -> Zn²⁺ + 2e", "Will it occur: Yes", "E(cell) = 1.1018 V",
                  "ΔG° = -212.614346 kJ/mol", "Net reaction:", "Zn + Cu²⁺ -> Zn²⁺ + Cu"}},
        CalcCase{"typing_aid_codes",
                 {"--calc", "Fe*2*+ -> Fe*3*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O"},
                 {"Net reaction:", "5 Fe²⁺ + MnO₄⁻ + 8 H⁺ -> 5 Fe³⁺ + Mn²⁺ + 4 H₂O"}},
        CalcCase{"no_reaction_still_gives_the_net_reaction",
                 {"--calc", "Au -> Au*3*+ + 3e", "Li*+ + e -> Li"},
                 {"Will it occur: No", "Net reaction:", "Au + 3 Li⁺ -> Au³⁺ + 3 Li"}},
        CalcCase{"daniell_at_real_concentrations",
                 {"--calc", "Zn -> Zn²⁺ + 2e", "Cu²⁺ + 2e -> Cu", "--ox", "Zn²⁺=0.10", "--red",
                  "Cu*2*+=0.0010"},
                 {"Net reaction:", "Conditions:", "c(Zn²⁺) = 0.1 mol/L", "E(cell) = 1.04264 V",
                  "Will it occur under these conditions: Yes"}},
        CalcCase{"copper_concentration_cell",
                 {"--calc", "Cu -> Cu²⁺ + 2e", "Cu²⁺ + 2e -> Cu", "--ox", "Cu²⁺=0.0010", "--red",
                  "Cu²⁺=1.0"},
                 {"Will it occur: No", "E(cell) = 0.08874 V"}},
        CalcCase{"permanganate_half_cell_at_ph_3",
                 {"--calc", "Fe*2*+ -> Fe*3*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O",
                  "--red-ph", "3"},
                 {"pH = 3", "E = 1.22304 V", "E(cell) = 0.45204 V"}},
        CalcCase{"one_ph_for_both_half_cells",
                 {"--calc", "Fe*2*+ -> Fe*3*+ + e", "MnO/4*- + 8 H*+ + 5e -> Mn*2*+ + 4 H/2O",
                  "--ph", "3"},
                 {"E(cell) = 0.45204 V"}},
        CalcCase{
            "hydrogen_and_oxygen_at_80_degrees",
            {"--calc", "H/2 -> 2 H*+ + 2e", "O/2 + 4 H*+ + 4e -> 2 H/2O", "--temperature", "80"},
            {"Temperature: 80 °C", "E(cell) = 1.22900 V", "log K = 70.156"}}),
    testing::RowName());

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
};

class RunCalculateFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RunCalculateFailureTest, NamesWhatIsWrongAndPrintsNothing) {
    const Command command = ParseCommandLine(GetParam().arguments);
    ASSERT_TRUE(command.ok()) << command.usageError;
    const CommandOutput output = RunCalculate(command.calculate, kDataDir);
    EXPECT_EQ(output.exitCode, ExitFailure);
    EXPECT_EQ(output.error, GetParam().error);
    EXPECT_EQ(output.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunCalculateFailureTest,
    ::testing::Values(
        FailureCase{"reduction_given_as_oxidation",
                    {"--calc", "Zn²⁺ + 2e -> Zn", "Cu²⁺ + 2e -> Cu"},
                    "\"Zn²⁺ + 2e -> Zn\" is not in the oxidation list; it is written \"Zn -> "
                    "Zn²⁺ + 2e\" there"},
        FailureCase{"oxidation_given_as_reduction",
                    {"--calc", "Zn -> Zn²⁺ + 2e", "Cu -> Cu²⁺ + 2e"},
                    "\"Cu -> Cu²⁺ + 2e\" is not in the reduction list; it is written \"Cu²⁺ + "
                    "2e -> Cu\" there"},
        FailureCase{"unknown_half_reaction",
                    {"--calc", "Zn -> Zn2+ + 2e", "Cu²⁺ + 2e -> Cu"},
                    "\"Zn -> Zn2+ + 2e\" is not in the oxidation list"},
        FailureCase{"character_without_chem_byte",
                    {"--calc", "Zn → Zn²⁺ + 2e", "Cu²⁺ + 2e -> Cu"},
                    "the oxidation half reaction \"Zn → Zn²⁺ + 2e\": the character \"→\" "
                    "(U+2192) cannot be written in a half reaction"},
        FailureCase{"species_not_in_the_half_reaction",
                    {"--calc", "Zn -> Zn²⁺ + 2e", "Cu²⁺ + 2e -> Cu", "--ox", "Cu²⁺=0.1"},
                    "\"Cu²⁺\" is not a species of the oxidation half reaction"},
        FailureCase{"species_with_a_character_without_chem_byte",
                    {"--calc", "Zn -> Zn²⁺ + 2e", "Cu²⁺ + 2e -> Cu", "--red", "Cu²⁺→=0.1"},
                    "the reduction species \"Cu²⁺→\": the character \"→\" (U+2192) cannot be "
                    "written in a half reaction"}),
    testing::RowName());

TEST(RunCalculateTest, ADamagedDataFileIsReported) {
    testing::TempDataDir dir;
    dir.write("Data.dat", testing::NumberedBuiltIns(12));
    dir.write("Custom.dat", "0\r\n");
    const Command command = ParseCommandLine({"--calc", "M1 -> M1+ + e", "M2+ + e -> M2"});
    const CommandOutput output = RunCalculate(command.calculate, dir.directory());
    EXPECT_EQ(output.exitCode, ExitFailure);
    EXPECT_NE(output.error.find("Data.dat"), std::string::npos) << output.error;
    EXPECT_EQ(output.out, "");
}

struct ListCase {
    const char* name;
    ListSide side;
    const char* firstLine;
};

class RunListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(RunListTest, PrintsEveryEntryWithItsPotential) {
    const CommandOutput output = RunList(GetParam().side, kDataDir);
    ASSERT_EQ(output.exitCode, 0) << output.error;
    EXPECT_EQ(output.out.substr(0, output.out.find('\n')), GetParam().firstLine);
    std::size_t lines = 0;
    for (std::size_t start = 0; start < output.out.size(); ++lines) {
        const std::size_t end = output.out.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = output.out.substr(start, end - start);
        EXPECT_NE(line.find('\t'), std::string::npos) << line;
        start = end + 1;
    }
    EXPECT_EQ(lines, 531u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunListTest,
    ::testing::Values(ListCase{"oxidation", ListSide::Oxidation, "2.2\tAc -> Ac³⁺ + 3e"},
                      ListCase{"reduction", ListSide::Reduction, "-2.2\tAc³⁺ + 3e -> Ac"}),
    testing::RowName());

TEST(RunListTest, AMissingDataFileIsReported) {
    testing::TempDataDir dir;
    const CommandOutput output = RunList(ListSide::Oxidation, dir.directory());
    EXPECT_EQ(output.exitCode, ExitFailure);
    EXPECT_EQ(output.error, "Data.dat was not found in the folder " + dir.directory());
}

TEST(HelpTextTest, ShowsBothCommandLineUses) {
    const std::string help = HelpText();
    EXPECT_NE(help.find("galvix3 --calc OXIDATION REDUCTION [--temperature C]"), std::string::npos);
    EXPECT_NE(help.find("galvix3 --list oxidation|reduction"), std::string::npos);
}

} // namespace
} // namespace galvix
