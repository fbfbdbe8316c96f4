// Files made to hurt, or merely broken: each read must finish, say what it
// should, and use memory in proportion to the file. The big reads run in a
// child process whose address space may grow only by a few times the file's
// size, so a read that holds more fails here instead of on a user's machine.

#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include "childprocess.h"
#include "editortest.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QXmlStreamReader>

using namespace PlaylistTest;
using EditorTest::BoxAnswerer;
using EditorTest::Editor;
using EditorTest::FileDialogAnswerer;

namespace {

constexpr qint64 MiB = 1024 * 1024;
// Beyond the file's share, for what any read allocates whatever the file.
constexpr qint64 fixedAllowance = 32 * MiB;

// A file of `head`, then `unit` `repeat` times ("%1" in it counting up from
// 1), then `tail`, written piece by piece so that the test never holds it.
bool writeFile(const QString &path, const QByteArray &head, const QByteArray &unit, qint64 repeat,
               const QByteArray &tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    const bool numbered = unit.contains("%1");
    QByteArray chunk;
    for (qint64 i = 1; i <= repeat; ++i) {
        chunk += numbered ? QByteArray(unit).replace("%1", QByteArray::number(i)) : unit;
        if (chunk.size() >= MiB || i == repeat) {
            if (file.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return file.write(tail) == tail.size();
}

// "code entries", or "none entries" when the reader gave no result.
template<class File> QString readResult(const QString &path)
{
    File file;
    QString code = QStringLiteral("none");
    QObject::connect(&file, &File::readingFinished,
                     [&code](qint8 result) { code = QString::number(result); });
    file.readFile(path);
    return QStringLiteral("%1 %2").arg(code).arg(file.entries().size());
}

// What Qt's XML reader makes of the file without our guard: every title's
// text, entities expanded, as any reader that takes element text would see it.
QString unguardedResult(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("-1 0");
    QXmlStreamReader xml(&file);
    qsizetype characters = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"title")
            characters += xml.readElementText().size();
    }
    return QStringLiteral("%1 %2").arg(xml.hasError() ? -3 : 0).arg(characters);
}

QString resultOf(const QString &reader, const QString &path)
{
    if (reader == QLatin1String("pls"))
        return readResult<plsFile>(path);
    if (reader == QLatin1String("m3u"))
        return readResult<m3uFile>(path);
    if (reader == QLatin1String("xspf"))
        return readResult<xspfFile>(path);
    return unguardedResult(path);
}

QByteArray randomBytes(qsizetype size)
{
    QRandomGenerator generator(20140416);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

const QByteArray xspfHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                            "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>";
const QByteArray xspfTail = "</trackList></playlist>";

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void readsWithinMemory_data();
    void readsWithinMemory();
    void entityGuardStopsExpansion();
    void invalidUtf8_data();
    void invalidUtf8();
    void fileGoneBeforeRead_data();
    void fileGoneBeforeRead();
    void hugeCellsStayPaintable_data();
    void hugeCellsStayPaintable();
    void addressTestAgreesWithQUrl_data();
    void addressTestAgreesWithQUrl();
};

// The file is head + unit * repeat + tail. `result` is "code entries", or the
// code alone where the number of entries is the reader's guess; `factor`
// bounds the memory that the read may add, in multiples of the file's size.
void TestHostile::readsWithinMemory_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<qint64>("repeat");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("factor");

    const QByteArray flatPls = "File1=http://a.example/ Title1=Jazz ";
    QTest::newRow("100 MB PLS without line breaks")
        << "pls" << QByteArray("[playlist] ") << flatPls << 100 * MiB / flatPls.size()
        << QByteArray() << "0 0" << 4;
    // The one entry is an address as long as the file, twice its size as text.
    QTest::newRow("100 MB M3U without line breaks is one address")
        << "m3u" << QByteArray("http://a.example/") << QByteArray(1024, 'a') << qint64(100 * 1024)
        << QByteArray() << "0 1" << 7;
    const QByteArray track = "<track><title>" + QByteArray(900, 'T') +
                             "</title><location>http://a.example/live</location></track>";
    const qint64 tracks = 100 * MiB / track.size();
    QTest::newRow("100 MB XSPF on one line") << "xspf" << xspfHead << track << tracks << xspfTail
                                             << QStringLiteral("0 %1").arg(tracks) << 4;

    QTest::newRow("1,000,000 File lines without titles")
        << "pls" << QByteArray("[playlist]\r\n") << QByteArray("File%1=http://s%1.example/\r\n")
        << qint64(1000000) << QByteArray() << "0 0" << 4;
    // Qt's XML reader keeps some 200 bytes for every element still open.
    const QByteArray nested = "<a>";
    QTest::newRow("100,000 nested elements around a track")
        << "xspf" << xspfHead << nested << qint64(100000)
        << "<track><title>T</title><location>http://x.example/</location></track>" +
               QByteArray("</a>").repeated(100000) + xspfTail
        << "0 1" << 40;
    QTest::newRow("100,000 nested elements inside a title")
        << "xspf" << xspfHead + "<track><title>" << nested << qint64(100000)
        << QByteArray("</a>").repeated(100000) + "</title></track>" + xspfTail << "-3 0" << 40;

    const QByteArray laughs = bytesOf(sample(QStringLiteral("xspf/laughs.xspf")));
    QTest::newRow("billion laughs")
        << "xspf" << laughs << QByteArray() << qint64(0) << QByteArray() << "-3 0" << 4;

    const QByteArray png = bytesOf(QStringLiteral(KESTREL_SOURCE_DIR "/images/program.png"));
    const QByteArray noise = randomBytes(MiB);
    for (const char *format : {"pls", "m3u", "xspf"}) {
        const QString ok = QLatin1String(format) == QLatin1String("xspf") ? "-3 0" : "0";
        // The line readers may take some of the bytes for entries; that they
        // finish, and how, is what counts.
        QTest::newRow(qPrintable(QStringLiteral("image renamed .%1").arg(format)))
            << format << png << QByteArray() << qint64(0) << QByteArray() << ok << 4;
        QTest::newRow(qPrintable(QStringLiteral("random bytes renamed .%1").arg(format)))
            << format << noise << QByteArray() << qint64(0) << QByteArray() << ok << 4;
    }
}

void TestHostile::readsWithinMemory()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, unit);
    QFETCH(qint64, repeat);
    QFETCH(QByteArray, tail);
    QFETCH(QString, result);
    QFETCH(int, factor);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.") + reader);
    QVERIFY(writeFile(path, head, unit, repeat, tail));
    const qint64 size = QFileInfo(path).size();

    const ChildProcess::Outcome outcome =
        ChildProcess::run([=] { ChildProcess::limitAddressSpace(factor * size + fixedAllowance); },
                          [=] { return resultOf(reader, path); });
    QVERIFY2(outcome.finished, "the read ran out of memory, or crashed");
    if (result.contains(u' '))
        QCOMPARE(outcome.output, result);
    else
        QCOMPARE(outcome.output.section(u' ', 0, 0), result);
}

