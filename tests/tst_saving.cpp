// Save and Save as from the main window: the dialog, the names chosen in it,
// the files written from the table, and the window's state after a write
// that worked and after one that did not.

#include "editortest.h"
#include "playlist/plsfile.h"

#include <QDir>
#include <QRegularExpression>

using EditorTest::BoxAnswerer;
using EditorTest::bytesOf;
using EditorTest::child;
using EditorTest::Editor;
using EditorTest::FileDialogAnswerer;

namespace {

const QString Filter = QStringLiteral("PLS Playlist (*.pls)");
const QStringList AllDocumentActions{"actionNew", "actionSave", "actionSaveAs", "actionClose"};

// A Radio and a TV entry, as the two-entry example of the format lays them out.
const QByteArray TwoEntries = "[playlist]\r\n"
                              "NumberOfEntries=2\r\n"
                              "\r\n"
                              "File0=http://jazz.example/stream\r\n"
                              "Title0=Jazz\r\n"
                              "Length0=-1\r\n"
                              "\r\n"
                              "File1=udp://239.0.0.1:1234\r\n"
                              "Title1=News\r\n"
                              "listtype=TV\r\n"
                              "Length1=-1\r\n"
                              "\r\n"
                              "Version=2\r\n";

int numberOfEntries(const QString &path)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("NumberOfEntries=(\\d+)\r\n")).match(bytesOf(path));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QStringList plsFilesIn(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.pls")}, QDir::Files, QDir::Name);
}

// Entries as the PLS reader gives them back, "title|address|type" each.
QStringList readBack(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths) {
        plsFile file;
        file.readFile(path);
        for (const plsFile::Entry &entry : file.entries())
            result << entry.title + '|' + entry.url.toString() + '|' + QString::number(entry.type);
    }
    return result;
}

void addJazzAndNews(Editor &editor)
{
    editor.add("Jazz", "http://jazz.example/stream");
    editor.add("News", "udp://239.0.0.1:1234", true);
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

private slots:
    void saveAsNames_data();
    void saveAsNames();
    void saveAsDialog();
    void saveToCurrentFile();
    void kindFollowsRoleNotText();
    void fortyFiveEntries();
    void emptyTable();
    void selectedFilter_data();
    void selectedFilter();
    void failedWrite_data();
    void failedWrite();
    void everyRowSaved();
};

void TestSaving::saveAsNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("no suffix") << "radio"
                               << "radio.pls";
    QTest::newRow("other suffix") << "radio.txt"
                                  << "radio.txt.pls";
    QTest::newRow("suffix in capitals") << "radio.PLS"
                                        << "radio.PLS.pls";
    QTest::newRow("dots before the suffix") << "my.radio.pls"
                                            << "my.radio.pls";
}

void TestSaving::saveAsNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);

    Editor editor;
    addJazzAndNews(editor);
    QVERIFY(editor.saveAs(typed));

    QCOMPARE(plsFilesIn(editor.dir.path()), QStringList{written});
    QCOMPARE(bytesOf(editor.path(written)), TwoEntries);
    QCOMPARE(editor.title(), written + " - Kestrelpad");
    QCOMPARE(editor.filePath(), editor.path(written));
    QCOMPARE(editor.enabledActions(), QStringList());
    // The table is the document still, as it was.
    QCOMPARE(editor.titles(), QStringList({"Jazz", "News"}));
    QCOMPARE(editor.entryCount(), QStringLiteral("2"));
}

void TestSaving::saveAsDialog()
{
    Editor editor;
    addJazzAndNews(editor);
    QVERIFY(QDir(editor.dir.path()).mkdir("lists"));
    {
        FileDialogAnswerer dialogs({editor.path("lists/radio")});
        editor.trigger("actionSaveAs");
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen.at(0).caption, QStringLiteral("Kestrelpad"));
        QCOMPARE(dialogs.seen.at(0).nameFilters, QStringList{Filter});
    }
    QCOMPARE(editor.filePath(), editor.path("lists/radio.pls"));

    // Cancelling changes nothing, and the next dialog starts where the last
    // name was chosen.
    editor.add("Extra", "http://extra.example/");
    FileDialogAnswerer dialogs({QString(), QString()});
    editor.trigger("actionSaveAs");
    editor.trigger("actionSaveAs");
    QCOMPARE(dialogs.seen.size(), 2);
    QCOMPARE(dialogs.seen.at(1).directory, QDir(editor.path("lists")).absolutePath());
    QCOMPARE(editor.title(), QStringLiteral("* radio.pls - Kestrelpad"));
    QCOMPARE(editor.filePath(), editor.path("lists/radio.pls"));
    QCOMPARE(bytesOf(editor.path("lists/radio.pls")), TwoEntries);
}

