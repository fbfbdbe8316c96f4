#include "streamcheck/streamchecker.h"
#include "streamcheck/streamprobe.h"
#include "streamserver.h"
#include "windowtest.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using namespace WindowTest;
using StreamCheck::Result;
using StreamCheck::Verdict;

class TestStreamCheck : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void probe_data();
    void probe();
    void windowChecksWhileEditing();
    void windowCancels();

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

    const auto answers = Verdict::Answers, dead = Verdict::Dead;
    addRow("ICY status line, name and bitrate", "/icy", true, answers,
           "ICY, 128 kbit/s, \"Test FM\"", "Test FM");
    addRow("name not valid UTF-8 is Windows-1252", "/latin1", true, answers,
           "audio/aacp, \"Caf\u00e9 \u201cJazz\u201d\"", "Caf\u00e9 \u201cJazz\u201d");
    addRow("UTF-8 name with a tab, Shoutcast's double bitrate", "/utf8", true, answers,
           "audio/mpeg, 64 kbit/s, \"Caf\u00e9 Radio\"", "Caf\u00e9 Radio");
    addRow("HTTP/1.1 audio", "/mpeg", false, answers, "audio/mpeg", "");
    addRow("Ogg", "/ogg", false, answers, "application/ogg", "");
    addRow("web page", "/html", false, Verdict::Unknown, "no stream: text/html", "");
    addRow("404", "/gone", false, dead, "HTTP/1.1 404 Not Found", "");
    addRow("five redirects", "/chain/5", false, answers, "audio/mpeg", "");
    addRow("six redirects", "/chain/6", false, dead, "more than 5 redirects", "");
    addRow("redirect loop", "/loop/a", false, dead, "redirect loop", "");
    addRow("no answer", "/silent", false, dead, "no response headers within 0.2 s", "");
    addRow("10 MB of stream after the headers", "/flood", false, answers, "audio/mpeg", "");
    addRow("10 MB of headers", "/endless", false, dead,
           "no end of the response headers in the first 64 KiB", "");
    addRow("no HTTP", "/garbage", false, dead, "no HTTP response", "");
    addRow("refused", "refused", false, dead, "connection refused", "");
    addRow("TLS failure", "tls", false, dead, "TLS failure", "");
}

void TestStreamCheck::probe()
{
    QFETCH(QString, path);
    QFETCH(bool, askName);
    QFETCH(QString, reason);

    m_server.requests.clear();
    StreamProbe probe;
    QSignalSpy finished(&probe, &StreamProbe::finished);
    probe.start(QUrl(m_server.url(path)), askName, 200);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
    const auto result = finished.at(0).at(0).value<Result>();
    QCOMPARE(result.reason, reason);
    QTEST(result.verdict, "verdict");
    QTEST(result.name, "name");
    QVERIFY(probe.bytesRead() <= StreamProbe::HeaderLimit);
    for (const QByteArray &request : std::as_const(m_server.requests))
        QCOMPARE(request.contains("\r\nIcy-MetaData: 1\r\n"), askName);
}

namespace {

QTableWidgetItem *typeCell(Editor &e, int row)
{
    return e.table()->item(row, PlaylistTable::TypeColumn);
}

int verdictOf(Editor &e, int row)
{
    return typeCell(e, row)->data(PlaylistTable::CheckVerdictRole).toInt();
}

} // namespace

