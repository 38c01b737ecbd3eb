// Chemistry checks of the shipped Data.dat: every record balances in atoms and
// charge, no couple is there twice, no record mixes acid and base, and the
// potentials of every Latimer triangle add up.
#include "core/half_reaction_audit.h"
#include "core/half_reaction_table.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <set>
#include <tuple>
#include <vector>

namespace galvix {
namespace {

const std::string kDataDir = GALVIX_SHIPPED_DATA_DIR;
constexpr double kLatimerTolerance = 0.05;

// Triangles whose potentials are known not to add up, each with the reason it
// stays, named by the whole reaction and its two parts in typing-aid notation.
struct KnownMisfit {
    const char* whole;
    const char* first;
    const char* second;
};
const std::vector<KnownMisfit> kKnownMisfits = {};

// A Chem text in the notation of the typing aid: subscript 2 as "/2",
// superscript 3+ as "*3*+", so that messages and the list above stay readable.
std::string TypingAidNotation(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 181 && code <= 190)
            out += "/" + std::to_string(code - 181);
        else if (code >= 140 && code <= 148)
            out += "*" + std::to_string(code - 139);
        else if (code == 149)
            out += "*0";
        else if (code == 162)
            out += "*+";
        else if (code == 163)
            out += "*-";
        else
            out += c;
    }
    return out;
}

struct ShippedTable {
    std::vector<std::string> texts; // typing-aid notation, record k at k - 1
    std::vector<AuditedReaction> reactions;
};

ShippedTable ReadShipped() {
    ShippedTable shipped;
    const auto load = LoadTable(kDataDir);
    EXPECT_TRUE(load.ok()) << load.error;
    for (int i = 1; i <= load.table.count(); ++i) {
        const auto& entry = load.table[i];
        const FormulaRead read = ParseHalfReaction(entry.oxidationText);
        EXPECT_TRUE(read.ok()) << "record " << i << ": " << TypingAidNotation(read.error);
        shipped.texts.push_back(TypingAidNotation(entry.oxidationText));
        shipped.reactions.push_back({read.formula, entry.oxidationPotential});
    }
    return shipped;
}

TEST(ShippedDataConsistencyTest, EveryRecordBalancesInAtomsAndCharge) {
    const ShippedTable shipped = ReadShipped();
    for (std::size_t i = 0; i < shipped.reactions.size(); ++i) {
        EXPECT_EQ(BalanceFault(shipped.reactions[i].formula), "")
            << "record " << i + 1 << ": " << shipped.texts[i];
    }
}

TEST(ShippedDataConsistencyTest, NoRecordMixesAcidAndBase) {
    const ShippedTable shipped = ReadShipped();
    for (std::size_t i = 0; i < shipped.reactions.size(); ++i) {
        EXPECT_FALSE(MixesAcidAndBase(shipped.reactions[i].formula))
            << "record " << i + 1 << ": " << shipped.texts[i];
    }
}

TEST(ShippedDataConsistencyTest, NoCoupleIsThereTwice) {
    const ShippedTable shipped = ReadShipped();
    for (const RepeatedCouple& repeated : RepeatedCouples(shipped.reactions)) {
        ADD_FAILURE() << "records " << repeated.first + 1 << " and " << repeated.second + 1
                      << " are one couple: " << shipped.texts[repeated.first] << " | "
                      << shipped.texts[repeated.second];
    }
}

TEST(ShippedDataConsistencyTest, LatimerTrianglesAddUp) {
    const ShippedTable shipped = ReadShipped();
    std::set<std::tuple<std::string, std::string, std::string>> known;
    for (const KnownMisfit& misfit : kKnownMisfits)
        known.emplace(misfit.whole, misfit.first, misfit.second);
    std::set<std::tuple<std::string, std::string, std::string>> used;
    for (const LatimerTriangle& triangle : LatimerMisfits(shipped.reactions, kLatimerTolerance)) {
        const auto names =
            std::make_tuple(shipped.texts[triangle.whole], shipped.texts[triangle.first],
                            shipped.texts[triangle.second]);
        if (known.contains(names)) {
            used.insert(names);
            continue;
        }
        ADD_FAILURE() << std::fixed << std::setprecision(3) << "record " << triangle.whole + 1
                      << " " << std::get<0>(names) << " has E0 "
                      << -shipped.reactions[triangle.whole].potential << " V, records "
                      << triangle.first + 1 << " " << std::get<1>(names) << " and "
                      << triangle.second + 1 << " " << std::get<2>(names) << " give "
                      << -triangle.expected << " V";
    }
    EXPECT_EQ(used, known) << "a known misfit is no longer in the data";
}

} // namespace
} // namespace galvix
