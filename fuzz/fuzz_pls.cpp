// Feeds arbitrary files to the pls reader: it must finish without crashing,
// hanging or reading out of bounds, whatever the bytes are.

#include "fuzzfile.h"
#include "playlist/plsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeFuzzInput(data, size, "input.pls");
    plsFile reader;
    reader.readFile(path);
    for (const auto &entry : reader.entries())
        (void)entry.url.toString().size();
    return 0;
}