// Twenty rows; while they are asked, one row gets another address and one is
// deleted. Names fill empty titles only; Remove dead stations asks first.
void TestStreamCheck::windowChecksWhileEditing()
{
    Editor e;
    const QStringList rows = {"|/silent?a", "|/silent?b", "Mine|/icy", "|/latin1",
                              "|/html",     "|/gone",     "|/loop/a",  "|udp://239.0.0.1:1234",
                              "|refused",   "|/silent?c"};
    for (const QString &row : rows)
        e.add(row.section('|', 0, 0), m_server.url(row.section('|', 1)));
    for (int i = 0; i < 10; ++i)
        e.add("", m_server.url(i % 2 ? "/ogg" : "/mpeg"));
    QCOMPARE(e.table()->rowCount(), 20);
    e.window->streamChecker()->setTimeout(3000);
    auto *progress = e.window->statusBar()->findChild<QProgressBar *>();
    auto *check = child<QAction>(e.window, "actionCheckStreams");
    e.step("save radio.pls");

    e.run("Ctrl+T");
    QVERIFY(progress->isVisible());
    QVERIFY(!check->isEnabled());
    QCOMPARE(progress->text() + ' ' + QString::number(progress->maximum()), "0 of 20 checked 20");
    QTRY_VERIFY_WITH_TIMEOUT(m_server.openConnections() >= 2, 5000);
    e.clickRow(0);
    e.type("", m_server.url("/icy"));
    e.run("btnEdit");
    e.clickRow(1);
    e.run("btnDelete");
    QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), 10000);
    QVERIFY(check->isEnabled());

    QCOMPARE(e.status(), "19 checked: 13 answer, 4 dead, 2 unknown");
    QCOMPARE(e.rows().mid(0, 4).replaceInStrings(QRegularExpression("\\|.*"), ""),
             (QStringList{"Test FM", "Mine", "Caf\u00e9 \u201cJazz\u201d", ""}));
    QVERIFY(e.title().startsWith("* "));
    QCOMPARE(typeCell(e, 0)->toolTip(), "answers: ICY, 128 kbit/s, \"Test FM\"");
    QCOMPARE(typeCell(e, 4)->toolTip(), "dead: HTTP/1.1 404 Not Found");
    QCOMPARE(typeCell(e, 7)->toolTip(), "dead: connection refused");
    QCOMPARE(typeCell(e, 6)->toolTip(), "unknown: udp: nothing to ask");
    QVERIFY(!typeCell(e, 0)->icon().isNull());
    const QList<int> expected = {2, 2, 2, 1, 3, 3, 1, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(verdictOf(e, row), expected.at(row));

    // A new address takes the old result away.
    e.clickRow(3);
    e.type("", m_server.url("/mpeg?new"));
    e.run("btnEdit");
    QCOMPARE(verdictOf(e, 3), 0);
    QVERIFY(typeCell(e, 3)->toolTip().isEmpty() && typeCell(e, 3)->icon().isNull());

    MessageBox::setNextAnswer(QMessageBox::No);
    e.run("actionRemoveDead");
    QCOMPARE(MessageBox::takeShown().value(0).text, "Remove 4 dead stations?");
    QCOMPARE(e.table()->rowCount(), 19);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    e.run("actionRemoveDead");
    QCOMPARE(MessageBox::takeShown().value(0).text, "Remove 4 dead stations?");
    QCOMPARE(e.table()->rowCount(), 15);
    QCOMPARE(statusLabels(e.window).value(0), "15");
    // One step, and the rows that stay keep their results.
    QCOMPARE(verdictOf(e, 0), 2);
    e.run("actionUndo");
    QCOMPARE(e.table()->rowCount(), 19);
    QCOMPARE(verdictOf(e, 4), 3);
    // Back at the saved rows, the names filled in are still unsaved.
    for (int step = 0; step < 3; ++step)
        e.run("actionUndo");
    QCOMPARE(e.title(), "* radio.pls - Kestrelpad");
}

// Nineteen stations that never answer and a udp one: eight are asked at once,
// a row deleted meanwhile is asked no more, and Cancel ends the others as
// unknown.
void TestStreamCheck::windowCancels()
{
    Editor e;
    for (int i = 0; i < 19; ++i)
        e.add("", m_server.url("/silent?" + QString::number(i)));
    e.add("", "udp://239.0.0.1:1234");
    e.run("actionCheckStreams");
    QTRY_COMPARE(m_server.openConnections(), 8);
    QCOMPARE(e.window->streamChecker()->runningCount(), 8);
    e.clickRow(3);
    e.run("btnDelete");
    auto *cancel = e.window->statusBar()->findChild<QPushButton *>();
    QCOMPARE(cancel->text(), "Cancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QTRY_COMPARE(e.status(), "19 checked: 0 answer, 0 dead, 19 unknown");
    // The udp row may have been taken, and answered, before the cancel.
    for (int row = 0; row < 18; ++row)
        QCOMPARE(typeCell(e, row)->toolTip(), "unknown: check cancelled");
    QVERIFY(!e.window->statusBar()->findChild<QProgressBar *>()->isVisible());
    QTRY_COMPARE(m_server.openConnections(), 0);
}

QTEST_MAIN(TestStreamCheck)
#include "tst_streamcheck.moc"
