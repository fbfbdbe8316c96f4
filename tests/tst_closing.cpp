// New, Close and Quit: when the window asks about unsaved entries, what each
// answer does, and that nothing is thrown away when the chosen save did not
// happen.

#include "editortest.h"

#include <QDir>

using EditorTest::BoxAnswerer;
using EditorTest::Editor;
using EditorTest::FileDialogAnswerer;

namespace {

const QString Question = QStringLiteral("The playlist has been modified.");
const QString CannotOpen = QStringLiteral("Couldn't open the file!");
const QStringList AllDocumentActions{"actionNew", "actionSave", "actionSaveAs", "actionClose"};

// How the playlist stands when the user closes it.
enum Start {
    Empty,          // nothing loaded
    Unsaved,        // typed, never saved
    ChangedFile,    // saved once, then changed
    UnwritableFile, // saved once, changed, and its folder is now a file
    SavedFile,      // saved, unchanged
    Imported,       // rows without a marker and without a file
};

// The table ends with a TV entry "B"; a file holding it holds the change.
void prepare(Editor &editor, int start)
{
    switch (start) {
    case Empty:
        return;
    case Unsaved:
        editor.add("A", "http://a.example/");
        break;
    case ChangedFile:
    case SavedFile:
        editor.add("A", "http://a.example/");
        editor.saveAs("list.pls");
        break;
    case UnwritableFile:
        QDir(editor.dir.path()).mkdir("lists");
        editor.add("A", "http://a.example/");
        editor.saveAs("lists/list.pls");
        QDir(editor.path("lists")).removeRecursively();
        EditorTest::writeBytes(editor.path("lists"), "now a file");
        break;
    case Imported:
        editor.importRows({"A", "B"});
        return;
    }
    editor.add("B", "udp://239.0.0.2:5000", true);
    if (start == SavedFile)
        editor.press(QKeySequence::Save);
}

// Answers for the Save as dialog: none expected, cancelled, a folder that is
// a file, or a name in the scratch folder.
QStringList dialogAnswers(const Editor &editor, const QString &answer)
{
    if (answer.isNull())
        return {};
    if (answer == "cancel")
        return {QString()};
    if (answer == "impossible")
        return {EditorTest::impossiblePath(editor, "list.pls")};
    return {editor.path(answer)};
}

// The .pls files of the scratch folder that hold entry "B".
QStringList filesWithB(const Editor &editor)
{
    QStringList found;
    const QStringList names =
        QDir(editor.dir.path()).entryList({QStringLiteral("*.pls")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        if (EditorTest::bytesOf(editor.path(name)).contains("Title1=B"))
            found << name;
    return found;
}

} // namespace

class TestClosing : public QObject
{
    Q_OBJECT

private slots:
    void closeDocument_data();
    void closeDocument();
    void quit_data();
    void quit();
};

void TestClosing::closeDocument_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("failure");

    const QString ctrlN = QStringLiteral("Ctrl+N");
    const QString close = QStringLiteral("actionClose");
    const QString none;
    QTest::newRow("New, Discard") << ctrlN << int(Unsaved) << int(QMessageBox::Discard) << none
                                  << true << QStringList() << none;
    QTest::newRow("New, Cancel keeps everything")
        << ctrlN << int(ChangedFile) << int(QMessageBox::Cancel) << none << false << QStringList()
        << none;
    QTest::newRow("New, Save to its file") << ctrlN << int(ChangedFile) << int(QMessageBox::Save)
                                           << none << true << QStringList{"list.pls"} << none;
    QTest::newRow("Close, Save as a new file")
        << close << int(Unsaved) << int(QMessageBox::Save) << "new.pls" << true
        << QStringList{"new.pls"} << none;
    QTest::newRow("New from the menu, Discard")
        << "actionNew" << int(ChangedFile) << int(QMessageBox::Discard) << none << true
        << QStringList() << none;
    QTest::newRow("Close, Save as cancelled keeps everything")
        << close << int(Unsaved) << int(QMessageBox::Save) << "cancel" << false << QStringList()
        << none;
    QTest::newRow("Close, Save as into a folder that is a file keeps everything")
        << close << int(Unsaved) << int(QMessageBox::Save) << "impossible" << false << QStringList()
        << CannotOpen;
    QTest::newRow("New, Save to a file that cannot be written keeps everything")
        << ctrlN << int(UnwritableFile) << int(QMessageBox::Save) << none << false << QStringList()
        << CannotOpen;
}

void TestClosing::closeDocument()
{
    QFETCH(QString, command);
    QFETCH(int, start);
    QFETCH(int, answer);
    QFETCH(QString, dialog);
    QFETCH(bool, cleared);
    QFETCH(QStringList, written);
    QFETCH(QString, failure);

    Editor editor;
    prepare(editor, start);
    editor.clickRow(1); // entry B, a TV stream
    const QString title = editor.title();
    const QString filePath = editor.filePath();
    QVERIFY(editor.window->isModified());

    FileDialogAnswerer dialogs(dialogAnswers(editor, dialog));
    BoxAnswerer boxes({QMessageBox::StandardButton(answer), QMessageBox::Ok});
    if (command.startsWith("action"))
        editor.trigger(command.toLatin1().constData());
    else
        editor.press(QKeySequence(command));

    QCOMPARE(boxes.texts(),
             failure.isEmpty() ? QStringList{Question} : QStringList({Question, failure}));
    const EditorTest::SeenBox &question = boxes.seen.at(0);
    QCOMPARE(question.informative, QStringLiteral("Do you want to save the changes?"));
    QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(question.defaultButton, QMessageBox::Save);
    QVERIFY(!question.hasParent);
    QCOMPARE(dialogs.seen.size(), dialog.isNull() ? 0 : 1);
    QCOMPARE(filesWithB(editor), written);

    // The type combo box is the editor's setting, not the playlist's.
    QCOMPARE(editor.typeCombo()->currentIndex(), 1);
    if (cleared) {
        QCOMPARE(editor.table()->rowCount(), 0);
        QCOMPARE(editor.titleEdit()->text(), QString());
        QCOMPARE(editor.urlEdit()->text(), QString());
        QCOMPARE(editor.entryId(), QString());
        QCOMPARE(editor.title(), QStringLiteral("Kestrelpad"));
        QCOMPARE(editor.enabledActions(), QStringList());
        QCOMPARE(editor.filePath(), QString());
        QCOMPARE(editor.entryCount(), QStringLiteral("0"));
    } else {
        QCOMPARE(editor.titles(), QStringList({"A", "B"}));
        QCOMPARE(editor.titleEdit()->text(), QStringLiteral("B"));
        QCOMPARE(editor.urlEdit()->text(), QStringLiteral("udp://239.0.0.2:5000"));
        QCOMPARE(editor.entryId(), QStringLiteral("2"));
        QCOMPARE(editor.title(), title);
        QCOMPARE(editor.enabledActions(), AllDocumentActions);
        QCOMPARE(editor.filePath(), filePath);
        QCOMPARE(editor.entryCount(), QStringLiteral("2"));
    }
}

void TestClosing::quit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("failure");

