#include "fuzz/plsroundtrip.h"
#include "playlistfiletest.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>

using namespace PlaylistTest;
using Entries = QList<plsFile::Entry>;

// A save to the first of `files`, which then holds its share of the list, as
// do the continuation files after it; with `golden`, each holds the bytes of
// its namesake in data/pls/written/<golden>. A failed save leaves none of them.
struct Save
{
    const char *name;
    Entries entries;
    QString files;
    QString golden = {};
    QString result = "write 0";
    QString sizes = {}; // of each written file in bytes, when given
};
Q_DECLARE_METATYPE(Save)

namespace {

// Titled "Station <i>", or with `titleLength` x's; TV from `tvFrom` on.
Entries stations(int count, int titleLength = 0, int tvFrom = 1 << 30)
{
    Entries entries;
    for (int i = 0; i < count; ++i) {
        entries.append({titleLength ? QString(titleLength, u'x') : QString("Station %1").arg(i),
                        QUrl(QString("http://s%1.example/live").arg(i)), i < tvFrom ? 1 : 2});
    }
    return entries;
}

// Titled `title` with the two-digit number of the entry after it.
Entries titled(int count, const QString &title)
{
    Entries entries = stations(count);
    for (int i = 0; i < count; ++i)
        entries[i].title = title + QString::asprintf("%02d", i);
    return entries;
}

// A plain reader to hold the one-pass reader to: it decodes in its own way,
// splits the text into a list of lines, and looks for each File line's title
// from the top.
Entries oracle(QByteArray bytes)
{
    QString text;
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (utf16) {
        text = QStringDecoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE
                                                       : QStringDecoder::Utf16BE)(bytes.mid(2));
    } else {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        text = QString::fromUtf8(bytes); // invalid UTF-8 does not come back unchanged
        if (text.toUtf8() != bytes)
            text = QStringDecoder("windows-1252")(bytes);
    }
    QStringList lines = text.replace("\r\n", "\n").replace(u'\r', u'\n').split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line = utf16 ? line : line.section(QChar(0), 0, 0);
    const auto key = [](const QString &line) { return line.section(u'=', 0, 0); };
    const auto value = [](QString line) {
        return line.contains(u'=') ? line.section(u'=', 1) : line;
    };
    const auto comment = [](const QString &line) {
        return line.trimmed().startsWith(u'#') || line.trimmed().startsWith(u';');
    };
    Entries entries;
    for (const QString &line : std::as_const(lines)) {
        const QString title =
            "title" + key(line).toLower().remove("file", Qt::CaseInsensitive).trimmed();
        const auto found = std::find_if(lines.cbegin(), lines.cend(), [&](const QString &other) {
            return !comment(other) && key(other).trimmed().compare(title, Qt::CaseInsensitive) == 0;
        });
        if (!line.trimmed().startsWith("file", Qt::CaseInsensitive) || !line.contains(u'='))
            continue;
        if (found == lines.cend()) {
            entries.append({{}, QUrl(value(line).remove(u'\t').trimmed()), 1});
            continue;
        }
        QString next = found + 1 == lines.cend() ? QString() : found[1];
        const bool tv =
            next.startsWith("listtype", Qt::CaseInsensitive) &&
            next.remove("listtype=", Qt::CaseInsensitive).contains("tv", Qt::CaseInsensitive);
        entries.append(
            {value(*found).trimmed(), QUrl(value(line).remove(u'\t').trimmed()), tv ? 2 : 1});
    }
    return entries;
}

// Lines that make the reader's rules matter, split at "|", "^" for a line
// break: %1 is "file", %3 "title", %4 "listtype=" and %5 "tv", each in random
// case; %2 is a number, at times too big for any index; %6 tells titles of
// one key apart.
const QStringList oracleLines =
    QString("%1%2=http://s%2.example/x|%1%2=http://s%2.example/x|  %1%2 = http://a\tb/ c\t |%1%2|"
            "%3%2=T%6|%3%2=T%6| %3%2 =  spaced \t title  |%3%2|%3%2=my profile=x|%4%5| listtype=TV|"
            "listtype=radio|Length%2=-1|=%1%2==%3||[playlist]^NumberOfEntries=%2|"
            "\u00a0%1%2\u3000=http://far/^%3%2=far^%3%2=x|%1 0%2=http://zero/^%3%2=leading zero?^"
            "%3 0%2=zero^%1 %2=http://gap/|%1%2k\u017f=http://k/^%1%2KS=http://ks/^"
            "\u0130title%2=dotted^Title%2\u212aS=kelvin^Title%2K\u017f=long s|#%1%2=http://hash/|"
            " ;%3%2=semicolon|x%1%2=http://inside/")
        .replace(u'^', u'\n')
        .split(u'|');

// Kinds of damage that a random file may have.
constexpr int MixedLineEnds = 1, NulBytes = 2, InvalidUtf8 = 4, Utf16 = 8;

