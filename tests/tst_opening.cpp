// Opening playlists into the window: the Open action with its dialog, drag and
// drop, the document rules for PLS versus M3U and XSPF files, failed reads,
// and the message about entries that the radio-box cannot play.

#include "windowtest.h"

#include <QMimeData>

using namespace WindowTest;

namespace {

// As the toolkit delivers a drop onto the table: the table takes only its own
// rows, and the window only a list of files.
bool drop(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData text, files;
    text.setText(urls.value(0).toString());
    files.setUrls(urls);
    QDragEnterEvent refused(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, {});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    QDropEvent dropped(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    refused.ignore();
    QCoreApplication::sendEvent(target, &refused);
    QCoreApplication::sendEvent(target, &enter);
    QCoreApplication::sendEvent(target, &dropped);
    return !refused.isAccepted() && enter.isAccepted() && dropped.isAccepted();
}

const QStringList jazz{"Jazz Lounge|http://jazz.example.org:8000/live|Radio|1",
                       "City News TV|udp://239.0.0.1:1234|TV|2"};
const QStringList news{"Morning Talk|http://talk.example.com/morning|Radio|1",
                       "Evening Talk|http://talk.example.com/evening|Radio|1"};
const QStringList talk{"Harbour Radio|http://harbour.example.org/aac|Radio|1",
                       "Folk Corner|http://folk.example.org/ogg|Radio|1"};
const QString classic = "Classic Hour|http://classic.example.net/stream.mp3|Radio|1";
const QString skipped = " skipped: the address must start with http:// or udp://";
const QString question = "The playlist has been modified.";

} // namespace

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void open_data();
    void open();
};

// Steps: "drop <files>" (one drop; a name with "://" is no local file) or
// "open <file> [answer]" (the Open action: its close question answered with
// Cancel or Discard, its dialog with the file, or cancelled for "-"). Then
// the texts of the boxes, the title, the rows ("title|address|type|kind",
// or the title alone) and the status message.
void TestOpening::open_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("status");

    addRow("PLS becomes the document", QStringList{"open jazz.pls"}, "", "jazz.pls", jazz, "done");
    addRow("PLS, suffix in capitals", QStringList{"open LIST.PLS"}, "", "LIST.PLS",
           QStringList{classic}, "done");
    addRow("extended M3U, no document, rows unsaved", QStringList{"open news.m3u"}, "", "*", news,
           "done");
    addRow("plain M3U, suffix in capitals", QStringList{"open radio.M3U"}, "", "*",
           QStringList{"|http://plain.example.com/radio|Radio|1"}, "done");
    addRow("XSPF, no document", QStringList{"open talk.xspf"}, "", "*", talk, "done");
    addRow("other suffix ignored", QStringList{"open list.txt"}, "", "", QStringList(), "");
    addRow("an unchanged document goes without a question", QStringList{"drop jazz.pls", "open -"},
           "", "", QStringList(), "done");
    addRow("a changed document, Cancel merges",
           QStringList{"drop jazz.pls", "drop news.m3u", "open LIST.PLS Cancel"}, question,
           "* jazz.pls", jazz + news + QStringList{classic}, "done");
    addRow("a changed document, Discard replaces",
           QStringList{"drop jazz.pls", "drop news.m3u", "open LIST.PLS Discard"}, question,
           "LIST.PLS", QStringList{classic}, "done");
    addRow("M3U dropped into a PLS document", QStringList{"drop jazz.pls", "drop news.m3u"}, "",
           "* jazz.pls", jazz + news, "done");
    // The imported rows are unsaved changes, into which the PLS file merges.
    addRow("PLS dropped after untitled M3U rows", QStringList{"drop news.m3u", "drop jazz.pls"}, "",
           "*", news + jazz, "done");
    // One drop asks nothing: the first PLS file names the document.
    addRow("one drop of several files, a remote one passed over",
           QStringList{"drop jazz.pls http://example.com/remote.pls LIST.PLS", "drop radio.M3U"},
           "", "* jazz.pls", jazz + QStringList{"Classic Hour", ""}, "done");
    addRow("a missing PLS file: its box after the drop, its name in the title",
           QStringList{"drop missing.pls"}, "The file doesn't exist!", "missing.pls", QStringList(),
           "");
    // Gone between the dialog's check and the read: moved away, or a share
    // that dropped out.
    addRow("an XSPF file gone after the dialog", QStringList{"open gone.xspf"},
           "The file doesn't exist!", "", QStringList(), "");
    addRow("an M3U name that is a folder", QStringList{"open folder.m3u"},
           "Couldn't open the file!", "", QStringList(), "");
    addRow("a broken XSPF file keeps the tracks before the fault", QStringList{"drop broken.xspf"},
           "Error while parsing the xml-file!", "*", QStringList{"Before The Break"}, "");
    addRow("https and mms left out of a PLS file", QStringList{"drop skipped.pls"}, "",
           "skipped.pls", QStringList{"Kept One", "Kept Two"}, "2 entries" + skipped);
    addRow("addresses QUrl cannot read are left out and counted", QStringList{"drop invalid.m3u"},
           "", "*", QStringList{"|http://ok.example/live|Radio|1"}, "3 entries" + skipped);
    addRow("the count is that of the last file",
           QStringList{"drop skipped.pls", "drop one-skipped.m3u"}, "", "* skipped.pls",
           QStringList{"Kept One", "Kept Two", "Plain"}, "1 entry" + skipped);
}

