// Editing as in other editors, through the window's widgets: Undo and Redo
// over every change of the rows and across opens and saves, several rows at
// once, Find, Sort, and duplicate addresses.

#include "windowtest.h"

#include <QMimeData>

using namespace WindowTest;

namespace {

// Steps, separated by "; ": "open <file>" (the Open action on a sample file),
// "drop <file>,<file>" (one drop), "add <title> <address> [tv]", "type <title>
// <address>", "click|shift|ctrl <row>" (a click with that key held), "find
// <text>" (Ctrl+F, then typing), "focus <widget>", "save <name>" (Ctrl+S,
// its dialog answered with the name), or a command for Editor::run().
struct StepCase
{
    QString steps;
    QString answers; // to the boxes, in order: Yes, No, Discard
    // Titles; "*" after a TV row, "!<n>" after an address marked as the
    // same as that of entry n, "-" before a row that Find hides.
    QString rows;
    QString title;
    QString labels; // the entry count and the split label
    QString undo;   // the texts of Undo and Redo
    QString shown;  // the editor's title and number
    QString boxes;  // their texts
    QString status; // if one is expected
    QString saved;  // titles in the saved file, if one was saved
};

void dropFiles(Editor &editor, const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl::fromLocalFile(editor.path(name));
    QMimeData files;
    files.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    QDropEvent dropped(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(editor.window, &enter);
    QCoreApplication::sendEvent(editor.window, &dropped);
    QCoreApplication::sendPostedEvents();
}

void click(Editor &editor, int row, Qt::KeyboardModifiers keys)
{
    const QModelIndex index = editor.table()->model()->index(row, PlaylistTable::TitleColumn);
    QTest::mouseClick(editor.table()->viewport(), Qt::LeftButton, keys,
                      editor.table()->visualRect(index).center());
}

void runStep(Editor &editor, const QString &step)
{
    const QStringList words = step.split(' ');
    const QString &verb = words.first();
    const QString argument = words.value(1);
    if (verb == "open") {
        FileDialog::setNextAnswer(editor.path(argument));
        editor.trigger("actionOpen");
    } else if (verb == "drop") {
        dropFiles(editor, argument.split(','));
    } else if (verb == "add" || verb == "type") {
        editor.type(argument, words.value(2), words.value(3) == "tv");
        if (verb == "add")
            editor.run("btnAdd");
    } else if (verb == "click" || verb == "shift" || verb == "ctrl") {
        click(editor, argument.toInt(),
              verb == "shift"  ? Qt::ShiftModifier
              : verb == "ctrl" ? Qt::ControlModifier
                               : Qt::NoModifier);
    } else if (verb == "find") {
        editor.run("Ctrl+F");
        QTest::keyClicks(QApplication::focusWidget(), step.section(' ', 1));
    } else if (verb == "focus") {
        child<QWidget>(editor.window, qPrintable(argument))->setFocus();
    } else if (verb == "save") {
        FileDialog::setNextAnswer(editor.path(argument));
        editor.run("Ctrl+S");
    } else {
        editor.run(step);
    }
}

QString shownRows(const Editor &editor)
{
    QStringList rows;
    const QTableWidget *table = editor.table();
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem *address = table->item(r, PlaylistTable::UrlColumn);
        QString row = (table->isRowHidden(r) ? "-" : "") + table->item(r, 0)->text();
        if (table->item(r, PlaylistTable::TypeColumn)->data(PlaylistTable::KindRole) ==
            PlaylistTable::TV)
            row += '*';
        if (!address->toolTip().isEmpty())
            row += '!' + address->toolTip().section(' ', -1);
        if ((address->background().style() == Qt::NoBrush) != address->toolTip().isEmpty())
            row += " (mark without colour, or colour without mark)";
        rows << row;
    }
    return rows.join(',');
}

} // namespace

Q_DECLARE_METATYPE(StepCase)

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void steps_data();
    void steps();
};

