// The main window's form (names, tree, cells, texts, shortcuts, menus), the
// keyboard's way through it, the result boxes no file brings about, and the
// About boxes.

#include "windowtest.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QResource>

using namespace WindowTest;

namespace {

// "parent: Class name [row,column] 'text'... shortcut": the cell in a grid;
// the text or title, the table's headers and the combo box's items; and the
// entries of menus ("-" a separator), but of the Language menu, which the
// translation files fill.
QString describe(QObject *object)
{
    QString line = object->parent()->objectName() + ": " + object->metaObject()->className() + ' ' +
                   object->objectName();
    auto *widget = qobject_cast<QWidget *>(object);
    auto *grid = widget && widget->parentWidget()
                     ? qobject_cast<QGridLayout *>(widget->parentWidget()->layout())
                     : nullptr;
    if (grid && grid->indexOf(widget) >= 0) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        line += QStringLiteral(" [%1,%2,%3,%4]").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
    }
    for (const char *property : {"text", "title"})
        if (object->property(property).isValid())
            line += " '" + object->property(property).toString() + "'";
    if (auto *action = qobject_cast<QAction *>(object))
        line += ' ' + action->shortcut().toString();
    if (auto *table = qobject_cast<QTableWidget *>(object))
        for (int column = 0; column < table->columnCount(); ++column)
            line += " '" + table->horizontalHeaderItem(column)->text() + "'";
    if (auto *combo = qobject_cast<QComboBox *>(object))
        for (int index = 0; index < combo->count(); ++index)
            line += " '" + combo->itemText(index) + "'";
    if ((qobject_cast<QMenu *>(object) || qobject_cast<QMenuBar *>(object)) &&
        object->objectName() != "menuLanguage") {
        QStringList entries;
        for (QAction *action : static_cast<QWidget *>(object)->actions())
            entries << (action->isSeparator() ? "-"
                        : action->menu()      ? action->menu()->objectName()
                                              : action->objectName());
        line += " {" + entries.join(' ') + '}';
    }
    return line.trimmed();
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup() { checkAnswersUsed(); }
    void form();
    void keyboard();
    void boxes();
};

// Depth first in creation order. Layouts are left out: how the widgets are spaced is no contract.
void TestForm::form()
{
    Editor editor;
    QStringList actual;
    for (QObject *object : editor.window->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && !name.startsWith('_') &&
            !qobject_cast<QLayout *>(object))
            actual << describe(object);
    }
    const QStringList expected{
        "MainWindow: QAction actionNew '&New' Ctrl+N",
        "MainWindow: QAction actionSave '&Save' Ctrl+S",
        "MainWindow: QAction actionSaveAs 'Save &as...' Ctrl+Shift+S",
        "MainWindow: QAction actionQuit '&quit' Ctrl+Q",
        "MainWindow: QAction actionAdd '&add'",
        "MainWindow: QAction actionEdit '&change'",
        "MainWindow: QAction actionDelete '&delete' Del",
        "MainWindow: QAction actionAbout '&About...'",
        "MainWindow: QAction actionAboutQt 'About &Qt'",
        "MainWindow: QAction actionOpen '&Open...' Ctrl+O",
        "MainWindow: QAction actionClose '&Close'",
        "MainWindow: QAction actionMoveUp 'Move &up' Ctrl+Up",
        "MainWindow: QAction actionMoveDown 'Move d&own' Ctrl+Down",
        "MainWindow: QAction actionUndo 'Undo' Ctrl+Z",
        "MainWindow: QAction actionRedo 'Redo' Ctrl+Shift+Z",
        "MainWindow: QAction actionFind '&Find...' Ctrl+F",
        "MainWindow: QAction actionSortTitle 'Sort by &title'",
        "MainWindow: QAction actionSortAddress 'Sort by a&ddress'",
        "MainWindow: QAction actionSortType 'Sort &TV after Radio'",
        "MainWindow: QAction actionRemoveDuplicates '&Remove duplicates'",
        "MainWindow: QAction actionCheckStreams 'Check streams' Ctrl+T",
        "MainWindow: QAction actionRemoveDead 'Remove dead stations'",
        "MainWindow: QWidget centralWidget",
        "centralWidget: QFrame frameEditor",
        "frameEditor: QPushButton btnEdit [1,2,1,1] '&change'",
        "frameEditor: QPushButton btnAdd [0,2,1,1] '&add'",
        "frameEditor: QLabel lblId [3,0,1,1] 'ID'",
        "frameEditor: QLineEdit leditURL [1,1,1,1] ''",
        "frameEditor: QLabel lblURL [1,0,1,1] 'URL'",
        "frameEditor: QLabel lblTitle [0,0,1,1] 'Title'",
        "frameEditor: QPushButton btnDelete [3,2,1,1] '&delete'",
        "frameEditor: QLabel lblEntryID [3,1,1,1] ''",
        "frameEditor: QLineEdit leditTitle [0,1,1,1] ''",
        "frameEditor: QLabel lblType [2,0,1,1] 'Type'",
        "frameEditor: QComboBox comboType [2,1,1,1] 'Radio' 'TV'",
        "centralWidget: QLineEdit leditFilter ''",
        "centralWidget: QFrame frameBrowser",
        "frameBrowser: QTableWidget tableFile [0,0,3,1] 'Title' 'URL' 'Type'",
        "frameBrowser: QPushButton btnQuit [1,1,1,1] '&quit'",
        "MainWindow: QMenuBar menuBar {menuFile menuEdit menuStream menuLanguage menuHelp}",
        "menuBar: QMenu menuFile '&File' {actionNew actionOpen actionSave actionSaveAs "
        "actionClose - actionQuit}",
        "menuBar: QMenu menuEdit '&Edit' {actionUndo actionRedo - actionFind - actionSortTitle "
        "actionSortAddress actionSortType - actionRemoveDuplicates}",
        "menuBar: QMenu menuStream '&Stream' {actionAdd actionEdit actionDelete - actionMoveUp "
        "actionMoveDown - actionCheckStreams actionRemoveDead}",
        "menuBar: QMenu menuHelp '&Help' {actionAbout actionAboutQt}",
        "menuBar: QMenu menuLanguage 'Language'",
        "MainWindow: QStatusBar statusBar",
    };
    QCOMPARE(actual, expected);
    QCOMPARE(child<QAction>(editor.window, "actionQuit")->toolTip(), QStringLiteral("quit"));
    QCOMPARE(editor.table()->editTriggers(), QAbstractItemView::NoEditTriggers);
    // A dragged row shows where it goes as a line between rows, not a frame
    // around a row that it would seem to replace.
    QVERIFY(!editor.table()->dragDropOverwriteMode());

    // The program's icon, compiled in and stored uncompressed.
    QCOMPARE(QResource(":/images/program.png").compressionAlgorithm(), QResource::NoCompression);
    QCOMPARE(QImage(":/images/program.png").size(), QSize(128, 128));
    QVERIFY(QImage(":/images/program.png").hasAlphaChannel());
    QCOMPARE(editor.window->windowIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
}

