#include "playlist/plsfile.h"

#include "playlistfiletest.h"
#include "tst_plsfile_oracle.h"

using Entries = QList<plsFile::Entry>;
Q_DECLARE_METATYPE(Entries)

using namespace PlaylistTest;

namespace {

plsFile::Entry station(int i, int titleLength = 0, int type = 1)
{
    const QString title =
        titleLength > 0 ? QString(titleLength, u'x') : QStringLiteral("Station %1").arg(i);
    return {title, QUrl(QStringLiteral("http://s%1.example/live").arg(i)), type};
}

Entries stations(int count, int titleLength = 0)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries << station(i, titleLength);
    return entries;
}

QStringList describe(const Entries &entries)
{
    QStringList result;
    for (const plsFile::Entry &entry : entries)
        result << QStringLiteral("%1|%2|%3").arg(entry.title, entry.url.toString()).arg(entry.type);
    return result;
}

// A PLS file as the format lays it out, from the lines of each entry.
QByteArray plsBytes(const QList<QByteArrayList> &entries)
{
    QByteArray bytes =
        "[playlist]\r\nNumberOfEntries=" + QByteArray::number(entries.size()) + "\r\n";
    for (const QByteArrayList &lines : entries)
        bytes += "\r\n" + lines.join("\r\n") + "\r\n";
    return bytes + "\r\nVersion=2\r\n";
}

Entries readBack(const QString &path)
{
    plsFile file;
    file.readBytes(bytesOf(path));
    return file.entries();
}

} // namespace

class TestPlsFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsIntoFiles_data();
    void splitsIntoFiles();
    void writesExactBytes_data();
    void writesExactBytes();
    void keepsEntriesWithinBudget_data();
    void keepsEntriesWithinBudget();
    void readsForeignFiles_data();
    void readsForeignFiles();
    void agreesWithOracle_data();
    void agreesWithOracle();
    void keyLettersMatchOnlyThemselves_data();
    void keyLettersMatchOnlyThemselves();
    void reportsResults_data();
    void reportsResults();
    void copesWithLargeInput_data();
    void copesWithLargeInput();
};

void TestPlsFile::splitsIntoFiles_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("19 entries fill one file")
        << stations(19) << "radio.pls" << QStringList{"radio.pls"} << QList<int>{19};
    QTest::newRow("a 20th entry opens radio1.pls")
        << stations(20) << "radio.pls" << QStringList{"radio.pls", "radio1.pls"}
        << QList<int>{19, 1};
    QTest::newRow("45 entries give 19, 19 and 7")
        << stations(45) << "radio.pls" << QStringList{"radio.pls", "radio1.pls", "radio2.pls"}
        << QList<int>{19, 19, 7};
    QTest::newRow("long titles move on before 19 entries")
        << stations(12, 300) << "radio.pls" << QStringList{"radio.pls", "radio1.pls", "radio2.pls"}
        << QList<int>{5, 5, 2};
    QTest::newRow("a name without a dot goes on with a trailing dot")
        << stations(20) << "list" << QStringList{"list", "list1."} << QList<int>{19, 1};
    QTest::newRow("base name up to the first dot, suffix after the last")
        << stations(20) << "my.radio.pls" << QStringList{"my.radio.pls", "my1.pls"}
        << QList<int>{19, 1};
}

// Every file of a save keeps to the radio-box's limits, reads back into its
// share of the list, and is counted the same way by fileSizes().
void TestPlsFile::splitsIntoFiles()
{
    QFETCH(Entries, entries);
    QFETCH(QString, name);
    QFETCH(QStringList, files);
    QFETCH(QList<int>, sizes);
    QTemporaryDir dir;
    plsFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    file.saveFile(dir.filePath(name));
    QCOMPARE(log.events, (QStringList{"startingWriting", "readingFinished(0)"}));
    QStringList expectedFiles = files;
    expectedFiles.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expectedFiles);
    QCOMPARE(plsFile::fileSizes(entries), sizes);
    Entries all;
    for (int n = 0; n < files.size(); ++n) {
        const QByteArray bytes = bytesOf(dir.filePath(files[n]));
        QVERIFY(bytes.size() <= 2048);
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\r'));
        QVERIFY(bytes.contains("\r\nNumberOfEntries=" + QByteArray::number(sizes[n]) + "\r\n"));
        QVERIFY(bytes.contains("\r\nFile0="));
        all += readBack(dir.filePath(files[n]));
    }
    QCOMPARE(describe(all), describe(entries));
}

