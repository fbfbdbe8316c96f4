// Editing, saving, closing and reordering through the window's widgets: what
// the table, labels, title and actions show after each step, what is
// written, that nothing is thrown away when a save did not happen, and the
// label that shows how a save will split the list over files.

#include "editortest.h"

#include <QDir>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QWindow>

using namespace EditorTest;

namespace {

const QString BadAddress = "The url of the stream must start with http:// or udp://!";
const QString NotValid = "The address of the stream is not valid!";
const QString CannotOpen = "Couldn't open the file!";
// Jazz and News, as the two-entry example of the format lays them out.
const QString JazzAndNews = TEST_DATA_DIR "/written/jazz-news.pls";

QStringList plsFiles(const Editor &editor)
{
    return QDir(editor.dir.path()).entryList({"*.pls"}, QDir::Files, QDir::Name);
}

// What the user sees of the playlist: title, path, entry count, enabled
// document actions, the editor's fields (title, address, number, kind) and
// the rows.
QStringList state(const Editor &e)
{
    return QStringList() << e.title() << e.filePath() << e.entryCount()
                         << e.enabledActions().join(',') << e.titleEdit()->text()
                         << e.urlEdit()->text() << e.entryId()
                         << QString::number(e.typeCombo()->currentIndex()) << e.rows();
}

// How the playlist stands when the user closes it: "empty", rows "imported"
// (there, without a marker or file), or typed and then "unsaved", "saved",
// "changed" after a save, or changed after a save into a folder that is now
// a file ("unwritable"). The table ends with a TV entry "B"; a file that
// holds it holds the last change.
void prepare(Editor &editor, const QString &start)
{
    if (start == "empty")
        return;
    if (start == "imported")
        return editor.importRows({"A", "B"});
    QDir(editor.dir.path()).mkdir("lists");
    editor.add("A", "http://a.example/");
    if (start != "unsaved")
        editor.saveAs(start == "unwritable" ? "lists/list.pls" : "list.pls");
    if (start == "unwritable") {
        QDir(editor.path("lists")).removeRecursively();
        writeBytes(editor.path("lists"), "now a file");
    }
    editor.add("B", "udp://239.0.0.2:5000", true);
    if (start == "saved")
        editor.press(QKeySequence::Save);
}

// Steps on a saved playlist of A (radio), B (TV) and C, separated by "; ":
// "click <row>", "type <title|address|kind>", "down" (the arrow key in the
// table), or a command for Editor::run().
struct EditCase
{
    QString steps;
    QString titles;  // afterwards
    int touched;     // the row added or changed, -1: none
    QString row;     // as it is then
    QString entryId; // the number the editor shows
    bool marked;
    QString box; // about the address, if any
};

// A drag as the user makes it: press on the row, move past the drag distance,
// and let go at `target` in the viewport once the toolkit's drag loop runs.
void dragTo(Editor &editor, int row, QPoint target)
{
    QWidget *viewport = editor.table()->viewport();
    const QPoint start =
        editor.table()->visualRect(editor.table()->model()->index(row, 0)).center();
    const QPoint end = viewport->mapTo(editor.window, target);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(viewport, start + QPoint(0, 1));
    QTimer::singleShot(0, [window = editor.window->windowHandle(), end] {
        QTest::mouseMove(window, end);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, end);
    });
    QTest::mouseMove(viewport, start + QPoint(0, 2 + QApplication::startDragDistance()));
}

} // namespace

Q_DECLARE_METATYPE(EditCase)

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void edit_data();
    void edit();
    void kindBesideText();
    void save_data();
    void save();
    void everyRowSaved();
    void closing_data();
    void closing();
    void moveRow_data();
    void moveRow();
    void fileSplit_data();
    void fileSplit();
};

