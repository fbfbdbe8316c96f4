// Feeds arbitrary files to the xspf reader: it must finish without crashing,
// hanging or reading out of bounds, whatever the bytes are.

#include "fuzzfile.h"
#include "playlist/xspffile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeFuzzInput(data, size, "input.xspf");
    xspfFile reader;
    reader.readFile(path);
    for (const auto &entry : reader.entries())
        (void)entry.url.toString().size();
    return 0;
}
