#ifndef KESTREL_STREAMCHECKER_H
#define KESTREL_STREAMCHECKER_H

#include "streamcheck/streamresult.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class StreamProbe;

// Checks many stream addresses, a few at a time, on the event loop: nothing
// waits, so the window stays usable. Entries are known by an id of the
// caller's choosing, so that they can be changed or dropped while in the check.
class StreamChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int timeout READ timeout WRITE setTimeout)
    Q_PROPERTY(int parallel READ parallel WRITE setParallel)

public:
    static constexpr int DefaultParallel = 8;
    static constexpr int DefaultTimeout = 8000;

    explicit StreamChecker(QObject *parent = nullptr);
    ~StreamChecker() override;

    // How long one entry may take to send its response headers, in ms.
    void setTimeout(int msec) { m_timeout = msec; }
    int timeout() const { return m_timeout; }
    void setParallel(int count) { m_parallel = qMax(1, count); }
    int parallel() const { return m_parallel; }

    // Puts an entry in line. askName asks the station for its name.
    void add(quint64 id, const QString &address, bool askName);
    // The entry's address changed: it is asked again, at the end of the line.
    void restart(quint64 id, const QString &address, bool askName);
    // The entry is gone: it leaves the check without a result.
    void drop(quint64 id);
    // Every entry not yet answered ends as unknown, "check cancelled".
    void cancel();
    // Ends the check silently, as if it had never run.
    void stop();

    bool isRunning() const { return !m_queue.isEmpty() || !m_running.isEmpty(); }
    int runningCount() const { return int(m_running.size()); }

signals:
    // One per entry that was added (and not dropped), in the order of answers.
    void checked(quint64 id, const StreamCheck::Result &result);
    // No entry is left in line or being asked.
    void finished();

private:
    struct Job
    {
        quint64 id;
        QString address;
        bool askName;
    };

    void schedule();
    void pump();
    void probeFinished(quint64 id, const StreamCheck::Result &result);

    QList<Job> m_queue;
    QHash<quint64, StreamProbe *> m_running;
    int m_parallel = DefaultParallel;
    int m_timeout = DefaultTimeout;
    bool m_scheduled = false;
    bool m_active = false;
};

#endif