void TestEditing::edit_data()
{
    const QList<QPair<const char *, EditCase>> cases{
        {"add http radio",
         {"type D|http://d:8000/live|Radio; btnAdd",
          "ABCD",
          3,
          "D|http://d:8000/live|Radio|1",
          "",
          true,
          {}}},
        {"add udp TV from the Stream menu",
         {"type D|udp://239.1.2.3:4|TV; actionAdd",
          "ABCD",
          3,
          "D|udp://239.1.2.3:4|TV|2",
          "",
          true,
          {}}},
        {"add, scheme in capitals",
         {"type D|HTTP://d/|Radio; btnAdd", "ABCD", 3, "D|HTTP://d/|Radio|1", "", true, {}}},
        {"add https refused",
         {"type D|https://d/|Radio; btnAdd", "ABC", -1, "", "", false, BadAddress}},
        {"add without scheme refused",
         {"type D|www.d.com/live|TV; btnAdd", "ABC", -1, "", "", false, BadAddress}},
        {"add with a port out of range",
         {"type D|http://radio.example:80800/live|Radio; btnAdd", "ABC", -1, "", "", false,
          NotValid}},
        {"add with a blank in the host",
         {"type D|http://my radio/x|TV; btnAdd", "ABC", -1, "", "", false, NotValid}},
        {"add with a bad escape in the host",
         {"type D|http://a%zz/|Radio; btnAdd", "ABC", -1, "", "", false, NotValid}},
        {"add of a scheme without host",
         {"type D|http:|Radio; btnAdd", "ABC", -1, "", "", false, NotValid}},
        {"add trims blanks around the address",
         {"type D|  http://d/live |Radio; btnAdd",
          "ABCD",
          3,
          "D|http://d/live|Radio|1",
          "",
          true,
          {}}},
        {"change radio row to TV",
         {"click 0; type A2|udp://a:2|TV; btnEdit", "A2BC", 0, "A2|udp://a:2|TV|2", "1", true, {}}},
        {"change TV row to radio from the Stream menu",
         {"click 1; type B2|http://b2/|Radio; actionEdit",
          "AB2C",
          1,
          "B2|http://b2/|Radio|1",
          "2",
          true,
          {}}},
        // The editor follows the current row, however it became current, so
        // Change and Delete take the entry that the editor shows.
        {"change the row reached by the arrow key",
         {"click 0; down; type N|http://n/|Radio; btnEdit",
          "ANC",
          1,
          "N|http://n/|Radio|1",
          "2",
          true,
          {}}},
        {"change without current row",
         {"type X|http://x/|TV; btnEdit", "ABC", -1, "", "", false, {}}},
        {"change to https refused",
         {"click 0; type A2|https://a/|TV; btnEdit", "ABC", -1, "", "1", false, BadAddress}},
        {"change to an unclosed IPv6 host",
         {"click 0; type A2|http://[::1/x|TV; btnEdit", "ABC", -1, "", "1", false, NotValid}},
        {"delete by Del key", {"click 1; Del", "AC", -1, "", "2", true, {}}},
        {"delete the row reached by the arrow keys",
         {"click 0; down; down; Del", "AB", -1, "", "2", true, {}}},
        {"delete a row moved by the keyboard",
         {"type D|http://d/|Radio; btnAdd; click 2; up; Ctrl+Down; btnDelete",
          "ACD",
          -1,
          "",
          "3",
          true,
          {}}},
        {"delete from the Stream menu", {"click 2; actionDelete", "AB", -1, "", "2", true, {}}},
        {"delete with nothing clicked marks nothing",
         {"btnDelete; Del", "ABC", -1, "", "", false, {}}},
        {"deleting every row clears the editor",
         {"click 0; Del; Del; Del; Ctrl+S; btnDelete", "", -1, "", "", false, {}}},
    };
    QTest::addColumn<EditCase>("c");
    for (const auto &[name, c] : cases)
        QTest::newRow(name) << c;
}

