#include "playlist/xspffile.h"

#include "playlistfiletest.h"

#include <QRegularExpression>

using Entries = QList<xspfFile::Entry>;
Q_DECLARE_METATYPE(Entries)

using namespace PlaylistTest;

namespace {

QStringList describe(const Entries &entries)
{
    QStringList result;
    for (const xspfFile::Entry &entry : entries)
        result << entry.title + u'|' + entry.url.toString();
    return result;
}

QByteArray document(const QByteArray &tracks)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\n" +
           (tracks.isEmpty() ? "    <trackList/>\n"
                             : "    <trackList>\n" + tracks + "    </trackList>\n") +
           "</playlist>\n";
}

QByteArray track(const QByteArray &title, const QByteArray &location)
{
    return "        <track>\n            <title>" + title + "</title>\n            <location>" +
           location + "</location>\n        </track>\n";
}

void expectParseError()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Error parsing the xml-file: \".+\"$"));
}

} // namespace

class TestXspfFile : public QObject
{
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
    void readsForeignFiles_data();
    void readsForeignFiles();
    void copesWithDeepNesting_data();
    void copesWithDeepNesting();
    void reportsResults_data();
    void reportsResults();
};

void TestXspfFile::writesExactBytes_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty list") << Entries{} << document({});
    QTest::newRow("escapes and an empty title")
        << Entries{{"News & <more> \"x\"", QUrl("http://a.example/?q=1&r=2")},
                   {QString(), QUrl("udp://n.example:1234")}}
        << document(
               track("News &amp; &lt;more&gt; &quot;x&quot;", "http://a.example/?q=1&amp;r=2") +
               track({}, "udp://n.example:1234"));
    QTest::newRow("characters XML cannot carry are left out")
        << Entries{{QString("A\x01"
                            "B\x1f"
                            "C"),
                    QUrl("http://a.example/")}}
        << document(track("ABC", "http://a.example/"));
    QTest::newRow("UTF-8 without byte-order mark")
        << Entries{{"Größe ☕", QUrl("http://a.example/")}}
        << document(track("Größe ☕", "http://a.example/"));
}

void TestXspfFile::writesExactBytes()
{
    QFETCH(Entries, entries);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.xspf");
    QVERIFY(writeBytes(path, document(track("Old", "http://old.example/"))));
    xspfFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    file.saveFile(path);
    QCOMPARE(log.events, (QStringList{"startingWriting", "readingFinished(0)"}));
    QCOMPARE(bytesOf(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.xspf"});
}

void TestXspfFile::readsBackWhatItWrote_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("titles and locations in order")
        << Entries{{"Jazz", QUrl("http://jazz.example/")},
                   {"News & more", QUrl("udp://n.example:1234")}}
        << QStringList{"Jazz|http://jazz.example/", "News & more|udp://n.example:1234"};
    QTest::newRow("an empty title stays with its own stream")
        << Entries{{QString(), QUrl("http://one.example/")}, {"Two", QUrl("http://two.example/")}}
        << QStringList{"|http://one.example/", "Two|http://two.example/"};
    QTest::newRow("line breaks and blanks in a title")
        << Entries{{"  A\nB  ", QUrl("http://a.example/")}}
        << QStringList{"  A\nB  |http://a.example/"};
}

void TestXspfFile::readsBackWhatItWrote()
{
    QFETCH(Entries, entries);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    xspfFile writer;
    writer.setEntries(entries);
    writer.saveFile(dir.filePath("list.xspf"));
    xspfFile reader;
    QSignalSpy finished(&reader, &xspfFile::readingFinished);
    reader.readFile(dir.filePath("list.xspf"));
    QCOMPARE(codes(finished), QList<int>{0});
    QCOMPARE(describe(reader.entries()), expected);
}

void TestXspfFile::readsForeignFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");
    const QStringList one{"One|http://one.example/"};
    QTest::newRow("own layout") << "own.xspf" << 0
                                << QStringList{"Jazz|http://jazz.example/live",
                                               "News & more|udp://news.example:1234"};
    QTest::newRow("location before title")
        << "location-first.xspf" << 0 << QStringList{"Jazz|http://jazz.example/"};
    QTest::newRow("a track without title shifts nothing")
        << "missing-title.xspf" << 0
        << QStringList{"|http://one.example/", "Two|http://two.example/",
                       "Three|http://three.example/"};
    QTest::newRow("a track without location gives no entry")
        << "missing-location.xspf" << 0 << QStringList{"Two|http://two.example/"};
    QTest::newRow("the playlist's own title and location") << "playlist-title.xspf" << 0 << one;
    QTest::newRow("the first non-empty of several locations")
        << "two-locations.xspf" << 0 << QStringList{"One|http://first.example/"};
    QTest::newRow("names in other case are not read") << "wrong-case.xspf" << 0 << QStringList{};
    QTest::newRow("white space in a title stays")
        << "whitespace.xspf" << 0 << QStringList{"\n  Spaced  |http://spaced.example/"};
    QTest::newRow("namespace prefix")
        << "prefixed.xspf" << 0 << QStringList{"Pre|http://pre.example/"};
    QTest::newRow("document type without entities") << "doctype-plain.xspf" << 0 << one;
    QTest::newRow("broken after two tracks keeps them")
        << "broken-after-two.xspf" << -3 << QStringList{one[0], "Two|http://two.example/"};
    QTest::newRow("an entity declaration") << "entity.xspf" << -3 << QStringList{};
    QTest::newRow("a parameter entity declaration")
        << "parameter-entity.xspf" << -3 << QStringList{};
    QTest::newRow("billion laughs") << "laughs.xspf" << -3 << QStringList{};
    QTest::newRow("an element inside a title") << "child-in-title.xspf" << -3 << QStringList{};
    QTest::newRow("an empty file") << "empty.xspf" << -3 << QStringList{};
    QTest::newRow("binary garbage") << "garbage.xspf" << -3 << QStringList{};
}

