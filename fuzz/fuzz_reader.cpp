// Feeds arbitrary bytes to the reader KESTREL_FUZZ_READER, one target for
// each format: it must finish without crashing, hanging or reading out of
// bounds, whatever the bytes are. They go to the parser as they are: reading
// a file differs from this only in where the bytes come from.

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KESTREL_FUZZ_READER reader;
    reader.readBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const auto &entry : reader.entries())
        (void)entry.url.toString().size();
    return 0;
}
