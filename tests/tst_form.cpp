// The main window's form (names, tree, cells, texts, shortcuts, menus), its
// document state in the title, the result boxes of playlist files, and the
// About box.

#include "editortest.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QRegularExpression>
#include <QResource>

using namespace EditorTest;

namespace {

// "parent: Class name [row,column,rowSpan,columnSpan] 'text'... shortcut":
// the cell in a grid layout; the text or title, the table's headers and the
// combo box's items; the shortcut of actions; spacing, margins and spacers of
// layouts; and the entries of menus ("-" a separator) but of the Language
// menu, which the translation files fill.
QString describe(QObject *object)
{
    QString line = object->parent()->objectName() + ": " + object->metaObject()->className() + ' ' +
                   object->objectName();
    auto *widget = qobject_cast<QWidget *>(object);
    auto *grid = widget && widget->parentWidget()
                     ? qobject_cast<QGridLayout *>(widget->parentWidget()->layout())
                     : nullptr;
    const auto cell = [](QGridLayout *grid, int index) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        return QStringLiteral(" [%1,%2,%3,%4]").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
    };
    if (grid && grid->indexOf(widget) >= 0)
        line += cell(grid, grid->indexOf(widget));
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
    if (auto *layout = qobject_cast<QLayout *>(object)) {
        line +=
            QStringLiteral(" %1/%2").arg(layout->spacing()).arg(layout->contentsMargins().left());
        for (int i = 0; i < layout->count(); ++i)
            if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                line += " spacer" + cell(qobject_cast<QGridLayout *>(layout), i) +
                        QStringLiteral(" %1x%2 %3/%4")
                            .arg(spacer->sizeHint().width())
                            .arg(spacer->sizeHint().height())
                            .arg(spacer->sizePolicy().horizontalPolicy())
                            .arg(spacer->sizePolicy().verticalPolicy());
    }
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
    void form();
    void keyboard();
    void documentState();
    void resultCodes_data();
    void resultCodes();
    void aboutBox();
};

// Depth first in creation order.
void TestForm::form()
{
    Editor editor;
    QStringList actual;
    for (QObject *object : editor.window->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && !name.startsWith('_'))
            actual << describe(object);
    }
    const QString spacer = QStringLiteral("spacer [0,1,1,1] 20x40 %1/%2")
                               .arg(QSizePolicy::Minimum)
                               .arg(QSizePolicy::Expanding);
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
        "MainWindow: QWidget centralWidget",
        "centralWidget: QVBoxLayout verticalLayout 6/11",
        "centralWidget: QFrame frameEditor",
        "frameEditor: QGridLayout gridLayout_2 6/11",
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
        "centralWidget: QFrame frameBrowser",
        "frameBrowser: QGridLayout gridLayout 6/11 " + spacer,
        "frameBrowser: QTableWidget tableFile [0,0,3,1] 'Title' 'URL' 'Type'",
        "frameBrowser: QPushButton btnQuit [1,1,1,1] '&quit'",
        "MainWindow: QMenuBar menuBar {menuFile menuStream menuLanguage menuHelp}",
        "menuBar: QMenu menuFile '&File' {actionNew actionOpen actionSave actionSaveAs "
        "actionClose - actionQuit}",
        "menuBar: QMenu menuStream '&Stream' {actionAdd actionEdit actionDelete - actionMoveUp "
        "actionMoveDown}",
        "menuBar: QMenu menuHelp '&Help' {actionAbout actionAboutQt}",
        "menuBar: QMenu menuLanguage 'Language'",
        "MainWindow: QStatusBar statusBar",
    };
    QCOMPARE(actual, expected);
    QCOMPARE(child<QAction>(editor.window, "actionQuit")->toolTip(), QStringLiteral("quit"));
    QCOMPARE(editor.table()->editTriggers(), QAbstractItemView::NoEditTriggers);

    // The program's icon, compiled in and stored uncompressed.
    QCOMPARE(QResource(":/images/program.png").compressionAlgorithm(), QResource::NoCompression);
    QCOMPARE(QImage(":/images/program.png").size(), QSize(128, 128));
    QVERIFY(QImage(":/images/program.png").hasAlphaChannel());
    QCOMPARE(editor.window->windowIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
}