void TestEditing::edit()
{
    QFETCH(EditCase, c);

    Editor editor;
    editor.add("A", "http://a/");
    editor.add("B", "udp://239.0.0.2:5000", true);
    editor.add("C", "http://c/");
    QVERIFY(editor.saveAs("radio.pls"));
    BoxAnswerer boxes({QMessageBox::Ok});
    QString typed = "C|http://c/|Radio";
    for (const QString &step : c.steps.split("; ")) {
        const QString argument = step.section(' ', 1);
        const bool hadCurrent = editor.table()->currentRow() >= 0;
        if (step.startsWith("click "))
            editor.clickRow(argument.toInt());
        else if (step.startsWith("type "))
            editor.type(argument.section('|', 0, 0), argument.section('|', 1, 1),
                        argument.endsWith("|TV"));
        else if (step == "down" || step == "up")
            QTest::keyClick(editor.table(), step == "up" ? Qt::Key_Up : Qt::Key_Down);
        else
            editor.run(step);
        if (step.startsWith("type "))
            typed = argument;
        else if ((hadCurrent || editor.table()->currentRow() >= 0) &&
                 !QStringList{"btnAdd", "actionAdd", "btnEdit", "actionEdit"}.contains(step))
            typed.clear(); // the current row may have changed
    }

    QCOMPARE(boxes.texts().join(""), c.box);
    QCOMPARE(editor.titles().join(""), c.titles);
    QCOMPARE(editor.rows().value(c.touched), c.row);
    QCOMPARE(editor.entryCount(), QString::number(editor.titles().size()));
    QCOMPARE(editor.entryId(), c.entryId);
    QCOMPARE(editor.title(), (c.marked ? "* " : "") + QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.enabledActions().size(), c.marked ? 4 : 0);
    // What was typed stays in the editor, to be corrected or reused; else the
    // editor shows the row that its number names, or nothing.
    const QString kind = editor.typeCombo()->currentText();
    QCOMPARE(editor.titleEdit()->text() + '|' + editor.urlEdit()->text() + '|' + kind,
             !typed.isEmpty()      ? typed
             : c.entryId.isEmpty() ? "||" + kind
                                   : editor.rows().value(c.entryId.toInt() - 1).section('|', 0, 2));
}

// A language change rewrites the Type texts; the click and the save read the
// kind kept beside them.
void TestEditing::kindBesideText()
{
    Editor editor;
    editor.add("Jazz", "http://jazz.example/stream");
    editor.add("News", "udp://239.0.0.1:1234", true);
    editor.table()->item(0, PlaylistTable::TypeColumn)->setText("Rundfunk");
    editor.table()->item(1, PlaylistTable::TypeColumn)->setText("Fernsehen");
    for (int row : {0, 1}) {
        editor.typeCombo()->setCurrentIndex(1 - row); // the click has to set it
        editor.clickRow(row);
        QCOMPARE(state(editor).mid(4, 4).join('|'), row == 0 ? "Jazz|http://jazz.example/stream|1|0"
                                                             : "News|udp://239.0.0.1:1234|2|1");
    }
    QVERIFY(editor.saveAs("radio.pls"));
    QCOMPARE(bytesOf(editor.path("radio.pls")), bytesOf(JazzAndNews));
}

// Saves of Jazz and News: new, or named "lists/radio.pls" before News came,
// or with an entry too long for any file; or of the two rows of news.m3u
// "imported" through Open. Before the save, "replace" finds a radio.pls
// there, "stale" a radio1.pls and radio2.pls of a longer list; the question
// is answered as given. The Save as dialog is answered with
// a name, or with one in a folder that is a file ("blocked"), by Qt's dialog
// or one that reports no filter ("bare") or another one ("other").
void TestEditing::save_data()
{
    addRows({
        // case                       playlist command      dialog       written       box
        "no suffix:                   new      actionSaveAs radio        radio.pls     -",
        "other suffix:                new      actionSaveAs radio.txt    radio.txt.pls -",
        "suffix in capitals:          new      actionSaveAs radio.PLS    radio.PLS.pls -",
        "dots before the suffix:      new      actionSaveAs my.radio.pls my.radio.pls  -",
        "no filter reported:          new      Ctrl+S       radio,bare   radio.pls     -",
        "another filter reported:     new      Ctrl+S       radio,other  -             -",
        "new, folder is a file:       new      Ctrl+S       blocked      -             cannot",
        "named, folder is a file:     named    actionSaveAs blocked      -             cannot",
        "an entry too long:           too-long Ctrl+S       radio        -             too-long",
        "imported M3U, then Save:     imported Ctrl+S       radio        radio.pls     -",
        "radio.pls there, replace:    new      actionSaveAs radio        radio.pls     replace,Yes",
        "radio.pls there, keep it:    new      actionSaveAs radio        -             replace,No",
        "older files, delete them:    new      Ctrl+S       radio.pls    radio.pls     stale,Yes",
        "older files, keep them:      new      Ctrl+S       radio.pls    radio.pls     stale,No",
    });
}

