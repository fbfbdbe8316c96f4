// Every file the PLS reader accepts must survive a save and a second read
// (see plsroundtrip.h for what counts as the same).

#include "fuzzfile.h"
#include "plsroundtrip.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = writeFuzzInput(data, size, "input.pls");
    plsFile first;
    first.readFile(input);
    const QString changed =
        kestrel::roundtrip::difference(first.entries(), fuzzScratchDir() + QStringLiteral("/out"));
    if (!changed.isEmpty()) {
        std::fprintf(stderr, "round trip changed %s\n", qPrintable(changed));
        std::abort();
    }
    return 0;
}