// The title names the document, which the path label shows in full; the
// Open dialog starts in the folder of the document shown (and otherwise
// where the last one was).
void TestOpening::open()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, boxes);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);

    Editor editor;
    for (const QString &name : QDir(TEST_DATA_DIR "/open").entryList(QDir::Files))
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + name, editor.path(name)));
    QVERIFY(QDir(editor.dir.path()).mkdir("folder.m3u"));
    if (!boxes.isEmpty() && boxes != question) // a failed read's box
        MessageBox::setNextAnswer(QMessageBox::Ok);
    for (const QString &step : steps) {
        const QStringList files = step.split(' ').mid(1);
        if (step.startsWith("drop ")) {
            QList<QUrl> urls;
            for (const QString &file : files)
                urls << (file.contains("://") ? QUrl(file)
                                              : QUrl::fromLocalFile(editor.path(file)));
            QVERIFY(drop(editor.table()->viewport(), urls));
            // The program the files came from waits for the drop: the files
            // are opened, and their boxes shown, only after it returned.
            QCOMPARE(MessageBox::pendingAnswers(), int(!boxes.isEmpty() && boxes != question));
            QCoreApplication::sendPostedEvents();
            continue;
        }
        const QString document = editor.statusLabels().value(1);
        if (files.size() == 2)
            MessageBox::setNextAnswer(files[1] == "Cancel" ? QMessageBox::Cancel
                                                           : QMessageBox::Discard);
        FileDialog::setNextAnswer(files[0] == "-" ? QString() : editor.path(files[0]));
        editor.trigger("actionOpen");
        const QList<FileDialog::Shown> dialogs = FileDialog::takeShown();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0].caption, QStringLiteral("PLS-File"));
        if (!document.isEmpty())
            QCOMPARE(dialogs[0].directory, editor.dir.path());
        QCOMPARE(dialogs[0].filter, QStringLiteral("PLS Playlist (*.pls);;MP3-URL (*.m3u);;XML "
                                                   "Shareable Playlist Format (*.xspf)"));
    }

    QCOMPARE(boxTexts().join('\n'), boxes);
    // "*": changes without a document.
    QCOMPARE(editor.title(), title.isEmpty() ? "Kestrelpad"
                             : title == "*"  ? "* Kestrelpad"
                                             : title + " - Kestrelpad");
    QCOMPARE(editor.window->isModified(), title.startsWith("*"));
    QCOMPARE(editor.enabledActions(), title.startsWith("*") ? 4 : 0);
    QStringList shown = editor.rows();
    for (int r = 0; r < shown.size() && r < rows.size(); ++r)
        if (!rows.at(r).contains('|'))
            shown[r] = shown[r].section('|', 0, 0);
    QCOMPARE(shown, rows);
    const QString document = QString(title).remove("*").trimmed();
    QCOMPARE(editor.statusLabels().mid(0, 2),
             QStringList(
                 {QString::number(rows.size()), document.isEmpty() ? "" : editor.path(document)}));
    QCOMPARE(editor.status(), status);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
