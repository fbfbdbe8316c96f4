// The playlist files: what each reader makes of good and broken samples, and
// what each writer writes.

#include "fuzz/plsroundtrip.h"
#include "playlist/streamaddress.h"
#include "playlisttest.h"

#include <QRandomGenerator>

using namespace PlaylistTest;
using PlsEntries = QList<plsFile::Entry>;
using Entries = QList<m3uFile::Entry>; // title and address, for M3U and XSPF alike
Q_DECLARE_METATYPE(PlsEntries)
Q_DECLARE_METATYPE(Entries)

namespace {

// Titled "Station <i>", or with `titleLength` x's; TV from `tvFrom` on.
PlsEntries stations(int count, int titleLength = 0, int tvFrom = 1 << 30)
{
    PlsEntries entries;
    for (int i = 0; i < count; ++i)
        entries.append({titleLength ? QString(titleLength, u'x') : QString("Station %1").arg(i),
                        QUrl(QString("http://s%1.example/live").arg(i)), i < tvFrom ? 1 : 2});
    return entries;
}

} // namespace

class TestPlaylists : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void plsSaves_data();
    void plsSaves();
    void saves_data();
    void saves();
    void addressTestAgreesWithQUrl();
};

// Named by the file read: what each sample holds, its name says and its bytes
// show. The entries each gives are in data/<format>/read: as the PLS writer
// writes them for PLS files, as an extended M3U file for the others.
void TestPlaylists::reads_data()
{
    QTest::addColumn<QString>("result");
    const auto rows = [](const char *result, const char *files) {
        for (const QString &file : QString(files).split(u' '))
            QTest::newRow(qPrintable(file)) << QString(result);
    };
    rows("read 0",
         "pls/lf-only.pls pls/cr-only.pls pls/gaps.pls pls/capitals.pls pls/missing-title.pls "
         "pls/title10-above-title1.pls pls/duplicate-titles.pls pls/profile-title.pls "
         "pls/listtype-elsewhere.pls pls/no-equals.pls pls/spaced.pls pls/control-blanks.pls "
         "pls/utf8.pls pls/latin1.pls pls/windows-1252.pls pls/comments.pls "
         "pls/utf8-surrogate.pls pls/utf8-cut-short.pls pls/utf8-bom.pls pls/utf16le.pls "
         "pls/utf16be.pls pls/nul.pls pls/zero-padded.pls pls/long-s-listtype.pls m3u/extended.m3u "
         "m3u/extended-crlf.m3u "
         "m3u/extended-cr.m3u m3u/plain.m3u m3u/lowercase-header.m3u m3u/header-attributes.m3u "
         "m3u/header-lookalike.m3u m3u/directives.m3u m3u/m3u8-header.m3u m3u/bom.m3u "
         "m3u/bom-in-line.m3u m3u/utf16le.m3u m3u/latin1.m3u m3u/windows-1252.m3u "
         "m3u/utf8-overlong.m3u m3u/quoted-comma.m3u m3u/no-comma.m3u m3u/two-extinf.m3u "
         "m3u/extinf-anywhere.m3u m3u/dangling-extinf.m3u m3u/blank-before-header.m3u "
         "m3u/nul.m3u m3u/long-lines.m3u m3u/written/titles.m3u m3u/written/two-plain.m3u "
         "m3u/written/empty-extended.m3u xspf/own.xspf xspf/location-first.xspf "
         "xspf/missing-title.xspf xspf/missing-location.xspf xspf/playlist-title.xspf "
         "xspf/two-locations.xspf xspf/wrong-case.xspf xspf/whitespace.xspf "
         "xspf/pretty-printed.xspf xspf/bad-namespace.xspf xspf/prefixed.xspf "
         "xspf/doctype-plain.xspf xspf/written/empty.xspf xspf/written/titles.xspf");
    // A M3U file without a non-empty line ends the read without a result.
    rows("read", "m3u/empty.m3u m3u/blank.m3u m3u/written/empty-plain.m3u");
    // Broken XML keeps the tracks before the fault.
    rows("read -3", "xspf/broken-after-two.xspf xspf/entity.xspf xspf/parameter-entity.xspf "
                    "xspf/child-in-title.xspf xspf/latin1.xspf xspf/empty.xspf");
    rows("read -2", "pls/missing.pls m3u/missing.m3u xspf/missing.xspf");
    rows("read -1", "pls/. m3u/. xspf/.");
}