// The window names the file only once it is on disk: after a failed write the
// playlist still counts as unsaved (closing still asks), and the next dialog
// starts where it did before.
void TestEditing::save()
{
    QFETCH(QStringList, c);
    const QString &playlist = c[0], &dialog = c[2], &written = c[3], &box = c[4];

    Editor editor;
    QVERIFY(QDir(editor.dir.path()).mkdir("lists"));
    const QByteArray old = bytesOf(TEST_DATA_DIR "/open/LIST.PLS");
    const QStringList oldFiles = box.startsWith("replace") ? QStringList{"radio.pls"}
                                 : box.startsWith("stale") ? QStringList{"radio1.pls", "radio2.pls"}
                                                           : QStringList();
    for (const QString &name : oldFiles)
        QVERIFY(writeBytes(editor.path(name), old));
    const QString golden = playlist == "imported" ? TEST_DATA_DIR "/written/news.pls" : JazzAndNews;
    if (playlist == "imported") {
        FileDialogAnswerer open({TEST_DATA_DIR "/open/news.m3u"});
        editor.trigger("actionOpen");
    } else {
        editor.add("Jazz", "http://jazz.example/stream");
    }
    if (playlist == "named")
        QVERIFY(editor.saveAs("lists/radio.pls"));
    if (playlist != "imported")
        editor.add("News", "udp://239.0.0.1:1234", true);
    if (playlist == "too-long")
        editor.add("Endless", "http://long.example/" + QString(2100, 'a'));
    const QStringList before = state(editor);
    {
        const QString name = dialog.section(',', 0, 0), platform = dialog.section(',', 1);
        FileDialogAnswerer dialogs(
            {name == "blocked" ? impossiblePath(editor, "radio") : editor.path(name)},
            [platform](QFileDialog *shown) {
                if (platform == "bare")
                    shown->setNameFilters({});
                if (platform == "other")
                    shown->setOption(QFileDialog::HideNameFilterDetails);
            });
        BoxAnswerer boxes({box.endsWith("No")    ? QMessageBox::No
                           : box.endsWith("Yes") ? QMessageBox::Yes
                                                 : QMessageBox::Ok});
        editor.run(c[1]);
        QCOMPARE(dialogs.seen.size(), 1);
        for (const SeenDialog &shown : dialogs.seen)
            QCOMPARE(shown.caption + ' ' + shown.nameFilters.join(';'),
                     QStringLiteral("Kestrelpad PLS Playlist (*.pls)"));
        const QString stale = "2 older continuation file(s) (radio1.pls \u2026 radio2.pls) would "
                              "still be played by the radio-box. Delete them?";
        QCOMPARE(boxes.texts().join(""),
                 box == "cannot"     ? CannotOpen
                 : box == "too-long" ? "An entry is too long for the radio-box!"
                 : box.startsWith("replace")
                     ? "radio.pls already exists. Do you want to replace it?"
                 : box.startsWith("stale") ? stale
                                           : "");
        for (const SeenBox &seen : boxes.seen)
            if (box.contains(','))
                QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        if (box.contains(','))
            QCOMPARE(boxes.seen.value(0).defaultButton,
                     box.startsWith("stale") ? QMessageBox::Yes : QMessageBox::No);
    }
    QStringList files = QStringList(written).filter(".");
    if (box.endsWith("No"))
        files += oldFiles;
    files.sort();
    QCOMPARE(plsFiles(editor), files);
    for (const QString &name : oldFiles)
        if (files.contains(name) && name != written)
            QCOMPARE(bytesOf(editor.path(name)), old);
    if (!written.isEmpty()) {
        QCOMPARE(bytesOf(editor.path(written)), bytesOf(golden));
        QCOMPARE(state(editor).mid(0, 4),
                 QStringList({written + " - Kestrelpad", editor.path(written), "2", ""}));
        return;
    }
    QCOMPARE(state(editor), before);
    FileDialogAnswerer dialogs({QString()});
    editor.trigger("actionSaveAs");
    QCOMPARE(dialogs.seen.value(0).directory,
             playlist == "named" ? QDir(editor.path("lists")).absolutePath() : editor.dir.path());
}

// More rows than a 16-bit count holds, the typed one last: 65,537 entries at
// 19 a file are 3,449 full files and 6 entries in the last.
void TestEditing::everyRowSaved()
{
    Editor editor;
    QStringList titles;
    for (int i = 0; i < 65536; ++i)
        titles << QString::number(i);
    editor.importRows(titles);
    editor.add("Typed last", "http://last.example/");
    QVERIFY(editor.saveAs("big.pls"));

    QCOMPARE(plsFiles(editor).size(), 3450);
    plsFile last;
    last.readFile(editor.path("big3449.pls"));
    QCOMPARE(last.entries().size(), 6);
    QCOMPARE(last.entries().last().title, QStringLiteral("Typed last"));
}

