#include "playlistfiletest.h"

using namespace PlaylistTest;
using Save = SaveCase<xspfFile>;
Q_DECLARE_METATYPE(Save)

// Reading back what was written is in data/xspf/read.txt, with the samples.
class TestXspfFile : public QObject
{
    Q_OBJECT

private slots:
    void saves_data();
    void saves() { checkSaves<xspfFile>("xspf", "own.xspf"); }
    void reads_data() { addReadCases("xspf"); }
    void reads() { checkReads<xspfFile>("xspf"); }
    void replaysFuzzCorpus() { replayCorpus<xspfFile>("xspf", {"read 0", "read -3"}); }
};

void TestXspfFile::saves_data()
{
    const QList<xspfFile::Entry> escapes{{"News & <more> \"x\"", QUrl("http://a.example/?q=1&r=2")},
                                         {{}, QUrl("udp://n.example:1234")}};
    void (xspfFile::*save)(QString) = &xspfFile::saveFile;
    addCases<Save>({
        {"an empty list", {}, save, "empty.xspf"},
        {"escapes and an empty title", escapes, save, "escapes.xspf"},
        {"characters XML cannot carry are left out",
         {{"A\x01"
           "B\x1f"
           "C",
           QUrl("http://a.example/")}},
         save,
         "control.xspf"},
        {"UTF-8 without byte-order mark",
         {{"Größe ☕", QUrl("http://a.example/")}},
         save,
         "utf8.xspf"},
        {"line breaks and blanks in a title stay",
         {{"  A\nB  ", QUrl("http://a.example/")}},
         save,
         "line-breaks.xspf"},
        {"an empty address leaves the old file",
         QList<xspfFile::Entry>(escapes) << xspfFile::Entry{"Lost", QUrl()},
         save,
         {},
         "write -5"},
        {"under a regular file", escapes, save, {}, "write -1", "list.xspf/x.xspf"},
        {"over a folder", escapes, save, {}, "write -1", "folder"},
    });
}

QTEST_GUILESS_MAIN(TestXspfFile)
#include "tst_xspffile.moc"
