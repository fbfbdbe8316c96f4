#include "streamcheck/streamresult.h"

#include "playlist/playlisttext.h"

#include <QCoreApplication>

namespace StreamCheck {

QString keyword(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Answers:
        return QStringLiteral("answers");
    case Verdict::Dead:
        return QStringLiteral("dead");
    case Verdict::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Answers:
        return QCoreApplication::translate("MainWindow", "answers");
    case Verdict::Dead:
        return QCoreApplication::translate("MainWindow", "dead");
    case Verdict::Unknown:
        break;
    }
    return QCoreApplication::translate("MainWindow", "unknown");
}

QString describe(const Result &result)
{
    return verdictText(result.verdict) + QLatin1String(": ") + result.reason;
}

QString decodeStationName(const QByteArray &raw)
{
    // Servers send whatever bytes their operator typed: UTF-8 from newer
    // ones, the Windows code page from the many set up on Windows.
    QString name = kestrel::decodeUtf8OrWindows1252(raw);
    for (QChar &c : name) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return kestrel::singleLine(name).trimmed();
}

} // namespace StreamCheck
