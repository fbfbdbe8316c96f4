// Moving entries (Move up, Move down, a row dragged within the table) and the
// status-bar label that shows how a save will split the list over files.

#include "editortest.h"

#include <QMimeData>
#include <QWindow>

using EditorTest::Editor;

namespace {

const QStringList Abc{"A", "B", "C"};
const QStringList RowB{"B", "http://import.example/B", "TV", "2"};

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

class TestReorder : public QObject
{
    Q_OBJECT

private slots:
    void moveRow_data();
    void moveRow();
    void fileDroppedOnTable();
    void fileSplit_data();
    void fileSplit();
};

void TestReorder::moveRow_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("command"); // "drag <row> <pixels from its middle>"
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("entryId");

    QTest::newRow("TV row up by shortcut")
        << 1 << 1 << "Ctrl+Up" << QStringList{"B", "A", "C"} << "1";
    QTest::newRow("TV row down from the menu")
        << 1 << 1 << "actionMoveDown" << QStringList{"A", "C", "B"} << "3";
    QTest::newRow("top row up") << 0 << 0 << "actionMoveUp" << Abc << "1";
    QTest::newRow("bottom row down by shortcut") << 2 << 2 << "Ctrl+Down" << Abc << "3";
    QTest::newRow("no current row") << -1 << -1 << "actionMoveUp" << Abc << "";
    // The number names a place, as Delete reads it; only the moved row takes it along.
    QTest::newRow("clicked row elsewhere")
        << 0 << 2 << "actionMoveUp" << QStringList{"A", "C", "B"} << "1";
    QTest::newRow("drag A onto the lower half of C")
        << 0 << 0 << "drag 2 4" << QStringList{"B", "C", "A"} << "3";
    QTest::newRow("drag C onto the upper half of A")
        << 2 << 2 << "drag 0 -4" << QStringList{"C", "A", "B"} << "1";
    QTest::newRow("drag TV row below the last row")
        << 1 << 1 << "drag 2 40" << QStringList{"A", "C", "B"} << "3";
    QTest::newRow("drag A onto the upper half of B") << 0 << 0 << "drag 1 -4" << Abc << "1";
}

void TestReorder::moveRow()
{
    QFETCH(int, clicked);
    QFETCH(int, current);
    QFETCH(QString, command);
    QFETCH(QStringList, titles);
    QFETCH(QString, entryId);

    // Only the minimal platform runs a drag inside the process; offscreen
    // ends every drag before it starts.
    const QStringList drag = command.split(' ');
    if (drag.first() == "drag" && QGuiApplication::platformName() != "minimal")
        QSKIP("a drag needs QT_QPA_PLATFORM=minimal");
    Editor editor;
    editor.window->resize(500, 600);
    editor.importRows(Abc);
    QTableWidget *table = editor.table();
    table->item(1, PlaylistTable::TypeColumn)->setText("TV");
    table->item(1, PlaylistTable::TypeColumn)->setData(PlaylistTable::KindRole, PlaylistTable::TV);
    if (clicked >= 0)
        editor.clickRow(clicked);
    table->setCurrentCell(current, 0);
    if (drag.first() == "drag") {
        const QRect target = table->visualRect(table->model()->index(drag.at(1).toInt(), 0));
        dragTo(editor, current, target.center() + QPoint(0, drag.at(2).toInt()));
    } else if (command.startsWith("action")) {
        editor.trigger(command.toLatin1().constData());
    } else {
        editor.press(QKeySequence(command));
    }

    QCOMPARE(editor.titles(), titles);
    QCOMPARE(editor.row(int(titles.indexOf("B"))), RowB);
    const int now = current < 0 ? -1 : int(titles.indexOf(Abc.value(current)));
    QCOMPARE(table->currentRow(), now);
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), now);
    QCOMPARE(editor.entryId(), entryId);
    QCOMPARE(editor.window->isModified(), titles != Abc);
}

// The table takes only its own rows; a file dropped onto it goes on to the
// window, which opens it.
void TestReorder::fileDroppedOnTable()
{
    Editor editor;
    editor.importRows(Abc);
    QVERIFY(
        EditorTest::writeBytes(editor.path("d.pls"), "[playlist]\nFile1=http://d/\nTitle1=D\n"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(editor.path("d.pls"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor.table()->viewport(), &enter);
    QCoreApplication::sendEvent(editor.table()->viewport(), &drop);
    QCOMPARE(editor.titles(), Abc + QStringList{"D"});
}

void TestReorder::fileSplit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<int>("urlLength");
    QTest::addColumn<QString>("label");

    QTest::newRow("empty") << 0 << 0 << 0 << "";
    QTest::newRow("one entry") << 1 << 8 << 20 << "1 entry, 1 file";
    QTest::newRow("19 entries") << 19 << 8 << 20 << "19 entries, 1 file";
    QTest::newRow("20 entries") << 20 << 8 << 20 << "20 entries, 2 files";
    QTest::newRow("45 entries") << 45 << 8 << 20 << "45 entries, 3 files";
    QTest::newRow("long titles split early") << 5 << 600 << 20 << "5 entries, 2 files";
    QTest::newRow("address too long")
        << 1 << 8 << 2100 << "1 entry, one too long for the radio-box";
}

// The label counts what a real save then writes; a failed save writes none,
// and an empty table still one file, which empties the old one on disk.
void TestReorder::fileSplit()
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
    QTRY_COMPARE(editor.fileSplit(), label);

    const QString files = label.isEmpty() ? "1" : label.section(' ', 2, 2);
    editor.window->setModified();
    QVERIFY(QDir(editor.dir.path()).mkdir("out"));
    {
        EditorTest::FileDialogAnswerer dialog({editor.path("out/list.pls")});
        EditorTest::BoxAnswerer boxes({QMessageBox::Ok});
        editor.trigger("actionSaveAs");
    }
    const int written = int(QDir(editor.path("out")).entryList(QDir::Files).size());
    QCOMPARE(QString::number(written), files == "one" ? "0" : files);

    EditorTest::BoxAnswerer discard({QMessageBox::Discard});
    editor.window->setModified();
    editor.trigger("actionClose");
    QTRY_COMPARE(editor.fileSplit(), QString());
}

QTEST_MAIN(TestReorder)
#include "tst_reorder.moc"