    const QString ctrlQ = QStringLiteral("Ctrl+Q");
    const QString button = QStringLiteral("btnQuit");
    const QString closeButton = QStringLiteral("close()");
    const QString none;
    const int save = QMessageBox::Save;
    const int discard = QMessageBox::Discard;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("nothing loaded")
        << ctrlQ << int(Empty) << 0 << none << true << QStringList() << none;
    QTest::newRow("saved and unchanged")
        << button << int(SavedFile) << 0 << none << true << QStringList{"list.pls"} << none;
    QTest::newRow("changed, Save")
        << ctrlQ << int(ChangedFile) << save << none << true << QStringList{"list.pls"} << none;
    QTest::newRow("changed, Discard")
        << closeButton << int(ChangedFile) << discard << none << true << QStringList() << none;
    QTest::newRow("changed, Cancel stays open")
        << ctrlQ << int(ChangedFile) << cancel << none << false << QStringList() << none;
    QTest::newRow("unsaved, Save as")
        << button << int(Unsaved) << save << "new.pls" << true << QStringList{"new.pls"} << none;
    QTest::newRow("unsaved, Save as cancelled stays open")
        << closeButton << int(Unsaved) << save << "cancel" << false << QStringList() << none;
    QTest::newRow("failed save stays open")
        << ctrlQ << int(UnwritableFile) << save << none << false << QStringList() << CannotOpen;
    QTest::newRow("imported rows asked about, Discard")
        << ctrlQ << int(Imported) << discard << none << true << QStringList() << none;
    QTest::newRow("imported rows, Save as") << button << int(Imported) << save << "imported.pls"
                                            << true << QStringList{"imported.pls"} << none;
    QTest::newRow("imported rows, Cancel stays open")
        << closeButton << int(Imported) << cancel << none << false << QStringList() << none;
}

void TestClosing::quit()
{
    QFETCH(QString, how);
    QFETCH(int, start);
    QFETCH(int, answer);
    QFETCH(QString, dialog);
    QFETCH(bool, closed);
    QFETCH(QStringList, written);
    QFETCH(QString, failure);

    Editor editor;
    prepare(editor, start);
    const QString title = editor.title();
    const QStringList titles = editor.titles();
    const QString settings = editor.path("settings.ini");
    QVERIFY(!QFile::exists(settings));

    FileDialogAnswerer dialogs(dialogAnswers(editor, dialog));
    QList<QMessageBox::StandardButton> answers;
    if (answer != 0)
        answers << QMessageBox::StandardButton(answer) << QMessageBox::Ok;
    BoxAnswerer boxes(answers);
    if (how == "close()")
        QCOMPARE(editor.window->close(), closed);
    else if (how == "btnQuit")
        editor.click("btnQuit");
    else
        editor.press(QKeySequence(how));

    QStringList expectedBoxes;
    if (answer != 0)
        expectedBoxes << Question;
    if (!failure.isEmpty())
        expectedBoxes << failure;
    QCOMPARE(boxes.texts(), expectedBoxes);
    QCOMPARE(dialogs.seen.size(), dialog.isNull() ? 0 : 1);
    QCOMPARE(filesWithB(editor), written);
    QCOMPARE(editor.window->isVisible(), !closed);
    // The settings are written once the window really goes, and only then.
    QCOMPARE(QFile::exists(settings), closed);
    if (!closed) {
        QCOMPARE(editor.titles(), titles);
        QCOMPARE(editor.title(), title);
    }
}

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
