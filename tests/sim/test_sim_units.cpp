// The simulator's pieces on their own: frame words, derived values and
// classification, the EEPROM file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sim/sensor_memory.h"
#include "sim/sensor_model.h"
#include "sim/sim_frame.h"

namespace {

using sim::Intensities;
using sim::ParamSet;

TEST(SimFrame, WordsAreMostSignificantByteFirst)
{
    sim::Frame f = sim::makeFrame(sim::kSyncWord, sim::kCmdWriteParams);
    sim::setFrameWord(f, 2, 1000);
    sim::setFrameWord(f, 17, 0xBEEF);
    sim::setFrameWord(f, 18, 0xFFFF);   // outside: ignored
    const uint8_t head[] = {0x00, 0x55, 0x00, 0x01, 0x03, 0xE8};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), f.begin()));
    EXPECT_EQ(f[34], 0xBE);
    EXPECT_EQ(f[35], 0xEF);
    EXPECT_EQ(sim::frameWord(f, 2), 1000);
    EXPECT_EQ(sim::frameWord(f, 18), 0);
    EXPECT_EQ(sim::bytesToHex(f.data(), 4), "00 55 00 01");
}

struct DeriveCase {
    Intensities in;
    uint16_t density, sym1, sym2;
};

class SimDerive : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(SimDerive, DensityAndSymmetries)
{
    const DeriveCase &c = GetParam();
    sim::Derived d = sim::deriveValues(c.in);
    EXPECT_EQ(d.density, c.density);
    EXPECT_EQ(d.sym1, c.sym1);
    EXPECT_EQ(d.sym2, c.sym2);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimDerive, ::testing::Values(
    DeriveCase{{1000, 1000, 1000}, 1000, 500, 500},   // symmetric
    DeriveCase{{0, 0, 0}, 0, 500, 500},               // dark
    DeriveCase{{3000, 0, 0}, 1000, 1000, 0},          // all left
    DeriveCase{{0, 0, 3000}, 1000, 0, 0},             // all right
    DeriveCase{{0, 4095, 0}, 1365, 500, 1000},        // centre only
    DeriveCase{{4095, 4095, 4095}, 4095, 500, 500},   // no overflow at full scale
    DeriveCase{{300, 600, 100}, 333, 750, 750},
    DeriveCase{{100, 300, 900}, 433, 100, 375}));

ParamSet tableWithRow(std::size_t row, sim::Derived at)
{
    ParamSet set = sim::defaultParamSet();
    set.teach = {};
    set.teach[row] = {at.density, 50, at.sym1, 20, at.sym2, 20};
    set.params[sim::kSlotMaxNr] = 31;
    set.params[sim::kSlotIntlim] = 100;
    return set;
}

TEST(SimClassify, MatchesRowWithinAllThreeBands)
{
    sim::Derived d{1000, 600, 400};
    ParamSet set = tableWithRow(3, d);
    EXPECT_EQ(sim::classifyVector(set, d), 3);
    EXPECT_EQ(sim::classifyVector(set, {1050, 620, 380}), 3);   // on the band edges
    EXPECT_EQ(sim::classifyVector(set, {1051, 600, 400}), sim::kNoVector);
    EXPECT_EQ(sim::classifyVector(set, {1000, 621, 400}), sim::kNoVector);
    EXPECT_EQ(sim::classifyVector(set, {1000, 600, 379}), sim::kNoVector);
}

TEST(SimClassify, BelowIntensityLimitIsNoVector)
{
    sim::Derived d{1000, 500, 500};
    ParamSet set = tableWithRow(0, d);
    set.params[sim::kSlotIntlim] = 1001;
    EXPECT_EQ(sim::classifyVector(set, d), sim::kNoVector);
    set.params[sim::kSlotIntlim] = 1000;
    EXPECT_EQ(sim::classifyVector(set, d), 0);
}

TEST(SimClassify, OnlyCheckedRowsCountAndDirectModesStopAtFive)
{
    sim::Derived d{1000, 500, 500};
    ParamSet set = tableWithRow(5, d);
    set.params[sim::kSlotMaxNr] = 5;
    EXPECT_EQ(sim::classifyVector(set, d), sim::kNoVector);   // rows 0..4 only
    set.params[sim::kSlotMaxNr] = 6;
    EXPECT_EQ(sim::classifyVector(set, d), 5);
    set.params[sim::kSlotOutMode] = 2;                         // DIRECT
    EXPECT_EQ(sim::classifyVector(set, d), sim::kNoVector);
    set.params[sim::kSlotMaxNr] = 40;                          // clamped to 31
    set.params[sim::kSlotOutMode] = sim::kOutModeBinary;
    EXPECT_EQ(sim::rowsChecked(set), 31u);
}

TEST(SimClassify, FirstMatchingRowWins)
{
    sim::Derived d{1000, 500, 500};
    ParamSet set = tableWithRow(4, d);
    set.teach[2] = set.teach[4];
    EXPECT_EQ(sim::classifyVector(set, d), 2);
}

TEST(SimModel, DefaultRowsRecogniseThePassingTarget)
{
    ParamSet set = sim::defaultParamSet();
    auto vectorAt = [&](double x, bool present) {
        Intensities in = sim::targetIntensities(x, present, set.params[sim::kSlotPower], 3);
        return sim::classifyVector(set, sim::deriveValues(in));
    };
    EXPECT_EQ(vectorAt(0.0, true), 0);
    EXPECT_EQ(vectorAt(-0.4, true), 1);
    EXPECT_EQ(vectorAt(0.4, true), 2);
    EXPECT_EQ(vectorAt(0.0, false), sim::kNoVector);   // stray light only
}