QByteArray randomFile(QRandomGenerator &rng)
{
    const int damage = rng.bounded(16);
    const auto mixCase = [&](QString word) {
        for (QChar &c : word)
            c = rng.bounded(2) ? c.toUpper() : c;
        return word;
    };
    const char *const ends[] = {"\r\n", "\n", "\r"};
    QByteArray bytes;
    for (int i = rng.bounded(1, 40); i > 0; --i) {
        const int kind = rng.bounded(8);
        QString line = oracleLines[rng.bounded(int(oracleLines.size()))];
        line.replace("%1", mixCase("file"))
            .replace("%3", mixCase("title"))
            .replace("%4", mixCase("listtype="));
        line.replace("%5", mixCase("tv")).replace("%6", QString::number(rng.bounded(100)));
        line.replace("%2", kind ? QString::number(rng.bounded(13)) + QString(kind == 1, u'9')
                                : QString("12345678901234567890").left(rng.bounded(8, 21)));
        QByteArray bytesOfLine = line.toUtf8();
        if ((damage & (NulBytes | Utf16)) && rng.bounded(4) == 0)
            bytesOfLine.insert(rng.bounded(int(bytesOfLine.size()) + 1), '\0');
        if ((damage & InvalidUtf8) && rng.bounded(6) == 0)
            bytesOfLine.insert(rng.bounded(int(bytesOfLine.size()) + 1),
                               "\xFF\xC3\x93\x81"[rng.bounded(4)]);
        bytes += bytesOfLine + ends[damage & MixedLineEnds ? rng.bounded(3) : 0];
    }
    bytes.chop(rng.bounded(4) ? 0 : rng.bounded(3));
    if (!(damage & Utf16))
        return bytes;
    const bool little = rng.bounded(2);
    QStringEncoder encoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
    return QByteArray(little ? "\xFF\xFE" : "\xFE\xFF") +
           QByteArray(encoder(QString::fromUtf8(bytes)));
}

} // namespace

class TestPlsFile : public QObject
{
    Q_OBJECT

private slots:
    void saves_data();
    void saves();
    void reads_data() { addReadCases("pls"); }
    void reads() { checkReads<plsFile>("pls"); }
    void agreesWithOracle();
    void replaysFuzzCorpus();
    void keywordsNeedNoCaseTables();
};

void TestPlsFile::saves_data()
{
    // "File0=" and the address, "Title0=", "Length0=-1": an address of 1970
    // characters leaves the title no room.
    const QUrl fits("http://x.example/" + QString(1953, u'a')), over(fits.toString() + u'a');
    const Entries twoEntries{{"Jazz", QUrl("http://jazz.example/live"), 1},
                             {"News", QUrl("udp://news.example:1234"), 2}};
    const QString one = "radio.pls", two = "radio.pls radio1.pls";
    addCases<Save>({
        {"two entries, Radio then TV", twoEntries, one, "two"},
        {"19 entries fill one file", stations(19), one, "19"},
        {"the 20th entry is entry 0 of the next file", stations(20), two, "20"},
        {"45 entries give 19, 19 and 7", stations(45), two + " radio2.pls", "45"},
        {"a name without a dot goes on without one", stations(20), "list list1"},
        {"dots before the suffix stay in the base name", stations(20),
         "my.radio.pls my.radio1.pls"},
        {"a suffix before .pls stays in the base name", stations(20),
         "radio.txt.pls radio.txt1.pls"},
        // 2,000 characters, but 2,114 bytes in UTF-8.
        {"German titles split by bytes",
         titled(19, "Österreichischer Rundfunk – Ö1 Hörspiel Süd "),
         two,
         {},
         "write 0",
         "1967 150"},
        {"Cyrillic titles of 90 characters split by bytes",
         titled(13, "Радио " + QString(82, u'Ж')),
         two,
         {},
         "write 0",
         "1884 1197"},
        // "File0=http://x.example/", "Title0=", "Length0=-1" leave the title
        // 1953 bytes; a Radio entry and a one-digit count take 3 fewer than
        // the writer counts for them.
        {"a CJK title is cut to whole characters at the limit",
         {{QString(700, u'\u6587'), QUrl("http://x.example/")}},
         one,
         {},
         "write 0",
         "2045"},
        {"an emoji title is cut to whole characters at the limit",
         {{QString("\U0001F4FB").repeated(600), QUrl("http://x.example/")}},
         one,
         {},
         "write 0",
         "2044"},
        {"an address that QUrl finds invalid is never written as an empty one",
         stations(3) << plsFile::Entry{"Lost", QUrl("http://radio.example:80800/live")},
         one,
         {},
         "write -5"},
        {"an empty address", {{"Nothing", QUrl()}}, one, {}, "write -5"},
        // File0 line 23, Length0 line 10, Title line 1961: 1994 in all.
        {"a title one over budget loses one character",
         {{QString(1954, u't'), QUrl("http://x.example/")}},
         one,
         "cut"},
        {"a TV entry carried over leaves no line behind", stations(5, 400, 4), two, "tv-carried"},
        {"an empty list replaces the old file", {}, one, "empty"},
        {"an entry that fits only with an empty title", {{"Jazz", fits}}, one, "no-title"},
        {"an entry that fits only as entry 0 starts a new file",
         stations(10) << plsFile::Entry{"Jazz", fits}, two, "entry-0"},
        {"line breaks in a title become spaces, in UTF-8",
         {{"Café\r\nFile1=http://forged.example/\rTitle1=x\ny", QUrl("http://a.example/")}},
         one,
         "line-breaks"},
        {"an entry that never fits fails before any file is touched",
         stations(25) << plsFile::Entry{{}, over},
         one,
         {},
         "write -4"},
        {"the TV marker tips an entry over", {{"a", fits, 1}, {"b", fits, 2}}, one, {}, "write -4"},
        {"under a regular file", stations(3), "radio.pls/x.pls", {}, "write -1"},
        {"over a folder", stations(3), "folder", {}, "write -1"},
    });
}

