// The words of the parameter set by the names the operator reads on the
// panels, for lists of what differs between two sets.
#pragma once

#include <cstddef>

#include "app/state.h"

namespace orvelle {

constexpr int kFirstSpareWord = 10;   // paraFrei11 .. paraFrei16: on no panel
constexpr int kFirstTeachWord = kParaSlots;

// The name of word w (0 .. kSetWords-1) of a set image in file order:
// "POWER", "spare word 11", "row 5 density tolerance". "" outside the set.
void SetFieldName(int w, char *name, std::size_t size);
// Whether word w is shown on the parameter panel (0 .. 9) or the teach
// table (16 .. 201); the spare words are on neither.
bool OnParameterPanel(int w);
bool OnTeachTable(int w);
// The teach row (0 .. 30) of a teach-table word.
int TeachRowOf(int w);

}  // namespace orvelle
