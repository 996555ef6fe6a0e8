#include "sim/sensor_memory.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

namespace sim {

namespace {

constexpr qint64 kMaxLineBytes = 64;        // a word is at most 5 digits
constexpr qint64 kMaxFileBytes = 8 * 1024;  // 202 short lines fit many times over

// Default parameter words by slot.
constexpr uint16_t kDefaultPower = 800;
constexpr uint16_t kDefaultChannelMode = 3;
constexpr uint16_t kDefaultAverage = 4;
constexpr uint16_t kDefaultHold = 10;
constexpr uint16_t kDefaultIntlim = 100;
constexpr uint16_t kDefaultMaxNr = 4;

// Rows taught on the simulated target at power 800 (see sensor_model.cpp):
// object centred, object over the left channel, object over the right one.
constexpr TeachRow kRowCentre = {1460, 120, 500, 40, 776, 40};
constexpr TeachRow kRowLeft = {1220, 120, 973, 30, 359, 40};
constexpr TeachRow kRowRight = {1220, 120, 27, 30, 359, 40};

} // namespace

ParamSet defaultParamSet()
{
    ParamSet set;
    set.params[kSlotPower] = kDefaultPower;
    set.params[kSlotChannelMode] = kDefaultChannelMode;
    set.params[kSlotAverage] = kDefaultAverage;
    set.params[kSlotEvalMode] = 0;
    set.params[kSlotHold] = kDefaultHold;
    set.params[kSlotIntlim] = kDefaultIntlim;
    set.params[kSlotMaxNr] = kDefaultMaxNr;
    set.params[kSlotOutMode] = kOutModeBinary;
    set.params[kSlotTrigger] = kTriggerCont;
    set.params[kSlotExtteach] = 0;
    set.teach[0] = kRowCentre;
    set.teach[1] = kRowLeft;
    set.teach[2] = kRowRight;
    return set;
}

std::array<uint16_t, kSetWords> toWords(const ParamSet &set)
{
    std::array<uint16_t, kSetWords> words{};
    std::size_t i = 0;
    for (uint16_t w : set.params)
        words[i++] = w;
    for (const TeachRow &row : set.teach)
        for (uint16_t w : row)
            words[i++] = w;
    return words;
}

ParamSet fromWords(const std::array<uint16_t, kSetWords> &words)
{
    ParamSet set;
    std::size_t i = 0;
    for (uint16_t &w : set.params)
        w = words[i++];
    for (TeachRow &row : set.teach)
        for (uint16_t &w : row)
            w = words[i++];
    return set;
}

bool loadEepromFile(const std::string &path, ParamSet *out, std::string *error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + ": " + file.errorString().toStdString();
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        *error = path + ": file too large for an EEPROM image";
        return false;
    }
    std::array<uint16_t, kSetWords> words{};
    std::size_t count = 0;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxLineBytes).trimmed();
        if (line.isEmpty())
            continue;
        bool ok = false;
        uint value = line.toUInt(&ok);
        if (!ok || value > 0xFFFF) {
            *error = path + ": bad word in line " + std::to_string(count + 1);
            return false;
        }
        if (count == kSetWords) {
            *error = path + ": more than " + std::to_string(kSetWords) + " words";
            return false;
        }
        words[count++] = static_cast<uint16_t>(value);
    }
    if (count != kSetWords) {
        *error = path + ": " + std::to_string(count) + " words instead of " +
                 std::to_string(kSetWords);
        return false;
    }
    *out = fromWords(words);
    return true;
}

bool saveEepromFile(const std::string &path, const ParamSet &set, std::string *error)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = path + ": " + file.errorString().toStdString();
        return false;
    }
    QByteArray text;
    for (uint16_t w : toWords(set))
        text += QByteArray::number(w) + '\n';
    file.write(text);
    if (!file.commit()) {
        *error = path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace sim