// One entity of almost 4,000 characters used 25,000 times: a 79 KB file whose
// title Qt's reader would expand to 100 million characters, each expansion
// within its own per-entity limit. The same memory that the guarded read
// finishes in is far too little for the expansion.
void TestHostile::entityGuardStopsExpansion()
{
    const QByteArray document =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE playlist [\n<!ENTITY e \"" + QByteArray(3990, 'h') +
        "\">\n]>\n<playlist><trackList><track>"
        "<location>http://x.example/</location><title>" +
        QByteArray("&e;").repeated(25000) + "</title></track></trackList></playlist>\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.xspf"));
    QVERIFY(writeBytes(path, document));

    QTest::ignoreMessage(QtDebugMsg,
                         "Error parsing the xml-file: \"entity declarations are not accepted\"");
    QCOMPARE(resultOf(QStringLiteral("xspf"), path), QStringLiteral("-3 0"));

    const auto limit = [&] {
        ChildProcess::limitAddressSpace(4 * document.size() + fixedAllowance);
    };
    const ChildProcess::Outcome guarded =
        ChildProcess::run(limit, [&] { return resultOf(QStringLiteral("xspf"), path); });
    QVERIFY(guarded.finished);
    QCOMPARE(guarded.output, QStringLiteral("-3 0"));

    if (!ChildProcess::canLimitMemory)
        QSKIP("without an address-space limit the unguarded expansion would just succeed");
    const ChildProcess::Outcome unguarded =
        ChildProcess::run(limit, [&] { return resultOf(QStringLiteral("unguarded"), path); });
    QVERIFY2(!unguarded.finished, qPrintable(unguarded.output));
    const ChildProcess::Outcome unlimited =
        ChildProcess::run([] {}, [&] { return resultOf(QStringLiteral("unguarded"), path); });
    QCOMPARE(unlimited.output, QStringLiteral("0 %1").arg(3990 * 25000));
}

