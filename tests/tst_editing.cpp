// The window driven through its widgets: editing, Undo and Redo, Find,
// sorting and duplicates, opening and dropping playlists, saving, closing and
// reordering; what the table, labels, title and actions show after each step,
// what is written, that nothing is thrown away when a save did not happen, and
// the label that shows how a save will split the list over files.

#include "windowtest.h"

using namespace WindowTest;

namespace {

const QString BadAddress = "The url of the stream must start with http:// or udp://!";
const QString NotValid = "The address of the stream is not valid!";
const QString CannotOpen = "Couldn't open the file!";

// Rows of a table of steps (see Editor::step()); the expected rows are
// "title|address|type text|kind" or, where they hold no "|", the title with
// "*" after a TV entry, "!<n>" after an address marked as the same as that of
// entry n, and "-" before a row that Find hides.
QString shownRows(const Editor &editor, const QString &expected)
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
        rows << (expected.split(',').value(r).contains('|') ? editor.rows().at(r) : row);
    }
    return rows.join(',');
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void steps_data();
    void steps();
    void fileSplit_data();
    void fileSplit();
};

// Steps in a folder with the samples of data/open and a folder "folder.m3u",
// the answers to the boxes they bring (buttons by name, in order); then the
// rows (see shownRows()), the window title, the entry count and file split
// labels, the texts of Undo and Redo, the editor's fields and number
// ("title|address|type#number"), the boxes' texts, the status message, and
// the files that a save leaves.
void TestEditing::steps_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("saved");

    const QString jazz = "Jazz Lounge,City News TV*", jazzTitle = "jazz.pls - Kestrelpad";
    const QString changed = "* " + jazzTitle, none = "||Radio#";
    const QString jazzNews = "open jazz.pls; drop news.m3u; ";
    const QString abc = "open abc.pls; click 0; ";
    const QString jazzNewsRows = jazz + ",Morning Talk,Evening Talk";
    const QString dupes = "Station 10!3,station 9*,Station 2!1,Äther!5,Zeit!4";
    const QString skipped = " skipped: the address must start with http:// or udp://";
    const QString question = "The playlist has been modified.";
    const QString dupeStatus = "2 duplicate address(es)";
    const QString noUndo = "Undo|Redo", undoAdd = "Undo Add|Redo";

    // Adding, changing and deleting, with the address as typed.
    addRow("add http radio, udp TV from the Stream menu, blanks around the address trimmed",
           "open jazz.pls; add D|http://d:8000/live; type E|udp://239.1.2.3:4|TV; actionAdd; "
           "add F|  http://f/live ",
           "",
           jazz + ",D|http://d:8000/live|Radio|1,E|udp://239.1.2.3:4|TV|2,F|http://f/live|Radio|1",
           changed, "5", undoAdd, "F|  http://f/live |Radio#", "", "done", "");
    addRow("adds of https, of a port out of range and of a scheme without host refused",
           "open jazz.pls; add D|https://d/; add D|http://radio.example:80800/live; add D|http:",
           "Ok,Ok,Ok", jazz, jazzTitle, "2", noUndo, "D|http:|Radio#",
           BadAddress + '|' + NotValid + '|' + NotValid, "done", "");
    // The editor follows the current row, however it became current, so
    // Change and Delete take the entry that the editor shows.
    addRow("radio row changed to TV, the next row reached by the arrow key to radio from the menu",
           "open jazz.pls; click 0; type A2|udp://a:2|TV; btnEdit; down; type B2|http://b2/; "
           "actionEdit",
           "", "A2|udp://a:2|TV|2,B2|http://b2/|Radio|1", changed, "2", "Undo Change|Redo",
           "B2|http://b2/|Radio#2", "", "done", "");
    addRow("change without current row, or to https, refused",
           "open jazz.pls; type X|http://x/|TV; btnEdit; click 0; type A2|https://a/|TV; btnEdit",
           "Ok", jazz, jazzTitle, "2", noUndo, "A2|https://a/|TV#1", BadAddress, "done", "");
    addRow("delete a row moved by the keyboard",
           "open jazz.pls; add D|http://d/; click 2; up; Ctrl+Down; btnDelete", "", "Jazz Lounge,D",
           changed, "2", "Undo Delete|Redo", "D|http://d/|Radio#2", "", "done", "");
    addRow("delete with nothing clicked marks nothing", "open jazz.pls; btnDelete; Del", "", jazz,
           jazzTitle, "2", noUndo, none, "", "done", "");
    addRow("deleting every row clears the editor",
           "open jazz.pls; click 0; Del; Del; Ctrl+S; btnDelete", "", "", jazzTitle, "0",
           "Undo Delete|Redo", "||TV#", "", "done", "jazz.pls=pls/written/empty/radio.pls");

    // Undo and Redo over every change of the rows and across opens and saves.
    addRow("Add, Change, Delete taken back and done again",
           "add A|http://a/; add B|udp://239.0.0.2:5000|TV; click 0; type A2|http://a2/; btnEdit; "
           "click 1; Del; Ctrl+Z; Ctrl+Z; Ctrl+Shift+Z",
           "", "A2,B*", "* Kestrelpad", "2", "Undo Change|Redo Delete", "A2|http://a2/|Radio#1", "",
           "", "");
    addRow("across a save: the marker comes and goes",
           "add A|http://a/; add B|udp://239.0.0.2:5000|TV; save list.pls; Ctrl+Z; Ctrl+Z; Ctrl+Y; "
           "Ctrl+Y; Ctrl+Z",
           "", "A", "* list.pls - Kestrelpad", "1", "Undo Add|Redo Add", "A|http://a/|Radio#1", "",
           "done", "list.pls=written/a-b.pls");
    addRow("one drop is one step; Ctrl+Z and Del in a field with nothing typed; no marker at the "
           "opened document",
           "open jazz.pls; drop news.m3u LIST.PLS; Ctrl+Z; add X|http://x/; click 0; focus "
           "leditTitle; Ctrl+Z; Del",
           "", jazz, jazzTitle, "2", "Undo|Redo Add", "City News TV|udp://239.0.0.1:1234|TV#2", "",
           "done", "");
    addRow("a drop of several files taken back and done again",
           "open jazz.pls; drop news.m3u LIST.PLS; Ctrl+Z; Ctrl+Y", "",
           "Jazz Lounge,City News TV*,Morning Talk,Evening Talk,Classic Hour", changed, "5",
           "Undo Drop|Redo", "Classic Hour|http://classic.example.net/stream.mp3|Radio#5", "",
           "done", "");
    addRow("New forgets the history", "add A|http://a/; actionNew", "Discard", "", "Kestrelpad",
           "0", noUndo, none, question, "", "");
    addRow("No keeps several rows, Yes deletes them, after one question",
           jazzNews + "click 1; shift 2; btnDelete; click 0; ctrl 1; ctrl 3; Del", "No,Yes",
           "Morning Talk", changed, "1|1 entry, 1 file", "Undo Delete|Redo",
           "Morning Talk|http://talk.example.com/morning|Radio#1",
           "Delete 2 entries?|Delete 3 entries?", "done", "");
    // A move not taken back would have the clicks choose other rows.
    addRow("a moved row taken back; deleted rows put back in their places, with their kinds",
           jazzNews + "click 3; Ctrl+Up; Ctrl+Z; click 0; ctrl 1; ctrl 3; Del; Ctrl+Z", "Yes",
           jazzNewsRows, changed, "4", "Undo Drop|Redo Delete",
           "Jazz Lounge|http://jazz.example.org:8000/live|Radio#1", "Delete 3 entries?", "done",
           "");
    addRow("moves past the ends, or without a current row, do nothing",
           "open jazz.pls; actionMoveDown; click 0; Ctrl+Up; click 1; Ctrl+Down; Ctrl+Up", "",
           "City News TV*,Jazz Lounge", changed, "2", "Undo Move up|Redo",
           "City News TV|udp://239.0.0.1:1234|TV#1", "", "done", "");
    addRow("the current row moves, not one left selected", abc + "ctrl 1; ctrl 1; Ctrl+Down", "",
           "A,C,B*", "* abc.pls - Kestrelpad", "3", "Undo Move down|Redo",
           "B|http://b.example/|TV#3", "", "done", "");
    addRow("a block moved down, then the TV row to the bottom from the menu, the editor following",
           jazzNews + "click 0; shift 1; actionMoveDown; click 2; actionMoveDown", "",
           "Morning Talk,Jazz Lounge,Evening Talk,City News TV*", changed, "4",
           "Undo Move down|Redo", "City News TV|udp://239.0.0.1:1234|TV#4", "", "done", "");
    addRow("Find hides, in title or address, without regard to case", "open jazz.pls; find NEWS",
           "", "-Jazz Lounge,City News TV*", jazzTitle, "1 of 2 entries|2 entries, 1 file", noUndo,
           none, "", "done", "");
    addRow("Escape ends the search", "open jazz.pls; find 239.0; Escape", "", jazz, jazzTitle, "2",
           noUndo, "Jazz Lounge|http://jazz.example.org:8000/live|Radio#1", "", "done", "");
    addRow("Delete and Save leave hidden rows alone",
           jazzNews + "click 0; shift 3; find talk; btnDelete; Ctrl+S", "Yes",
           "-Jazz Lounge,-City News TV*", jazzTitle, "0 of 2 entries|2 entries, 1 file",
           "Undo Delete|Redo", "||TV#", "Delete 2 entries?", "done", "jazz.pls=written/jazz.pls");

    // The question about unsaved rows before New, Close and Quit: the rows
    // stay when the save they asked for did not happen, and the settings are
    // written once the window really goes, and only then.
    const QString ab = "add A|http://a/; add B|udp://239.0.0.2:5000|TV; click 1; ";
    const QString listAB =
        "add A|http://a/; save list.pls; add B|udp://239.0.0.2:5000|TV; click 1; ";
    const QString bShown = "B|udp://239.0.0.2:5000|TV#2", gone = "The file doesn't exist!";
    addRow("Cancel, or a Save as cancelled or failed, keeps the rows",
           ab + "dialog -; actionClose; dialog news.m3u/list.pls; Ctrl+N; actionNew; close()",
           "Save,Save,Ok,Cancel,Cancel", "A,B*", "* Kestrelpad", "2", undoAdd, bShown,
           question + '|' + question + '|' + CannotOpen + '|' + question + '|' + question, "", "");
    addRow("New, Save to its file", listAB + "Ctrl+N", "Save", "", "Kestrelpad", "0", noUndo,
           "||TV#", question, "done", "list.pls=written/a-b.pls");
    // A document whose folder is a file: a name that cannot be written.
    addRow("New, Save fails", "drop news.m3u/list.pls; " + ab + "Ctrl+N", "Ok,Save,Ok", "A,B*",
           "* list.pls - Kestrelpad", "2", undoAdd, bShown,
           gone + '|' + question + '|' + CannotOpen, "", "");
    addRow("Close, Save as", ab + "dialog new.pls; actionClose", "Save", "", "Kestrelpad", "0|",
           noUndo, "||TV#", question, "done", "new.pls=written/a-b.pls");
    addRow("Quit, saved, unchanged", listAB + "Ctrl+S; btnQuit", "", "A,B*", "closed", "2", undoAdd,
           bShown, "", "done", "list.pls=written/a-b.pls");
    addRow("Quit, Save", listAB + "Ctrl+Q", "Save", "", "closed", "0", noUndo, "||TV#", question,
           "done", "list.pls=written/a-b.pls");
    addRow("Quit asks about imports", "open news.m3u; Ctrl+Q", "Discard", "", "closed", "0", noUndo,
           none, question, "done", "");

    // Saves of Jazz and News. The window names the file only once it is on
    // disk: after a failed write the playlist still counts as unsaved, and the
    // next dialog starts where it did before. Files the user keeps stay.
    const QString jn = "add Jazz|http://jazz.example/stream; add News|udp://239.0.0.1:1234|TV; ";
    const QString jnRows = "Jazz,News*", jnShown = "News|udp://239.0.0.1:1234|TV#";
    const QString jnWritten = "radio.pls=written/jazz-news.pls", noRadio = "radio.pls=-";
    const QString replace = "radio.pls already exists. Do you want to replace it?";
    const QString stale = "2 older continuation file(s) (radio1.pls \u2026 radio2.pls) would "
                          "still be played by the radio-box. Delete them?";
    const QString older = "copy LIST.PLS radio1.pls; copy LIST.PLS radio2.pls; " + jn;
    const QString endless = "Endless|http://long.example/" + QString(2100, 'a');
    addRow("save: suffix in capitals", jn + "dialog radio.PLS; actionSaveAs", "", jnRows,
           "radio.PLS.pls - Kestrelpad", "2", undoAdd, jnShown, "", "done",
           "radio.PLS.pls=written/jazz-news.pls");
    addRow("save: dots before the suffix", jn + "dialog my.radio.pls; actionSaveAs", "", jnRows,
           "my.radio.pls - Kestrelpad", "2", undoAdd, jnShown, "", "done",
           "my.radio.pls=written/jazz-news.pls");
    addRow("save: suffix added, no filter reported", jn + "dialog radio|; Ctrl+S", "", jnRows,
           "radio.pls - Kestrelpad", "2", undoAdd, jnShown, "", "done", jnWritten);
    addRow("save: another filter reported, or a folder that is a file",
           jn +
               "dialog radio|PLS Playlist; Ctrl+S; dialog news.m3u/radio; Ctrl+S; dialog -; Ctrl+S",
           "Ok", jnRows, "* Kestrelpad", "2", undoAdd, jnShown, CannotOpen, "", noRadio);
    addRow("save: named, folder is a file",
           "add Jazz|http://jazz.example/stream; save folder.m3u/radio.pls; add "
           "News|udp://239.0.0.1:1234|TV; dialog news.m3u/radio; actionSaveAs; dialog -; "
           "actionSaveAs",
           "Ok", jnRows, "* radio.pls - Kestrelpad", "2", undoAdd, jnShown, CannotOpen, "done",
           "folder.m3u/radio.pls=written/jazz-alone.pls");
    addRow("save: an entry too long", jn + "add " + endless + "; save radio", "Ok",
           jnRows + ",Endless", "* Kestrelpad", "3|3 entries, one too long for the radio-box",
           undoAdd, endless + "|Radio#", "An entry is too long for the radio-box!", "", noRadio);
    addRow("save: imported M3U", "open news.m3u; save radio", "", "Morning Talk,Evening Talk",
           "radio.pls - Kestrelpad", "2", "Undo Open|Redo", none, "", "done",
           "radio.pls=written/news.pls");
    addRow("save: radio.pls there, replace", "copy LIST.PLS radio.pls; " + jn + "save radio", "Yes",
           jnRows, "radio.pls - Kestrelpad", "2", undoAdd, jnShown, replace, "done", jnWritten);
    addRow("save: radio.pls there, keep it", "copy LIST.PLS radio.pls; " + jn + "save radio", "No",
           jnRows, "* Kestrelpad", "2", undoAdd, jnShown, replace, "", "radio.pls=open/LIST.PLS");
    addRow("save: older files, delete them", older + "save radio.pls", "Yes", jnRows,
           "radio.pls - Kestrelpad", "2", undoAdd, jnShown, stale, "done",
           jnWritten + ";radio1.pls=-;radio2.pls=-");
    addRow("save: older files, keep them", older + "save radio.pls", "No", jnRows,
           "radio.pls - Kestrelpad", "2", undoAdd, jnShown, stale, "done",
           jnWritten + ";radio1.pls=open/LIST.PLS;radio2.pls=open/LIST.PLS");

    // A language change rewrites the Type texts; the click and the save read
    // the kind kept beside them.
    addRow("save: the kind, not the Type text, is read",
           jn + "retype 0 Rundfunk; retype 1 Fernsehen; save radio.pls; type ||; click 1", "",
           "Jazz|http://jazz.example/stream|Rundfunk|1,News|udp://239.0.0.1:1234|Fernsehen|2",
           "radio.pls - Kestrelpad", "2", undoAdd, "News|udp://239.0.0.1:1234|TV#2", "", "done",
           jnWritten);

    // Rows dragged to another place, alone or as a block, the editor following.
    // A center lies half a pixel above the middle: 1 is the middle pixel itself.
    addRow("drag: a row onto the middle pixel of the last row, its lower half", abc + "drag 0 2 1",
           "", "B*,C,A", "* abc.pls - Kestrelpad", "3", "Undo Move|Redo",
           "A|http://a.example/|Radio#3", "", "done", "");
    addRow("drag: a row onto the upper half of the first row", "open abc.pls; click 2; drag 2 0 -4",
           "", "C,A,B*", "* abc.pls - Kestrelpad", "3", "Undo Move|Redo",
           "C|http://c.example/|Radio#1", "", "done", "");
    addRow("drag: the TV row below the last row", "open abc.pls; click 1; drag 1 2 40", "",
           "A,C,B*", "* abc.pls - Kestrelpad", "3", "Undo Move|Redo", "B|http://b.example/|TV#3",
           "", "done", "");
    addRow("drag: a row onto the upper half of the next stays", abc + "drag 0 1 -4", "", "A,B*,C",
           "abc.pls - Kestrelpad", "3", noUndo, "A|http://a.example/|Radio#1", "", "done", "");
    addRow("drag: two rows below the last as a block", abc + "shift 1; drag 0 2 4", "", "C,A,B*",
           "* abc.pls - Kestrelpad", "3", "Undo Move|Redo", "A|http://a.example/|Radio#2", "",
           "done", "");

    // Duplicate addresses and sorting.
    addRow("duplicates of an open, marked and counted", "open dupes.pls", "", dupes,
           "dupes.pls - Kestrelpad", "5", noUndo, none, "", "2 duplicate address(es)", "");
    addRow("a Change and an Add that make duplicates",
           "open jazz.pls; click 1; type Same|http://jazz.example.org:8000/live; btnEdit; add "
           "Copy|http://JAZZ.example.org:8000/live/",
           "", "Jazz Lounge!2,Same!1,Copy!1", changed, "3", undoAdd,
           "Copy|http://JAZZ.example.org:8000/live/|Radio#2", "", "2 duplicate address(es)", "");
    addRow("duplicates removed, the first of each kept", "open dupes.pls; actionRemoveDuplicates",
           "", "Station 10,station 9*,Äther", "* dupes.pls - Kestrelpad", "3",
           "Undo Remove duplicates|Redo", "Äther|http://other.example/|Radio#3", "",
           "2 duplicate address(es) removed", "");
    addRow("and put back", "open dupes.pls; actionRemoveDuplicates; Ctrl+Z", "", dupes,
           "dupes.pls - Kestrelpad", "5", "Undo|Redo Remove duplicates",
           "Station 2|http://radio.example:80/live|Radio#3", "", "2 duplicate address(es) removed",
           "");
    addRow("sorted by title, numbers in numeric order", "open dupes.pls; click 1; actionSortTitle",
           "", "Äther!5,Station 2!4,station 9*,Station 10!2,Zeit!1", "* dupes.pls - Kestrelpad",
           "5", "Undo Sort|Redo", "station 9|udp://239.0.0.9:1234|TV#3", "", dupeStatus, "");
    addRow("sorted by address; the first row, current, followed through undo and redo",
           "open dupes.pls; click 0; actionSortAddress; Ctrl+Z; Ctrl+Y", "",
           "Zeit!2,Äther!1,Station 10!4,Station 2!3,station 9*", "* dupes.pls - Kestrelpad", "5",
           "Undo Sort|Redo", "Station 10|http://radio.example/live/|Radio#3", "", dupeStatus, "");
    addRow("TV after Radio, and the order taken back",
           "open dupes.pls; actionSortType; Ctrl+Z; Ctrl+Y", "",
           "Station 10!2,Station 2!1,Äther!4,Zeit!3,station 9*", "* dupes.pls - Kestrelpad", "5",
           "Undo Sort|Redo", none, "", dupeStatus, "");

    // Opening: PLS files become the document; M3U and XSPF rows are changes.
    const QString news = "Morning Talk|http://talk.example.com/morning|Radio|1,"
                         "Evening Talk|http://talk.example.com/evening|Radio|1";
    const QString classic = "Classic Hour|http://classic.example.net/stream.mp3|Radio|1";
    const QString jazzFull = "Jazz Lounge|http://jazz.example.org:8000/live|Radio|1,"
                             "City News TV|udp://239.0.0.1:1234|TV|2";
    addRow("extended M3U, plain M3U with the suffix in capitals, XSPF: no document, rows unsaved "
           "and merged",
           "open news.m3u; open radio.M3U; open talk.xspf", "Cancel,Cancel",
           news + ",|http://plain.example.com/radio|Radio|1,"
                  "Harbour Radio|http://harbour.example.org/aac|Radio|1,"
                  "Folk Corner|http://folk.example.org/ogg|Radio|1",
           "* Kestrelpad", "5", "Undo Open|Redo", none, question + '|' + question, "done", "");
    addRow("an unchanged document goes without a question", "drop jazz.pls; open -", "", "",
           "Kestrelpad", "0", noUndo, none, "", "done", "");
    addRow("a changed document, Cancel merges", "drop jazz.pls; drop news.m3u; open LIST.PLS",
           "Cancel", jazzFull + ',' + news + ',' + classic, changed, "5", "Undo Open|Redo", none,
           question, "done", "");
    addRow("a changed document, Discard replaces", "drop jazz.pls; drop news.m3u; open LIST.PLS",
           "Discard", classic, "LIST.PLS - Kestrelpad", "1", noUndo, none, question, "done", "");
    // The imported rows are unsaved changes, into which the PLS file merges.
    addRow("PLS dropped after untitled M3U rows", "drop news.m3u; drop jazz.pls", "",
           news + ',' + jazzFull, "* Kestrelpad", "4", "Undo Drop|Redo", none, "", "done", "");
    // One drop asks nothing: the first PLS file names the document.
    addRow("one drop of several files, a remote one passed over",
           "drop jazz.pls http://example.com/remote.pls LIST.PLS; drop radio.M3U", "",
           jazzFull + ",Classic Hour,", changed, "4", "Undo Drop|Redo", none, "", "done", "");
    addRow("a missing PLS file: its box after the drop, its name in the title", "drop missing.pls",
           "Ok", "", "missing.pls - Kestrelpad", "0", noUndo, none, "The file doesn't exist!", "",
           "");
    // Gone between the dialog's check and the read (moved away, or a share
    // that dropped out), a folder, or a name of no playlist.
    addRow("an XSPF file gone after the dialog, an M3U name that is a folder, another suffix",
           "open gone.xspf; open folder.m3u; open list.txt", "Ok,Ok", "", "Kestrelpad", "0", noUndo,
           none, "The file doesn't exist!|" + CannotOpen, "", "");
    addRow("a broken XSPF file keeps the tracks before the fault", "drop broken.xspf", "Ok",
           "Before The Break", "* Kestrelpad", "1", "Undo Drop|Redo", none,
           "Error while parsing the xml-file!", "", "");
    addRow("https and mms left out of a PLS file", "drop skipped.pls", "", "Kept One,Kept Two",
           "skipped.pls - Kestrelpad", "2", noUndo, none, "", "2 entries" + skipped, "");
    addRow("addresses QUrl cannot read are left out and counted", "drop invalid.m3u", "",
           "|http://ok.example/live|Radio|1", "* Kestrelpad", "1", "Undo Drop|Redo", none, "",
           "3 entries" + skipped, "");
    addRow("the count is that of the last file", "drop skipped.pls; drop one-skipped.m3u", "",
           "Kept One,Kept Two,Plain", "* skipped.pls - Kestrelpad", "3", "Undo Drop|Redo", none, "",
           "1 entry" + skipped, "");
}

