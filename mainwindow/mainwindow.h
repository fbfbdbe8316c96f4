#ifndef KESTREL_MAINWINDOW_H
#define KESTREL_MAINWINDOW_H

#include "mainwindow/playlisttable.h"
#include "playlist/plsfile.h"
#include "streamcheck/streamresult.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QModelIndex>
#include <QString>
#include <QTranslator>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class StreamChecker;
class QTimer;
class QUndoCommand;
class QUndoStack;
class RowTable;
class StepGroup;
class Ui_MainWindow;

// The editor's one window. The table is the playlist; the title carries the
// document state: the file name, and a leading "* " while changes are unsaved.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isModified() const;
    bool hasDocument() const;
    void setModified();
    void setDocumentTitle(const QString &fileName);

    // The checker of Stream > Check streams; tests shorten its timeout.
    StreamChecker *streamChecker() const { return m_checker; }

    // Folder that stands in for the program's own when the translations are
    // looked up; tests point it at a folder of their own. Empty: the program's.
    static void setLanguageSearchBase(const QString &dir);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void slotOpenFile();
    void slotSaveFile();
    void slotAddEntry();
    void slotEditEntry();
    void slotDeleteEntry();
    void slotLanguageChanged(QAction *action);
    void on_tableFile_clicked(QModelIndex index);
    void on_actionNew_triggered();
    void on_actionAbout_triggered();
    void on_actionAboutQt_triggered();
    void on_actionSaveAs_triggered();
    void on_actionClose_triggered();
    void errors(qint8 error);
    void slotMoveEntryUp();
    void slotMoveEntryDown();
    void slotFind();
    void slotSortByTitle();
    void slotSortByAddress();
    void slotSortByType();
    void slotRemoveDuplicates();
    void on_actionCheckStreams_triggered();
    void on_actionRemoveDead_triggered();

private:
    // Document state
    void setDocumentActionsEnabled(bool enabled);
    void showEntryCount();
    void showCritical(const QString &text);
    bool askYesNo(const QString &text);
    void showStatus(const QString &text, int timeout);

    // Settings and languages
    void loadSettings();
    void saveSettings();
    void loadLanguage(const QString &language);
    void createLanguageMenu();
    void installTranslators();
    QString findLanguageDir() const;
    void retranslateKeepingState();
    void retranslateTypeColumn();
    static QString systemLanguageCode();
    void keepOnScreen();

    // Opening
    void processCommandLine();
    void openFile(const QString &path);
    // Read a file and report the result; the rows are not added yet.
    QList<PlaylistTable::Row> openPlsFile(const QString &path);
    QList<PlaylistTable::Row> openM3uFile(const QString &path);
    QList<PlaylistTable::Row> openXspfFile(const QString &path);
    using Reader = QList<PlaylistTable::Row> (MainWindow::*)(const QString &);
    void importFile(const QString &path, Reader read);
    // Appends the rows that pass the address test, as one undoable step
    // unless they make a new document.
    void appendRows(const QList<PlaylistTable::Row> &rows, bool undoable);
    void openDropped(const QStringList &paths);

    // Editing
    // Takes the typed address, trimmed; shows why when it cannot be a stream.
    bool typedAddressPasses(QString *address);
    void addTableRow(const QString &title, const QString &address, bool radio);
    void updateCurrentRow(const QString &title, const QString &address, bool radio);
    bool isRadioRow(int row) const;
    // The editor shows row `row`, or is cleared for -1; driven by the
    // table's current row.
    void setupEntryFollowing();
    void followCurrentRow(const QModelIndex &current);
    void showEntry(int row);
    void showEntryNumber();

    // Reordering
    void setupRowDrag();
    void moveEntries(int first, int count, int to);
    void moveSelection(int by);

    // Undo and redo: every change of the rows is a step on the stack, and the
    // modified marker follows the stack's clean state.
    void setupUndo();
    void pushStep(QUndoCommand *step);
    void showUndoTexts();
    void followCleanState(bool clean);
    void rowsChanged(bool rowsCameIn);
    // Rows chosen by the user and shown: several rows, or the current one.
    QList<int> selectedShownRows() const;

    // Find: rows that do not contain the filter's text are hidden.
    void setupFilter();
    void hideFilter();
    void applyFilter();
    bool isFilterActive() const;

    // Sorting and duplicates
    void setupSorting();
    void sortRows(const QList<int> &order);
    // Marks the addresses that an earlier row already has; returns how many.
    int markDuplicates();
    void reportNewDuplicates(int before);

    // The split of the next save, shown beside the path
    void setupFileSplit();
    void scheduleFileSplit();
    void showFileSplit();

    // Checking the streams
    void setupStreamCheck();
    void streamChecked(quint64 id, const StreamCheck::Result &result);
    void streamCheckFinished();
    void showCheckProgress();
    // After any change of the rows: a running check takes in new addresses
    // and lets go of those no row has any more; the icons follow the rows.
    void followRowsInCheck();
    void syncCheckWithRows();
    void showCheckResult(int row);
    void fillInName(int row);
    void stopStreamCheck();
    void retranslateStreamCheck();

    // The rows as the entries that a save writes, in table order.
    QList<plsFile::Entry> tableEntries() const;

    // Saving and closing: true when the file was written, or the playlist let go.
    bool savePlsFile(const QString &path);
    bool confirmReplace(const QString &path);
    void offerStaleDeletion(const QString &path, int written);
    bool saveDocument();
    bool saveDocumentAs();
    bool closePlaylist();
    bool needsSaveQuestion() const;
    void clearPlaylist();

    Ui_MainWindow *ui;
    QLabel *m_lblEntryCount = nullptr;
    QLabel *m_lblFilePath = nullptr;
    QString m_pathPlayList;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    QString m_languageDir;
    QString m_language;
    // The product name as it stands in the title, to find the file name in
    // the title again once the translators speak another language. Taken
    // before the form is set up, so it is the name that the form writes.
    QString m_titleProductName = tr("Kestrelpad");

    QLabel *m_lblFileSplit = nullptr;
    // Coalesces a burst of row changes (a whole file opened) into one count.
    QTimer *m_fileSplitTimer = nullptr;

    RowTable *m_rowTable = nullptr;
    QUndoStack *m_undoStack = nullptr;
    // The files of one drop are one step, built while they are opened.
    StepGroup *m_dropStep = nullptr;
    int m_duplicateCount = 0;
    int m_shownRowCount = 0;
    StreamChecker *m_checker = nullptr;
    QProgressBar *m_checkProgress = nullptr;
    QPushButton *m_btnCancelCheck = nullptr;
    // Results belong to addresses, not to rows: they survive every step that
    // rebuilds rows (undo, sorting, removals), and a row whose address changes
    // loses its result by that alone.
    QHash<QString, StreamCheck::Result> m_checkResults;
    // The addresses being asked in the running check, by the checker's id.
    QHash<quint64, QString> m_checkAddresses;
    // The rows of each address, and how many rows have a result.
    QHash<QString, QList<int>> m_checkRows;
    int m_checkedRowCount = 0;
    quint64 m_nextCheckId = 1;
};

#endif
