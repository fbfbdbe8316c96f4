#include "playlist/streamaddress.h"

#include "playlist/playlisttext.h"

#include <algorithm>

namespace kestrel {

// QUrl takes a text before a colon for the scheme only when it is a scheme
// name (a letter, then letters, digits, "+", "-" or "."), which "http" and
// "udp" are in any case of their ASCII letters, and reports it in lower case;
// so a look at the start gives QUrl's answer without parsing the address.
// The tests hold the two to the same answers.
bool hasStreamScheme(QStringView address)
{
    const QStringView trimmed = address.trimmed();
    return startsWithWord(trimmed, QLatin1String("http:")) ||
           startsWithWord(trimmed, QLatin1String("udp:"));
}

// Most rejected addresses fail the look at the scheme, without the cost of
// parsing them.
bool isStreamAddress(QStringView address)
{
    return hasStreamScheme(address) && isStreamUrl(QUrl(address.trimmed().toString()));
}

// "http:" alone is a valid QUrl, yet there is nothing the box could connect
// to; the host is what makes it a stream.
bool isStreamUrl(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("udp")) &&
           !url.host().isEmpty();
}

// setScheme() takes the text it is given when it is the whole scheme, shared.
// It also clears a parse error, so an invalid URL is left as parsed. As with
// hasStreamScheme(), the start of the text tells QUrl's scheme: only ASCII
// letters make one, and QUrl gives them in lower case.
QUrl addressUrl(const QString &text)
{
    static const QString http = QStringLiteral("http");
    static const QString https = QStringLiteral("https");
    static const QString udp = QStringLiteral("udp");
    const QString *common = startsWithWord(text, QLatin1String("http:"))    ? &http
                            : startsWithWord(text, QLatin1String("https:")) ? &https
                            : startsWithWord(text, QLatin1String("udp:"))   ? &udp
                                                                            : nullptr;
    QUrl url(text);
    if (common && url.isValid())
        url.setScheme(*common);
    return url;
}

bool isWritableUrl(const QUrl &url)
{
    return url.isValid() && !url.toString().isEmpty();
}

namespace {

// QUrl already gives scheme and host in lower case; the port and the slash
// are what stations write one way in one list and the other in the next.
QString urlKey(const QUrl &url)
{
    QUrl::FormattingOptions options = QUrl::FullyEncoded | QUrl::StripTrailingSlash;
    if (url.port() == 80 && url.scheme() == QLatin1String("http"))
        options |= QUrl::RemovePort;
    QString key = url.toString(options);
    // A path of "/" alone is not stripped; it is the same station as none.
    if (url.path() == QLatin1String("/") && key.endsWith(QLatin1Char('/')) && !url.hasQuery() &&
        !url.hasFragment())
        key.chop(1);
    return key;
}

// Most addresses are their own key; the text is then returned, so that a
// caller keeping both holds one string.
QString sharedWith(const QString &text, const QString &key)
{
    return key == text ? text : key;
}

} // namespace

QString duplicateKey(const QString &address)
{
    const QString text = address.trimmed();
    const QUrl url(text);
    return url.isValid() ? sharedWith(text, urlKey(url)) : text;
}

// Most addresses are already their own key, and QUrl takes as long to write
// one out again as to read it. A text of letters, digits and "-._~/:" alone
// has nothing that full encoding would change (no "%", no space, nothing
// outside ASCII, no query), nor a trailing slash to strip; only a port of 80
// is left to look at. The tests hold this to urlKey()'s answers.
QString duplicateUrlKey(const QUrl &url, const QString &text)
{
    const bool plain = !text.endsWith(u'/') && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
               u == u'-' || u == u'.' || u == u'_' || u == u'~' || u == u'/' || u == u':';
    });
    return plain && url.port() != 80 ? text : sharedWith(text, urlKey(url));
}

} // namespace kestrel
