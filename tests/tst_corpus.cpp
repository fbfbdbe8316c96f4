// Replays every input of the fuzz corpora through its reader, so that an
// input which once crashed or hung a reader keeps being tried by every test
// run, sanitizer build included.

#include "fuzz/plsroundtrip.h"
#include "playlist/m3ufile.h"
#include "playlist/plsfile.h"
#include "playlist/xspffile.h"

#include "playlistfiletest.h"

#include <QDirIterator>

using namespace PlaylistTest;

namespace {

// The signals of one read: the start, then the result codes that the format
// may give.
template<class File> QStringList readLog(const QString &path, QList<qint8> *codes = nullptr)
{
    File file;
    SignalLog log(&file);
    QObject::connect(&file, &File::readingFinished, [codes](qint8 code) {
        if (codes)
            *codes << code;
    });
    file.readFile(path);
    return log.events;
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replays_data();
    void replays();
};

void TestCorpus::replays_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("path");
    for (const char *format : {"pls", "m3u", "xspf"}) {
        const QString dir = QStringLiteral(KESTREL_SOURCE_DIR "/fuzz/corpus/") + format;
        QDirIterator files(dir, QDir::Files);
        int count = 0;
        while (files.hasNext()) {
            const QString path = files.next();
            QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(format, files.fileName())))
                << QString::fromLatin1(format) << path;
            ++count;
        }
        if (count == 0)
            qFatal("the corpus %s is empty", qPrintable(dir));
    }
}

// Every read ends with exactly one result, except an M3U file without a
// non-empty line, which by long-standing behaviour gets none. Broken XML is
// the only content that is an error.
void TestCorpus::replays()
{
    QFETCH(QString, format);
    QFETCH(QString, path);
    QList<qint8> codes;
    if (format == QLatin1String("pls")) {
        QCOMPARE(readLog<plsFile>(path, &codes).value(0), QStringLiteral("startingReading"));
        QCOMPARE(codes, QList<qint8>{0});
        plsFile reader;
        reader.readFile(path);
        QTemporaryDir dir;
        QCOMPARE(kestrel::roundtrip::difference(reader.entries(), dir.filePath("out")), QString());
    } else if (format == QLatin1String("m3u")) {
        QCOMPARE(readLog<m3uFile>(path, &codes).value(0), QStringLiteral("startingReading"));
        QVERIFY(codes.isEmpty() || codes == QList<qint8>{0});
    } else {
        QCOMPARE(readLog<xspfFile>(path, &codes).value(0), QStringLiteral("startingReading"));
        QVERIFY(codes == QList<qint8>{0} || codes == QList<qint8>{-3});
    }
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
