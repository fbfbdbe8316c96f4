#ifndef KESTREL_STREAMRESULT_H
#define KESTREL_STREAMRESULT_H

#include <QMetaType>
#include <QString>

// What a check of one stream address found out.
namespace StreamCheck {

enum class Verdict {
    Unknown = 1, // nothing to ask (udp), the answer was no stream, or the check was cancelled
    Answers = 2, // the station sends a stream
    Dead = 3     // no connection, an error status, no answer in time, a redirect that never ends
};

struct Result
{
    Verdict verdict = Verdict::Unknown;
    // Why, in one translated line without the verdict: "audio/mpeg, 128 kbit/s, "Name"".
    QString reason;
    // The name the station announces (icy-name), decoded and on one line; may be empty.
    QString name;
};

// The verdict as a fixed English word for scripts: "answers", "dead", "unknown".
QString keyword(Verdict verdict);

// The verdict as the user reads it, translated: "answers", "dead", "unknown".
QString verdictText(Verdict verdict);

// "dead: connection refused", translated, for a tooltip.
QString describe(const Result &result);

// The text of an icy-name header: UTF-8 when it is valid UTF-8, else
// Windows-1252; on one line and trimmed.
QString decodeStationName(const QByteArray &raw);

} // namespace StreamCheck

Q_DECLARE_METATYPE(StreamCheck::Result)

#endif
