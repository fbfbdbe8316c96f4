// Editing, saving, closing and reordering through the window's widgets: what
// the table, labels, title and actions show after each step, what is
// written, that nothing is thrown away when a save did not happen, and the
// label that shows how a save will split the list over files.

#include "windowtest.h"

#include <QMetaEnum>
#include <QTimer>
#include <QWindow>

using namespace WindowTest;
using Button = QMessageBox::StandardButton;

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
    return QStringList() << e.title() << e.statusLabels().mid(0, 2)
                         << QString::number(e.enabledActions()) << e.titleEdit()->text()
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
        QVERIFY(editor.saveAs(start == "unwritable" ? "lists/list.pls" : "list.pls"));
    if (start == "unwritable") {
        QDir(editor.path("lists")).removeRecursively();
        writeBytes(editor.path("lists"), "now a file");
    }
    editor.add("B", "udp://239.0.0.2:5000", true);
    if (start == "saved")
        editor.press(QKeySequence::Save);
}

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

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void edit_data();
    void edit();
    void kindBesideText();
    void save_data();
    void save();
    void closing_data();
    void closing();
    void moveRow_data();
    void moveRow();
    void fileSplit_data();
    void fileSplit();
};

// Steps on a saved playlist of A (radio), B (TV) and C, separated by "; ":
// "click <row>", "type <title|address|kind>", "down" or "up" (arrow keys in
// the table), or a command for Editor::run(). Then the titles, the row added
// or changed as it is then, the number in the editor, whether the title is
// marked, and the box about the address, if any.
void TestEditing::edit_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<int>("touched");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("entryId");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("box");

    addRow("add http radio", "type D|http://d:8000/live|Radio; btnAdd", "ABCD", 3,
           "D|http://d:8000/live|Radio|1", "", true, "");
    addRow("add udp TV from the Stream menu", "type D|udp://239.1.2.3:4|TV; actionAdd", "ABCD", 3,
           "D|udp://239.1.2.3:4|TV|2", "", true, "");
    addRow("add, scheme in capitals", "type D|HTTP://d/|Radio; btnAdd", "ABCD", 3,
           "D|HTTP://d/|Radio|1", "", true, "");
    addRow("add https refused", "type D|https://d/|Radio; btnAdd", "ABC", -1, "", "", false,
           BadAddress);
    addRow("add without scheme refused", "type D|www.d.com/live|TV; btnAdd", "ABC", -1, "", "",
           false, BadAddress);
    addRow("add with a port out of range", "type D|http://radio.example:80800/live|Radio; btnAdd",
           "ABC", -1, "", "", false, NotValid);
    addRow("add with a blank in the host", "type D|http://my radio/x|TV; btnAdd", "ABC", -1, "", "",
           false, NotValid);
    addRow("add with a bad escape in the host", "type D|http://a%zz/|Radio; btnAdd", "ABC", -1, "",
           "", false, NotValid);
    addRow("add of a scheme without host", "type D|http:|Radio; btnAdd", "ABC", -1, "", "", false,
           NotValid);
    addRow("add trims blanks around the address", "type D|  http://d/live |Radio; btnAdd", "ABCD",
           3, "D|http://d/live|Radio|1", "", true, "");
    addRow("change radio row to TV", "click 0; type A2|udp://a:2|TV; btnEdit", "A2BC", 0,
           "A2|udp://a:2|TV|2", "1", true, "");
    addRow("change TV row to radio from the Stream menu",
           "click 1; type B2|http://b2/|Radio; actionEdit", "AB2C", 1, "B2|http://b2/|Radio|1", "2",
           true, "");
    // The editor follows the current row, however it became current, so
    // Change and Delete take the entry that the editor shows.
    addRow("change the row reached by the arrow key",
           "click 0; down; type N|http://n/|Radio; btnEdit", "ANC", 1, "N|http://n/|Radio|1", "2",
           true, "");
    addRow("change without current row", "type X|http://x/|TV; btnEdit", "ABC", -1, "", "", false,
           "");
    addRow("change to https refused", "click 0; type A2|https://a/|TV; btnEdit", "ABC", -1, "", "1",
           false, BadAddress);
    addRow("change to an unclosed IPv6 host", "click 0; type A2|http://[::1/x|TV; btnEdit", "ABC",
           -1, "", "1", false, NotValid);
    addRow("delete by Del key", "click 1; Del", "AC", -1, "", "2", true, "");
    addRow("delete the row reached by the arrow keys", "click 0; down; down; Del", "AB", -1, "",
           "2", true, "");
    addRow("delete a row moved by the keyboard",
           "type D|http://d/|Radio; btnAdd; click 2; up; Ctrl+Down; btnDelete", "ACD", -1, "", "3",
           true, "");
    addRow("delete from the Stream menu", "click 2; actionDelete", "AB", -1, "", "2", true, "");
    addRow("delete with nothing clicked marks nothing", "btnDelete; Del", "ABC", -1, "", "", false,
           "");
    addRow("deleting every row clears the editor", "click 0; Del; Del; Del; Ctrl+S; btnDelete", "",
           -1, "", "", false, "");
}

