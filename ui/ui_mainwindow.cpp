#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QAction *newAction(QMainWindow *mainWindow, const char *name)
{
    auto *action = new QAction(mainWindow);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

template<typename Widget> Widget *newChild(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFrame *newPanel(QWidget *parent, const char *name)
{
    auto *frame = newChild<QFrame>(parent, name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QGridLayout *newGrid(QWidget *parent, const char *name)
{
    auto *grid = new QGridLayout(parent);
    grid->setSpacing(6);
    grid->setContentsMargins(11, 11, 11, 11);
    grid->setObjectName(QString::fromLatin1(name));
    return grid;
}

} // namespace

void Ui_MainWindow::setupUi(QMainWindow *mainWindow)
{
    if (mainWindow->objectName().isEmpty())
        mainWindow->setObjectName(QString::fromLatin1("MainWindow"));
    mainWindow->resize(333, 357);
    QIcon icon;
    icon.addFile(QString::fromLatin1(":/images/program.png"), QSize(), QIcon::Normal, QIcon::Off);
    mainWindow->setWindowIcon(icon);

    setupActions(mainWindow);

    centralWidget = newChild<QWidget>(mainWindow, "centralWidget");
    verticalLayout = new QVBoxLayout(centralWidget);
    verticalLayout->setSpacing(6);
    verticalLayout->setContentsMargins(11, 11, 11, 11);
    verticalLayout->setObjectName(QString::fromLatin1("verticalLayout"));
    setupEditorFrame();
    verticalLayout->addWidget(frameEditor);
    // Shown by Find only, right above the list that it filters.
    leditFilter = newChild<QLineEdit>(centralWidget, "leditFilter");
    leditFilter->setClearButtonEnabled(true);
    leditFilter->hide();
    verticalLayout->addWidget(leditFilter);
    setupBrowserFrame();
    verticalLayout->addWidget(frameBrowser);
    mainWindow->setCentralWidget(centralWidget);

    setupMenus(mainWindow);
    setupFocus();

    retranslateUi(mainWindow);
    QMetaObject::connectSlotsByName(mainWindow);
}

void Ui_MainWindow::setupActions(QMainWindow *mainWindow)
{
    actionNew = newAction(mainWindow, "actionNew");
    actionSave = newAction(mainWindow, "actionSave");
    actionSaveAs = newAction(mainWindow, "actionSaveAs");
    actionQuit = newAction(mainWindow, "actionQuit");
    actionAdd = newAction(mainWindow, "actionAdd");
    actionEdit = newAction(mainWindow, "actionEdit");
    actionDelete = newAction(mainWindow, "actionDelete");
    actionAbout = newAction(mainWindow, "actionAbout");
    actionAboutQt = newAction(mainWindow, "actionAboutQt");
    actionOpen = newAction(mainWindow, "actionOpen");
    actionClose = newAction(mainWindow, "actionClose");
    actionMoveUp = newAction(mainWindow, "actionMoveUp");
    actionMoveDown = newAction(mainWindow, "actionMoveDown");
    actionUndo = newAction(mainWindow, "actionUndo");
    actionRedo = newAction(mainWindow, "actionRedo");
    actionFind = newAction(mainWindow, "actionFind");
    actionSortTitle = newAction(mainWindow, "actionSortTitle");
    actionSortAddress = newAction(mainWindow, "actionSortAddress");
    actionSortType = newAction(mainWindow, "actionSortType");
    actionRemoveDuplicates = newAction(mainWindow, "actionRemoveDuplicates");
    actionCheckStreams = newAction(mainWindow, "actionCheckStreams");
    actionRemoveDead = newAction(mainWindow, "actionRemoveDead");
}

void Ui_MainWindow::setupEditorFrame()
{
    frameEditor = newPanel(centralWidget, "frameEditor");
    gridLayout_2 = newGrid(frameEditor, "gridLayout_2");

    btnEdit = newChild<QPushButton>(frameEditor, "btnEdit");
    gridLayout_2->addWidget(btnEdit, 1, 2, 1, 1);
    btnAdd = newChild<QPushButton>(frameEditor, "btnAdd");
    gridLayout_2->addWidget(btnAdd, 0, 2, 1, 1);
    lblId = newChild<QLabel>(frameEditor, "lblId");
    gridLayout_2->addWidget(lblId, 3, 0, 1, 1);
    leditURL = newChild<QLineEdit>(frameEditor, "leditURL");
    gridLayout_2->addWidget(leditURL, 1, 1, 1, 1);
    lblURL = newChild<QLabel>(frameEditor, "lblURL");
    gridLayout_2->addWidget(lblURL, 1, 0, 1, 1);
    lblTitle = newChild<QLabel>(frameEditor, "lblTitle");
    gridLayout_2->addWidget(lblTitle, 0, 0, 1, 1);
    btnDelete = newChild<QPushButton>(frameEditor, "btnDelete");
    gridLayout_2->addWidget(btnDelete, 3, 2, 1, 1);
    lblEntryID = newChild<QLabel>(frameEditor, "lblEntryID");
    gridLayout_2->addWidget(lblEntryID, 3, 1, 1, 1);
    leditTitle = newChild<QLineEdit>(frameEditor, "leditTitle");
    gridLayout_2->addWidget(leditTitle, 0, 1, 1, 1);
    lblType = newChild<QLabel>(frameEditor, "lblType");
    gridLayout_2->addWidget(lblType, 2, 0, 1, 1);
    comboType = newChild<QComboBox>(frameEditor, "comboType");
    gridLayout_2->addWidget(comboType, 2, 1, 1, 1);
}

void Ui_MainWindow::setupBrowserFrame()
{
    frameBrowser = newPanel(centralWidget, "frameBrowser");
    gridLayout = newGrid(frameBrowser, "gridLayout");

    tableFile = newChild<QTableWidget>(frameBrowser, "tableFile");
    if (tableFile->columnCount() < 3)
        tableFile->setColumnCount(3);
    for (int column = 0; column < 3; ++column)
        tableFile->setHorizontalHeaderItem(column, new QTableWidgetItem());
    tableFile->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableFile->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableFile->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableFile->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableFile->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab leaves the list for the next widget; the arrow keys move in it.
    // Otherwise Tab would walk every cell of every row before reaching Quit.
    tableFile->setTabKeyNavigation(false);
    tableFile->horizontalHeader()->setStretchLastSection(true);
    // Qt 6 clamps the row height to a minimum taken from the font, which
    // would quietly turn the compact 17 pixel rows into taller ones.
    if (tableFile->verticalHeader()->minimumSectionSize() > 17)
        tableFile->verticalHeader()->setMinimumSectionSize(17);
    tableFile->verticalHeader()->setDefaultSectionSize(17);
    gridLayout->addWidget(tableFile, 0, 0, 3, 1);

    btnQuit = newChild<QPushButton>(frameBrowser, "btnQuit");
    gridLayout->addWidget(btnQuit, 1, 1, 1, 1);

    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    gridLayout->addItem(verticalSpacer, 0, 1, 1, 1);
}

// The order in which an entry is made: its fields, then the buttons that
// store it, then the list. The window opens ready for typing a title.
void Ui_MainWindow::setupFocus()
{
    QWidget::setTabOrder(leditTitle, leditURL);
    QWidget::setTabOrder(leditURL, comboType);
    QWidget::setTabOrder(comboType, btnAdd);
    QWidget::setTabOrder(btnAdd, btnEdit);
    QWidget::setTabOrder(btnEdit, btnDelete);
    QWidget::setTabOrder(btnDelete, tableFile);
    QWidget::setTabOrder(tableFile, btnQuit);
    leditTitle->setFocus();
}

void Ui_MainWindow::setupMenus(QMainWindow *mainWindow)
{
    menuBar = newChild<QMenuBar>(mainWindow, "menuBar");
    menuBar->setGeometry(QRect(0, 0, 333, 21));
    menuFile = newChild<QMenu>(menuBar, "menuFile");
    menuEdit = newChild<QMenu>(menuBar, "menuEdit");
    menuStream = newChild<QMenu>(menuBar, "menuStream");
    menuHelp = newChild<QMenu>(menuBar, "menuHelp");
    menuLanguage = newChild<QMenu>(menuBar, "menuLanguage");
    menuLanguage->setTitle(QString::fromLatin1("Language"));
    mainWindow->setMenuBar(menuBar);
    statusBar = newChild<QStatusBar>(mainWindow, "statusBar");
    mainWindow->setStatusBar(statusBar);

    menuBar->addAction(menuFile->menuAction());
    menuBar->addAction(menuEdit->menuAction());
    menuBar->addAction(menuStream->menuAction());
    menuBar->addAction(menuLanguage->menuAction());
    menuBar->addAction(menuHelp->menuAction());
    menuFile->addAction(actionNew);
    menuFile->addAction(actionOpen);
    menuFile->addAction(actionSave);
    menuFile->addAction(actionSaveAs);
    menuFile->addAction(actionClose);
    menuFile->addSeparator();
    menuFile->addAction(actionQuit);
    menuEdit->addAction(actionUndo);
    menuEdit->addAction(actionRedo);
    menuEdit->addSeparator();
    menuEdit->addAction(actionFind);
    menuEdit->addSeparator();
    menuEdit->addAction(actionSortTitle);
    menuEdit->addAction(actionSortAddress);
    menuEdit->addAction(actionSortType);
    menuEdit->addSeparator();
    menuEdit->addAction(actionRemoveDuplicates);
    menuStream->addAction(actionAdd);
    menuStream->addAction(actionEdit);
    menuStream->addAction(actionDelete);
    menuStream->addSeparator();
    menuStream->addAction(actionMoveUp);
    menuStream->addAction(actionMoveDown);
    menuStream->addSeparator();
    menuStream->addAction(actionCheckStreams);
    menuStream->addAction(actionRemoveDead);
    menuHelp->addAction(actionAbout);
    menuHelp->addAction(actionAboutQt);
}

void Ui_MainWindow::retranslateUi(QMainWindow *mainWindow)
{
    mainWindow->setWindowTitle(QCoreApplication::translate("MainWindow", "Kestrelpad"));
    actionNew->setText(QCoreApplication::translate("MainWindow", "&New"));
    actionNew->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+N")));
    actionSave->setText(QCoreApplication::translate("MainWindow", "&Save"));
    actionSave->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+S")));
    actionSaveAs->setText(QCoreApplication::translate("MainWindow", "Save &as..."));
    actionSaveAs->setShortcut(
        QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Shift+S")));
    actionQuit->setText(QCoreApplication::translate("MainWindow", "&quit"));
    actionQuit->setToolTip(QCoreApplication::translate("MainWindow", "quit"));
    actionQuit->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Q")));
    actionAdd->setText(QCoreApplication::translate("MainWindow", "&add"));
    actionEdit->setText(QCoreApplication::translate("MainWindow", "&change"));
    actionDelete->setText(QCoreApplication::translate("MainWindow", "&delete"));
    actionDelete->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Del")));
    actionAbout->setText(QCoreApplication::translate("MainWindow", "&About..."));
    actionAboutQt->setText(QCoreApplication::translate("MainWindow", "About &Qt"));
    actionOpen->setText(QCoreApplication::translate("MainWindow", "&Open..."));
    actionOpen->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+O")));
    actionClose->setText(QCoreApplication::translate("MainWindow", "&Close"));
    btnEdit->setText(QCoreApplication::translate("MainWindow", "&change"));
    btnAdd->setText(QCoreApplication::translate("MainWindow", "&add"));
    lblId->setText(QCoreApplication::translate("MainWindow", "ID"));
    lblURL->setText(QCoreApplication::translate("MainWindow", "URL"));
    lblTitle->setText(QCoreApplication::translate("MainWindow", "Title"));
    btnDelete->setText(QCoreApplication::translate("MainWindow", "&delete"));
    lblEntryID->setText(QString());
    lblType->setText(QCoreApplication::translate("MainWindow", "Type"));
    comboType->clear();
    comboType->insertItems(0, QStringList() << QCoreApplication::translate("MainWindow", "Radio")
                                            << QCoreApplication::translate("MainWindow", "TV"));
    tableFile->horizontalHeaderItem(0)->setText(QCoreApplication::translate("MainWindow", "Title"));
    tableFile->horizontalHeaderItem(1)->setText(QCoreApplication::translate("MainWindow", "URL"));
    tableFile->horizontalHeaderItem(2)->setText(QCoreApplication::translate("MainWindow", "Type"));
    btnQuit->setText(QCoreApplication::translate("MainWindow", "&quit"));
    menuFile->setTitle(QCoreApplication::translate("MainWindow", "&File"));
    menuStream->setTitle(QCoreApplication::translate("MainWindow", "&Stream"));
    menuHelp->setTitle(QCoreApplication::translate("MainWindow", "&Help"));
    actionMoveUp->setText(QCoreApplication::translate("MainWindow", "Move &up"));
    actionMoveUp->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Up")));
    actionMoveDown->setText(QCoreApplication::translate("MainWindow", "Move d&own"));
    actionMoveDown->setShortcut(
        QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Down")));
    actionCheckStreams->setText(QCoreApplication::translate("MainWindow", "Check streams"));
    actionCheckStreams->setShortcut(
        QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+T")));
    actionRemoveDead->setText(QCoreApplication::translate("MainWindow", "Remove dead stations"));
    retranslateEditMenu();
}

// The Undo and Redo texts are the window's: they name the step they would
// take back or do again.
void Ui_MainWindow::retranslateEditMenu()
{
    menuEdit->setTitle(QCoreApplication::translate("MainWindow", "&Edit"));
    actionUndo->setText(QCoreApplication::translate("MainWindow", "Undo"));
    actionUndo->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Z")));
    actionRedo->setText(QCoreApplication::translate("MainWindow", "Redo"));
    actionRedo->setShortcuts(
        {QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Shift+Z")),
         QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+Y"))});
    actionFind->setText(QCoreApplication::translate("MainWindow", "&Find..."));
    actionFind->setShortcut(QKeySequence(QCoreApplication::translate("MainWindow", "Ctrl+F")));
    actionSortTitle->setText(QCoreApplication::translate("MainWindow", "Sort by &title"));
    actionSortAddress->setText(QCoreApplication::translate("MainWindow", "Sort by a&ddress"));
    actionSortType->setText(QCoreApplication::translate("MainWindow", "Sort &TV after Radio"));
    actionRemoveDuplicates->setText(
        QCoreApplication::translate("MainWindow", "&Remove duplicates"));
    leditFilter->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "Find in titles and addresses"));
}
