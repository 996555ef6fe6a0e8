// The arithmetic pulled out of the panels: zoom range, density band,
// symmetry range, and the number reading of the settings file.
#include <gtest/gtest.h>

#include <vector>

#include "gui/connection_settings.h"
#include "gui/main_graphs.h"
#include "gui/teach_table.h"

using namespace orvelle;

namespace {

TEST(ZoomRange, BoundariesOfTheMargin)
{
    struct Case { double fill, lo, hi; };
    const Case cases[] = {
        {0, 0, 25},           // min not above 25 stays, max gets the margin
        {1000, 975, 1025},
        {25, 25, 50},         // exactly 25: no margin below
        {26, 1, 51},
        {4071, 4046, 4071},   // exactly 4071: no margin above
        {4070, 4045, 4095},
        {4096, 4071, 4096},
    };
    for (const Case &c : cases) {
        std::vector<double> v(300, c.fill);
        double lo = -1, hi = -1;
        ZoomRange(v.data(), 300, &lo, &hi);
        EXPECT_DOUBLE_EQ(lo, c.lo) << c.fill;
        EXPECT_DOUBLE_EQ(hi, c.hi) << c.fill;
    }
}

TEST(ZoomRange, ScansBandLimitsToo)
{
    std::vector<double> v(300, 2000);
    v[1] = 2600;   // an upper band limit
    v[299] = 1500; // a lower band limit
    double lo = 0, hi = 0;
    ZoomRange(v.data(), 300, &lo, &hi);
    EXPECT_DOUBLE_EQ(lo, 1475);
    EXPECT_DOUBLE_EQ(hi, 2625);
}

TEST(DensityBand, ClampedToFullScale)
{
    short u = 0, l = 0;
    DensityBand(4000, 200, &u, &l);
    EXPECT_EQ(u, 4096);
    EXPECT_EQ(l, 3800);
    DensityBand(50, 100, &u, &l);
    EXPECT_EQ(u, 150);
    EXPECT_EQ(l, 0);
    DensityBand(65535, 65535, &u, &l);  // no wrap in the sum
    EXPECT_EQ(u, 4096);
    EXPECT_EQ(l, 0);
    DensityBand(40000, 100, &u, &l);  // a set value past full scale
    EXPECT_EQ(u, 4096);
    EXPECT_EQ(l, 4096);
}

TEST(SymmetryRange, ClampedToAxis)
{
    int lo = -1, hi = -1;
    SymmetryRange(980, 50, &lo, &hi);
    EXPECT_EQ(lo, 930);
    EXPECT_EQ(hi, 1000);
    SymmetryRange(20, 50, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 70);
    SymmetryRange(1, 1, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 2);
    SymmetryRange(65535, 65535, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000);
}

TEST(ParseLeadingInt, ReadsAsTheSettingsFileNeeds)
{
    EXPECT_EQ(ParseLeadingInt("3"), 3);
    EXPECT_EQ(ParseLeadingInt("  12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("-7"), -7);
    EXPECT_EQ(ParseLeadingInt("+8"), 8);
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("x1"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), -2147483647 - 1);
    // The variable keeps the low 16 bits.
    EXPECT_EQ(static_cast<unsigned short>(ParseLeadingInt("65537")), 1);
}

}  // namespace