// Without a mouse: the window opens for typing a title; Tab walks the
// editor in the order an entry is made, then the list and Quit; in the list
// the arrow keys choose the entry that the editor shows and Del removes.
void TestForm::keyboard()
{
    Editor editor;
    QVERIFY(editor.active);
    editor.importRows({"A", "B", "C"});
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
    QStringList seen;
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_Delete}) {
        QTest::keyClick(editor.table(), key);
        seen << shown();
    }
    QCOMPARE(seen.join(','), QStringLiteral("B 2 2,C 3 3,B 2 2,A 1 1,B 1 1"));
    QCOMPARE(editor.titles(), QStringList({"B", "C"}));
}

// Two edits give one marker; naming the document clears it and disables the
// four document actions again.
void TestForm::documentState()
{
    Editor editor;
    MainWindow *window = editor.window;
    const auto state = [&] {
        return QStringLiteral("%1|%2|%3|%4|%5")
            .arg(window->windowTitle())
            .arg(window->isModified())
            .arg(window->hasDocument())
            .arg(editor.enabledActions().size())
            .arg(editor.statusLabels().mid(0, 2).join('|'));
    };
    QCOMPARE(state(), QStringLiteral("Kestrelpad|0|0|0|0|"));
    QVERIFY(window->acceptDrops());
    window->setModified();
    window->setModified();
    QCOMPARE(state(), QStringLiteral("* Kestrelpad|1|1|4|0|"));
    window->setDocumentTitle("radio.pls");
    QCOMPARE(state(), QStringLiteral("radio.pls - Kestrelpad|0|1|0|0|"));
    window->setModified();
    QCOMPARE(state(), QStringLiteral("* radio.pls - Kestrelpad|1|1|4|0|"));
}

void TestForm::resultCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("box"); // a critical box titled Kestrelpad, with OK only

    QTest::newRow("success shows done") << 0 << "";
    QTest::newRow("cannot open") << -1 << "Couldn't open the file!";
    QTest::newRow("missing") << -2 << "The file doesn't exist!";
    QTest::newRow("broken xml") << -3 << "Error while parsing the xml-file!";
    QTest::newRow("entry too long") << -4 << "An entry is too long for the radio-box!";
    QTest::newRow("entry without valid address") << -5 << "An entry has no valid address!";
    QTest::newRow("unknown code") << -7 << "";
}

void TestForm::resultCodes()
{
    QFETCH(int, code);
    QFETCH(QString, box);

    Editor editor;
    BoxAnswerer boxes({QMessageBox::Ok});
    QVERIFY(QMetaObject::invokeMethod(editor.window, "errors", Q_ARG(qint8, qint8(code))));

    QCOMPARE(boxes.texts(), box.isEmpty() ? QStringList() : QStringList{box});
    for (const SeenBox &seen : boxes.seen)
        QVERIFY(seen.title == "Kestrelpad" && seen.icon == QMessageBox::Critical &&
                seen.buttons == QMessageBox::Ok);
    QCOMPARE(editor.status(), code == 0 ? "done" : "");
    QCOMPARE(editor.title(), QStringLiteral("Kestrelpad"));
}

void TestForm::aboutBox()
{
    Editor editor;
    BoxAnswerer boxes;
    editor.trigger("actionAbout");

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.at(0).title, QStringLiteral("Kestrelpad"));
    const QString text = boxes.seen.at(0).text;
    QVERIFY2(QRegularExpression("^Kestrelpad\n\nWith this editor you can edit the pls-files\nfor "
                                "the radio-box\\.\n.*must start with http:// or udp:// \nThe "
                                "limits.*\nVersion: 1\\.2\nDate: [A-Z][a-z]{2} [1-9][0-9]? "
                                "[0-9]{4}$",
                                QRegularExpression::DotMatchesEverythingOption)
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
