#include "streamcheck/streamchecker.h"
#include "streamcheck/streamprobe.h"
#include "streamserver.h"

#include <QSignalSpy>
#include <QTest>

using StreamCheck::Result;
using StreamCheck::Verdict;

class TestStreamCheck : public QObject
{
    Q_OBJECT

private slots:
    void probe_data();
    void probe();
    void checksFewAtATimeAndCancels();

private:
    StreamServer m_server;
};

void TestStreamCheck::probe_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("askName");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("name");

    const auto answers = Verdict::Answers;
    const auto dead = Verdict::Dead;
    QTest::newRow("ICY status line, name and bitrate")
        << "/icy" << true << answers << "ICY, 128 kbit/s, \"Test FM\""
        << "Test FM";
    QTest::newRow("name not valid UTF-8 is Windows-1252")
        << "/latin1" << true << answers << "audio/aacp, \"Caf\u00e9 \u201cJazz\u201d\""
        << "Caf\u00e9 \u201cJazz\u201d";
    QTest::newRow("UTF-8 name, Shoutcast's double bitrate")
        << "/utf8" << true << answers << "audio/mpeg, 64 kbit/s, \"Caf\u00e9 Radio\""
        << "Caf\u00e9 Radio";
    QTest::newRow("HTTP/1.1 audio") << "/mpeg" << false << answers << "audio/mpeg"
                                    << "";
    QTest::newRow("Ogg") << "/ogg" << false << answers << "application/ogg"
                         << "";
    QTest::newRow("web page") << "/html" << false << Verdict::Unknown << "no stream: text/html"
                              << "";
    QTest::newRow("404") << "/gone" << false << dead << "HTTP/1.1 404 Not Found"
                         << "";
    QTest::newRow("five redirects") << "/chain/5" << false << answers << "audio/mpeg"
                                    << "";
    QTest::newRow("six redirects") << "/chain/6" << false << dead << "more than 5 redirects"
                                   << "";
    QTest::newRow("redirect loop") << "/loop/a" << false << dead << "redirect loop"
                                   << "";
    QTest::newRow("no answer") << "/silent" << false << dead << "no response headers within 0.2 s"
                               << "";
    QTest::newRow("10 MB of stream after the headers")
        << "/flood" << false << answers << "audio/mpeg"
        << "";
    QTest::newRow("10 MB of headers")
        << "/endless" << false << dead << "no end of the response headers in the first 64 KiB"
        << "";
    QTest::newRow("no HTTP") << "/garbage" << false << dead << "no HTTP response"
                             << "";
    QTest::newRow("refused") << "refused" << false << dead << "connection refused"
                             << "";
    QTest::newRow("TLS failure") << "tls" << false << dead << "TLS failure"
                                 << "";
}

void TestStreamCheck::probe()
{
    QFETCH(QString, path);
    QFETCH(bool, askName);
    QFETCH(QString, reason);

    QUrl url(m_server.url(qPrintable(path)));
    if (path == "refused") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        url = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
    } else if (path == "tls") {
        url = QUrl(m_server.url("/").replace("http:", "https:"));
    }
    m_server.requests.clear();
    StreamProbe probe;
    QSignalSpy finished(&probe, &StreamProbe::finished);
    probe.start(url, askName, 200);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
    const auto result = finished.at(0).at(0).value<Result>();
    QCOMPARE(result.reason, reason);
    QTEST(result.verdict, "verdict");
    QTEST(result.name, "name");
    QVERIFY(probe.bytesRead() <= StreamProbe::HeaderLimit);
    for (const QByteArray &request : std::as_const(m_server.requests))
        QCOMPARE(request.contains("\r\nIcy-MetaData: 1\r\n"), askName);
}

// Twenty silent stations: eight are asked at once, and a cancel ends all
// twenty as unknown, a udp address among them.
void TestStreamCheck::checksFewAtATimeAndCancels()
{
    StreamChecker checker;
    checker.setTimeout(60000);
    QSignalSpy checked(&checker, &StreamChecker::checked);
    QSignalSpy finished(&checker, &StreamChecker::finished);
    for (quint64 id = 0; id < 19; ++id)
        checker.add(id, m_server.url("/silent"), false);
    checker.add(19, QStringLiteral("udp://239.0.0.1:1234"), false);
    checker.drop(3);
    QTRY_COMPARE(m_server.openConnections(), 8);
    QCOMPARE(checker.runningCount(), 8);
    checker.cancel();
    QCOMPARE(checked.size(), 19);
    for (const QList<QVariant> &signal : std::as_const(checked)) {
        QVERIFY(signal.at(0).toULongLong() != 3);
        QCOMPARE(signal.at(1).value<Result>().verdict, Verdict::Unknown);
    }
    QTRY_COMPARE(finished.size(), 1);
    QTRY_COMPARE(m_server.openConnections(), 0);
}

QTEST_GUILESS_MAIN(TestStreamCheck)
#include "tst_streamcheck.moc"