void TestEditing::edit()
{
    QFETCH(QString, steps);
    QFETCH(QString, titles);
    QFETCH(int, touched);
    QFETCH(QString, row);
    QFETCH(QString, entryId);
    QFETCH(bool, marked);
    QFETCH(QString, box);

    Editor editor;
    editor.add("A", "http://a/");
    editor.add("B", "udp://239.0.0.2:5000", true);
    editor.add("C", "http://c/");
    QVERIFY(editor.saveAs("radio.pls"));
    if (!box.isEmpty())
        MessageBox::setNextAnswer(QMessageBox::Ok);
    QString typed = "C|http://c/|Radio";
    for (const QString &step : steps.split("; ")) {
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

    QCOMPARE(boxTexts().join(""), box);
    QCOMPARE(editor.titles(), titles);
    QCOMPARE(editor.rows().value(touched), row);
    QCOMPARE(editor.statusLabels().value(0), QString::number(editor.rows().size()));
    QCOMPARE(editor.entryId(), entryId);
    QCOMPARE(editor.title(), (marked ? "* " : "") + QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.enabledActions(), marked ? 4 : 0);
    // What was typed stays in the editor, to be corrected or reused; else the
    // editor shows the row that its number names, or nothing.
    const QString kind = editor.typeCombo()->currentText();
    QCOMPARE(editor.titleEdit()->text() + '|' + editor.urlEdit()->text() + '|' + kind,
             !typed.isEmpty()    ? typed
             : entryId.isEmpty() ? "||" + kind
                                 : editor.rows().value(entryId.toInt() - 1).section('|', 0, 2));
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
// "imported" through Open. The Save as dialog is answered with a name, or
// with one in a folder that is a file ("blocked"), reporting the filter it
// offered, none, or another one. Files of an older list may lie there, and
// a question about them is answered Yes or No.
void TestEditing::save_data()
{
    QTest::addColumn<QString>("playlist");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter"); // "offered": the one the window offered
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("box");

    const QString offered = "offered", tooLong = "An entry is too long for the radio-box!";
    const QString replace = "radio.pls already exists. Do you want to replace it?";
    const QString stale = "2 older continuation file(s) (radio1.pls \u2026 radio2.pls) would "
                          "still be played by the radio-box. Delete them?";
    const QString older = "radio1.pls radio2.pls";
    addRow("no suffix", "new", "actionSaveAs", "radio", offered, "", "", "radio.pls", "");
    addRow("other suffix", "new", "actionSaveAs", "radio.txt", offered, "", "", "radio.txt.pls",
           "");
    addRow("suffix in capitals", "new", "actionSaveAs", "radio.PLS", offered, "", "",
           "radio.PLS.pls", "");
    addRow("dots before the suffix", "new", "actionSaveAs", "my.radio.pls", offered, "", "",
           "my.radio.pls", "");
    addRow("no filter reported", "new", "Ctrl+S", "radio", "", "", "", "radio.pls", "");
    addRow("another filter reported", "new", "Ctrl+S", "radio", "PLS Playlist", "", "", "", "");
    addRow("new, folder is a file", "new", "Ctrl+S", "blocked", offered, "", "", "", CannotOpen);
    addRow("named, folder is a file", "named", "actionSaveAs", "blocked", offered, "", "", "",
           CannotOpen);
    addRow("an entry too long", "too-long", "Ctrl+S", "radio", offered, "", "", "", tooLong);
    addRow("imported M3U, then Save", "imported", "Ctrl+S", "radio", offered, "", "", "radio.pls",
           "");
    addRow("radio.pls there, replace", "new", "actionSaveAs", "radio", offered, "radio.pls", "Yes",
           "radio.pls", replace);
    addRow("radio.pls there, keep it", "new", "actionSaveAs", "radio", offered, "radio.pls", "No",
           "", replace);
    addRow("older files, delete them", "new", "Ctrl+S", "radio.pls", offered, older, "Yes",
           "radio.pls", stale);
    addRow("older files, keep them", "new", "Ctrl+S", "radio.pls", offered, older, "No",
           "radio.pls", stale);
}

// The window names the file only once it is on disk: after a failed write the
// playlist still counts as unsaved (closing still asks), and the next dialog
// starts where it did before. Files the user keeps stay as they were.
void TestEditing::save()
{
    QFETCH(QString, playlist);
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, old);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QString, box);

    Editor editor;
    QVERIFY(QDir(editor.dir.path()).mkdir("lists"));
    const QByteArray oldBytes = bytesOf(TEST_DATA_DIR "/open/LIST.PLS");
    const QStringList oldFiles = old.split(' ', Qt::SkipEmptyParts);
    for (const QString &file : oldFiles)
        QVERIFY(writeBytes(editor.path(file), oldBytes));
    if (playlist == "imported") {
        FileDialog::setNextAnswer(TEST_DATA_DIR "/open/news.m3u");
        editor.trigger("actionOpen");
        FileDialog::takeShown();
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
    const QString path = name == "blocked" ? impossiblePath(editor, "radio") : editor.path(name);
    filter == "offered" ? FileDialog::setNextAnswer(path) : FileDialog::setNextAnswer(path, filter);
    if (!box.isEmpty())
        MessageBox::setNextAnswer(answer == "Yes"  ? QMessageBox::Yes
                                  : answer == "No" ? QMessageBox::No
                                                   : QMessageBox::Ok);
    editor.run(command);
    const QList<FileDialog::Shown> dialogs = FileDialog::takeShown();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0].caption + ' ' + dialogs[0].filter,
             QStringLiteral("Kestrelpad PLS Playlist (*.pls)"));
    const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
    QCOMPARE(boxes.size(), int(!box.isEmpty()));
    for (const MessageBox::Shown &shown : boxes) {
        QCOMPARE(shown.text, box);
        if (!answer.isEmpty()) // the default keeps what is there, but stale files
            QVERIFY(shown.buttons == (QMessageBox::Yes | QMessageBox::No) &&
                    shown.defaultButton ==
                        (old == "radio.pls" ? QMessageBox::No : QMessageBox::Yes));
    }

    QStringList files =
        QStringList(written).filter(".") + (answer == "No" ? oldFiles : QStringList());
    files.removeDuplicates();
    files.sort();
    QCOMPARE(plsFiles(editor), files);
    for (const QString &file : oldFiles)
        if (files.contains(file) && file != written)
            QCOMPARE(bytesOf(editor.path(file)), oldBytes);
    if (!written.isEmpty()) {
        QCOMPARE(bytesOf(editor.path(written)),
                 bytesOf(playlist == "imported" ? TEST_DATA_DIR "/written/news.pls" : JazzAndNews));
        QCOMPARE(state(editor).mid(0, 4),
                 QStringList({written + " - Kestrelpad", "2", editor.path(written), "0"}));
        return;
    }
    QCOMPARE(state(editor), before);
    FileDialog::setNextAnswer(QString());
    editor.trigger("actionSaveAs");
    // An empty folder is the working folder to Qt's dialog.
    QCOMPARE(QDir(FileDialog::takeShown().value(0).directory).absolutePath(),
             playlist == "named" ? editor.path("lists") : editor.dir.path());
}