void TestPlaylists::reads()
{
    QFETCH(QString, result);
    const QString file = QTest::currentDataTag();
    const QString format = file.section(u'/', 0, 0), name = file.section(u'/', 1);
    if (format == "pls")
        checkReads<plsFile>(format, name, result, &plsFile::saveFile);
    else if (format == "m3u")
        checkReads<m3uFile>(format, name, result, &m3uFile::saveExtendedFile);
    else
        checkReads<xspfFile, m3uFile>(format, name, result, &m3uFile::saveExtendedFile);
}

void TestPlaylists::plsSaves_data()
{
    QTest::addColumn<PlsEntries>("entries");
    QTest::addColumn<QString>("files");  // the first is the name saved to
    QTest::addColumn<QString>("golden"); // the folder in data/pls/written
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("sizes"); // of each written file in bytes, when given

    // "File0=" and the address, "Title0=", "Length0=-1": an address of 1970
    // characters leaves the title no room.
    const QUrl fits("http://x.example/" + QString(1953, u'a')), over(fits.toString() + u'a');
    const QString one = "radio.pls", two = "radio.pls radio1.pls", ok = "write 0";
    addRow("two entries, Radio then TV",
           PlsEntries{{"Jazz", QUrl("http://jazz.example/live"), 1},
                      {"News", QUrl("udp://news.example:1234"), 2}},
           one, "two", ok, "");
    addRow("19 entries fill one file", stations(19), one, "19", ok, "");
    addRow("the 20th entry is entry 0 of the next file", stations(20), two, "20", ok, "");
    addRow("45 entries give 19, 19 and 7", stations(45), two + " radio2.pls", "45", ok, "");
    addRow("a name without a dot goes on without one", stations(20), "list list1", "", ok, "");
    addRow("dots before the suffix stay in the base name", stations(20),
           "my.radio.pls my.radio1.pls", "", ok, "");
    addRow("a suffix before .pls stays in the base name", stations(20),
           "radio.txt.pls radio.txt1.pls", "", ok, "");
    // 2,000 characters, but 2,114 bytes in UTF-8.
    PlsEntries german = stations(19);
    for (int i = 0; i < german.size(); ++i)
        german[i].title = QString::asprintf("Österreichischer Rundfunk – Ö1 Hörspiel Süd %02d", i);
    addRow("German titles split by bytes", german, two, "", ok, "1967 150");
    // "File0=http://x.example/", "Title0=", "Length0=-1" leave the title
    // 1953 bytes; a Radio entry and a one-digit count take 3 fewer than the
    // writer counts for them.
    addRow("a CJK title is cut to whole characters at the limit",
           PlsEntries{{QString(700, u'\u6587'), QUrl("http://x.example/")}}, one, "", ok, "2045");
    addRow("an emoji title is cut to whole characters at the limit",
           PlsEntries{{QString("\U0001F4FB").repeated(600), QUrl("http://x.example/")}}, one, "",
           ok, "2044");
    addRow("an address that QUrl finds invalid is never written as an empty one",
           stations(3) << plsFile::Entry{"Lost", QUrl("http://radio.example:80800/live")}, one, "",
           "write -5", "");
    // File0 line 23, Length0 line 10, Title line 1961: 1994 in all.
    addRow("a title one over budget loses one character",
           PlsEntries{{QString(1954, u't'), QUrl("http://x.example/")}}, one, "cut", ok, "");
    addRow("a TV entry carried over leaves no line behind", stations(5, 400, 4), two, "tv-carried",
           ok, "");
    addRow("an empty list replaces the old file", PlsEntries(), one, "empty", ok, "");
    addRow("an entry that fits only with an empty title", PlsEntries{{"Jazz", fits}}, one,
           "no-title", ok, "");
    addRow("an entry that fits only as entry 0 starts a new file",
           (stations(10) << plsFile::Entry{"Jazz", fits}), two, "entry-0", ok, "");
    addRow("line breaks in a title become spaces, in UTF-8",
           PlsEntries{
               {"Café\r\nFile1=http://forged.example/\rTitle1=x\ny", QUrl("http://a.example/")}},
           one, "line-breaks", ok, "");
    addRow("an entry that never fits fails before any file is touched",
           (stations(25) << plsFile::Entry{{}, over}), one, "", "write -4", "");
    addRow("the TV marker tips an entry over", PlsEntries{{"a", fits, 1}, {"b", fits, 2}}, one, "",
           "write -4", "");
    addRow("under a regular file", stations(3), "radio.pls/x.pls", "", "write -1", "");
    addRow("over a folder", stations(3), "folder", "", "write -1", "");
}

