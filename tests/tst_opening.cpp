// Opening playlists into the window: the Open action with its dialog, drag and
// drop, the document rules for PLS versus M3U and XSPF files, failed reads,
// and the message about entries that the radio-box cannot play.

#include "editortest.h"

#include <QMimeData>

using namespace EditorTest;

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

// Steps: "drop <files>" (one drop; a name with "://" is no local file) or
// "open <file> [answer]" (the Open action: its close question answered with
// Cancel or Discard, its dialog with the file, or cancelled for "-").
struct OpenCase
{
    QStringList steps;
    QString boxes; // their texts, in order
    QString title;
    QStringList rows; // "title|address|type|kind", or the title alone
    QString status;
};

} // namespace

Q_DECLARE_METATYPE(OpenCase)

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void open_data();
    void open();
};

void TestOpening::open_data()
{
    const QStringList jazz{"Jazz Lounge|http://jazz.example.org:8000/live|Radio|1",
                           "City News TV|udp://239.0.0.1:1234|TV|2"};
    const QStringList news{"Morning Talk|http://talk.example.com/morning|Radio|1",
                           "Evening Talk|http://talk.example.com/evening|Radio|1"};
    const QStringList talk{"Harbour Radio|http://harbour.example.org/aac|Radio|1",
                           "Folk Corner|http://folk.example.org/ogg|Radio|1"};
    const QString classic = "Classic Hour|http://classic.example.net/stream.mp3|Radio|1";
    const QString skipped = " skipped: the address must start with http:// or udp://";
    const QString question = "The playlist has been modified.";
    const QList<QPair<const char *, OpenCase>> cases{
        {"PLS becomes the document", {{"open jazz.pls"}, "", "jazz.pls", jazz, "done"}},
        {"PLS, suffix in capitals", {{"open LIST.PLS"}, "", "LIST.PLS", {classic}, "done"}},
        {"extended M3U, no document, rows unsaved", {{"open news.m3u"}, "", "*", news, "done"}},
        {"plain M3U, suffix in capitals",
         {{"open radio.M3U"}, "", "*", {"|http://plain.example.com/radio|Radio|1"}, "done"}},
        {"XSPF, no document", {{"open talk.xspf"}, "", "*", talk, "done"}},
        {"other suffix ignored", {{"open list.txt"}, "", "", {}, ""}},
        {"an unchanged document goes without a question",
         {{"drop jazz.pls", "open -"}, "", "", {}, "done"}},
        {"a changed document, Cancel merges",
         {{"drop jazz.pls", "drop news.m3u", "open LIST.PLS Cancel"},
          question,
          "* jazz.pls",
          jazz + news + QStringList{classic},
          "done"}},
        {"a changed document, Discard replaces",
         {{"drop jazz.pls", "drop news.m3u", "open LIST.PLS Discard"},
          question,
          "LIST.PLS",
          {classic},
          "done"}},
        {"M3U dropped into a PLS document",
         {{"drop jazz.pls", "drop news.m3u"}, "", "* jazz.pls", jazz + news, "done"}},
        // The imported rows are unsaved changes, into which the PLS file merges.
        {"PLS dropped after untitled M3U rows",
         {{"drop news.m3u", "drop jazz.pls"}, "", "*", news + jazz, "done"}},
        // One drop asks nothing: the first PLS file names the document.
        {"one drop of several files, a remote one passed over",
         {{"drop jazz.pls http://example.com/remote.pls LIST.PLS", "drop radio.M3U"},
          "",
          "* jazz.pls",
          jazz + QStringList{"Classic Hour", ""},
          "done"}},
        {"a missing PLS file: its box after the drop, its name in the title",
         {{"drop missing.pls"}, "The file doesn't exist!", "missing.pls", {}, ""}},
        {"https and mms left out of a PLS file",
         {{"drop skipped.pls"},
          "",
          "skipped.pls",
          {"Kept One", "Kept Two"},
          "2 entries" + skipped}},
        {"addresses QUrl cannot read are left out and counted",
         {{"drop invalid.m3u"},
          "",
          "*",
          {"|http://ok.example/live|Radio|1"},
          "3 entries" + skipped}},
        {"the count is that of the last file",
         {{"drop skipped.pls", "drop one-skipped.m3u"},
          "",
          "* skipped.pls",
          {"Kept One", "Kept Two", "Plain"},
          "1 entry" + skipped}},
    };
    QTest::addColumn<OpenCase>("c");
    for (const auto &[name, c] : cases)
        QTest::newRow(name) << c;
}

// The title names the document, which the path label shows in full; the
// Open dialog starts in the folder of the document shown (and otherwise
// where Qt's dialog was last).
void TestOpening::open()
{
    QFETCH(OpenCase, c);

    Editor editor;
    for (const QString &name : QDir(TEST_DATA_DIR "/open").entryList(QDir::Files))
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + name, editor.path(name)));
    QList<QMessageBox::StandardButton> answers;
    for (const QString &step : c.steps)
        if (step.startsWith("open ") && step.count(' ') == 2)
            answers << (step.endsWith(" Cancel") ? QMessageBox::Cancel : QMessageBox::Discard);
    BoxAnswerer boxes(answers);
    for (const QString &step : c.steps) {
        QStringList files = step.split(' ').mid(1);
        if (step.startsWith("drop ")) {
            QList<QUrl> urls;
            for (const QString &file : files)
                urls << (file.contains("://") ? QUrl(file)
                                              : QUrl::fromLocalFile(editor.path(file)));
            const qsizetype boxesBefore = boxes.seen.size();
            QVERIFY(drop(editor.table()->viewport(), urls));
            // The program the files came from waits for the drop: the files
            // are opened, and their boxes shown, only after it returned.
            QCOMPARE(boxes.seen.size(), boxesBefore);
            QCoreApplication::sendPostedEvents();
            continue;
        }
        const bool document = !editor.filePath().isEmpty();
        FileDialogAnswerer dialog({files[0] == "-" ? QString() : editor.path(files[0])});
        editor.trigger("actionOpen");
        QCOMPARE(dialog.seen.size(), 1);
        QCOMPARE(dialog.seen.at(0).caption, QStringLiteral("PLS-File"));
        if (document)
            QCOMPARE(dialog.seen.at(0).directory, editor.dir.path());
        QCOMPARE(dialog.seen.at(0).nameFilters,
                 QStringList({"PLS Playlist (*.pls)", "MP3-URL (*.m3u)",
                              "XML Shareable Playlist Format (*.xspf)"}));
    }

    QCOMPARE(boxes.texts().join('\n'), c.boxes);
    // "*": changes without a document.
    QCOMPARE(editor.title(), c.title.isEmpty() ? "Kestrelpad"
                             : c.title == "*"  ? "* Kestrelpad"
                                               : c.title + " - Kestrelpad");
    QCOMPARE(editor.window->isModified(), c.title.startsWith("*"));
    QCOMPARE(editor.enabledActions().size(), c.title.startsWith("*") ? 4 : 0);
    QStringList rows = editor.rows();
    for (int r = 0; r < rows.size() && r < c.rows.size(); ++r)
        if (!c.rows.at(r).contains('|'))
            rows[r] = rows[r].section('|', 0, 0);
    QCOMPARE(rows, c.rows);
    const QString document = QString(c.title).remove("*").trimmed();
    QCOMPARE(editor.statusLabels().mid(0, 2),
             QStringList({QString::number(c.rows.size()),
                          document.isEmpty() ? "" : editor.path(document)}));
    QCOMPARE(editor.status(), c.status);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