// The answer to the close question and the Save as dialog's (a name,
// "cancel", or "blocked" for a folder that is a file); what goes (the
// playlist's rows, the whole window, or nothing); the file that then holds
// the last change. A save into a folder that is a file fails with a box.
void TestEditing::closing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("goes");
    QTest::addColumn<QString>("written");

    addRow("New, Discard", "Ctrl+N", "unsaved", "Discard", "", "rows", "");
    addRow("New, Cancel", "actionNew", "changed", "Cancel", "", "nothing", "");
    addRow("New, Save to its file", "Ctrl+N", "changed", "Save", "", "rows", "list.pls");
    addRow("New, Save fails", "Ctrl+N", "unwritable", "Save", "", "nothing", "");
    addRow("Close, Save as", "actionClose", "unsaved", "Save", "new.pls", "rows", "new.pls");
    addRow("Close, Save as cancelled", "actionClose", "unsaved", "Save", "cancel", "nothing", "");
    addRow("Close, Save as fails", "actionClose", "unsaved", "Save", "blocked", "nothing", "");
    addRow("Quit, nothing loaded", "Ctrl+Q", "empty", "", "", "window", "");
    addRow("Quit, saved, unchanged", "btnQuit", "saved", "", "", "window", "list.pls");
    addRow("Quit, Save", "Ctrl+Q", "changed", "Save", "", "window", "list.pls");
    addRow("Quit, Cancel", "close()", "changed", "Cancel", "", "nothing", "");
    addRow("Quit, Save as cancelled", "btnQuit", "unsaved", "Save", "cancel", "nothing", "");
    addRow("Quit, Save fails", "Ctrl+Q", "unwritable", "Save", "", "nothing", "");
    addRow("Quit asks about imports", "Ctrl+Q", "imported", "Discard", "", "window", "");
    addRow("Quit, imports, Save as", "btnQuit", "imported", "Save", "new.pls", "window", "new.pls");
    addRow("Quit, imports, Cancel", "close()", "imported", "Cancel", "", "nothing", "");
}