// Every file keeps to the radio-box's 19 entries and 2 KiB, is counted as
// fileSizes() counts it, and reads back into its share of the list. A failed
// save leaves the old radio.pls as it was.
void TestPlaylists::plsSaves()
{
    QFETCH(PlsEntries, entries);
    QFETCH(QString, files);
    QFETCH(QString, golden);
    QFETCH(QString, result);
    QFETCH(QString, sizes);
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
    PlsEntries back;
    QList<int> counts;
    QStringList writtenSizes;
    for (const QString &name : written) {
        const QByteArray bytes = bytesOf(dir.filePath(name));
        QVERIFY(bytes.size() <= 2048);
        writtenSizes << QString::number(bytes.size());
        if (!golden.isEmpty())
            QCOMPARE(bytes, bytesOf(sample("pls/written/" + golden + u'/' + name)));
        plsFile reader;
        reader.readBytes(bytes);
        counts << reader.entries().size();
        back += reader.entries();
    }
    if (!sizes.isEmpty())
        QCOMPARE(writtenSizes.join(u' '), sizes);
    if (result != "write -1" && result != "write -5")
        QCOMPARE(counts, entries.isEmpty() ? QList<int>{0} : plsFile::fileSizes(entries));
    QCOMPARE(kestrel::roundtrip::compare(written.isEmpty() ? PlsEntries() : entries, back),
             QString());
}

void TestPlaylists::saves_data()
{
    QTest::addColumn<QString>("format"); // "m3u" extended, "plain.m3u" or "xspf"
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("target"); // list.<suffix>, an old file, unless given
    QTest::addColumn<QString>("golden"); // in data/<suffix>/written; none: the old file stays
    QTest::addColumn<QString>("result");

    const Entries two{{"Jazz", QUrl("http://jazz.example/live")},
                      {{}, QUrl("udp://news.example:1234")}};
    // One title empty, line breaks that become spaces, UTF-8, blanks before a
    // title and a quoted comma.
    const Entries titles = Entries(two)
                           << m3uFile::Entry{"Jazz\r\nhttp://forged.example/\r#EXTINF:-1,x\ny",
                                             QUrl("http://a.example/")}
                           << m3uFile::Entry{"Café ☕", QUrl("http://cafe.example/")}
                           << m3uFile::Entry{" \"A, B\", Pop ", QUrl("http://a.example/")};
    addRow("extended titles", "m3u", titles, "", "titles.m3u", "write 0");
    addRow("plain keeps no titles", "plain.m3u", two, "", "two-plain.m3u", "write 0");
    addRow("an empty list, extended", "m3u", Entries(), "", "empty-extended.m3u", "write 0");
    addRow("an empty list, plain", "plain.m3u", Entries(), "", "empty-plain.m3u", "write 0");
    addRow("an invalid address leaves the old file", "plain.m3u",
           Entries(two) << m3uFile::Entry{"Lost", QUrl("http://my radio/x")}, "", "", "write -5");
    addRow("M3U under a regular file", "m3u", two, "list.m3u/x.m3u", "", "write -1");
    addRow("M3U over a folder", "plain.m3u", two, "folder", "", "write -1");
    // Escapes, an empty title, characters that XML cannot carry left out
    // beside U+D7FF, the last before the surrogates that it can, UTF-8
    // without byte-order mark, line breaks and blanks that stay.
    const Entries escapes{
        {"News & <more> \"x\"", QUrl("http://a.example/?q=1&r=2")},
        {{}, QUrl("udp://n.example:1234")},
        {QString("A%1B%2C\uD7FF").arg(QChar(1)).arg(QChar(0x1f)), QUrl("http://a.example/")},
        {"Größe ☕", QUrl("http://a.example/")},
        {"  A\nB  ", QUrl("http://a.example/")}};
    addRow("an empty XSPF list", "xspf", Entries(), "", "empty.xspf", "write 0");
    addRow("XSPF titles", "xspf", escapes, "", "titles.xspf", "write 0");
    addRow("an empty address leaves the old XSPF file", "xspf",
           Entries(escapes) << m3uFile::Entry{"Lost", QUrl()}, "", "", "write -5");
    addRow("XSPF under a regular file", "xspf", escapes, "list.xspf/x.xspf", "", "write -1");
    addRow("XSPF over a folder", "xspf", escapes, "folder", "", "write -1");
}

