#ifndef KESTREL_TST_PLSFILE_ORACLE_H
#define KESTREL_TST_PLSFILE_ORACLE_H

// A deliberately plain PLS reader to check the real one against: it decodes
// in its own way, keeps every line in a list and, for each File line, scans
// the file from the top for the title, exactly as the format is described.
// It is quadratic and only fit for small files.

#include "playlist/plsfile.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringList>

namespace PlsOracle {

inline QStringList lines(QByteArray bytes)
{
    QString text;
    bool cutAtNul = true;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE
                                                        : QStringDecoder::Utf16BE);
        text = decoder(bytes.mid(2));
        cutAtNul = false;
    } else {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        // Invalid UTF-8 does not survive a trip through QString unchanged.
        text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes)
            text = QString::fromLatin1(bytes);
    }
    QStringList result;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') {
            line += text[i];
            continue;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        result << line;
        line.clear();
    }
    if (!line.isEmpty())
        result << line;
    for (QString &each : result) {
        if (cutAtNul && each.contains(QChar(0)))
            each.truncate(each.indexOf(QChar(0)));
    }
    return result;
}

inline QString beforeEquals(const QString &line)
{
    return line.contains(u'=') ? line.left(line.indexOf(u'=')) : line;
}

inline QString afterEquals(const QString &line)
{
    return line.contains(u'=') ? line.mid(line.indexOf(u'=') + 1) : line;
}

inline QList<plsFile::Entry> read(const QByteArray &bytes)
{
    const QStringList all = lines(bytes);
    QList<plsFile::Entry> entries;
    for (const QString &line : all) {
        if (!line.contains(QLatin1String("file"), Qt::CaseInsensitive))
            continue;
        QString index = beforeEquals(line).toLower();
        index.remove(QLatin1String("file"), Qt::CaseInsensitive);
        const QString key = QLatin1String("title") + index.trimmed();
        qsizetype found = -1;
        for (qsizetype j = 0; j < all.size() && found < 0; ++j) {
            if (beforeEquals(all[j]).trimmed().compare(key, Qt::CaseInsensitive) == 0)
                found = j;
        }
        if (found < 0)
            continue;
        QString address = afterEquals(line);
        address.remove(u'\r').remove(u'\n').remove(u'\t');
        QString next = found + 1 < all.size() ? all[found + 1] : QString();
        bool tv = false;
        if (next.startsWith(QLatin1String("listtype"), Qt::CaseInsensitive)) {
            next.remove(QLatin1String("listtype="), Qt::CaseInsensitive);
            tv = next.contains(QLatin1String("tv"), Qt::CaseInsensitive);
        }
        entries.append({afterEquals(all[found]).trimmed(), QUrl(address.trimmed()), tv ? 2 : 1});
    }
    return entries;
}

// Keywords in a random mix of upper and lower case.
inline QString mixCase(QRandomGenerator &rng, const QString &word)
{
    QString result;
    for (const QChar c : word)
        result += rng.bounded(2) ? c.toUpper() : c.toLower();
    return result;
}

// A line from the kinds that make the reader's rules matter: duplicates,
// gaps, numbers that contain other numbers, spaces around keys, markers in
// odd places, keys that only fold to the same text, and no "=" at all.
inline QString randomLine(QRandomGenerator &rng)
{
    const int n = rng.bounded(13);
    const QString file = mixCase(rng, QStringLiteral("file"));
    const QString title = mixCase(rng, QStringLiteral("title"));
    switch (rng.bounded(19)) {
    case 0:
    case 1:
        return QStringLiteral("%1%2=http://s%2.example/x").arg(file).arg(n);
    case 2:
        return QStringLiteral("  %1%2 = http://a\tb/ c\t ").arg(file).arg(n);
    case 3:
        return QStringLiteral("%1%2").arg(file).arg(n);
    case 4:
    case 5:
        return QStringLiteral("%1%2=T%3").arg(title).arg(n).arg(rng.bounded(100));
    case 6:
        return QStringLiteral(" %1%2 =  spaced \t title  ").arg(title).arg(n);
    case 7:
        return QStringLiteral("%1%2").arg(title).arg(n);
    case 8:
        return QStringLiteral("%1%2=my profile=x").arg(title).arg(n);
    case 9:
        return QStringLiteral("%1%2").arg(mixCase(rng, QStringLiteral("listtype=")),
                                          mixCase(rng, QStringLiteral("tv")));
    case 10:
        return rng.bounded(2) ? QStringLiteral(" listtype=TV") : QStringLiteral("listtype=radio");
    case 11:
        return QStringLiteral("Length%1=-1").arg(n);
    case 12:
        return QStringLiteral("%1%2k\u017f=http://k.example/\n%1%2KS=http://ks.example/\n"
                              "\u0130title%2=dotted\nTitle%2\u212aS=kelvin\nTitle%2K\u017f=long s")
            .arg(file)
            .arg(n);
    case 13:
        return QStringLiteral("=%1%2==%3").arg(file).arg(n).arg(title);
    case 14:
        return QString();
    case 15:
        return QStringLiteral("%1 0%2=http://zero.example/\n%3%2=leading zero?\n%3 0%2=zero\n"
                              "%1 %2=http://gap.example/")
            .arg(file)
            .arg(n)
            .arg(title);
    case 16:
        return QStringLiteral("\u00a0%1%2\u3000=http://far.example/\n%3%2=far\n%3%2=x")
            .arg(file)
            .arg(QString::number(n) + QString(rng.bounded(4), u'9'))
            .arg(title);
    case 17:
        return QStringLiteral("%1%2=http://big.example/\n%3%2=big")
            .arg(file, QStringLiteral("12345678901234567890").left(rng.bounded(8, 21)), title);
    default:
        return QStringLiteral("[playlist]\nNumberOfEntries=%1\nVersion=2").arg(n);
    }
}

enum class Damage { None, MixedLineEnds, NulBytes, InvalidUtf8, Utf16 };

// A small PLS-like file built from random lines, damaged as asked.
inline QByteArray randomFile(QRandomGenerator &rng, Damage damage)
{
    const char *const ends[] = {"\r\n", "\n", "\r"};
    QByteArray bytes;
    const int count = rng.bounded(1, 40);
    for (int i = 0; i < count; ++i) {
        QByteArray line = randomLine(rng).toUtf8();
        if ((damage == Damage::NulBytes || damage == Damage::Utf16) && rng.bounded(4) == 0)
            line.insert(rng.bounded(int(line.size()) + 1), '\0');
        if (damage == Damage::InvalidUtf8 && rng.bounded(6) == 0)
            line.insert(rng.bounded(int(line.size()) + 1), rng.bounded(2) ? "\xFF" : "\xC3");
        bytes += line + ends[damage == Damage::MixedLineEnds ? rng.bounded(3) : 0];
    }
    if (rng.bounded(4) == 0)
        bytes.chop(rng.bounded(3));
    if (damage == Damage::Utf16) {
        const QString text = QString::fromUtf8(bytes);
        const bool little = rng.bounded(2);
        QStringEncoder encoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        return QByteArray(little ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder(text));
    }
    return bytes;
}

} // namespace PlsOracle

#endif