void TestSaving::saveToCurrentFile()
{
    Editor editor;
    editor.add("Jazz", "http://jazz.example/stream");
    QVERIFY(editor.saveAs("radio.pls"));
    editor.add("News", "udp://239.0.0.1:1234", true);
    QCOMPARE(editor.title(), QStringLiteral("* radio.pls - Kestrelpad"));

    FileDialogAnswerer dialogs({});
    BoxAnswerer boxes;
    editor.press(QKeySequence::Save);

    QCOMPARE(dialogs.seen.size(), 0);
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(bytesOf(editor.path("radio.pls")), TwoEntries);
    QCOMPARE(editor.title(), QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.enabledActions(), QStringList());
    QCOMPARE(child<QStatusBar>(editor.window, "statusBar")->currentMessage(),
             QStringLiteral("done"));
}

// A language change rewrites the Type texts; what is saved must not change.
void TestSaving::kindFollowsRoleNotText()
{
    Editor editor;
    addJazzAndNews(editor);
    editor.table()->item(0, PlaylistTable::TypeColumn)->setText("Rundfunk");
    editor.table()->item(1, PlaylistTable::TypeColumn)->setText("Fernsehen");
    QVERIFY(editor.saveAs("radio.pls"));
    QCOMPARE(bytesOf(editor.path("radio.pls")), TwoEntries);

    // A changed row keeps its new kind through the save as well.
    editor.clickRow(0);
    editor.typeCombo()->setCurrentIndex(1);
    editor.click("btnEdit");
    editor.clickRow(1);
    editor.typeCombo()->setCurrentIndex(0);
    editor.click("btnEdit");
    editor.press(QKeySequence::Save);
    QCOMPARE(readBack({editor.path("radio.pls")}),
             QStringList({"Jazz|http://jazz.example/stream|2", "News|udp://239.0.0.1:1234|1"}));
}

void TestSaving::fortyFiveEntries()
{
    Editor editor;
    QStringList typed;
    for (int i = 1; i <= 45; ++i) {
        const QString title = QStringLiteral("Station %1").arg(i);
        const QString url = QStringLiteral("http://stream%1.example/live").arg(i);
        const bool tv = i % 5 == 0;
        editor.add(title, url, tv);
        typed << title + '|' + url + '|' + (tv ? "2" : "1");
    }
    QCOMPARE(editor.entryCount(), QStringLiteral("45"));
    QVERIFY(editor.saveAs("radio"));

    const QStringList files{"radio.pls", "radio1.pls", "radio2.pls"};
    QCOMPARE(plsFilesIn(editor.dir.path()), QStringList({"radio.pls", "radio1.pls", "radio2.pls"}));
    QCOMPARE(numberOfEntries(editor.path("radio.pls")), 19);
    QCOMPARE(numberOfEntries(editor.path("radio1.pls")), 19);
    QCOMPARE(numberOfEntries(editor.path("radio2.pls")), 7);
    QStringList paths;
    for (const QString &file : files)
        paths << editor.path(file);
    QCOMPARE(readBack(paths), typed);
    QCOMPARE(editor.title(), QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.filePath(), editor.path("radio.pls"));
}

// Deleting the last entry and saving must empty the file on disk too.
void TestSaving::emptyTable()
{
    Editor editor;
    editor.add("Jazz", "http://jazz.example/stream");
    QVERIFY(editor.saveAs("radio.pls"));
    editor.clickRow(0);
    editor.press(QKeySequence(Qt::Key_Delete));
    QCOMPARE(editor.table()->rowCount(), 0);

    editor.press(QKeySequence::Save);

    QCOMPARE(plsFilesIn(editor.dir.path()), QStringList{"radio.pls"});
    QCOMPARE(numberOfEntries(editor.path("radio.pls")), 0);
    QVERIFY(!bytesOf(editor.path("radio.pls")).contains("File"));
    QCOMPARE(editor.title(), QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.entryCount(), QStringLiteral("0"));
}

void TestSaving::selectedFilter_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<bool>("written");

    // 0: Qt's own dialog; 1: one that reports no selected filter at all;
    // 2: one that reports a filter other than the one offered.
    QTest::newRow("the filter offered") << 0 << true;
    QTest::newRow("no filter reported") << 1 << true;
    QTest::newRow("another filter reported") << 2 << false;
}