void TestEditing::closing_data()
{
    // The answer to the close question and the Save as dialog's (a name,
    // "cancel", or "blocked" for a folder that is a file); what goes (the
    // playlist's rows, the whole window, or nothing); the file that then holds
    // the last change; and whether a box says that the write failed.
    addRows({
        // case                    command     start      answer  dialog  goes    written  fails
        "New, Discard:             Ctrl+N      unsaved    Discard -       rows    -        -",
        "New, Cancel:              actionNew   changed    Cancel  -       nothing -        -",
        "New, Save to its file:    Ctrl+N      changed    Save    -       rows    list.pls -",
        "New, Save fails:          Ctrl+N      unwritable Save    -       nothing -        fails",
        "Close, Save as:           actionClose unsaved    Save    new.pls rows    new.pls  -",
        "Close, Save as cancelled: actionClose unsaved    Save    cancel  nothing -        -",
        "Close, Save as fails:     actionClose unsaved    Save    blocked nothing -        fails",
        "Quit, nothing loaded:     Ctrl+Q      empty      -       -       window  -        -",
        "Quit, saved, unchanged:   btnQuit     saved      -       -       window  list.pls -",
        "Quit, Save:               Ctrl+Q      changed    Save    -       window  list.pls -",
        "Quit, Cancel:             close()     changed    Cancel  -       nothing -        -",
        "Quit, Save as cancelled:  btnQuit     unsaved    Save    cancel  nothing -        -",
        "Quit, Save fails:         Ctrl+Q      unwritable Save    -       nothing -        fails",
        "Quit asks about imports:  Ctrl+Q      imported   Discard -       window  -        -",
        "Quit, imports, Save as:   btnQuit     imported   Save    new.pls window  new.pls  -",
        "Quit, imports, Cancel:    close()     imported   Cancel  -       nothing -        -",
    });
}

void TestEditing::closing()
{
    QFETCH(QStringList, c);
    const QString &start = c[1], &answer = c[2], &dialog = c[3], &gone = c[4];

    Editor editor;
    prepare(editor, start);
    if (start != "empty")
        editor.clickRow(1);
    const QStringList before = state(editor);

    QStringList dialogs;
    if (!dialog.isEmpty())
        dialogs << (dialog == "cancel"    ? QString()
                    : dialog == "blocked" ? impossiblePath(editor, "list.pls")
                                          : editor.path(dialog));
    FileDialogAnswerer dialogAnswerer(dialogs);
    const int button =
        QMetaEnum::fromType<QMessageBox::StandardButtons>().keyToValue(qPrintable(answer));
    BoxAnswerer boxes({QMessageBox::StandardButton(button), QMessageBox::Ok});
    editor.run(c[0]);

    QStringList texts;
    if (!answer.isEmpty())
        texts << "The playlist has been modified.";
    if (!c[6].isEmpty())
        texts << CannotOpen;
    QCOMPARE(boxes.texts(), texts);
    if (!answer.isEmpty()) {
        const SeenBox &question = boxes.seen.at(0);
        QCOMPARE(question.informative, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Save);
        QVERIFY(!question.hasParent);
    }
    QCOMPARE(dialogAnswerer.seen.size(), dialogs.size());
    QStringList withB;
    for (const QString &name : plsFiles(editor))
        if (bytesOf(editor.path(name)).contains("Title1=B"))
            withB << name;
    QCOMPARE(withB.join(','), c[5]);

    // The settings are written once the window really goes, and only then.
    QCOMPARE(editor.window->isVisible(), gone != "window");
    QCOMPARE(QFile::exists(editor.path("settings.ini")), gone == "window");
    if (gone == "nothing")
        QCOMPARE(state(editor), before);
    if (gone == "rows") // the kind is the editor's setting, not the playlist's
        QCOMPARE(state(editor), QStringList({"Kestrelpad", "", "0", "", "", "", "", before[7]}));
}

