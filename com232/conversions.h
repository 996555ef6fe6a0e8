// The four conversions between the named parameter and measurement variables
// (app/state.h) and the word images of the parameter block and the data
// frame, and the same on a set image of the caller's (kSetWords words: slots
// 0..15, then the teach table row by row), which touches no variable.
#pragma once

#include "app/state.h"

namespace orvelle {

// Builds the set image in pp words 0..201: slots 0..15, then the teach table
// row by row.
void CopyVarsToPP();
// Takes a reply image in pp apart: marker 0x00AA required; command 3 fills
// the 16 parameters (paraMaxNr clamped to anzVec), command 4 fills the row
// named in word 2 (rows 31 and above are ignored); anything else changes nothing.
void CopyPPtoVars();
// Takes a set image (from a file) apart; paraMaxNr clamped to anzVec.
void CopyFileParatoVars();
// Copies databuf words 2..13 into the twelve measurement variables.
void CopyDatatoVars();

// The variables as a set image.
void VarsToImage(word *image);
// A set image into the variables; paraMaxNr clamped to anzVec.
void ImageToVars(const word *image);
// What an 18-word reply (decoded as GetRxBufPara does) brings into a set
// image, by the rules of CopyPPtoVars: the parameters of a command-3 reply
// (word 6 clamped to anzVec) or the row a command-4 reply names.
void ReplyIntoImage(const word *reply, word *image);

}  // namespace orvelle