// A broken document is reported once, with -3 alone.
void TestXspfFile::readsForeignFiles()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    xspfFile reader;
    SignalLog log(&reader);
    if (code == -3)
        expectParseError();
    reader.readFile(sample("xspf/" + file));
    QCOMPARE(log.events,
             (QStringList{"startingReading", QStringLiteral("readingFinished(%1)").arg(code)}));
    QCOMPARE(describe(reader.entries()), expected);
}

void TestXspfFile::copesWithDeepNesting_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("count");
    const int depth = 100000;
    const QByteArray open = QByteArray("<a>").repeated(depth);
    const QByteArray close = QByteArray("</a>").repeated(depth);
    QTest::newRow("100,000 elements inside a title")
        << "<playlist><track><title>" + open + close +
               "</title><location>http://x/</location></track></playlist>"
        << -3 << 0;
    QTest::newRow("100,000 elements around a track")
        << "<playlist>" + open + "<track><title>T</title><location>http://x/</location></track>" +
               close + "</playlist>"
        << 0 << 1;
    QTest::newRow("100,000 elements never closed") << "<playlist>" + open << -3 << 0;
}

void TestXspfFile::copesWithDeepNesting()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(int, count);
    xspfFile reader;
    if (code == -3)
        expectParseError();
    QCOMPARE(int(reader.readBytes(bytes)), code);
    QCOMPARE(reader.entries().size(), count);
}

void TestXspfFile::reportsResults_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("code");
    QTest::newRow("reading a missing file") << false << "missing" << -2;
    QTest::newRow("reading with an empty name") << false << "empty name" << -2;
    QTest::newRow("reading a folder") << false << "folder" << -1;
    QTest::newRow("saving under a regular file") << true << "under a file" << -1;
    QTest::newRow("saving into a missing folder") << true << "missing folder" << -1;
    QTest::newRow("saving over a folder") << true << "folder" << -1;
    QTest::newRow("saving with an empty name") << true << "empty name" << -1;
    QTest::newRow("saving into a new file") << true << "new file" << 0;
}

void TestXspfFile::reportsResults()
{
    QFETCH(bool, save);
    QFETCH(QString, target);
    QFETCH(int, code);
    QTemporaryDir dir;
    const QString path = target == "missing"      ? dir.filePath("missing.xspf")
                         : target == "new file"   ? dir.filePath("new.xspf")
                         : target == "empty name" ? QString()
                                                  : impossiblePath(dir, target);
    const Entries entries{{"Jazz", QUrl("http://jazz.example/")}};
    xspfFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    QSignalSpy finished(&file, &xspfFile::readingFinished);
    if (save)
        file.saveFile(path);
    else
        file.readFile(path);
    const QString first = save ? "startingWriting" : "startingReading";
    QCOMPARE(log.events, (QStringList{first, QStringLiteral("readingFinished(%1)").arg(code)}));
    QCOMPARE(codes(finished), QList<int>{code});
    QCOMPARE(describe(file.entries()), describe(entries));
    QCOMPARE(QFileInfo(path).isFile(), code == 0);
}

QTEST_GUILESS_MAIN(TestXspfFile)
#include "tst_xspffile.moc"
