// The main window's form: which widgets exist under which names, where they
// sit, what they say, and what the menus hold.

#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResource>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

using WindowTest::child;

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetTree_data();
    void widgetTree();
    void creationOrder();
    void gridCells_data();
    void gridCells();
    void texts_data();
    void texts();
    void menus_data();
    void menus();
    void table();
    void builtInIcon();

private:
    WindowTest::ScratchDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestForm::init()
{
    m_dir = new WindowTest::ScratchDir;
    m_window = new MainWindow;
}

void TestForm::cleanup()
{
    delete m_window;
    delete m_dir;
}

void TestForm::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    const QString window = QStringLiteral("MainWindow");
    for (const char *action :
         {"actionNew", "actionSave", "actionSaveAs", "actionQuit", "actionAdd", "actionEdit",
          "actionDelete", "actionAbout", "actionAboutQt", "actionOpen", "actionClose"})
        QTest::newRow(action) << action << "QAction" << window;
    QTest::newRow("centralWidget") << "centralWidget"
                                   << "QWidget" << window;
    QTest::newRow("verticalLayout") << "verticalLayout"
                                    << "QVBoxLayout"
                                    << "centralWidget";
    QTest::newRow("frameEditor") << "frameEditor"
                                 << "QFrame"
                                 << "centralWidget";
    QTest::newRow("gridLayout_2") << "gridLayout_2"
                                  << "QGridLayout"
                                  << "frameEditor";
    for (const char *button : {"btnEdit", "btnAdd", "btnDelete"})
        QTest::newRow(button) << button << "QPushButton"
                              << "frameEditor";
    for (const char *label : {"lblId", "lblURL", "lblTitle", "lblEntryID", "lblType"})
        QTest::newRow(label) << label << "QLabel"
                             << "frameEditor";
    QTest::newRow("leditURL") << "leditURL"
                              << "QLineEdit"
                              << "frameEditor";
    QTest::newRow("leditTitle") << "leditTitle"
                                << "QLineEdit"
                                << "frameEditor";
    QTest::newRow("comboType") << "comboType"
                               << "QComboBox"
                               << "frameEditor";
    QTest::newRow("frameBrowser") << "frameBrowser"
                                  << "QFrame"
                                  << "centralWidget";
    QTest::newRow("gridLayout") << "gridLayout"
                                << "QGridLayout"
                                << "frameBrowser";
    QTest::newRow("tableFile") << "tableFile"
                               << "QTableWidget"
                               << "frameBrowser";
    QTest::newRow("btnQuit") << "btnQuit"
                             << "QPushButton"
                             << "frameBrowser";
    QTest::newRow("menuBar") << "menuBar"
                             << "QMenuBar" << window;
    for (const char *menu : {"menuFile", "menuStream", "menuHelp", "menuLanguage"})
        QTest::newRow(menu) << menu << "QMenu"
                            << "menuBar";
    QTest::newRow("statusBar") << "statusBar"
                               << "QStatusBar" << window;
}

void TestForm::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    QCOMPARE(m_window->objectName(), QStringLiteral("MainWindow"));
    const QList<QObject *> found = m_window->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