void TestSaving::selectedFilter()
{
    QFETCH(int, platform);
    QFETCH(bool, written);

    Editor editor;
    addJazzAndNews(editor);
    FileDialogAnswerer dialogs({editor.path("radio")}, [platform](QFileDialog *dialog) {
        if (platform == 1)
            dialog->setNameFilters({});
        else if (platform == 2)
            dialog->setOption(QFileDialog::HideNameFilterDetails);
    });
    editor.press(QKeySequence::Save);

    QCOMPARE(dialogs.seen.size(), 1);
    QCOMPARE(QFile::exists(editor.path("radio.pls")), written);
    QCOMPARE(editor.title(),
             written ? QStringLiteral("radio.pls - Kestrelpad") : QStringLiteral("* Kestrelpad"));
}

void TestSaving::failedWrite_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("box");

    const QString cannotOpen = QStringLiteral("Couldn't open the file!");
    // 0: Save as into a folder that is a file; 1: Save to the current file
    // after its folder was replaced by a file; 2: an entry too long for any file.
    QTest::newRow("Save as, new playlist") << 0 << false << cannotOpen;
    QTest::newRow("Save as, named playlist") << 0 << true << cannotOpen;
    QTest::newRow("Save, folder gone") << 1 << true << cannotOpen;
    QTest::newRow("Save as, entry too long")
        << 2 << false << QStringLiteral("An entry is too long for the radio-box!");
}

void TestSaving::failedWrite()
{
    QFETCH(int, failure);
    QFETCH(bool, named);
    QFETCH(QString, box);

    Editor editor;
    QVERIFY(QDir(editor.dir.path()).mkdir("lists"));
    editor.add("Jazz", "http://jazz.example/stream");
    if (named) {
        QVERIFY(editor.saveAs("lists/radio.pls"));
        editor.add("News", "udp://239.0.0.1:1234", true);
    }
    if (failure == 1) {
        QVERIFY(QDir(editor.path("lists")).removeRecursively());
        QVERIFY(EditorTest::writeBytes(editor.path("lists"), "now a file"));
    }
    if (failure == 2)
        editor.add("Endless", "http://long.example/" + QString(2100, QLatin1Char('a')));
    const QString title = editor.title();
    const QString filePath = editor.filePath();
    const QStringList titles = editor.titles();

    {
        const QString target =
            failure == 0 ? EditorTest::impossiblePath(editor, "radio") : editor.path("radio");
        FileDialogAnswerer dialogs({target});
        BoxAnswerer boxes({QMessageBox::Ok});
        if (named && failure == 0)
            editor.trigger("actionSaveAs");
        else
            editor.press(QKeySequence::Save);
        QCOMPARE(dialogs.seen.size(), failure == 1 ? 0 : 1);
        QCOMPARE(boxes.texts(), QStringList{box});
    }

    QCOMPARE(editor.title(), title);
    QVERIFY(editor.window->isModified());
    QCOMPARE(editor.filePath(), filePath);
    QCOMPARE(editor.enabledActions(), AllDocumentActions);
    QCOMPARE(editor.titles(), titles);
    if (failure == 2)
        QVERIFY(!QFile::exists(editor.path("radio.pls")));

    // The next dialog starts where it did before the failed save (a folder
    // that is gone cannot be shown).
    if (failure == 1)
        return;
    FileDialogAnswerer dialogs({QString()});
    editor.trigger("actionSaveAs");
    QCOMPARE(dialogs.seen.size(), 1);
    QCOMPARE(dialogs.seen.at(0).directory,
             named ? QDir(editor.path("lists")).absolutePath() : QDir::currentPath());
}

// More rows than a 16-bit count holds; the typed one comes last.
void TestSaving::everyRowSaved()
{
    Editor editor;
    const int imported = 65536;
    QStringList titles;
    for (int i = 0; i < imported; ++i)
        titles << QString::number(i);
    editor.importRows(titles);
    editor.add("Typed last", "http://last.example/");
    QVERIFY(editor.saveAs("big.pls"));

    // 65,537 entries at 19 a file: 3,449 full files and 6 entries in the last.
    QCOMPARE(plsFilesIn(editor.dir.path()).size(), 3450);
    const QString last = editor.path("big3449.pls");
    QCOMPARE(numberOfEntries(last), 6);
    QCOMPARE(readBack({last}).last(), QStringLiteral("Typed last|http://last.example/|1"));
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