void TestPlsFile::writesExactBytes_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QList<QByteArray>>("contents");
    QTest::newRow("two entries, Radio then TV")
        << Entries{{"Jazz", QUrl("http://jazz.example/live"), 1},
                   {"News", QUrl("udp://news.example:1234"), 2}}
        << QList<QByteArray>{
               "[playlist]\r\nNumberOfEntries=2\r\n\r\nFile0=http://jazz.example/live\r\n"
               "Title0=Jazz\r\nLength0=-1\r\n\r\nFile1=udp://news.example:1234\r\n"
               "Title1=News\r\nlisttype=TV\r\nLength1=-1\r\n\r\nVersion=2\r\n"};
    QTest::newRow("an empty list replaces the old file")
        << Entries{} << QList<QByteArray>{"[playlist]\r\nNumberOfEntries=0\r\n\r\nVersion=2\r\n"};
    QTest::newRow("the 20th entry is entry 0 of the next file")
        << stations(20)
        << QList<QByteArray>{QByteArray(), plsBytes({{"File0=http://s19.example/live",
                                                      "Title0=Station 19", "Length0=-1"}})};
    // File0 line 23, Length0 line 10, Title line 1961: 1994 in all.
    const QString title(1954, u't');
    QTest::newRow("a Title line one over budget loses one character")
        << Entries{{title, QUrl("http://x.example/"), 1}}
        << QList<QByteArray>{plsBytes(
               {{"File0=http://x.example/", "Title0=" + title.chopped(1).toUtf8(), "Length0=-1"}})};
    // 45 + 4 x (28 + 407 + 10 + 10) = 1865; the TV entry adds 266 and must move on.
    Entries carried = stations(4, 400);
    carried << station(4, 200, 2);
    QList<QByteArrayList> first;
    for (int k = 0; k < 4; ++k) {
        first << QByteArrayList{"File" + QByteArray::number(k) + "=http://s" +
                                    QByteArray::number(k) + ".example/live",
                                "Title" + QByteArray::number(k) + "=" + QByteArray(400, 'x'),
                                "Length" + QByteArray::number(k) + "=-1"};
    }
    QTest::newRow("a TV entry carried over leaves no line behind")
        << carried
        << QList<QByteArray>{plsBytes(first), plsBytes({{"File0=http://s4.example/live",
                                                         "Title0=" + QByteArray(200, 'x'),
                                                         "listtype=TV", "Length0=-1"}})};
}

// Rows give the bytes of each file in order; an empty one is checked by the
// splitting test instead.
void TestPlsFile::writesExactBytes()
{
    QFETCH(Entries, entries);
    QFETCH(QList<QByteArray>, contents);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.pls");
    QVERIFY(
        writeBytes(path, "[playlist]\r\nNumberOfEntries=1\r\n\r\nFile0=http://old.example/\r\n"));
    plsFile file;
    file.setEntries(entries);
    QSignalSpy finished(&file, &plsFile::readingFinished);
    file.saveFile(path);
    QCOMPARE(codes(finished), QList<int>{0});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), contents.size());
    for (int n = 0; n < contents.size(); ++n) {
        const QString name = n == 0 ? path : dir.filePath(QStringLiteral("radio%1.pls").arg(n));
        if (!contents[n].isEmpty())
            QCOMPARE(bytesOf(name), contents[n]);
    }
    QCOMPARE(describe(file.entries()), describe(entries));
}

void TestPlsFile::keepsEntriesWithinBudget_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QString>("titleLine");
    // "File0=" 6 + address, "Title0=" 7, "Length0=-1" 10: an address of 1970
    // characters leaves exactly no room for the title.
    const QString fits = "http://x.example/" + QString(1970 - 17, u'a');
    const QString over = fits + u'a';
    QTest::newRow("an entry that fits only with an empty title")
        << Entries{{"Jazz", QUrl(fits), 1}} << 0 << QList<int>{1} << "Title0=";
    QTest::newRow("one character too many fails the save")
        << Entries{{QString(), QUrl(over), 1}} << -4 << QList<int>{} << QString();
    QTest::newRow("the TV marker tips it over")
        << Entries{{"a", QUrl(fits), 1}, {"b", QUrl(fits), 2}} << -4 << QList<int>{} << QString();
    QTest::newRow("an entry that fits only as entry 0 starts a new file")
        << (stations(10) << plsFile::Entry{"Jazz", QUrl(fits), 1}) << 0 << QList<int>{10, 1}
        << "Title0=";
    QTest::newRow("a title with a line break is one line")
        << Entries{{"Jazz\r\nFile1=http://forged.example/\rTitle1=x\ny", QUrl("http://a.example/"),
                    1}}
        << 0 << QList<int>{1} << "Title0=Jazz File1=http://forged.example/ Title1=x y";
}

