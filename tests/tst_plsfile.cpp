#include "fuzz/plsroundtrip.h"
#include "playlisttest.h"

using namespace PlaylistTest;
using Entries = QList<plsFile::Entry>;
Q_DECLARE_METATYPE(Entries)

namespace {

// Titled "Station <i>", or with `titleLength` x's; TV from `tvFrom` on.
Entries stations(int count, int titleLength = 0, int tvFrom = 1 << 30)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.append({titleLength ? QString(titleLength, u'x') : QString("Station %1").arg(i),
                        QUrl(QString("http://s%1.example/live").arg(i)), i < tvFrom ? 1 : 2});
    return entries;
}

} // namespace

class TestPlsFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads() { checkReads<plsFile>("pls", &plsFile::saveFile); }
    void saves_data();
    void saves();
    void replaysFuzzCorpus();
};

// The entries each sample gives are in data/pls/read, as the writer writes them.
void TestPlsFile::reads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");
    addRow("LF only, numbered from 1", "lf-only.pls", "read 0");
    addRow("CR only", "cr-only.pls", "read 0");
    addRow("gaps, titles above and below", "gaps.pls", "read 0");
    addRow("capitals and lower case mixed", "capitals.pls", "read 0");
    addRow("a File line without title is left out", "missing-title.pls", "read 0");
    addRow("Title10 above Title1 is not the title of 1", "title10-above-title1.pls", "read 0");
    addRow("the first of two titles wins", "duplicate-titles.pls", "read 0");
    addRow("a title holding \"file\" adds no entry", "profile-title.pls", "read 0");
    addRow("listtype only right after the title", "listtype-elsewhere.pls", "read 0");
    addRow("a File line without =", "no-equals.pls", "read 0");
    addRow("spaces and tabs around keys and values", "spaced.pls", "read 0");
    addRow("UTF-8", "utf8.pls", "read 0");
    addRow("Latin-1 when not UTF-8", "latin1.pls", "read 0");
    addRow("Latin-1 for an encoded surrogate", "utf8-surrogate.pls", "read 0");
    addRow("Latin-1 for a sequence cut short by the end of the file", "utf8-cut-short.pls",
           "read 0");
    addRow("UTF-8 byte-order mark", "utf8-bom.pls", "read 0");
    addRow("UTF-16 little endian", "utf16le.pls", "read 0");
    addRow("UTF-16 big endian", "utf16be.pls", "read 0");
    addRow("a NUL byte ends its line", "nul.pls", "read 0");
    addRow("a missing file", "missing.pls", "read -2");
    addRow("a folder", ".", "read -1");
}

void TestPlsFile::saves_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("files");  // the first is the name saved to
    QTest::addColumn<QString>("golden"); // the folder in data/pls/written
    QTest::addColumn<QString>("result");

    // "File0=" and the address, "Title0=", "Length0=-1": an address of 1970
    // characters leaves the title no room.
    const QUrl fits("http://x.example/" + QString(1953, u'a')), over(fits.toString() + u'a');
    const QString one = "radio.pls", two = "radio.pls radio1.pls", ok = "write 0";
    addRow("two entries, Radio then TV",
           Entries{{"Jazz", QUrl("http://jazz.example/live"), 1},
                   {"News", QUrl("udp://news.example:1234"), 2}},
           one, "two", ok);
    addRow("19 entries fill one file", stations(19), one, "19", ok);
    addRow("the 20th entry is entry 0 of the next file", stations(20), two, "20", ok);
    addRow("45 entries give 19, 19 and 7", stations(45), two + " radio2.pls", "45", ok);
    addRow("a name without a dot goes on with a trailing dot", stations(20), "list list1.", "", ok);
    addRow("base name up to the first dot, suffix after the last", stations(20),
           "my.radio.pls my1.pls", "", ok);
    // File0 line 23, Length0 line 10, Title line 1961: 1994 in all.
    addRow("a title one over budget loses one character",
           Entries{{QString(1954, u't'), QUrl("http://x.example/")}}, one, "cut", ok);
    addRow("a TV entry carried over leaves no line behind", stations(5, 400, 4), two, "tv-carried",
           ok);
    addRow("an empty list replaces the old file", Entries(), one, "empty", ok);
    addRow("an entry that fits only with an empty title", Entries{{"Jazz", fits}}, one, "no-title",
           ok);
    addRow("an entry that fits only as entry 0 starts a new file",
           (stations(10) << plsFile::Entry{"Jazz", fits}), two, "entry-0", ok);
    addRow(
        "line breaks in a title become spaces, in UTF-8",
        Entries{{"Café\r\nFile1=http://forged.example/\rTitle1=x\ny", QUrl("http://a.example/")}},
        one, "line-breaks", ok);
    addRow("an entry that never fits fails before any file is touched",
           (stations(25) << plsFile::Entry{{}, over}), one, "", "write -4");
    addRow("the TV marker tips an entry over", Entries{{"a", fits, 1}, {"b", fits, 2}}, one, "",
           "write -4");
    addRow("under a regular file", stations(3), "radio.pls/x.pls", "", "write -1");
    addRow("over a folder", stations(3), "folder", "", "write -1");
}

// Every file keeps to the radio-box's 19 entries and 2 KiB, is counted as
// fileSizes() counts it, and reads back into its share of the list. A failed
// save leaves the old radio.pls as it was.
void TestPlsFile::saves()
{
    QFETCH(Entries, entries);
    QFETCH(QString, files);
    QFETCH(QString, golden);
    QFETCH(QString, result);
    QTemporaryDir dir;
    const QByteArray old = bytesOf(sample("pls/lf-only.pls"));
    QVERIFY(writeBytes(dir.filePath("radio.pls"), old) && QDir(dir.path()).mkdir("folder"));
    plsFile file;
    file.setEntries(entries);
    const QStringList names = files.split(u' ');
    QCOMPARE(emitted(&file, [&] { file.saveFile(dir.filePath(names[0])); }), result);
    const QStringList written = result == "write 0" ? names : QStringList();
    if (!written.contains("radio.pls"))
        QCOMPARE(bytesOf(dir.filePath("radio.pls")), old);
    QStringList expected = written + QStringList{"radio.pls"};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    Entries back;
    QList<int> counts;
    for (const QString &name : written) {
        const QByteArray bytes = bytesOf(dir.filePath(name));
        QVERIFY(bytes.size() <= 2048);
        if (!golden.isEmpty())
            QCOMPARE(bytes, bytesOf(sample("pls/written/" + golden + u'/' + name)));
        plsFile reader;
        reader.readBytes(bytes);
        counts << reader.entries().size();
        back += reader.entries();
    }
    if (result != "write -1")
        QCOMPARE(counts, entries.isEmpty() ? QList<int>{0} : plsFile::fileSizes(entries));
    QCOMPARE(kestrel::roundtrip::compare(written.isEmpty() ? Entries() : entries, back), QString());
}

// What the reader makes of each input survives a save and a second read.
void TestPlsFile::replaysFuzzCorpus()
{
    replayCorpus<plsFile>("pls", {"read 0"});
    QTemporaryDir dir;
    for (const QString &name : QDir(KESTREL_SOURCE_DIR "/fuzz/corpus/pls").entryList(QDir::Files)) {
        plsFile reader;
        reader.readFile(KESTREL_SOURCE_DIR "/fuzz/corpus/pls/" + name);
        QCOMPARE(kestrel::roundtrip::difference(reader.entries(), dir.filePath("out")), QString());
    }
}

QTEST_GUILESS_MAIN(TestPlsFile)
#include "tst_plsfile.moc"
