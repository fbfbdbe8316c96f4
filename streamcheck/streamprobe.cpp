#include "streamcheck/streamprobe.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSslSocket>
#include <QTcpSocket>

using StreamCheck::Verdict;

namespace {

struct Response
{
    QByteArray protocol; // "HTTP/1.1", "ICY"
    int status = 0;
    QByteArray statusText;
    QList<QPair<QByteArray, QByteArray>> headers;

    QByteArray header(const char *name) const
    {
        for (const auto &[key, value] : headers) {
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        }
        return QByteArray();
    }
    bool hasIcyHeader() const
    {
        for (const auto &header : headers) {
            if (header.first.toLower().startsWith("icy-"))
                return true;
        }
        return false;
    }
};

// Reads a status line of HTTP/1.x or of Shoutcast ("ICY 200 OK"), and the
// header lines after it. Lines may end in LF alone, as old servers send them.
bool parseResponse(const QByteArray &head, Response *response)
{
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QByteArray statusLine = lines.value(0);
    const qsizetype space = statusLine.indexOf(' ');
    if (space <= 0)
        return false;
    response->protocol = statusLine.left(space);
    if (response->protocol != "ICY" && !response->protocol.startsWith("HTTP/1."))
        return false;
    const QByteArray rest = statusLine.mid(space + 1).trimmed();
    const QByteArray code = rest.left(3);
    bool ok = false;
    response->status = code.toInt(&ok);
    if (!ok || code.size() != 3 || (rest.size() > 3 && rest.at(3) != ' '))
        return false;
    response->statusText = rest.mid(4).trimmed();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        // A folded line continues the header before it.
        if ((line.startsWith(' ') || line.startsWith('\t')) && !response->headers.isEmpty()) {
            response->headers.last().second += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            response->headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return true;
}

bool isStreamType(const QByteArray &type)
{
    static const char *const playlists[] = {
        "audio/x-mpegurl",       "audio/mpegurl",
        "application/x-mpegurl", "application/vnd.apple.mpegurl",
        "audio/x-scpls",         "application/pls+xml",
        "application/xspf+xml",  "application/ogg"};
    if (type.startsWith("audio/") || type.startsWith("video/"))
        return true;
    for (const char *playlist : playlists) {
        if (type == playlist)
            return true;
    }
    return false;
}

// "128" or Shoutcast's "128,128"; anything else is left out.
QString bitrate(const QByteArray &value)
{
    bool ok = false;
    const int kbits = value.split(',').value(0).trimmed().toInt(&ok);
    return ok && kbits > 0 ? QCoreApplication::translate("MainWindow", "%1 kbit/s").arg(kbits)
                           : QString();
}

QString failureReason(QAbstractSocket::SocketError error, const QString &text)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QCoreApplication::translate("MainWindow", "connection refused");
    case QAbstractSocket::HostNotFoundError:
        return QCoreApplication::translate("MainWindow", "host not found");
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError:
        return QCoreApplication::translate("MainWindow", "TLS failure");
    case QAbstractSocket::RemoteHostClosedError:
        return QCoreApplication::translate("MainWindow",
                                           "connection closed before the response headers");
    default:
        return text;
    }
}

} // namespace

StreamProbe::StreamProbe(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StreamProbe::timedOut);
}

StreamProbe::~StreamProbe()
{
    dropSocket();
}

void StreamProbe::start(const QUrl &url, bool askName, int timeoutMsec)
{
    m_askName = askName;
    m_timeout = timeoutMsec;
    m_redirects = 0;
    m_visited.clear();
    m_totalRead = 0;
    m_done = false;
    connectTo(url);
}

void StreamProbe::abort()
{
    m_done = true;
    m_timer.stop();
    dropSocket();
}

void StreamProbe::connectTo(const QUrl &url)
{
    dropSocket();
    m_url = url;
    m_visited.insert(url.adjusted(QUrl::NormalizePathSegments));
    m_buffer.clear();
    const bool tls = url.scheme() == QLatin1String("https");
    if (url.scheme() != QLatin1String("http") && !tls) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                finish(Verdict::Dead,
                       QCoreApplication::translate("MainWindow",
                                                   "redirected to an address that is no stream"));
            },
            Qt::QueuedConnection);
        return;
    }
    if (tls && !QSslSocket::supportsSsl()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                finish(Verdict::Unknown,
                       QCoreApplication::translate("MainWindow",
                                                   "TLS is not available on this computer"));
            },
            Qt::QueuedConnection);
        return;
    }
    QAbstractSocket *socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
    m_socket = socket;
    // Qt would otherwise read the stream into memory as fast as it comes.
    socket->setReadBufferSize(HeaderLimit);
    connect(socket, &QAbstractSocket::readyRead, this, &StreamProbe::readHeaders);
    connect(socket, &QAbstractSocket::errorOccurred, this, &StreamProbe::socketFailed);
    m_timer.start(m_timeout);
    const quint16 port = quint16(url.port(tls ? 443 : 80));
    if (tls) {
        auto *ssl = static_cast<QSslSocket *>(socket);
        connect(ssl, &QSslSocket::encrypted, this, &StreamProbe::sendRequest);
        ssl->connectToHostEncrypted(url.host(), port);
    } else {
        connect(socket, &QAbstractSocket::connected, this, &StreamProbe::sendRequest);
        socket->connectToHost(url.host(), port);
    }
}

