#include "playlistgen.h"

#include <QString>

namespace bench {

namespace {

QString titleOf(int i)
{
    return QStringLiteral("Station %1 \u00e9").arg(i);
}

QString urlOf(int i)
{
    return QStringLiteral("http://s%1.example/live").arg(i);
}

} // namespace

QList<plsFile::Entry> makeEntries(int count)
{
    QList<plsFile::Entry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(plsFile::Entry{titleOf(i), QUrl(urlOf(i)), i % 5 == 4 ? 2 : 1});
    return entries;
}

QByteArray makePls(int count)
{
    QString text = QStringLiteral("[playlist]\r\nNumberOfEntries=%1\r\n").arg(count);
    for (int i = 0; i < count; ++i) {
        text +=
            QStringLiteral("\r\nFile%1=%2\r\nTitle%1=%3\r\n").arg(i + 1).arg(urlOf(i), titleOf(i));
        if (i % 5 == 4)
            text += QStringLiteral("listtype=TV\r\n");
        text += QStringLiteral("Length%1=-1\r\n").arg(i + 1);
    }
    text += QStringLiteral("\r\nVersion=2\r\n");
    return text.toUtf8();
}

QByteArray makeM3u(int count)
{
    QString text = QStringLiteral("#EXTM3U\n");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("#EXTINF:-1,%1\n%2\n").arg(titleOf(i), urlOf(i));
    return text.toUtf8();
}

QByteArray makeM3uPlain(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += urlOf(i) + u'\n';
    return text.toUtf8();
}

QByteArray makeXspf(int count)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\n"
                                  "    <trackList>\n");
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("        <track>\n            <title>%1</title>\n"
                               "            <location>%2</location>\n        </track>\n")
                    .arg(titleOf(i), urlOf(i));
    }
    text += QStringLiteral("    </trackList>\n</playlist>\n");
    return text.toUtf8();
}

} // namespace bench