// The command, or a drag onto a row at pixels from its middle; the row
// clicked and the current one; then the rows and the number in the editor.
void TestEditing::moveRow_data()
{
    addRows({
        // case                            command        clicked current titles number
        "TV row up by shortcut:            Ctrl+Up        1       1       BAC    1",
        "TV row down from the menu:        actionMoveDown 1       1       ACB    3",
        "top row up:                       actionMoveUp   0       0       ABC    1",
        "bottom row down by shortcut:      Ctrl+Down      2       2       ABC    3",
        "no current row:                   actionMoveUp   -1      -1      ABC    -",
        "current row, not the clicked one: actionMoveUp   0       2       ACB    2",
        "drag A onto the lower half of C:  drag:2:4       0       0       BCA    3",
        "drag C onto the upper half of A:  drag:0:-4      2       2       CAB    1",
        "drag TV row below the last row:   drag:2:40      1       1       ACB    3",
        "drag A onto the upper half of B:  drag:1:-4      0       0       ABC    1",
    });
}

void TestEditing::moveRow()
{
    QFETCH(QStringList, c);
    const QString &command = c[0], &titles = c[3];
    const int clicked = c[1].toInt(), current = c[2].toInt();

    // Only the minimal platform runs a drag inside the process; offscreen
    // ends every drag before it starts.
    const QStringList drag = command.split(':');
    if (drag.first() == "drag" && QGuiApplication::platformName() != "minimal")
        QSKIP("a drag needs QT_QPA_PLATFORM=minimal");
    Editor editor;
    editor.window->resize(500, 600);
    editor.importRows({"A", "B", "C"});
    QTableWidget *table = editor.table();
    table->item(1, PlaylistTable::TypeColumn)->setText("TV");
    table->item(1, PlaylistTable::TypeColumn)->setData(PlaylistTable::KindRole, PlaylistTable::TV);
    if (clicked >= 0)
        editor.clickRow(clicked);
    table->setCurrentCell(current, 0);
    if (drag.first() == "drag") {
        const QRect target = table->visualRect(table->model()->index(drag.at(1).toInt(), 0));
        dragTo(editor, current, target.center() + QPoint(0, drag.at(2).toInt()));
    } else {
        editor.run(command);
    }

    QCOMPARE(editor.titles().join(""), titles);
    QCOMPARE(editor.rows().at(titles.indexOf('B')),
             QStringLiteral("B|http://import.example/B|TV|2"));
    const int now = current < 0 ? -1 : int(titles.indexOf(QChar('A' + current)));
    QCOMPARE(table->currentRow(), now);
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), now);
    QCOMPARE(editor.entryId(), c[4]);
    QCOMPARE(editor.titleEdit()->text(), now < 0 ? QString() : titles.mid(now, 1));
    QCOMPARE(editor.window->isModified(), titles != "ABC");
}

void TestEditing::fileSplit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<int>("urlLength");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("files"); // what a real save then writes

    QTest::newRow("empty") << 0 << 0 << 0 << "" << 1;
    QTest::newRow("one entry") << 1 << 8 << 20 << "1 entry, 1 file" << 1;
    QTest::newRow("19 entries") << 19 << 8 << 20 << "19 entries, 1 file" << 1;
    QTest::newRow("20 entries") << 20 << 8 << 20 << "20 entries, 2 files" << 2;
    QTest::newRow("45 entries") << 45 << 8 << 20 << "45 entries, 3 files" << 3;
    QTest::newRow("long titles split early") << 5 << 600 << 20 << "5 entries, 2 files" << 2;
    QTest::newRow("address too long")
        << 1 << 8 << 2100 << "1 entry, one too long for the radio-box" << 0;
}

// An empty table still writes one file, which empties the old one on disk.
void TestEditing::fileSplit()
{
    QFETCH(int, count);
    QFETCH(int, titleLength);
    QFETCH(int, urlLength);
    QFETCH(QString, label);
    QFETCH(int, files);

    Editor editor;
    editor.importRows(QStringList(count, QString(titleLength, 't')));
    for (int r = 0; r < count; ++r)
        editor.table()->item(r, 1)->setText(
            QString("http://s/%1/").arg(r).leftJustified(urlLength, 'u'));
    QTRY_COMPARE(editor.fileSplit(), label);

    editor.window->setModified();
    QVERIFY(QDir(editor.dir.path()).mkdir("out"));
    {
        FileDialogAnswerer dialog({editor.path("out/list.pls")});
        BoxAnswerer boxes({QMessageBox::Ok});
        editor.trigger("actionSaveAs");
    }
    QCOMPARE(QDir(editor.path("out")).entryList(QDir::Files).size(), files);

    BoxAnswerer discard({QMessageBox::Discard});
    editor.window->setModified();
    editor.trigger("actionClose");
    QTRY_COMPARE(editor.fileSplit(), QString());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
