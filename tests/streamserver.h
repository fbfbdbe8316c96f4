#ifndef KESTREL_STREAMSERVER_H
#define KESTREL_STREAMSERVER_H

// A stand-in for the stations of the world on 127.0.0.1, one behaviour per
// path, so that the checks never reach the internet.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class StreamServer : public QTcpServer
{
public:
    StreamServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                m_open << socket;
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    // The station at a path of this server; "refused" is a port where nobody
    // listens, "tls" this server asked for TLS; any other address stays as it is.
    QString url(const QString &path) const
    {
        QTcpServer closed;
        if (path == "refused" && closed.listen(QHostAddress::LocalHost))
            return QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        if (!path.startsWith('/') && path != "tls")
            return path;
        return QStringLiteral("%1://127.0.0.1:%2%3")
            .arg(path == "tls" ? "https" : "http")
            .arg(serverPort())
            .arg(path == "tls" ? "/" : path);
    }
    // Connections accepted and not yet closed by either side.
    int openConnections()
    {
        m_open.removeAll(nullptr);
        int open = 0;
        for (const auto &socket : std::as_const(m_open))
            open += socket->state() == QAbstractSocket::ConnectedState;
        return open;
    }

    QList<QByteArray> requests;

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.startsWith("GET ")) {
            // A TLS hello, say: the answer is no TLS.
            socket->write("this is no TLS server\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        if (!request.contains("\r\n\r\n"))
            return;
        requests << request;
        // A query tells stations of one behaviour apart.
        const QByteArray path = request.split(' ').value(1).split('?').value(0);
        m_pending.remove(socket);
        socket->write(response(path));
        if (path == "/flood" || path == "/endless")
            socket->write(QByteArray(10 * 1024 * 1024, 'x'));
        if (path != "/silent")
            socket->disconnectFromHost();
    }

    static QByteArray response(const QByteArray &path)
    {
        const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: ", mpeg = ok + "audio/mpeg\r\n\r\n";
        if (path.startsWith("/chain/")) {
            const int left = path.mid(7).toInt();
            return left == 0 ? mpeg
                             : "HTTP/1.1 302 Found\r\nLocation: /chain/" +
                                   QByteArray::number(left - 1) + "\r\n\r\n";
        }
        return QHash<QByteArray, QByteArray>{
            {"/icy", "ICY 200 OK\r\nicy-name: Test FM \r\nicy-br:128\r\n\r\n"},
            {"/latin1",
             "ICY 200 OK\r\nicy-name:Caf\xe9 \x93Jazz\x94\r\ncontent-type:audio/aacp\r\n\r\n"},
            {"/utf8", ok + "audio/mpeg\r\nicy-name: Caf\xc3\xa9\tRadio\r\nicy-br: 64,64\r\n\r\n"},
            {"/mpeg", mpeg},
            {"/flood", mpeg},
            {"/ogg", ok + "application/ogg\r\n\r\n"},
            {"/html", ok + "text/html; charset=utf-8\r\n\r\n<html></html>"},
            {"/endless", ok + "audio/mpeg\r\nX-Padding: "},
            {"/garbage", "SSH-2.0-OpenSSH\r\n\r\n"},
            {"/loop/a", "HTTP/1.1 301 Moved Permanently\r\nLocation: /loop/b\r\n\r\n"},
            {"/loop/b", "HTTP/1.0 301 Moved\r\nLocation: /loop/a\r\n\r\n"},
            {"/silent", QByteArray()}}
            .value(path, "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\n\r\n");
    }

    QHash<QTcpSocket *, QByteArray> m_pending;
    QList<QPointer<QTcpSocket>> m_open;
};

#endif
