// The traces a batch works on: files named on the command line, and every
// trace file of the folders named there.
#pragma once

#include "diagnostics.h"

#include <string>
#include <vector>

namespace varnel::cli {

// Folders are listed in name order, without hidden files and without the
// texts that live beside traces (.json, .txt, .csv, .md): trace exports,
// reports and simulator truths. A folder without traces is an error.
std::vector<std::string> batchInputs(const std::vector<std::string>& arguments,
                                     Diagnostics& diagnostics);

} // namespace varnel::cli
