#include "gui/set_fields.h"

#include <cstdio>

namespace orvelle {

namespace {

// As the parameter panel labels them, in transfer order.
const char *const kParaNames[kFirstSpareWord] = {
    "POWER", "CHANNELS", "AVERAGE", "EVAL MODE", "HOLD",
    "INT LIMIT", "MAXVEC-No.", "OUT MODE", "TRIGGER", "EXTERN TEACH",
};

const char *const kColumnNames[kVecWords] = {
    "density", "density tolerance", "symmetry 1", "symmetry 1 tolerance",
    "symmetry 2", "symmetry 2 tolerance",
};

constexpr int kFirstSpareNumber = 11;  // the spare words are named 11 .. 16

}  // namespace

void SetFieldName(int w, char *name, std::size_t size)
{
    if (!name || size == 0)
        return;
    if (w < 0 || w >= kSetWords)
        name[0] = '\0';
    else if (w < kFirstSpareWord)
        std::snprintf(name, size, "%s", kParaNames[w]);
    else if (w < kFirstTeachWord)
        std::snprintf(name, size, "spare word %d", kFirstSpareNumber + w - kFirstSpareWord);
    else
        std::snprintf(name, size, "row %d %s", TeachRowOf(w),
                      kColumnNames[(w - kFirstTeachWord) % kVecWords]);
}

bool OnParameterPanel(int w)
{
    return w >= 0 && w < kFirstSpareWord;
}

bool OnTeachTable(int w)
{
    return w >= kFirstTeachWord && w < kSetWords;
}

int TeachRowOf(int w)
{
    return (w - kFirstTeachWord) / kVecWords;
}

}  // namespace orvelle
