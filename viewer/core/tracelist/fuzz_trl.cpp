// libFuzzer target: trace list files are read from wherever users keep them.
// Every input decodes or is refused; resolving the decoded paths against a
// list folder never reads beyond what the file holds.
#include "core/tracelist/trl_file.h"
#include "core/tracelist/trl_paths.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const orvane::TrlReadResult read = orvane::decodeTrl({data, size});
    orvane::StoredPathResolver resolver(orvane::listLocationOf("/nonexistent/lists/cable.trl"));
    for (const std::string& stored : read.paths) {
        const orvane::ResolvedPath resolved = resolver.resolve(stored);
        (void)orvane::storedFormOf(resolved.path, orvane::listLocationOf("C:\\lists\\cable.trl"));
    }
    const orvane::TrlWriteResult written = orvane::encodeTrl(read.paths);
    if (written.status == orvane::TrlWriteStatus::Done &&
        orvane::decodeTrl(written.bytes).paths != read.paths)
        __builtin_trap();
    return 0;
}
