#ifndef KESTREL_CONVERTER_H
#define KESTREL_CONVERTER_H

#include <QStringList>

// The batch run ("-q"): reads the "-i" playlists in order, merges them and
// writes the result to the "-o" PLS file, with messages on standard error
// instead of boxes. Needs no application object beyond a QCoreApplication.
namespace Converter {

// `arguments` (element 0 is the program) must be a batch run that
// CommandLine::parse accepted. Returns the exit code: 0 when every input was
// read and the output written, 1 when an input could not be read or the write
// failed; the inputs that could be read are written all the same.
int run(const QStringList &arguments);

} // namespace Converter

#endif