// The save replaces list.<suffix> whole, or, when it fails, leaves it as it
// was; either way nothing else is left in the folder.
void TestPlaylists::saves()
{
    QFETCH(QString, format);
    QFETCH(Entries, entries);
    QFETCH(QString, target);
    QFETCH(QString, golden);
    const QString suffix = format.section(u'.', -1);
    const QString old = sample(suffix == "m3u" ? "m3u/extended.m3u" : "xspf/own.xspf");
    QTemporaryDir dir;
    const QString list = dir.filePath("list." + suffix);
    QVERIFY(QFile::copy(old, list) && QDir(dir.path()).mkdir("folder"));
    const QString path = target.isEmpty() ? list : dir.filePath(target);
    QString log;
    if (suffix == "xspf") {
        xspfFile file;
        for (const m3uFile::Entry &entry : entries)
            file.setEntries(file.entries() << xspfFile::Entry{entry.title, entry.url});
        log = emitted(&file, [&] { file.saveFile(path); });
    } else {
        m3uFile file;
        file.setEntries(entries);
        log = emitted(&file, [&] {
            format == "m3u" ? file.saveExtendedFile(path) : file.saveSimpleFile(path);
        });
    }
    QTEST(log, "result");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list." + suffix});
    QCOMPARE(bytesOf(list),
             golden.isEmpty() ? bytesOf(old) : bytesOf(sample(suffix + "/written/" + golden)));
}

// The address test looks at the scheme without parsing the address, and
// must answer as QUrl would: for odd cases, then for random short strings of
// the characters that matter to a scheme. So must the duplicate key that the
// window takes from a reader's QUrl and its text.
void TestPlaylists::addressTestAgreesWithQUrl()
{
    QStringList addresses =
        QString("http://a.example/live|HTTP://A.EXAMPLE/|uDp://239.0.0.1:1234|"
                "http:|https://a/| http://a/|ht tp://a/|http?://a/|#http://a/|"
                "http://[::1|udp://%zz/|http\u0131://a/|\uff48ttp://a/|http%3A//a/|"
                "http://a.example:80/Live|udp://a:80/x|http://a:8000|http://a/~b/c.d-e_f|")
            .split(u'|');
    const QString alphabet = "hHtTpPuUdD:/?#%[]@ .+-1x\u0127\u212a\u0131";
    QRandomGenerator rng(1234);
    for (int i = 0; i < 20000; ++i) {
        QString text = rng.bounded(2) ? QString("http:").left(rng.bounded(6)) : QString();
        for (int n = rng.bounded(9); n > 0; --n)
            text += alphabet.at(rng.bounded(int(alphabet.size())));
        addresses << text;
    }
    for (const QString &text : std::as_const(addresses)) {
        const QString scheme = QUrl(text.trimmed()).scheme();
        QVERIFY2(kestrel::hasStreamScheme(text) == (scheme == "http" || scheme == "udp"),
                 qPrintable(text));
        const QUrl url(text.trimmed());
        if (url.isValid())
            QCOMPARE(kestrel::duplicateUrlKey(url, url.toString()), kestrel::duplicateKey(text));
    }
}

QTEST_GUILESS_MAIN(TestPlaylists)
#include "tst_playlists.moc"
