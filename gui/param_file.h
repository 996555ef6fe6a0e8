// The transfer target selector's FILE side: the parameter file of 202
// values, one per line in a five-character column, CR LF.
#pragma once

#include "gui/param_file_io.h"

namespace orvelle {

// Asks for a file; on a choice saves the panels' parameter set into it. A
// failed save keeps the old file and says so in a popup.
void SendParaToFile();
// Asks for a file; on a choice loads it into the panels. A file that cannot
// be read, is short, holds a non-number or a value above 65535 changes
// nothing and is named in a popup.
void ReadParaFromFile();

}  // namespace orvelle