// Every file keeps to the radio-box's 19 entries and 2 KiB, is counted as
// fileSizes() counts it, and reads back into its share of the list.
void TestPlsFile::saves()
{
    QFETCH(Save, c);
    QTemporaryDir dir;
    const QByteArray old = bytesOf(sample("pls/lf-only.pls"));
    QVERIFY(writeBytes(dir.filePath("radio.pls"), old) && QDir(dir.path()).mkdir("folder"));
    plsFile file;
    file.setEntries(c.entries);
    const QStringList names = c.files.split(u' ');
    QCOMPARE(emitted(&file, [&] { file.saveFile(dir.filePath(names[0])); }), c.result);
    const QStringList written = c.result == "write 0" ? names : QStringList();
    if (!written.contains("radio.pls"))
        QCOMPARE(bytesOf(dir.filePath("radio.pls")), old);
    QStringList expected = written + QStringList{"radio.pls"};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    Entries back;
    QList<int> counts;
    QStringList sizes;
    for (const QString &name : written) {
        const QByteArray bytes = bytesOf(dir.filePath(name));
        QVERIFY(bytes.size() <= 2048);
        sizes << QString::number(bytes.size());
        if (!c.golden.isEmpty())
            QCOMPARE(bytes, bytesOf(sample("pls/written/" + c.golden + u'/' + name)));
        plsFile reader;
        reader.readBytes(bytes);
        counts << reader.entries().size();
        back += reader.entries();
    }
    if (!c.sizes.isEmpty())
        QCOMPARE(sizes.join(u' '), c.sizes);
    if (c.result != "write -1" && c.result != "write -5")
        QCOMPARE(counts, c.entries.isEmpty() ? QList<int>{0} : plsFile::fileSizes(c.entries));
    QCOMPARE(kestrel::roundtrip::compare(written.isEmpty() ? Entries() : c.entries, back),
             QString());
}

// The one-pass reader finds exactly what rescanning from the top finds, in
// every sample and in random files with any mix of damage.
void TestPlsFile::agreesWithOracle()
{
    QList<QByteArray> files;
    for (const QString &name : QDir(sample("pls")).entryList({"*.pls"}, QDir::Files))
        files << bytesOf(sample("pls/" + name));
    QRandomGenerator rng(1);
    for (int round = 0; round < 2000; ++round)
        files << randomFile(rng);
    for (const QByteArray &bytes : std::as_const(files)) {
        plsFile reader;
        reader.readBytes(bytes);
        QVERIFY2(describe(reader.entries()) == describe(oracle(bytes)),
                 bytes.toPercentEncoding().constData());
    }
}

// What the reader makes of each input survives a save and a second read.
void TestPlsFile::replaysFuzzCorpus()
{
    QTemporaryDir dir;
    replayCorpus<plsFile>("pls", {"read 0"}, [&](const plsFile &reader) {
        QCOMPARE(kestrel::roundtrip::difference(reader.entries(), dir.filePath("out")), QString());
    });
}

// The readers match "file", "title" and "#extinf" and read digits without
// Qt's case tables, which is right only while no other character equals one
// of those letters without regard to case.
void TestPlsFile::keywordsNeedNoCaseTables()
{
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        for (const QChar letter : QString("filet#xn0123456789")) {
            if (!QChar::isSurrogate(c) &&
                QString::fromUcs4(&c, 1).compare(QStringView(&letter, 1), Qt::CaseInsensitive) == 0)
                QFAIL(qPrintable(QString("U+%1 matches %2").arg(uint(c), 4, 16).arg(letter)));
        }
    }
}

QTEST_GUILESS_MAIN(TestPlsFile)
#include "tst_plsfile.moc"