// An entry that cannot fit even alone fails the whole save before any file
// is touched; a Title line is never cut into its prefix.
void TestPlsFile::keepsEntriesWithinBudget()
{
    QFETCH(Entries, entries);
    QFETCH(int, code);
    QFETCH(QList<int>, sizes);
    QFETCH(QString, titleLine);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.pls");
    const QByteArray old = "[playlist]\r\nNumberOfEntries=0\r\n\r\nVersion=1\r\n";
    QVERIFY(writeBytes(path, old));
    plsFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    file.saveFile(path);
    QCOMPARE(log.events,
             (QStringList{"startingWriting", QStringLiteral("readingFinished(%1)").arg(code)}));
    QCOMPARE(plsFile::fileSizes(entries), sizes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), code == 0 ? sizes.size() : 1);
    if (code != 0) {
        QCOMPARE(bytesOf(path), old);
        return;
    }
    QByteArray last;
    Entries all;
    for (int n = 0; n < sizes.size(); ++n) {
        const QString name = n == 0 ? path : dir.filePath(QStringLiteral("radio%1.pls").arg(n));
        last = bytesOf(name);
        QVERIFY(last.size() <= 2048);
        all += readBack(name);
    }
    QVERIFY(last.contains("\r\n" + titleLine.toUtf8() + "\r\n"));
    QCOMPARE(all.size(), entries.size());
}

void TestPlsFile::readsForeignFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    const QString one = "One|http://one.example/|1";
    QTest::newRow("own output, CR LF")
        << "own.pls"
        << QStringList{"Jazz|http://jazz.example/live|1", "News|udp://news.example:1234|2"};
    QTest::newRow("LF only, numbered from 1")
        << "lf-only.pls" << QStringList{one, "Two|http://two.example/|2"};
    QTest::newRow("CR only") << "cr-only.pls" << QStringList{one, "Two|http://two.example/|2"};
    QTest::newRow("gaps, titles above and below")
        << "gaps.pls"
        << QStringList{"Five|http://five.example/|1", "Nine|http://nine.example/|1",
                       "Twelve|http://twelve.example/|1"};
    QTest::newRow("capitals and lower case mixed")
        << "capitals.pls" << QStringList{"lower-case title|http://caps.example/|2"};
    QTest::newRow("a File line without title is left out")
        << "missing-title.pls" << QStringList{one, "Three|http://three.example/|1"};
    QTest::newRow("Title10 above Title1 is not the title of 1")
        << "title10-above-title1.pls"
        << QStringList{"Ten|http://ten.example/|1", "One|http://one.example/|2"};
    QTest::newRow("the first of two titles wins")
        << "duplicate-titles.pls" << QStringList{"First|http://one.example/|1"};
    QTest::newRow("a title holding \"file\" adds no entry")
        << "profile-title.pls" << QStringList{"My profile|http://one.example/|1"};
    QTest::newRow("listtype only right after the title")
        << "listtype-elsewhere.pls"
        << QStringList{one, "Two|http://two.example/|1", "Three|http://three.example/|1"};
    QTest::newRow("a File line without =") << "no-equals.pls" << QStringList{"Seven|File7|1"};
    QTest::newRow("spaces and tabs around keys and values")
        << "spaced.pls" << QStringList{"Spaced\ttitle|http://spaced.example/live|1"};
    QTest::newRow("UTF-8") << "utf8.pls" << QStringList{"Café Ünïcode ☕|http://cafe.example/|1"};
    QTest::newRow("Latin-1 when not UTF-8")
        << "latin1.pls" << QStringList{"Café|http://cafe.example/|1"};
    QTest::newRow("UTF-8 byte-order mark")
        << "utf8-bom.pls" << QStringList{"Größe|http://bom.example/|1"};
    QTest::newRow("UTF-16 little endian")
        << "utf16le.pls" << QStringList{"Wide Ω|http://wide.example/|1"};
    QTest::newRow("UTF-16 big endian")
        << "utf16be.pls" << QStringList{"Wide Ω|http://wide.example/|1"};
    QTest::newRow("a NUL byte ends its line")
        << "nul.pls" << QStringList{"Jazz|http://nul.example/|1"};
    QTest::newRow("binary garbage") << "garbage.pls" << QStringList{};
}

void TestPlsFile::readsForeignFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    plsFile reader;
    SignalLog log(&reader);
    reader.readFile(sample("pls/" + file));
    QCOMPARE(log.events, (QStringList{"startingReading", "readingFinished(0)"}));
    QCOMPARE(describe(reader.entries()), expected);
    reader.readFile();
    QCOMPARE(describe(reader.entries()), expected + expected);
}

void TestPlsFile::agreesWithOracle_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("CR LF only") << int(PlsOracle::Damage::None) << 1u;
    QTest::newRow("CR LF, LF and CR mixed") << int(PlsOracle::Damage::MixedLineEnds) << 2u;
    QTest::newRow("NUL bytes") << int(PlsOracle::Damage::NulBytes) << 3u;
    QTest::newRow("invalid UTF-8") << int(PlsOracle::Damage::InvalidUtf8) << 4u;
    QTest::newRow("UTF-16 with a byte-order mark") << int(PlsOracle::Damage::Utf16) << 5u;
}

