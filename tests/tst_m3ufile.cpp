#include "playlist/m3ufile.h"

#include "playlistfiletest.h"

using Entries = QList<m3uFile::Entry>;
Q_DECLARE_METATYPE(Entries)

using namespace PlaylistTest;

namespace {

QStringList describe(const Entries &entries)
{
    QStringList result;
    for (const m3uFile::Entry &entry : entries)
        result << entry.title + u'|' + entry.url.toString();
    return result;
}

const Entries twoStations{{"Jazz", QUrl("http://jazz.example/live")},
                          {QString(), QUrl("udp://news.example:1234")}};

} // namespace

class TestM3uFile : public QObject
{
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
    void readsForeignFiles_data();
    void readsForeignFiles();
    void reportsResults_data();
    void reportsResults();
    void tagLettersMatchOnlyThemselves_data();
    void tagLettersMatchOnlyThemselves();
};

void TestM3uFile::writesExactBytes_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty list, extended") << Entries{} << true << QByteArray("#EXTM3U\n");
    QTest::newRow("empty list, plain") << Entries{} << false << QByteArray();
    QTest::newRow("two entries, one without title, extended")
        << twoStations << true
        << QByteArray("#EXTM3U\n#EXTINF:-1,Jazz\nhttp://jazz.example/live\n#EXTINF:-1,\nudp://"
                      "news.example:1234\n");
    QTest::newRow("two entries, plain")
        << twoStations << false
        << QByteArray("http://jazz.example/live\nudp://news.example:1234\n");
    QTest::newRow("line breaks in a title become spaces")
        << Entries{{"Jazz\r\nhttp://forged.example/\r#EXTINF:-1,x\ny", QUrl("http://a.example/")}}
        << true
        << QByteArray("#EXTM3U\n#EXTINF:-1,Jazz http://forged.example/ #EXTINF:-1,x "
                      "y\nhttp://a.example/\n");
    QTest::newRow("a title outside ASCII in UTF-8")
        << Entries{{"Café ☕", QUrl("http://cafe.example/")}} << true
        << QString("#EXTM3U\n#EXTINF:-1,Café ☕\nhttp://cafe.example/\n").toUtf8();
}

void TestM3uFile::writesExactBytes()
{
    QFETCH(Entries, entries);
    QFETCH(bool, extended);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.m3u");
    QVERIFY(writeBytes(path, "#EXTM3U\n#EXTINF:-1,Old\nhttp://old.example/\n"));
    m3uFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    if (extended)
        file.saveExtendedFile(path);
    else
        file.saveSimpleFile(path);
    QCOMPARE(log.events, (QStringList{"startingWriting", "readingFinished(0)"}));
    QCOMPARE(bytesOf(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.m3u"});
}

void TestM3uFile::readsBackWhatItWrote_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("extended") << twoStations << true
                              << QStringList{"Jazz|http://jazz.example/live",
                                             "|udp://news.example:1234"};
    QTest::newRow("plain keeps no titles")
        << twoStations << false
        << QStringList{"|http://jazz.example/live", "|udp://news.example:1234"};
    QTest::newRow("blanks before a title stay, after it go")
        << Entries{{"  Jazz  ", QUrl("http://jazz.example/")}} << true
        << QStringList{"  Jazz|http://jazz.example/"};
    QTest::newRow("a quoted comma in a title")
        << Entries{{"Rock \"A, B\", Pop", QUrl("http://rock.example/")}} << true
        << QStringList{"Rock \"A, B\", Pop|http://rock.example/"};
    QTest::newRow("titles outside ASCII") << Entries{{"Größe Ω ☕", QUrl("http://x.example/")}}
                                          << true << QStringList{"Größe Ω ☕|http://x.example/"};
    QTest::newRow("a line break in a title") << Entries{{"A\nB", QUrl("http://x.example/")}} << true
                                             << QStringList{"A B|http://x.example/"};
}

void TestM3uFile::readsBackWhatItWrote()
{
    QFETCH(Entries, entries);
    QFETCH(bool, extended);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    m3uFile writer;
    writer.setEntries(entries);
    if (extended)
        writer.saveExtendedFile(dir.filePath("list.m3u"));
    else
        writer.saveSimpleFile(dir.filePath("list.m3u"));
    m3uFile reader;
    reader.readFile(dir.filePath("list.m3u"));
    QCOMPARE(describe(reader.entries()), expected);
}

void TestM3uFile::readsForeignFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    const QStringList extended{"Jazz|http://jazz.example/live",
                               " News at ten|udp://news.example:1234"};
    const QStringList jazz{"Jazz|http://jazz.example/live"};
    QTest::newRow("extended, LF") << "extended.m3u" << extended;
    QTest::newRow("extended, CR LF") << "extended-crlf.m3u" << extended;
    QTest::newRow("extended, CR only") << "extended-cr.m3u" << extended;
    QTest::newRow("plain, a comment is an address")
        << "plain.m3u"
        << QStringList{"|http://one.example/", "|# a comment", "|http://two.example/"};
    QTest::newRow("lower-case header") << "lowercase-header.m3u" << jazz;
    QTest::newRow("header with attributes") << "header-attributes.m3u" << jazz;
    QTest::newRow("a header followed by more letters is none")
        << "header-lookalike.m3u"
        << QStringList{"|#EXTM3Ux", "|#EXTINF:-1,Jazz", "|http://jazz.example/live"};
    QTest::newRow("UTF-8 byte-order mark") << "bom.m3u" << QStringList{"Größe|http://bom.example/"};
    QTest::newRow("UTF-16 byte-order mark")
        << "utf16le.m3u" << QStringList{"Wide Ω|http://wide.example/"};
    QTest::newRow("Latin-1 when not UTF-8")
        << "latin1.m3u" << QStringList{"Café|http://cafe.example/"};
    QTest::newRow("commas inside quoted attributes")
        << "quoted-comma.m3u"
        << QStringList{"Rock Radio|http://rock.example/",
                       "\"Quoted, title\"|http://quoted.example/"};
    QTest::newRow("#EXTINF without a comma")
        << "no-comma.m3u" << QStringList{"#EXTINF:-1|http://nocomma.example/"};
    QTest::newRow("two #EXTINF lines in a row")
        << "two-extinf.m3u" << QStringList{"First|#EXTINF:-1,Second"};
    QTest::newRow("#EXTINF anywhere in a line, in any case")
        << "extinf-anywhere.m3u" << QStringList{"Mixed case|http://mixed.example/"};
    QTest::newRow("#EXTINF as the last line")
        << "dangling-extinf.m3u" << QStringList{"Jazz|http://jazz.example/"};
    QTest::newRow("blank lines, other directives, orphan address")
        << "blank-before-header.m3u" << QStringList{" Spaced|http://spaced.example/"};
    QTest::newRow("a NUL byte ends its line")
        << "nul.m3u" << QStringList{"Jazz|http://jazz.example/"};
}

