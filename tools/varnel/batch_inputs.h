// The traces a batch works on: files named on the command line, and every
// trace file of the folders named there.
#pragma once

#include "diagnostics.h"

#include <string>
#include <vector>

namespace varnel::cli {

// Folders are listed in name order, without hidden files and without the
// texts that live beside traces (.json, .txt, .csv, .md): trace exports,
// reports and simulator truths. A folder without traces is an error. What a
// folder holds besides files (subfolders unless recursive, dangling links,
// devices) is named in a warning, never passed over in silence. Recursion
// does not follow links to folders, so it cannot loop.
std::vector<std::string> batchInputs(const std::vector<std::string>& arguments, bool recursive,
                                     Diagnostics& diagnostics);

} // namespace varnel::cli