void TestUndo::steps_data()
{
    const QString jazzNews = "open jazz.pls; drop news.m3u; ";
    const QString jazzNewsRows = "Jazz Lounge,City News TV*,Morning Talk,Evening Talk";
    const QString dupes = "Station 10!3,station 9*,Station 2!1,Äther!5,Zeit!4";
    const QList<QPair<const char *, StepCase>> cases{
        {"Add, Change, Delete taken back and done again",
         {"add A http://a/; add B udp://239.0.0.2:5000 tv; click 0; type A2 http://a2/; btnEdit; "
          "click 1; Del; Ctrl+Z; Ctrl+Z; Ctrl+Shift+Z",
          "", "A2,B*", "* Kestrelpad", "2", "Undo Change|Redo Delete", "A2#1", "", "", ""}},
        {"back at the opened document: no marker",
         {"open jazz.pls; add X http://x/; Ctrl+Z", "", "Jazz Lounge,City News TV*",
          "jazz.pls - Kestrelpad", "2", "Undo|Redo Add", "City News TV#2", "", "", ""}},
        {"across a save: the marker comes and goes",
         {"add A http://a/; add B http://b/; save list.pls; Ctrl+Z; Ctrl+Z; Ctrl+Y; Ctrl+Y; "
          "Ctrl+Z",
          "", "A", "* list.pls - Kestrelpad", "1", "Undo Add|Redo Add", "A#1", "", "", "A,B"}},
        {"Ctrl+Z in a field with nothing typed",
         {"open jazz.pls; add X http://x/; click 0; focus leditTitle; Ctrl+Z", "",
          "Jazz Lounge,City News TV*", "jazz.pls - Kestrelpad", "2", "Undo|Redo Add",
          "City News TV#2", "", "", ""}},
        {"one drop is one step",
         {"open jazz.pls; drop news.m3u,LIST.PLS; Ctrl+Z", "", "Jazz Lounge,City News TV*",
          "jazz.pls - Kestrelpad", "2", "Undo|Redo Drop", "City News TV#2", "", "", ""}},
        {"a moved row taken back",
         {jazzNews + "click 3; Ctrl+Up; Ctrl+Z", "", jazzNewsRows, "* jazz.pls - Kestrelpad", "4",
          "Undo Drop|Redo Move up", "Evening Talk#4", "", "", ""}},
        {"New forgets the history",
         {"add A http://a/; actionNew", "Discard", "", "Kestrelpad", "0", "Undo|Redo", "#",
          "The playlist has been modified.", "", ""}},
        {"several rows deleted after one question",
         {jazzNews + "click 0; ctrl 1; ctrl 3; Del", "Yes", "Morning Talk",
          "* jazz.pls - Kestrelpad", "1", "Undo Delete|Redo", "Morning Talk#1", "Delete 3 entries?",
          "", ""}},
        {"their undo puts them back in their places, with their kinds",
         {jazzNews + "click 0; ctrl 1; ctrl 3; Del; Ctrl+Z", "Yes", jazzNewsRows,
          "* jazz.pls - Kestrelpad", "4", "Undo Drop|Redo Delete", "Jazz Lounge#1",
          "Delete 3 entries?", "", ""}},
        {"No keeps them",
         {jazzNews + "click 1; shift 2; btnDelete", "No", jazzNewsRows, "* jazz.pls - Kestrelpad",
          "4", "Undo Drop|Redo", "Morning Talk#3", "Delete 2 entries?", "", ""}},
        {"a block moved down",
         {jazzNews + "click 0; shift 1; actionMoveDown", "",
          "Morning Talk,Jazz Lounge,City News TV*,Evening Talk", "* jazz.pls - Kestrelpad", "4",
          "Undo Move down|Redo", "Jazz Lounge#2", "", "", ""}},
        {"Find hides, in title or address, without regard to case",
         {"open jazz.pls; find NEWS", "", "-Jazz Lounge,City News TV*", "jazz.pls - Kestrelpad",
          "1 of 2 entries|2 entries, 1 file", "Undo|Redo", "#", "", "", ""}},
        {"Escape ends the search",
         {"open jazz.pls; find 239.0; Escape", "", "Jazz Lounge,City News TV*",
          "jazz.pls - Kestrelpad", "2", "Undo|Redo", "Jazz Lounge#1", "", "", ""}},
        {"Delete and Save leave hidden rows alone",
         {jazzNews + "click 0; shift 3; find talk; btnDelete; Ctrl+S", "Yes",
          "-Jazz Lounge,-City News TV*", "jazz.pls - Kestrelpad",
          "0 of 2 entries|2 entries, 1 file", "Undo Delete|Redo", "#", "Delete 2 entries?", "",
          "Jazz Lounge,City News TV"}},
        {"duplicates of an open, marked and counted",
         {"open dupes.pls", "", dupes, "dupes.pls - Kestrelpad", "5", "Undo|Redo", "#", "",
          "2 duplicate address(es)", ""}},
        {"an Add that makes a duplicate",
         {"open jazz.pls; add Copy http://JAZZ.example.org:8000/live/", "",
          "Jazz Lounge!3,City News TV*,Copy!1", "* jazz.pls - Kestrelpad", "3", "Undo Add|Redo",
          "Copy#", "", "1 duplicate address(es)", ""}},
        {"a Change that makes one",
         {"open jazz.pls; click 1; type Same http://jazz.example.org:8000/live; btnEdit", "",
          "Jazz Lounge!2,Same!1", "* jazz.pls - Kestrelpad", "2", "Undo Change|Redo", "Same#2", "",
          "1 duplicate address(es)", ""}},
        {"duplicates removed, the first of each kept",
         {"open dupes.pls; actionRemoveDuplicates", "", "Station 10,station 9*,Äther",
          "* dupes.pls - Kestrelpad", "3", "Undo Remove duplicates|Redo", "Äther#3", "",
          "2 duplicate address(es) removed", ""}},
        {"and put back",
         {"open dupes.pls; actionRemoveDuplicates; Ctrl+Z", "", dupes, "dupes.pls - Kestrelpad",
          "5", "Undo|Redo Remove duplicates", "Station 2#3", "", "", ""}},
        {"sorted by title, numbers in numeric order",
         {"open dupes.pls; click 1; actionSortTitle", "",
          "Äther!5,Station 2!4,station 9*,"
          "Station 10!2,Zeit!1",
          "* dupes.pls - Kestrelpad", "5", "Undo Sort|Redo", "station 9#3", "", "", ""}},
        {"sorted by address",
         {"open dupes.pls; actionSortAddress", "",
          "Zeit!2,Äther!1,Station 10!4,Station 2!3,"
          "station 9*",
          "* dupes.pls - Kestrelpad", "5", "Undo Sort|Redo", "#", "", "", ""}},
        {"TV after Radio, and the order taken back",
         {"open dupes.pls; actionSortType; Ctrl+Z; Ctrl+Y", "",
          "Station 10!2,Station 2!1,Äther!4,Zeit!3,station 9*", "* dupes.pls - Kestrelpad", "5",
          "Undo Sort|Redo", "#", "", "", ""}},
    };
    QTest::addColumn<StepCase>("c");
    for (const auto &[name, c] : cases)
        QTest::newRow(name) << c;
}

