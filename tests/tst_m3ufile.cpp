#include "playlisttest.h"

using namespace PlaylistTest;
using Entries = QList<m3uFile::Entry>;
Q_DECLARE_METATYPE(Entries)

class TestM3uFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads() { checkReads<m3uFile>("m3u", &m3uFile::saveExtendedFile); }
    void saves_data();
    void saves();
    void replaysFuzzCorpus() { replayCorpus<m3uFile>("m3u", {"read 0", "read"}); }
};

// The entries each sample gives are in data/m3u/read, as an extended M3U
// file. A file without a non-empty line ends the read without a result.
void TestM3uFile::reads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");
    addRow("extended, LF", "extended.m3u", "read 0");
    addRow("extended, CR LF", "extended-crlf.m3u", "read 0");
    addRow("extended, CR only", "extended-cr.m3u", "read 0");
    addRow("plain, a comment is an address", "plain.m3u", "read 0");
    addRow("lower-case header", "lowercase-header.m3u", "read 0");
    addRow("header with attributes", "header-attributes.m3u", "read 0");
    addRow("a header followed by more letters is none", "header-lookalike.m3u", "read 0");
    addRow("UTF-8 byte-order mark", "bom.m3u", "read 0");
    addRow("UTF-16 byte-order mark", "utf16le.m3u", "read 0");
    addRow("Latin-1 when not UTF-8", "latin1.m3u", "read 0");
    addRow("Latin-1 for an overlong slash", "utf8-overlong.m3u", "read 0");
    addRow("commas inside quoted attributes", "quoted-comma.m3u", "read 0");
    addRow("#EXTINF without a comma", "no-comma.m3u", "read 0");
    addRow("two #EXTINF lines in a row", "two-extinf.m3u", "read 0");
    addRow("#EXTINF anywhere in a line, in any case", "extinf-anywhere.m3u", "read 0");
    addRow("#EXTINF as the last line", "dangling-extinf.m3u", "read 0");
    addRow("blank lines, other directives, orphan address", "blank-before-header.m3u", "read 0");
    addRow("a NUL byte ends its line", "nul.m3u", "read 0");
    addRow("an empty file gives no result", "empty.m3u", "read");
    addRow("blank lines give no result", "blank.m3u", "read");
    addRow("a missing file", "missing.m3u", "read -2");
    addRow("a folder", ".", "read -1");
    addRow("written: extended, one title empty", "written/two-extended.m3u", "read 0");
    addRow("written: plain keeps no titles", "written/two-plain.m3u", "read 0");
    addRow("written: an empty list, extended", "written/empty-extended.m3u", "read 0");
    addRow("written: an empty list, plain, is no playlist", "written/empty-plain.m3u", "read");
    addRow("written: line breaks in a title became spaces", "written/line-breaks.m3u", "read 0");
    addRow("written: a title outside ASCII", "written/utf8.m3u", "read 0");
    addRow("written: blanks before a title stay, after it go; a quoted comma stays",
           "written/blanks.m3u", "read 0");
}

void TestM3uFile::saves_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("target"); // list.m3u, an old extended file, unless given
    QTest::addColumn<QString>("golden"); // in data/m3u/written; none: the old file stays

    const Entries two{{"Jazz", QUrl("http://jazz.example/live")},
                      {{}, QUrl("udp://news.example:1234")}};
    addRow("extended, one title empty", two, false, "", "two-extended.m3u");
    addRow("plain keeps no titles", two, true, "", "two-plain.m3u");
    addRow("an empty list, extended", Entries(), false, "", "empty-extended.m3u");
    addRow("an empty list, plain", Entries(), true, "", "empty-plain.m3u");
    addRow("line breaks in a title become spaces",
           Entries{{"Jazz\r\nhttp://forged.example/\r#EXTINF:-1,x\ny", QUrl("http://a.example/")}},
           false, "", "line-breaks.m3u");
    addRow("a title outside ASCII in UTF-8", Entries{{"Café ☕", QUrl("http://cafe.example/")}},
           false, "", "utf8.m3u");
    addRow("blanks and a quoted comma in a title",
           Entries{{" \"A, B\", Pop ", QUrl("http://a.example/")}}, false, "", "blanks.m3u");
    addRow("under a regular file", two, false, "list.m3u/x.m3u", "");
    addRow("over a folder", two, true, "folder", "");
}

void TestM3uFile::saves()
{
    QFETCH(Entries, entries);
    QFETCH(bool, plain);
    QFETCH(QString, target);
    QFETCH(QString, golden);
    QTemporaryDir dir;
    const QString list = dir.filePath("list.m3u");
    QVERIFY(QFile::copy(sample("m3u/extended.m3u"), list) && QDir(dir.path()).mkdir("folder"));
    m3uFile file;
    file.setEntries(entries);
    const QString path = dir.filePath(target.isEmpty() ? "list.m3u" : target);
    QCOMPARE(
        emitted(&file, [&] { plain ? file.saveSimpleFile(path) : file.saveExtendedFile(path); }),
        golden.isEmpty() ? "write -1" : "write 0");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.m3u"});
    QCOMPARE(bytesOf(list),
             bytesOf(sample(golden.isEmpty() ? "m3u/extended.m3u" : "m3u/written/" + golden)));
}

QTEST_GUILESS_MAIN(TestM3uFile)
#include "tst_m3ufile.moc"