// Without a mouse: the window opens for typing a title; Tab walks the
// editor in the order an entry is made, then the list, whose first entry the
// editor then shows, and Quit; Shift+Tab goes back. The keys in the list come
// in the editing tests' step rows.
void TestForm::keyboard()
{
    Editor editor;
    QVERIFY(editor.active);
    editor.step("open " + sample("open/abc.pls"));
    const auto focus = [] { return QApplication::focusWidget()->objectName(); };
    const auto shown = [&] {
        const QModelIndexList selected = editor.table()->selectionModel()->selectedRows();
        return editor.titleEdit()->text() + ' ' + editor.entryId() + ' ' +
               (selected.size() == 1 ? QString::number(selected.at(0).row() + 1) : "-");
    };
    QStringList chain{focus()};
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << focus();
        if (chain.last() == "tableFile")
            QCOMPARE(shown(), QStringLiteral("A 1 1"));
    }
    QCOMPARE(chain.join(' '), QStringLiteral("leditTitle leditURL comboType btnAdd btnEdit "
                                             "btnDelete tableFile btnQuit leditTitle"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focus(), QStringLiteral("tableFile"));
}

// A critical box titled Kestrelpad, with OK only, for a failure that no
// file of the editing tests brings about (an unknown code shows nothing, and
// neither says "done"); then the About boxes.
void TestForm::boxes()
{
    Editor editor;
    for (int box = 0; box < 3; ++box)
        MessageBox::setNextAnswer(QMessageBox::Ok);
    for (int code : {-5, -7})
        QVERIFY(QMetaObject::invokeMethod(editor.window, "errors", Q_ARG(qint8, qint8(code))));
    QCOMPARE(editor.status(), QString());
    editor.trigger("actionAbout");
    editor.trigger("actionAboutQt");

    const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
    QCOMPARE(boxes.size(), 3);
    QVERIFY(boxes[0].title == "Kestrelpad" && boxes[0].text == "An entry has no valid address!" &&
            boxes[0].hasParent && boxes[0].icon == QMessageBox::Critical &&
            boxes[0].buttons == QMessageBox::Ok);
    QCOMPARE(boxes[1].title + boxes[2].title, QStringLiteral("KestrelpadKestrelpad"));
    QVERIFY2(QRegularExpression("^Kestrelpad\n\nWith this editor you can edit the pls-files\nfor "
                                "the radio-box\\.\n.*must start with http:// or udp:// \nThe "
                                "limits.*\nVersion: 1\\.2\nDate: [A-Z][a-z]{2} [1-9][0-9]? "
                                "[0-9]{4}$",
                                QRegularExpression::DotMatchesEverythingOption)
                 .match(boxes[1].text)
                 .hasMatch(),
             qPrintable(boxes[1].text));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