// A file that is not valid UTF-8 throughout is an older Latin-1 file: every
// byte is one character, so nothing is lost or replaced.
void TestHostile::invalidUtf8_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("titles");

    const QByteArray pls = "[playlist]\nFile1=http://a.example/\nTitle1=";
    QTest::newRow("Latin-1 byte") << "pls" << pls + "Caf\xE9\n"
                                  << "0" << QStringList{u"Caf\u00E9"_qs};
    QTest::newRow("encoded surrogate") << "pls" << pls + "\xED\xA0\x80x\n"
                                       << "0" << QStringList{u"\u00ED\u00A0\u0080x"_qs};
    QTest::newRow("sequence cut short by the end of the file")
        << "pls" << pls + "A\xE2\x82"
        << "0" << QStringList{u"A\u00E2\u0082"_qs};
    QTest::newRow("overlong slash")
        << "m3u" << QByteArray("#EXTM3U\n#EXTINF:-1,\xC0\xAF\nhttp://a/\n") << "0"
        << QStringList{u"\u00C0\u00AF"_qs};
    QTest::newRow("lone continuation and FF bytes")
        << "m3u" << QByteArray("#EXTM3U\n#EXTINF:-1,\x80\xFF\nhttp://a/\n") << "0"
        << QStringList{u"\u0080\u00FF"_qs};
    QTest::newRow("XSPF that claims UTF-8")
        << "xspf"
        << xspfHead + "<track><title>Caf\xE9</title><location>http://a/</location></track>" +
               xspfTail
        << "-3" << QStringList{};
}

void TestHostile::invalidUtf8()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, result);
    QFETCH(QStringList, titles);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.") + reader);
    QVERIFY(writeBytes(path, bytes));
    if (result == QLatin1String("-3"))
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Error parsing the xml-file: "));
    QCOMPARE(resultOf(reader, path), QStringLiteral("%1 %2").arg(result).arg(titles.size()));
    QStringList read;
    if (reader == QLatin1String("pls")) {
        plsFile file;
        file.readFile(path);
        for (const plsFile::Entry &entry : file.entries())
            read << entry.title;
    } else if (reader == QLatin1String("m3u")) {
        m3uFile file;
        file.readFile(path);
        for (const m3uFile::Entry &entry : file.entries())
            read << entry.title;
    }
    QCOMPARE(read, titles);
}

// The file is there when the dialog checks it and gone, or a folder, when the
// window reads it: another program moved it, or a network share dropped out.
void TestHostile::fileGoneBeforeRead_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("box");
    for (const char *suffix : {"pls", "m3u", "xspf"}) {
        QTest::newRow(qPrintable(QStringLiteral(".%1 vanishes").arg(suffix)))
            << suffix << false << "The file doesn't exist!";
        QTest::newRow(qPrintable(QStringLiteral(".%1 becomes a folder").arg(suffix)))
            << suffix << true << "Couldn't open the file!";
    }
}

void TestHostile::fileGoneBeforeRead()
{
    QFETCH(QString, suffix);
    QFETCH(bool, folder);
    QFETCH(QString, box);

    Editor editor;
    QVERIFY(editor.active);
    const QString path = editor.path(QStringLiteral("list.") + suffix);
    const QString own = suffix == QLatin1String("m3u") ? "m3u/extended.m3u" : "%1/own.%1";
    QVERIFY(QFile::copy(sample(own.arg(suffix)), path));
    const auto takeAway = [=] {
        QFile::remove(path);
        if (folder)
            QDir().mkdir(path);
    };
    FileDialogAnswerer dialog({path}, [&](QFileDialog *shown) {
        QObject::connect(shown, &QFileDialog::fileSelected, takeAway);
    });
    BoxAnswerer boxes({QMessageBox::Ok});
    editor.trigger("actionOpen");

    QCOMPARE(dialog.seen.size(), 1);
    QCOMPARE(boxes.texts(), QStringList{box});
    QCOMPARE(editor.table()->rowCount(), 0);
    QCOMPARE(editor.entryCount(), QStringLiteral("0"));
}