void TestM3uFile::readsForeignFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    m3uFile reader;
    SignalLog log(&reader);
    reader.readFile(sample("m3u/" + file));
    QCOMPARE(log.events, (QStringList{"startingReading", "readingFinished(0)"}));
    QCOMPARE(describe(reader.entries()), expected);
    reader.readFile();
    QCOMPARE(describe(reader.entries()), expected + expected);
}

void TestM3uFile::reportsResults_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("events");
    const QStringList read{"startingReading"};
    const QStringList write{"startingWriting"};
    QTest::newRow("reading a missing file")
        << "read"
        << "missing" << read + QStringList{"readingFinished(-2)"};
    QTest::newRow("reading with an empty name")
        << "read"
        << "empty name" << read + QStringList{"readingFinished(-2)"};
    QTest::newRow("reading a folder") << "read"
                                      << "folder" << read + QStringList{"readingFinished(-1)"};
    QTest::newRow("reading a playlist")
        << "read"
        << "m3u/extended.m3u" << read + QStringList{"readingFinished(0)"};
    QTest::newRow("reading an empty file gives no result") << "read"
                                                           << "m3u/empty.m3u" << read;
    QTest::newRow("reading blank lines gives no result") << "read"
                                                         << "m3u/blank.m3u" << read;
    QTest::newRow("extended under a regular file")
        << "extended"
        << "under a file" << write + QStringList{"readingFinished(-1)"};
    QTest::newRow("plain into a missing folder")
        << "plain"
        << "missing folder" << write + QStringList{"readingFinished(-1)"};
    QTest::newRow("extended over a folder")
        << "extended"
        << "folder" << write + QStringList{"readingFinished(-1)"};
    QTest::newRow("plain with an empty name")
        << "plain"
        << "empty name" << write + QStringList{"readingFinished(-1)"};
    QTest::newRow("extended into a new file")
        << "extended"
        << "new file" << write + QStringList{"readingFinished(0)"};
    QTest::newRow("plain into a new file")
        << "plain"
        << "new file" << write + QStringList{"readingFinished(0)"};
}

void TestM3uFile::reportsResults()
{
    QFETCH(QString, operation);
    QFETCH(QString, target);
    QFETCH(QStringList, events);
    QTemporaryDir dir;
    const QString path = target == "missing"      ? dir.filePath("missing.m3u")
                         : target == "new file"   ? dir.filePath("new.m3u")
                         : target == "empty name" ? QString()
                         : target.contains('/')   ? sample(target)
                                                  : impossiblePath(dir, target);
    m3uFile file;
    file.setEntries(twoStations);
    SignalLog log(&file);
    QSignalSpy finished(&file, &m3uFile::readingFinished);
    if (operation == "read")
        file.readFile(path);
    else if (operation == "extended")
        file.saveExtendedFile(path);
    else
        file.saveSimpleFile(path);
    QCOMPARE(log.events, events);
    QCOMPARE(finished.size(), events.size() - 1);
    const bool failed = !events.endsWith("readingFinished(0)");
    if (failed || operation != "read")
        QCOMPARE(describe(file.entries()), describe(twoStations));
    if (failed && operation != "read")
        QVERIFY(!QFileInfo(path).isFile());
}

void TestM3uFile::tagLettersMatchOnlyThemselves_data()
{
    QTest::addColumn<QString>("letters");
    QTest::newRow("letters of \"#extinf\"") << "#extinf";
}

// "#EXTINF" is found without Qt's case tables, which is right only while
// Qt's tables agree.
void TestM3uFile::tagLettersMatchOnlyThemselves()
{
    QFETCH(QString, letters);
    QCOMPARE(nonAsciiMatch(letters), QString());
}

QTEST_GUILESS_MAIN(TestM3uFile)
#include "tst_m3ufile.moc"