void TestEditing::closing()
{
    QFETCH(QString, command);
    QFETCH(QString, start);
    QFETCH(QString, answer);
    QFETCH(QString, dialog);
    QFETCH(QString, goes);
    QFETCH(QString, written);
    const bool fails = start == "unwritable" || dialog == "blocked";

    Editor editor;
    prepare(editor, start);
    if (start != "empty")
        editor.clickRow(1);
    const QStringList before = state(editor);
    if (!dialog.isEmpty())
        FileDialog::setNextAnswer(dialog == "cancel"    ? QString()
                                  : dialog == "blocked" ? impossiblePath(editor, "list.pls")
                                                        : editor.path(dialog));
    if (!answer.isEmpty()) {
        MessageBox::setNextAnswer(Button(
            QMetaEnum::fromType<QMessageBox::StandardButtons>().keyToValue(qPrintable(answer))));
    }
    if (fails)
        MessageBox::setNextAnswer(QMessageBox::Ok);
    editor.run(command);

    const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
    QCOMPARE(boxes.size(), int(!answer.isEmpty()) + int(fails));
    if (!answer.isEmpty()) {
        const MessageBox::Shown &question = boxes.at(0);
        QCOMPARE(question.text, QStringLiteral("The playlist has been modified."));
        QCOMPARE(question.informativeText, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Save);
        QVERIFY(!question.hasParent);
    }
    if (fails)
        QCOMPARE(boxes.last().text, CannotOpen);
    QCOMPARE(FileDialog::takeShown().size(), int(!dialog.isEmpty()));
    QStringList withB;
    for (const QString &name : plsFiles(editor))
        if (bytesOf(editor.path(name)).contains("Title1=B"))
            withB << name;
    QCOMPARE(withB.join(','), written);

    // The settings are written once the window really goes, and only then.
    QCOMPARE(editor.window->isVisible(), goes != "window");
    QCOMPARE(QFile::exists(editor.path("settings.ini")), goes == "window");
    if (goes == "nothing")
        QCOMPARE(state(editor), before);
    if (goes == "rows") // the kind is the editor's setting, not the playlist's
        QCOMPARE(state(editor), QStringList({"Kestrelpad", "0", "", "0", "", "", "", before[7]}));
}

