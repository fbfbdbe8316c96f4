#include "streamcheck/streamchecker.h"

#include "streamcheck/streamprobe.h"

#include <QCoreApplication>
#include <QUrl>

using StreamCheck::Result;
using StreamCheck::Verdict;

StreamChecker::StreamChecker(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<StreamCheck::Result>();
}

StreamChecker::~StreamChecker()
{
    stop();
}

void StreamChecker::add(quint64 id, const QString &address, bool askName)
{
    m_queue.append(Job{id, address, askName});
    m_active = true;
    schedule();
}

void StreamChecker::restart(quint64 id, const QString &address, bool askName)
{
    drop(id);
    add(id, address, askName);
}

void StreamChecker::drop(quint64 id)
{
    m_queue.removeIf([id](const Job &job) { return job.id == id; });
    if (StreamProbe *probe = m_running.take(id)) {
        probe->abort();
        probe->deleteLater();
    }
    schedule();
}

void StreamChecker::cancel()
{
    QList<quint64> ids;
    for (const Job &job : std::as_const(m_queue))
        ids << job.id;
    ids << m_running.keys();
    stop();
    m_active = true;
    const Result cancelled{Verdict::Unknown,
                           QCoreApplication::translate("MainWindow", "check cancelled"), QString()};
    for (quint64 id : std::as_const(ids))
        emit checked(id, cancelled);
    schedule();
}

void StreamChecker::stop()
{
    m_queue.clear();
    for (StreamProbe *probe : std::as_const(m_running)) {
        probe->abort();
        probe->deleteLater();
    }
    m_running.clear();
    m_active = false;
}

// Work starts from the event loop, never inside add() or drop(): the caller
// may be in the middle of changing its table.
void StreamChecker::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &StreamChecker::pump, Qt::QueuedConnection);
}

void StreamChecker::pump()
{
    m_scheduled = false;
    while (m_running.size() < m_parallel && !m_queue.isEmpty()) {
        const Job job = m_queue.takeFirst();
        const QUrl url(job.address);
        if (url.scheme() == QLatin1String("udp")) {
            // A udp stream is sent to the box unasked; there is nothing to call.
            emit checked(job.id,
                         Result{Verdict::Unknown,
                                QCoreApplication::translate("MainWindow", "udp: nothing to ask"),
                                QString()});
            continue;
        }
        auto *probe = new StreamProbe(this);
        m_running.insert(job.id, probe);
        const quint64 id = job.id;
        connect(probe, &StreamProbe::finished, this,
                [this, id](const Result &result) { probeFinished(id, result); });
        probe->start(url, job.askName, m_timeout);
    }
    if (m_active && m_queue.isEmpty() && m_running.isEmpty()) {
        m_active = false;
        emit finished();
    }
}

void StreamChecker::probeFinished(quint64 id, const Result &result)
{
    StreamProbe *probe = m_running.take(id);
    if (!probe)
        return;
    probe->deleteLater();
    emit checked(id, result);
    schedule();
}
