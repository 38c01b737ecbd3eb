// The calculator's lists of units, physical constants and prefixes: every value
// line calculates, and values that depend on one another agree.
#include "engine/session.h"
#include "engine/task_text.h"
#include "row_name.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace molva {
namespace {

// Name line to value line, for the pairs of one list.
std::map<std::string, std::string> ReadList(const std::string& file) {
    std::ifstream in(std::string(MOLVA_CONSTANTS_DIR) + "/" + file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::string_view> lines = SplitLines(text);
    std::map<std::string, std::string> pairs;
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2)
        pairs.emplace(lines[k], lines[k + 1]);
    return pairs;
}

// The value of a value line, as the calculator gives it when it is entered.
double ValueOf(const std::string& valueLine) {
    CalcSession session;
    const Entry entry = session.Enter(valueLine);
    std::size_t used = 0;
    const double value = std::stod(entry.resultLine, &used);
    EXPECT_EQ(used, entry.resultLine.size()) << valueLine << " gives " << entry.resultLine;
    return value;
}

TEST(ConstantsTest, EveryValueLineCalculates) {
    for (const char* file : {"units.txt", "physical.txt", "prefixes.txt"}) {
        const auto pairs = ReadList(file);
        EXPECT_GT(pairs.size(), 10u) << file;
        for (const auto& [name, value] : pairs) {
            if (name.starts_with("___"))
                continue;
            EXPECT_TRUE(value.starts_with(' ')) << file << ": " << name;
            EXPECT_TRUE(std::isfinite(ValueOf(value))) << file << ": " << name;
        }
    }
}

struct Relation {
    const char* name;
    const char* file;
    const char* entry;
    const char* otherFile;
    const char* other;
    double factor; // entry = factor × other
    double tolerance;
};

class ConstantsRelationTest : public ::testing::TestWithParam<Relation> {};

TEST_P(ConstantsRelationTest, AgreesWithTheEntryItFollowsFrom) {
    const Relation& r = GetParam();
    const double entry = ValueOf(ReadList(r.file).at(r.entry));
    const double other = ValueOf(ReadList(r.otherFile).at(r.other));
    EXPECT_NEAR(entry / (r.factor * other), 1.0, r.tolerance) << r.entry;
}

constexpr double kExact = 1e-12;

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsRelationTest,
    ::testing::Values(
        Relation{"acre_is_4840_square_yards", "units.txt", "Area - acre (m2)", "units.txt",
                 "Area - square yard (m2)", 4840, kExact},
        Relation{"square_mile_is_640_acres", "units.txt", "Area - square mile (m2)", "units.txt",
                 "Area - acre (m2)", 640, 1e-9},
        Relation{"technical_atmosphere_is_ten_metres_of_water", "units.txt",
                 "Pressure - technical atmosphere (Pa)", "units.txt",
                 "Pressure - millimeter of water (Pa)", 10000, kExact},
        Relation{"millimetre_of_water_is_standard_gravity", "units.txt",
                 "Pressure - millimeter of water (Pa)", "physical.txt",
                 "Acceleration of Free Fall (m/s2)", 1, kExact},
        Relation{"normal_pressure_is_one_atmosphere", "physical.txt", "Normal Pressure (Pa)",
                 "units.txt", "Pressure - normal atmosphere (Pa)", 1, kExact},
        Relation{"hectare_is_ten_thousand_square_metres", "units.txt", "Area - hectare (m2)",
                 "units.txt", "Area - square meter (m2)", 10000, kExact},
        Relation{"kilocalorie_per_second", "units.txt", "Power - kilocalories per second (W)",
                 "units.txt", "Energy - kilocalorie (J)", 1, kExact},
        Relation{"knot_is_a_nautical_mile_per_hour", "units.txt", "Speed - knot (m/s)", "units.txt",
                 "Length - nautical mile (m)", 1.0 / 3600, 1e-9}),
    testing::RowName());

// The kelvin line reads a temperature in kelvin as degrees Celsius: 1 - 273.15.
TEST(ConstantsTest, AbsoluteZeroIsTheKelvinOffset) {
    const double kelvinLine = ValueOf(ReadList("units.txt").at("Temperature - kelvin (°)"));
    EXPECT_DOUBLE_EQ(ValueOf(ReadList("physical.txt").at("Absolute Zero (°C)")), kelvinLine - 1);
}

// The number density of an ideal gas at the conditions its name gives: p / (k T).
TEST(ConstantsTest, LoschmidtConstantAtItsConditions) {
    const auto physical = ReadList("physical.txt");
    const double n0 = ValueOf(physical.at("Loschmidt Constant (1/m3) (T = 273.15 K, p = 100 kPa)"));
    const double k = ValueOf(physical.at("Boltzmann Constant (J/K)"));
    EXPECT_NEAR(n0 * k * 273.15 / 100000, 1.0, 1e-4);
}

TEST(ConstantsTest, FeigenbaumConstant) {
    EXPECT_NEAR(ValueOf(ReadList("physical.txt").at("Feigenbaum's Constant")), 4.66920160910299,
                1e-12);
}

} // namespace
} // namespace molva
