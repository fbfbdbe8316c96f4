#ifndef KESTREL_UI_MAINWINDOW_H
#define KESTREL_UI_MAINWINDOW_H

class QAction;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpacerItem;
class QStatusBar;
class QTableWidget;
class QVBoxLayout;
class QWidget;

// The main window's widgets, layouts, menus and texts; no behaviour of its own
// beyond binding the window's on_<object>_<signal> slots by name.
class Ui_MainWindow
{
public:
    QAction *actionNew = nullptr;
    QAction *actionSave = nullptr;
    QAction *actionSaveAs = nullptr;
    QAction *actionQuit = nullptr;
    QAction *actionAdd = nullptr;
    QAction *actionEdit = nullptr;
    QAction *actionDelete = nullptr;
    QAction *actionAbout = nullptr;
    QAction *actionAboutQt = nullptr;
    QAction *actionOpen = nullptr;
    QAction *actionClose = nullptr;
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QFrame *frameEditor = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QPushButton *btnEdit = nullptr;
    QPushButton *btnAdd = nullptr;
    QLabel *lblId = nullptr;
    QLineEdit *leditURL = nullptr;
    QLabel *lblURL = nullptr;
    QLabel *lblTitle = nullptr;
    QPushButton *btnDelete = nullptr;
    QLabel *lblEntryID = nullptr;
    QLineEdit *leditTitle = nullptr;
    QLabel *lblType = nullptr;
    QComboBox *comboType = nullptr;
    QFrame *frameBrowser = nullptr;
    QGridLayout *gridLayout = nullptr;
    QTableWidget *tableFile = nullptr;
    QPushButton *btnQuit = nullptr;
    QSpacerItem *verticalSpacer = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *menuFile = nullptr;
    QMenu *menuStream = nullptr;
    QMenu *menuHelp = nullptr;
    QMenu *menuLanguage = nullptr;
    QStatusBar *statusBar = nullptr;
    QAction *actionMoveUp = nullptr;
    QAction *actionMoveDown = nullptr;
    QAction *actionUndo = nullptr;
    QAction *actionRedo = nullptr;
    QAction *actionFind = nullptr;
    QAction *actionSortTitle = nullptr;
    QAction *actionSortAddress = nullptr;
    QAction *actionSortType = nullptr;
    QAction *actionRemoveDuplicates = nullptr;
    QMenu *menuEdit = nullptr;
    QLineEdit *leditFilter = nullptr;
    QAction *actionCheckStreams = nullptr;
    QAction *actionRemoveDead = nullptr;

    void setupUi(QMainWindow *mainWindow);
    void retranslateUi(QMainWindow *mainWindow);

private:
    void setupActions(QMainWindow *mainWindow);
    void setupEditorFrame();
    void setupBrowserFrame();
    void setupMenus(QMainWindow *mainWindow);
    void setupFocus();
    void retranslateEditMenu();
};

namespace Ui {
class MainWindow : public Ui_MainWindow
{
};
} // namespace Ui

#endif
