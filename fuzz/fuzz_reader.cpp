// Feeds arbitrary files to the reader KESTREL_FUZZ_READER, one target for
// each format: it must finish without crashing, hanging or reading out of
// bounds, whatever the bytes are.

#include "fuzzfile.h"
#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KESTREL_FUZZ_READER reader;
    reader.readFile(writeFuzzInput(data, size, KESTREL_FUZZ_INPUT));
    for (const auto &entry : reader.entries())
        (void)entry.url.toString().size();
    return 0;
}