// The command, or a drag onto a row at pixels from its middle; the row
// clicked and the current one (the row dragged); then the rows and the
// number in the editor.
void TestEditing::moveRow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("entryId");

    addRow("TV row up by shortcut", "Ctrl+Up", 1, 1, "BAC", "1");
    addRow("TV row down from the menu", "actionMoveDown", 1, 1, "ACB", "3");
    addRow("top row up", "actionMoveUp", 0, 0, "ABC", "1");
    addRow("bottom row down by shortcut", "Ctrl+Down", 2, 2, "ABC", "3");
    addRow("no current row", "actionMoveUp", -1, -1, "ABC", "");
    addRow("current row, not the clicked one", "actionMoveUp", 0, 2, "ACB", "2");
    addRow("drag A onto the lower half of C", "drag:2:4", 0, 0, "BCA", "3");
    addRow("drag C onto the upper half of A", "drag:0:-4", 2, 2, "CAB", "1");
    addRow("drag TV row below the last row", "drag:2:40", 1, 1, "ACB", "3");
    addRow("drag A onto the upper half of B", "drag:1:-4", 0, 0, "ABC", "1");
    addRow("drag A and B below C as a block", "drag:2:4:block", 0, 0, "CAB", "2");
}

void TestEditing::moveRow()
{
    QFETCH(QString, command);
    QFETCH(int, clicked);
    QFETCH(int, current);
    QFETCH(QString, titles);
    QFETCH(QString, entryId);

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
    // "drag:<row>:<pixels>:block": the row below the clicked one is chosen
    // too, with Shift, and both are dragged.
    if (drag.value(3) == "block") {
        const QModelIndex block = table->model()->index(clicked + 1, 0);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          table->visualRect(block).center());
    } else {
        table->setCurrentCell(current, 0);
    }
    if (drag.first() == "drag") {
        const QRect target = table->visualRect(table->model()->index(drag.at(1).toInt(), 0));
        dragTo(editor, current, target.center() + QPoint(0, drag.at(2).toInt()));
    } else {
        editor.run(command);
    }

    QCOMPARE(editor.titles(), titles);
    QCOMPARE(editor.rows().at(titles.indexOf('B')),
             QStringLiteral("B|http://import.example/B|TV|2"));
    const int now = current < 0 ? -1 : int(titles.indexOf(QChar('A' + current)));
    QCOMPARE(table->currentRow(), now);
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), now);
    QCOMPARE(editor.entryId(), entryId);
    QCOMPARE(editor.titleEdit()->text(), now < 0 ? QString() : titles.mid(now, 1));
    QCOMPARE(editor.window->isModified(), titles != "ABC");
}

// The label counts with the writer's own layout (which tst_playlists holds to
// what a save writes); more rows than a 16-bit count holds need no save to
// show that none is lost.
void TestEditing::fileSplit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<int>("urlLength");
    QTest::addColumn<QString>("label");

    addRow("empty", 0, 0, 0, "");
    addRow("one entry", 1, 8, 20, "1 entry, 1 file");
    addRow("19 entries", 19, 8, 20, "19 entries, 1 file");
    addRow("20 entries", 20, 8, 20, "20 entries, 2 files");
    addRow("long titles split early", 5, 600, 20, "5 entries, 2 files");
    addRow("address too long", 1, 8, 2100, "1 entry, one too long for the radio-box");
    // 65,537 entries at 19 a file are 3,449 full files and 6 entries in the last.
    addRow("more rows than 16 bits count", 65537, 1, 20, "65537 entries, 3450 files");
}

void TestEditing::fileSplit()
{
    QFETCH(int, count);
    QFETCH(int, titleLength);
    QFETCH(int, urlLength);
    QFETCH(QString, label);

    Editor editor;
    editor.importRows(QStringList(count, QString(titleLength, 't')));
    for (int r = 0; r < count; ++r)
        editor.table()->item(r, 1)->setText(
            QString("http://s/%1/").arg(r).leftJustified(urlLength, 'u'));
    QTRY_COMPARE(editor.statusLabels().value(2), label);

    MessageBox::setNextAnswer(QMessageBox::Discard);
    editor.window->setModified();
    editor.trigger("actionClose");
    QTRY_COMPARE(editor.statusLabels().value(2), QString());
    MessageBox::takeShown();
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