TEST(SimModel, PowerScalesAndChannelModeDisconnects)
{
    Intensities full = sim::targetIntensities(0.0, true, 1000, 3);
    Intensities half = sim::targetIntensities(0.0, true, 500, 3);
    EXPECT_NEAR(half.c * 2, full.c, 2);
    EXPECT_EQ(sim::targetIntensities(0.0, true, 0, 3), (Intensities{0, 0, 0}));
    Intensities centre = sim::targetIntensities(0.0, true, 1000, 1);
    EXPECT_EQ(centre.l, 0);
    EXPECT_EQ(centre.r, 0);
    EXPECT_EQ(centre.c, full.c);
    EXPECT_EQ(sim::targetIntensities(0.0, true, 1000, 2).c, 0);
}

TEST(SimModel, SampleFillsEveryDataWord)
{
    sim::SensorModel model;
    model.setFixedTarget(Intensities{900, 2700, 900});
    ParamSet set = sim::defaultParamSet();
    sim::DataWords w = model.sample(0, set);
    sim::Derived d = sim::deriveValues({900, 2700, 900});
    EXPECT_EQ(w[sim::kDataChL], 900);
    EXPECT_EQ(w[sim::kDataChC], 2700);
    EXPECT_EQ(w[sim::kDataDensity], d.density);
    EXPECT_EQ(w[sim::kDataSym1], 500);
    EXPECT_EQ(w[sim::kDataSym2], d.sym2);
    EXPECT_EQ(w[sim::kDataVector], sim::classifyVector(set, d));
    EXPECT_GE(w[sim::kDataTemp], 29);
    EXPECT_LE(w[sim::kDataTemp], 33);
    EXPECT_EQ(w[sim::kDataMaxChC], 2700);
    EXPECT_EQ(w[sim::kDataTrigger], 0);
}

TEST(SimModel, MaximaCoverTheLastSixtySeconds)
{
    sim::SensorModel model;
    ParamSet set = sim::defaultParamSet();
    model.setFixedTarget(Intensities{3000, 2000, 1000});
    model.sample(1000, set);
    model.setFixedTarget(Intensities{100, 200, 300});
    sim::DataWords w = model.sample(50000, set);
    EXPECT_EQ(w[sim::kDataMaxChL], 3000);
    EXPECT_EQ(w[sim::kDataMaxChC], 2000);
    EXPECT_EQ(w[sim::kDataMaxChR], 1000);
    w = model.sample(61500, set);
    EXPECT_EQ(w[sim::kDataMaxChL], 100);
    EXPECT_EQ(w[sim::kDataMaxChR], 300);
}

TEST(SimModel, ExternalTriggerHoldsOrFailsWhileInputLow)
{
    sim::SensorModel model;
    ParamSet set = tableWithRow(1, sim::deriveValues({1000, 1000, 1000}));
    model.setFixedTarget(Intensities{1000, 1000, 1000});
    set.params[sim::kSlotTrigger] = sim::kTriggerExt1;
    model.setTriggerInput(true);
    EXPECT_EQ(model.sample(0, set)[sim::kDataVector], 1);
    model.setTriggerInput(false);
    model.setFixedTarget(Intensities{50, 50, 50});   // would be 255 if evaluated
    sim::DataWords w = model.sample(10, set);
    EXPECT_EQ(w[sim::kDataVector], 1);
    EXPECT_EQ(w[sim::kDataTrigger], 0);
    set.params[sim::kSlotTrigger] = sim::kTriggerExt2;
    model.setFixedTarget(Intensities{1000, 1000, 1000});
    EXPECT_EQ(model.sample(20, set)[sim::kDataVector], sim::kNoVector);
    model.setTriggerInput(true);
    EXPECT_EQ(model.sample(30, set)[sim::kDataTrigger], 1);
}

class SimEepromFile : public ::testing::Test {
protected:
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }
    void write(const char *name, const QByteArray &text) const
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir dir;
};

TEST_F(SimEepromFile, RoundTripKeepsEveryWord)
{
    ParamSet set;
    for (std::size_t i = 0; i < sim::kParamWords; ++i)
        set.params[i] = static_cast<uint16_t>(65535 - i);
    for (std::size_t r = 0; r < sim::kTeachRows; ++r)
        for (std::size_t c = 0; c < sim::kTeachCols; ++c)
            set.teach[r][c] = static_cast<uint16_t>(r * 100 + c);
    std::string error;
    ASSERT_TRUE(sim::saveEepromFile(path("e.txt"), set, &error)) << error;
    ParamSet back;
    ASSERT_TRUE(sim::loadEepromFile(path("e.txt"), &back, &error)) << error;
    EXPECT_EQ(back, set);
}

TEST_F(SimEepromFile, BadFilesChangeNothing)
{
    QByteArray good;
    for (std::size_t i = 0; i < sim::kSetWords; ++i)
        good += QByteArray::number(i) + '\n';
    const std::pair<const char *, QByteArray> cases[] = {
        {"short", "1\n2\n3\n"},
        {"long", good + "7\n"},
        {"word", QByteArray(good).replace("\n17\n", "\n65536\n")},
        {"text", QByteArray(good).replace("\n5\n", "\nfive\n")},
        {"binary", QByteArray(300, '\xff')},
    };
    ParamSet untouched = sim::defaultParamSet();
    for (const auto &[name, text] : cases) {
        write(name, text);
        ParamSet out = untouched;
        std::string error;
        EXPECT_FALSE(sim::loadEepromFile(path(name), &out, &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_EQ(out, untouched) << name;
    }
    ParamSet out = untouched;
    std::string error;
    EXPECT_FALSE(sim::loadEepromFile(path("missing"), &out, &error));
}

} // namespace