// Children keep the order in which they were made; the editor's widgets are
// made in a fixed order that also decides the keyboard focus chain.
void TestForm::creationOrder()
{
    QStringList editor;
    for (QObject *object : child<QFrame>(m_window, "frameEditor")->children())
        editor << object->objectName();
    QCOMPARE(editor, QStringList({"gridLayout_2", "btnEdit", "btnAdd", "lblId", "leditURL",
                                  "lblURL", "lblTitle", "btnDelete", "lblEntryID", "leditTitle",
                                  "lblType", "comboType"}));

    QStringList actions;
    for (QAction *action : m_window->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        if (action->objectName().startsWith(QLatin1String("action")))
            actions << action->objectName();
    QCOMPARE(actions.mid(0, 11),
             QStringList({"actionNew", "actionSave", "actionSaveAs", "actionQuit", "actionAdd",
                          "actionEdit", "actionDelete", "actionAbout", "actionAboutQt",
                          "actionOpen", "actionClose"}));
}

void TestForm::gridCells_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("cell");

    QTest::newRow("lblTitle") << "gridLayout_2"
                              << "lblTitle" << QList<int>{0, 0, 1, 1};
    QTest::newRow("leditTitle") << "gridLayout_2"
                                << "leditTitle" << QList<int>{0, 1, 1, 1};
    QTest::newRow("btnAdd") << "gridLayout_2"
                            << "btnAdd" << QList<int>{0, 2, 1, 1};
    QTest::newRow("lblURL") << "gridLayout_2"
                            << "lblURL" << QList<int>{1, 0, 1, 1};
    QTest::newRow("leditURL") << "gridLayout_2"
                              << "leditURL" << QList<int>{1, 1, 1, 1};
    QTest::newRow("btnEdit") << "gridLayout_2"
                             << "btnEdit" << QList<int>{1, 2, 1, 1};
    QTest::newRow("lblType") << "gridLayout_2"
                             << "lblType" << QList<int>{2, 0, 1, 1};
    QTest::newRow("comboType") << "gridLayout_2"
                               << "comboType" << QList<int>{2, 1, 1, 1};
    QTest::newRow("lblId") << "gridLayout_2"
                           << "lblId" << QList<int>{3, 0, 1, 1};
    QTest::newRow("lblEntryID") << "gridLayout_2"
                                << "lblEntryID" << QList<int>{3, 1, 1, 1};
    QTest::newRow("btnDelete") << "gridLayout_2"
                               << "btnDelete" << QList<int>{3, 2, 1, 1};
    QTest::newRow("tableFile spans three rows") << "gridLayout"
                                                << "tableFile" << QList<int>{0, 0, 3, 1};
    QTest::newRow("btnQuit") << "gridLayout"
                             << "btnQuit" << QList<int>{1, 1, 1, 1};
    QTest::newRow("spacer") << "gridLayout" << QString() << QList<int>{0, 1, 1, 1};
}

void TestForm::gridCells()
{
    QFETCH(QString, layout);
    QFETCH(QString, name);
    QFETCH(QList<int>, cell);

    auto *grid = m_window->findChild<QGridLayout *>(layout);
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));
    int index = -1;
    for (int i = 0; i < grid->count(); ++i) {
        QLayoutItem *item = grid->itemAt(i);
        const bool match = name.isEmpty() ? item->spacerItem() != nullptr
                                          : item->widget() && item->widget()->objectName() == name;
        if (match)
            index = i;
    }
    QVERIFY2(index >= 0, qPrintable(name));
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE((QList<int>{row, column, rowSpan, columnSpan}), cell);
    if (name.isEmpty()) {
        QSpacerItem *spacer = grid->itemAt(index)->spacerItem();
        QCOMPARE(spacer->sizeHint(), QSize(20, 40));
        QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    }
}

