// Feeds arbitrary files to the m3u reader: it must finish without crashing,
// hanging or reading out of bounds, whatever the bytes are.

#include "fuzzfile.h"
#include "playlist/m3ufile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeFuzzInput(data, size, "input.m3u");
    m3uFile reader;
    reader.readFile(path);
    for (const auto &entry : reader.entries())
        (void)entry.url.toString().size();
    return 0;
}