// A title or an address of ten million characters, as a file without line
// breaks gives one, stays whole in its cell, while the table shows only as
// much of it as a screen could: laid out whole, it took seconds to paint,
// again at every repaint.
void TestHostile::hugeCellsStayPaintable_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("length");
    const QByteArray huge(10000000, 'a');
    QTest::newRow("title") << "pls"
                           << "[playlist]\nFile1=http://a.example/\nTitle1=" + huge + "\n"
                           << 0 << int(huge.size());
    QTest::newRow("address") << "m3u"
                             << "http://a.example/" + huge << 1 << int(huge.size() + 17);
}

void TestHostile::hugeCellsStayPaintable()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, bytes);
    QFETCH(int, column);
    QFETCH(int, length);

    Editor editor;
    QVERIFY(editor.active);
    const QString path = editor.path(QStringLiteral("huge.") + suffix);
    QVERIFY(writeBytes(path, bytes));
    {
        FileDialogAnswerer dialog({path});
        BoxAnswerer boxes;
        editor.trigger("actionOpen");
        QVERIFY(boxes.seen.isEmpty());
    }
    QCOMPARE(editor.table()->rowCount(), 1);
    const QString text = editor.table()->item(0, column)->text();
    QCOMPARE(text.size(), length);

    auto *delegate = qobject_cast<QStyledItemDelegate *>(editor.table()->itemDelegate());
    QVERIFY(delegate);
    const QString shown = delegate->displayText(text, QLocale());
    QVERIFY(!shown.isEmpty() && text.startsWith(shown));
    QVERIFY2(shown.size() < 10000, qPrintable(QString::number(shown.size())));
    QVERIFY(!editor.window->grab().isNull());
}

// The window tests the scheme of an address without parsing all of it, and
// must answer as QUrl would. `random` further strings are drawn from
// characters that matter to QUrl's scheme, each at most 8 long.
void TestHostile::addressTestAgreesWithQUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("random");
    QTest::newRow("http") << "http://a.example/live" << 0;
    QTest::newRow("capitals") << "HTTP://A.EXAMPLE/" << 0;
    QTest::newRow("mixed case udp") << "uDp://239.0.0.1:1234" << 0;
    QTest::newRow("scheme alone") << "http:" << 0;
    QTest::newRow("https") << "https://a.example/" << 0;
    QTest::newRow("blank before the scheme") << " http://a.example/" << 0;
    QTest::newRow("blank inside the scheme") << "ht tp://a.example/" << 0;
    QTest::newRow("question mark before the colon") << "http?://a/" << 0;
    QTest::newRow("hash before the colon") << "#http://a/" << 0;
    QTest::newRow("broken host") << "http://[::1" << 0;
    QTest::newRow("broken percent sign") << "udp://%zz/" << 0;
    QTest::newRow("dotless i") << "http\u0131://a/" << 0;
    QTest::newRow("full-width h") << "\uff48ttp://a/" << 0;
    QTest::newRow("encoded colon") << "http%3A//a/" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("random text") << "" << 20000;
}

void TestHostile::addressTestAgreesWithQUrl()
{
    QFETCH(QString, address);
    QFETCH(int, random);
    const auto qurlSays = [](const QString &text) {
        const QString scheme = QUrl(text).scheme();
        return scheme == QLatin1String("http") || scheme == QLatin1String("udp");
    };
    QStringList addresses{address};
    const QString alphabet = QStringLiteral("hHtTpPuUdD:/?#%[]@ .+-1x\u0127\u212a\u0131");
    QRandomGenerator generator(1234);
    for (int i = 0; i < random; ++i) {
        QString text;
        for (int n = int(generator.bounded(9)); n > 0; --n)
            text += alphabet.at(int(generator.bounded(alphabet.size())));
        if (text.size() > 1 && generator.bounded(2))
            text.prepend(QStringLiteral("http:").left(int(generator.bounded(6))));
        addresses << text;
    }
    for (const QString &text : std::as_const(addresses))
        QVERIFY2(PlaylistTable::isStreamAddress(text) == qurlSays(text), qPrintable(text));
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
