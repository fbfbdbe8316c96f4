#ifndef KESTREL_STREAMADDRESS_H
#define KESTREL_STREAMADDRESS_H

#include <QStringView>
#include <QUrl>

// Which stream addresses the radio-box can play and the writers can write.
namespace kestrel {

// True when the address, without the white space around it, has the scheme
// "http" or "udp" as QUrl finds it, whatever follows.
bool hasStreamScheme(QStringView address);

// True when the address, without the white space around it, is one the
// radio-box plays: QUrl finds it valid, its scheme is "http" or "udp" (in any
// case of the letters) and it names a host.
bool isStreamAddress(QStringView address);
bool isStreamUrl(const QUrl &url);

// The address as QUrl parses it from text, the same QUrl in every respect,
// but with a scheme of "http", "https" or "udp" shared by every address that
// has it instead of held by each: a read of many stations then keeps one
// allocation less per station.
QUrl addressUrl(const QString &text);

// True when a writer can put the address into a file: QUrl finds it valid and
// its text is not empty. An invalid QUrl renders as empty text, which would
// silently turn a station into an entry without an address.
bool isWritableUrl(const QUrl &url);

// The form under which two addresses of one station compare equal: scheme
// and host in lower case, without the scheme's default port (80 for http)
// and without a trailing "/". An address QUrl cannot read is its own key.
QString duplicateKey(const QString &address);
// The same key from the QUrl of a valid address, for a caller that has
// already parsed it, and its text as url.toString() gives it:
// duplicateKey(text) == duplicateUrlKey(url, text). A key equal to the text
// shares its string.
QString duplicateUrlKey(const QUrl &url, const QString &text);

} // namespace kestrel

#endif
