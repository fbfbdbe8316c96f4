#ifndef KESTREL_STREAMPROBE_H
#define KESTREL_STREAMPROBE_H

#include "streamcheck/streamresult.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>

class QAbstractSocket;

// Asks one http address whether a stream answers there: sends one GET, reads
// the response headers only (at most 64 KiB) and closes the connection, so the
// stream itself is never downloaded. Follows up to five redirects.
class StreamProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 HeaderLimit = 64 * 1024;
    static constexpr int MaxRedirects = 5;

    explicit StreamProbe(QObject *parent = nullptr);
    ~StreamProbe() override;

    // askName sends "Icy-MetaData: 1", which some servers want before they
    // name the station. timeoutMsec bounds the wait for the headers, per hop.
    void start(const QUrl &url, bool askName, int timeoutMsec);
    // Stops without a result; finished() is not emitted afterwards.
    void abort();
    qint64 bytesRead() const { return m_totalRead; }

signals:
    // Emitted once per start(), never from within start() itself.
    void finished(const StreamCheck::Result &result);

private:
    void connectTo(const QUrl &url);
    void sendRequest();
    void readHeaders();
    void socketFailed();
    void timedOut();
    void evaluate(const QByteArray &headers);
    void redirect(const QByteArray &location);
    void finish(StreamCheck::Verdict verdict, const QString &reason, const QString &name = {});
    void dropSocket();

    QAbstractSocket *m_socket = nullptr;
    QTimer m_timer;
    QUrl m_url;
    QSet<QUrl> m_visited;
    QByteArray m_buffer;
    qint64 m_totalRead = 0;
    int m_redirects = 0;
    int m_timeout = 8000;
    bool m_askName = false;
    bool m_done = true;
};

#endif