// Boxes about a failure are critical, with OK only; the question about
// changes offers to save them, and one about deleting keeps the rows unless
// told otherwise.
void TestEditing::steps()
{
    QFETCH(QString, steps);
    QFETCH(QString, answers);
    QFETCH(QString, rows);
    QFETCH(QString, title);
    QFETCH(QString, labels);
    QFETCH(QString, undo);
    QFETCH(QString, saved);

    Editor editor;
    for (const QString &name : QDir(TEST_DATA_DIR "/open").entryList(QDir::Files))
        QVERIFY(QFile::copy(TEST_DATA_DIR "/open/" + name, editor.path(name)));
    QVERIFY(QDir(editor.dir.path()).mkdir("folder.m3u"));
    const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    for (const QString &name : answers.split(',', Qt::SkipEmptyParts))
        MessageBox::setNextAnswer(
            QMessageBox::StandardButton(buttons.keyToValue(qPrintable(name))));
    for (const QString &step : steps.split("; "))
        editor.step(step);

    // A window that went shows no title; its settings are written.
    const bool closed = !editor.window->isVisible();
    QCOMPARE(QFile::exists(editor.path("settings.ini")), closed);
    const bool marked = title.startsWith("* ");
    const QString document = title.section(" - ", 0, -2).remove("* ");
    QCOMPARE(shownRows(editor, rows), rows);
    QCOMPARE(closed ? "closed" : editor.title(), title);
    QCOMPARE(editor.window->isModified(), marked);
    QCOMPARE(enabledActions(editor.window), marked ? 4 : 0);
    // The path label shows the document of the title in full.
    const QString path = statusLabels(editor.window).value(1);
    QVERIFY2(closed || (document.isEmpty() ? path.isEmpty()
                                           : path.startsWith(editor.dir.path() + '/') &&
                                                 path.endsWith('/' + document)),
             qPrintable(path));
    QCOMPARE(statusLabels(editor.window).value(0), labels.section('|', 0, 0));
    if (labels.contains('|'))
        QTRY_COMPARE(statusLabels(editor.window).value(2), labels.section('|', 1));
    QCOMPARE(child<QAction>(editor.window, "actionUndo")->text() + '|' +
                 child<QAction>(editor.window, "actionRedo")->text(),
             undo);
    QCOMPARE(child<QAction>(editor.window, "actionUndo")->isEnabled(), undo.startsWith("Undo "));
    // The row the editor shows is the one selected, as after a drag.
    const int current = editor.table()->currentRow();
    QVERIFY(current < 0 || editor.table()->selectionModel()->isRowSelected(current));
    QTEST(editor.titleEdit()->text() + '|' + editor.urlEdit()->text() + '|' +
              editor.typeCombo()->currentText() + '#' + editor.entryId(),
          "shown");
    QStringList texts;
    for (const MessageBox::Shown &box : MessageBox::takeShown()) {
        texts << box.text;
        if (box.text == "The playlist has been modified.")
            QVERIFY(box.buttons ==
                        (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel) &&
                    box.defaultButton == QMessageBox::Save && !box.hasParent &&
                    box.informativeText == "Do you want to save the changes?");
        else if (box.text.endsWith('?')) // the default keeps what is there, but stale files
            QVERIFY(box.buttons == (QMessageBox::Yes | QMessageBox::No) &&
                    box.defaultButton ==
                        (box.text.endsWith("Delete them?") ? QMessageBox::Yes : QMessageBox::No));
        else
            QVERIFY(box.title == "Kestrelpad" && box.icon == QMessageBox::Critical &&
                    box.buttons == QMessageBox::Ok && box.hasParent);
    }
    QTEST(texts.join('|'), "boxes");
    QTEST(editor.status(), "status");
    // Save as dialogs offer PLS files only; the last one opened in the folder
    // of the document shown, or of the working folder without one.
    const QList<FileDialog::Shown> dialogs = FileDialog::takeShown();
    for (const FileDialog::Shown &dialog : dialogs)
        QCOMPARE(dialog.caption + ' ' + dialog.filter, "Kestrelpad PLS Playlist (*.pls)");
    if (!dialogs.isEmpty() && !closed)
        QCOMPARE(QDir(dialogs.last().directory).absolutePath(),
                 path.isEmpty() ? editor.dir.path() : QFileInfo(path).absolutePath());
    // "file=-" for none, or "file=sample" for the bytes of a sample.
    for (const QString &file : saved.split(';', Qt::SkipEmptyParts)) {
        const QString name = editor.path(file.section('=', 0, 0)), expected = file.section('=', 1);
        QCOMPARE(QFile::exists(name), expected != "-");
        if (expected != "-")
            QCOMPARE(bytesOf(name), bytesOf(TEST_DATA_DIR "/" + expected));
    }
}

// The label counts with the writer's own layout (which tst_playlists holds to
// what a save writes), for rows of 20-character addresses. One entry, and one
// too long, come in the step table.
void TestEditing::fileSplit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<QString>("label");

    addRow("19 entries", 19, 8, "19 entries, 1 file");
    addRow("20 entries", 20, 8, "20 entries, 2 files");
    addRow("long titles split early", 5, 600, "5 entries, 2 files");
}

void TestEditing::fileSplit()
{
    QFETCH(int, count);
    QFETCH(int, titleLength);
    QFETCH(QString, label);

    Editor editor;
    QList<m3uFile::Entry> entries;
    for (int r = 0; r < count; ++r)
        entries.append({QString(titleLength, 't'),
                        QUrl(QString("http://s/%1/").arg(r).leftJustified(20, 'u'))});
    m3uFile list;
    list.setEntries(entries);
    list.saveExtendedFile(editor.path("list.m3u"));
    editor.step("open list.m3u");
    QTRY_COMPARE(statusLabels(editor.window).value(2), label);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
