#include "playlistfiletest.h"

using namespace PlaylistTest;
using Save = SaveCase<m3uFile>;
Q_DECLARE_METATYPE(Save)

// Reading back what was written is in data/m3u/read.txt, with the samples.
class TestM3uFile : public QObject
{
    Q_OBJECT

private slots:
    void saves_data();
    void saves() { checkSaves<m3uFile>("m3u", "extended.m3u"); }
    void reads_data() { addReadCases("m3u"); }
    void reads() { checkReads<m3uFile>("m3u"); }
    void replaysFuzzCorpus() { replayCorpus<m3uFile>("m3u", {"read 0", "read"}); }
};

void TestM3uFile::saves_data()
{
    const QList<m3uFile::Entry> two{{"Jazz", QUrl("http://jazz.example/live")},
                                    {{}, QUrl("udp://news.example:1234")}};
    void (m3uFile::*extended)(QString) = &m3uFile::saveExtendedFile;
    void (m3uFile::*plain)(QString) = &m3uFile::saveSimpleFile;
    addCases<Save>({
        {"extended, one title empty", two, extended, "two-extended.m3u"},
        {"plain keeps no titles", two, plain, "two-plain.m3u"},
        {"an empty list, extended", {}, extended, "empty-extended.m3u"},
        {"an empty list, plain", {}, plain, "empty-plain.m3u"},
        {"line breaks in a title become spaces",
         {{"Jazz\r\nhttp://forged.example/\r#EXTINF:-1,x\ny", QUrl("http://a.example/")}},
         extended,
         "line-breaks.m3u"},
        {"a title outside ASCII in UTF-8",
         {{"Café ☕", QUrl("http://cafe.example/")}},
         extended,
         "utf8.m3u"},
        {"blanks and a quoted comma in a title",
         {{" \"A, B\", Pop ", QUrl("http://a.example/")}},
         extended,
         "blanks.m3u"},
        {"an invalid address leaves the old file",
         QList<m3uFile::Entry>(two) << m3uFile::Entry{"Lost", QUrl("http://my radio/x")},
         plain,
         {},
         "write -5"},
        {"under a regular file", two, extended, {}, "write -1", "list.m3u/x.m3u"},
        {"over a folder", two, plain, {}, "write -1", "folder"},
    });
}

QTEST_GUILESS_MAIN(TestM3uFile)
#include "tst_m3ufile.moc"