void TestForm::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("actionNew") << "actionNew"
                               << "&New"
                               << "Ctrl+N";
    QTest::newRow("actionSave") << "actionSave"
                                << "&Save"
                                << "Ctrl+S";
    QTest::newRow("actionSaveAs") << "actionSaveAs"
                                  << "Save &as..."
                                  << "";
    QTest::newRow("actionQuit") << "actionQuit"
                                << "&quit"
                                << "Ctrl+Q";
    QTest::newRow("actionAdd") << "actionAdd"
                               << "&add"
                               << "";
    QTest::newRow("actionEdit") << "actionEdit"
                                << "&change"
                                << "";
    QTest::newRow("actionDelete") << "actionDelete"
                                  << "&delete"
                                  << "Del";
    QTest::newRow("actionAbout") << "actionAbout"
                                 << "&About..."
                                 << "";
    QTest::newRow("actionAboutQt") << "actionAboutQt"
                                   << "About &Qt"
                                   << "";
    QTest::newRow("actionOpen") << "actionOpen"
                                << "&Open..."
                                << "";
    QTest::newRow("actionClose") << "actionClose"
                                 << "&Close"
                                 << "";
    QTest::newRow("actionMoveUp") << "actionMoveUp"
                                  << "Move &up"
                                  << "Ctrl+Up";
    QTest::newRow("actionMoveDown") << "actionMoveDown"
                                    << "Move d&own"
                                    << "Ctrl+Down";
    QTest::newRow("btnEdit") << "btnEdit"
                             << "&change"
                             << "";
    QTest::newRow("btnAdd") << "btnAdd"
                            << "&add"
                            << "";
    QTest::newRow("btnDelete") << "btnDelete"
                               << "&delete"
                               << "";
    QTest::newRow("btnQuit") << "btnQuit"
                             << "&quit"
                             << "";
    QTest::newRow("lblId") << "lblId"
                           << "ID"
                           << "";
    QTest::newRow("lblURL") << "lblURL"
                            << "URL"
                            << "";
    QTest::newRow("lblTitle") << "lblTitle"
                              << "Title"
                              << "";
    QTest::newRow("lblType") << "lblType"
                             << "Type"
                             << "";
    QTest::newRow("lblEntryID is empty") << "lblEntryID"
                                         << ""
                                         << "";
    QTest::newRow("menuFile") << "menuFile"
                              << "&File"
                              << "";
    QTest::newRow("menuStream") << "menuStream"
                                << "&Stream"
                                << "";
    QTest::newRow("menuHelp") << "menuHelp"
                              << "&Help"
                              << "";
    QTest::newRow("menuLanguage is never translated") << "menuLanguage"
                                                      << "Language"
                                                      << "";
}

void TestForm::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);

    QObject *object = m_window->findChild<QObject *>(name);
    QVERIFY(object);
    if (auto *action = qobject_cast<QAction *>(object)) {
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcut(), QKeySequence(shortcut));
        if (name == QLatin1String("actionQuit"))
            QCOMPARE(action->toolTip(), QStringLiteral("quit"));
    } else if (auto *menu = qobject_cast<QMenu *>(object)) {
        QCOMPARE(menu->title(), text);
    } else {
        QCOMPARE(object->property("text").toString(), text);
    }
}

void TestForm::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("menu bar") << "menuBar"
                              << QStringList{"menuFile", "menuStream", "menuLanguage", "menuHelp"};
    QTest::newRow("File") << "menuFile"
                          << QStringList{"actionNew",   "actionOpen", "actionSave", "actionSaveAs",
                                         "actionClose", "-",          "actionQuit"};
    QTest::newRow("Stream") << "menuStream"
                            << QStringList{"actionAdd", "actionEdit",   "actionDelete",
                                           "-",         "actionMoveUp", "actionMoveDown"};
    QTest::newRow("Help") << "menuHelp" << QStringList{"actionAbout", "actionAboutQt"};
}

void TestForm::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);

    QWidget *widget = m_window->findChild<QWidget *>(menu);
    QVERIFY(widget);
    QStringList actual;
    for (QAction *action : widget->actions()) {
        if (action->isSeparator())
            actual << QStringLiteral("-");
        else if (action->menu())
            actual << action->menu()->objectName();
        else
            actual << action->objectName();
    }
    QCOMPARE(actual, entries);
}

void TestForm::table()
{
    auto *table = child<QTableWidget>(m_window, "tableFile");
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Title"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("URL"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Type"));
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
    QCOMPARE(table->horizontalScrollMode(), QAbstractItemView::ScrollPerPixel);
    QVERIFY(table->horizontalHeader()->stretchLastSection());
    QCOMPARE(table->verticalHeader()->defaultSectionSize(), 17);

    auto *combo = child<QComboBox>(m_window, "comboType");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("Radio"));
    QCOMPARE(combo->itemText(1), QStringLiteral("TV"));
}

void TestForm::builtInIcon()
{
    const QResource resource(QStringLiteral(":/images/program.png"));
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    const QImage image(QStringLiteral(":/images/program.png"));
    QCOMPARE(image.size(), QSize(128, 128));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowIcon().availableSizes().value(0), QSize(128, 128));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
