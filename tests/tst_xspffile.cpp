#include "playlisttest.h"

using namespace PlaylistTest;
using Entries = QList<xspfFile::Entry>;
Q_DECLARE_METATYPE(Entries)

class TestXspfFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads() { checkReads<xspfFile, m3uFile>("xspf", &m3uFile::saveExtendedFile); }
    void saves_data();
    void saves();
    void replaysFuzzCorpus() { replayCorpus<xspfFile>("xspf", {"read 0", "read -3"}); }
};

// The entries each sample gives are in data/xspf/read, as an extended M3U
// file. A broken file keeps the tracks before the fault.
void TestXspfFile::reads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");
    addRow("own layout", "own.xspf", "read 0");
    addRow("location before title", "location-first.xspf", "read 0");
    addRow("a track without title shifts nothing", "missing-title.xspf", "read 0");
    addRow("a track without location gives no entry", "missing-location.xspf", "read 0");
    addRow("the playlist's own title and location", "playlist-title.xspf", "read 0");
    addRow("the first non-empty of several locations", "two-locations.xspf", "read 0");
    addRow("names in other case are not read", "wrong-case.xspf", "read 0");
    addRow("white space in a title stays", "whitespace.xspf", "read 0");
    addRow("namespace prefix", "prefixed.xspf", "read 0");
    addRow("document type without entities", "doctype-plain.xspf", "read 0");
    addRow("broken after two tracks keeps them", "broken-after-two.xspf", "read -3");
    addRow("an entity declaration", "entity.xspf", "read -3");
    addRow("a parameter entity declaration", "parameter-entity.xspf", "read -3");
    addRow("an element inside a title", "child-in-title.xspf", "read -3");
    addRow("not UTF-8 though it says so", "latin1.xspf", "read -3");
    addRow("an empty file", "empty.xspf", "read -3");
    addRow("a missing file", "missing.xspf", "read -2");
    addRow("a folder", ".", "read -1");
    addRow("written: an empty list", "written/empty.xspf", "read 0");
    addRow("written: escapes and an empty title", "written/escapes.xspf", "read 0");
    addRow("written: without the characters that XML cannot carry", "written/control.xspf",
           "read 0");
    addRow("written: a title outside ASCII", "written/utf8.xspf", "read 0");
    addRow("written: line breaks and blanks in a title stay", "written/line-breaks.xspf", "read 0");
}

void TestXspfFile::saves_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("target"); // list.xspf, an old file, unless given
    QTest::addColumn<QString>("golden"); // in data/xspf/written; none: the old file stays

    const Entries escapes{{"News & <more> \"x\"", QUrl("http://a.example/?q=1&r=2")},
                          {{}, QUrl("udp://n.example:1234")}};
    addRow("an empty list", Entries(), "", "empty.xspf");
    addRow("escapes and an empty title", escapes, "", "escapes.xspf");
    addRow("characters XML cannot carry are left out",
           Entries{{"A\x01"
                    "B\x1f"
                    "C",
                    QUrl("http://a.example/")}},
           "", "control.xspf");
    addRow("UTF-8 without byte-order mark", Entries{{"Größe ☕", QUrl("http://a.example/")}}, "",
           "utf8.xspf");
    addRow("line breaks and blanks in a title stay",
           Entries{{"  A\nB  ", QUrl("http://a.example/")}}, "", "line-breaks.xspf");
    addRow("under a regular file", escapes, "list.xspf/x.xspf", "");
    addRow("over a folder", escapes, "folder", "");
}

void TestXspfFile::saves()
{
    QFETCH(Entries, entries);
    QFETCH(QString, target);
    QFETCH(QString, golden);
    QTemporaryDir dir;
    const QString list = dir.filePath("list.xspf");
    QVERIFY(QFile::copy(sample("xspf/own.xspf"), list) && QDir(dir.path()).mkdir("folder"));
    xspfFile file;
    file.setEntries(entries);
    QCOMPARE(emitted(&file,
                     [&] { file.saveFile(dir.filePath(target.isEmpty() ? "list.xspf" : target)); }),
             golden.isEmpty() ? "write -1" : "write 0");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.xspf"});
    QCOMPARE(bytesOf(list),
             bytesOf(sample(golden.isEmpty() ? "xspf/own.xspf" : "xspf/written/" + golden)));
}

QTEST_GUILESS_MAIN(TestXspfFile)
#include "tst_xspffile.moc"