void StreamProbe::sendRequest()
{
    QByteArray target = m_url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (m_url.hasQuery())
        target += '?' + m_url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = m_url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (m_url.port() > 0)
        host += ':' + QByteArray::number(m_url.port());
    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: " + host +
                         "\r\nUser-Agent: Kestrelpad/1.2\r\nAccept: */*\r\n";
    if (m_askName)
        request += "Icy-MetaData: 1\r\n";
    request += "Connection: close\r\n\r\n";
    m_socket->write(request);
}

void StreamProbe::readHeaders()
{
    const qint64 room = HeaderLimit - m_buffer.size();
    const QByteArray chunk = m_socket->read(room);
    m_totalRead += chunk.size();
    // Only the new bytes (and the three before them) can complete the end
    // of the headers.
    const qsizetype from = qMax<qsizetype>(0, m_buffer.size() - 3);
    m_buffer += chunk;
    qsizetype end = m_buffer.indexOf("\r\n\r\n", from);
    qsizetype lfEnd = m_buffer.indexOf("\n\n", from);
    if (end < 0 || (lfEnd >= 0 && lfEnd < end))
        end = lfEnd;
    if (end >= 0) {
        evaluate(m_buffer.left(end));
        return;
    }
    if (m_buffer.size() >= HeaderLimit)
        finish(Verdict::Dead,
               QCoreApplication::translate("MainWindow",
                                           "no end of the response headers in the first 64 KiB"));
}

void StreamProbe::socketFailed()
{
    if (m_done)
        return;
    // A server that sent its headers and closed at once is read to the end first.
    if (m_socket->bytesAvailable() > 0)
        readHeaders();
    if (m_done)
        return;
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError && !m_buffer.isEmpty()) {
        evaluate(m_buffer);
        return;
    }
    finish(Verdict::Dead, failureReason(m_socket->error(), m_socket->errorString()));
}

void StreamProbe::timedOut()
{
    const QString seconds = QLocale().toString(m_timeout / 1000.0, 'g', 3);
    finish(
        Verdict::Dead,
        QCoreApplication::translate("MainWindow", "no response headers within %1 s").arg(seconds));
}

void StreamProbe::evaluate(const QByteArray &headers)
{
    Response response;
    if (!parseResponse(headers, &response)) {
        finish(Verdict::Dead, QCoreApplication::translate("MainWindow", "no HTTP response"));
        return;
    }
    const int status = response.status;
    if (response.protocol.startsWith("HTTP/") &&
        (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) &&
        !response.header("Location").isEmpty()) {
        redirect(response.header("Location"));
        return;
    }
    if (status < 200 || status > 299) {
        QString text =
            QStringLiteral("%1 %2").arg(QString::fromLatin1(response.protocol)).arg(status);
        if (!response.statusText.isEmpty())
            text += QLatin1Char(' ') + QString::fromLatin1(response.statusText);
        finish(Verdict::Dead, text);
        return;
    }
    const QByteArray type = response.header("Content-Type").split(';').value(0).trimmed().toLower();
    const QString name = StreamCheck::decodeStationName(response.header("icy-name"));
    if (!isStreamType(type) && response.protocol != "ICY" && !response.hasIcyHeader()) {
        finish(Verdict::Unknown,
               type.isEmpty() ? QCoreApplication::translate(
                                    "MainWindow", "no stream: the answer has no content type")
                              : QCoreApplication::translate("MainWindow", "no stream: %1")
                                    .arg(QString::fromLatin1(type)));
        return;
    }
    QStringList parts;
    parts << (type.isEmpty() ? QString::fromLatin1(response.protocol) : QString::fromLatin1(type));
    const QString rate = bitrate(response.header("icy-br"));
    if (!rate.isEmpty())
        parts << rate;
    if (!name.isEmpty())
        parts << QLatin1Char('"') + name + QLatin1Char('"');
    finish(Verdict::Answers, parts.join(QLatin1String(", ")), name);
}

void StreamProbe::redirect(const QByteArray &location)
{
    const QUrl next = m_url.resolved(QUrl::fromEncoded(location.trimmed()));
    if (m_visited.contains(next.adjusted(QUrl::NormalizePathSegments))) {
        finish(Verdict::Dead, QCoreApplication::translate("MainWindow", "redirect loop"));
        return;
    }
    if (++m_redirects > MaxRedirects) {
        finish(
            Verdict::Dead,
            QCoreApplication::translate("MainWindow", "more than %1 redirects").arg(MaxRedirects));
        return;
    }
    connectTo(next);
}

void StreamProbe::finish(Verdict verdict, const QString &reason, const QString &name)
{
    if (m_done)
        return;
    m_done = true;
    m_timer.stop();
    dropSocket();
    emit finished(StreamCheck::Result{verdict, reason, name});
}

// Closed at once and deleted later: the socket may be in the middle of
// emitting the signal that brought us here.
void StreamProbe::dropSocket()
{
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}