void TestUndo::steps()
{
    QFETCH(StepCase, c);

    Editor editor;
    for (const QString &name : QDir(TEST_DATA_DIR "/open").entryList(QDir::Files))
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + name, editor.path(name)));
    for (const QString &answer : c.answers.split(',', Qt::SkipEmptyParts))
        MessageBox::setNextAnswer(answer == "Yes"  ? QMessageBox::Yes
                                  : answer == "No" ? QMessageBox::No
                                                   : QMessageBox::Discard);
    for (const QString &step : c.steps.split("; "))
        runStep(editor, step);

    QCOMPARE(shownRows(editor), c.rows);
    QCOMPARE(editor.title(), c.title);
    QCOMPARE(editor.window->isModified(), c.title.startsWith("* "));
    QCOMPARE(editor.enabledActions(), c.title.startsWith("* ") ? 4 : 0);
    QCOMPARE(editor.statusLabels().value(0), c.labels.section('|', 0, 0));
    if (c.labels.contains('|'))
        QTRY_COMPARE(editor.statusLabels().value(2), c.labels.section('|', 1));
    const QString undo = child<QAction>(editor.window, "actionUndo")->text() + '|' +
                         child<QAction>(editor.window, "actionRedo")->text();
    QCOMPARE(undo, c.undo);
    QCOMPARE(child<QAction>(editor.window, "actionUndo")->isEnabled(), undo.startsWith("Undo "));
    QCOMPARE(editor.titleEdit()->text() + '#' + editor.entryId(), c.shown);
    QStringList texts;
    for (const MessageBox::Shown &box : MessageBox::takeShown()) {
        texts << box.text;
        if (box.text.startsWith("Delete")) {
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton, QMessageBox::No);
        }
    }
    QCOMPARE(texts.join('|'), c.boxes);
    if (!c.status.isEmpty())
        QCOMPARE(editor.status(), c.status);
    if (!c.saved.isEmpty()) {
        plsFile saved;
        saved.readFile(editor.path(c.title.section(' ', -3, -3)));
        QStringList titles;
        for (const plsFile::Entry &entry : saved.entries())
            titles << entry.title;
        QCOMPARE(titles.join(','), c.saved);
    }
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