// The one-pass reader must find exactly what rescanning from the top finds.
void TestPlsFile::agreesWithOracle()
{
    QFETCH(int, damage);
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    for (int round = 0; round < 400; ++round) {
        const QByteArray bytes = PlsOracle::randomFile(rng, PlsOracle::Damage(damage));
        plsFile reader;
        reader.readBytes(bytes);
        const QStringList expected = describe(PlsOracle::read(bytes));
        if (describe(reader.entries()) != expected)
            qWarning() << "differs on" << bytes;
        QCOMPARE(describe(reader.entries()), expected);
    }
    const QStringList samples = QDir(sample("pls")).entryList(QDir::Files);
    QVERIFY(!samples.isEmpty());
    for (const QString &name : samples) {
        plsFile reader;
        reader.readBytes(bytesOf(sample("pls/" + name)));
        QCOMPARE(describe(reader.entries()),
                 describe(PlsOracle::read(bytesOf(sample("pls/" + name)))));
    }
}

void TestPlsFile::keyLettersMatchOnlyThemselves_data()
{
    QTest::addColumn<QString>("letters");
    QTest::newRow("letters of \"file\"") << "file";
    QTest::newRow("letters of \"title\"") << "title";
    QTest::newRow("digits") << "0123456789";
}

// The reader matches "file" and "title" and reads numbers without Qt's case
// tables, which is right only while Qt's tables agree.
void TestPlsFile::keyLettersMatchOnlyThemselves()
{
    QFETCH(QString, letters);
    QCOMPARE(nonAsciiMatch(letters), QString());
}

void TestPlsFile::reportsResults_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("target");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("code");
    QTest::newRow("reading a missing file") << false << "missing" << Entries{} << -2;
    QTest::newRow("reading with an empty name") << false << "empty name" << Entries{} << -2;
    QTest::newRow("reading a folder") << false << "folder" << Entries{} << -1;
    QTest::newRow("reading a playlist") << false << "sample" << Entries{} << 0;
    QTest::newRow("saving a playlist") << true << "new file" << stations(3) << 0;
    QTest::newRow("saving an empty list") << true << "new file" << Entries{} << 0;
    QTest::newRow("saving under a regular file") << true << "under a file" << stations(3) << -1;
    QTest::newRow("saving into a missing folder") << true << "missing folder" << stations(3) << -1;
    QTest::newRow("saving over a folder") << true << "folder" << stations(3) << -1;
    QTest::newRow("saving with an empty name") << true << "empty name" << stations(3) << -1;
    QTest::newRow("saving an entry that never fits")
        << true << "new file" << Entries{{"x", QUrl("http://x.example/" + QString(3000, u'a')), 1}}
        << -4;
}

void TestPlsFile::reportsResults()
{
    QFETCH(bool, save);
    QFETCH(QString, target);
    QFETCH(Entries, entries);
    QFETCH(int, code);
    QTemporaryDir dir;
    QString path = target == "missing"      ? dir.filePath("missing.pls")
                   : target == "new file"   ? dir.filePath("new.pls")
                   : target == "sample"     ? sample("pls/own.pls")
                   : target == "empty name" ? QString()
                                            : impossiblePath(dir, target);
    plsFile file;
    file.setEntries(entries);
    SignalLog log(&file);
    QSignalSpy finished(&file, &plsFile::readingFinished);
    if (save)
        file.saveFile(path);
    else
        file.readFile(path);
    const QString first = save ? "startingWriting" : "startingReading";
    QCOMPARE(log.events, (QStringList{first, QStringLiteral("readingFinished(%1)").arg(code)}));
    QCOMPARE(codes(finished), QList<int>{code});
    if (save || code != 0)
        QCOMPARE(describe(file.entries()), describe(entries));
    if (save && code != 0)
        QVERIFY(!QFileInfo(path).isFile());
}

void TestPlsFile::copesWithLargeInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QByteArray files;
    for (int i = 0; i < 1000000; ++i)
        files += "File" + QByteArray::number(i) + "=http://a/\n";
    QTest::newRow("a million File lines without titles") << files << 0;
    QTest::newRow("a File line of 20 MB")
        << "File1=" + QByteArray(20 << 20, 'a') + "\rTitle1=x" << 1;
}

void TestPlsFile::copesWithLargeInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    plsFile reader;
    reader.readBytes(bytes);
    QCOMPARE(reader.entries().size(), count);
}

QTEST_GUILESS_MAIN(TestPlsFile)
#include "tst_plsfile.moc"
