#ifndef KESTREL_WINDOWTEST_H
#define KESTREL_WINDOWTEST_H

// The main window driven as its user drives it: widgets by object name,
// typing, clicks and keys, in a working folder of its own. Boxes and file
// dialogs are answered through MessageBox and FileDialog, queued before the
// action that shows them; one nobody expected fails the test.

#include "mainwindow/filedialog.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/messagebox.h"
#include "mainwindow/playlisttable.h"
#include "playlisttest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace WindowTest {

using namespace PlaylistTest;

template<typename T = QObject> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// For init(): no real box or dialog from now on.
inline void answerDialogs()
{
    MessageBox::setAnswering(true);
    FileDialog::setAnswering(true);
    QTest::failOnWarning(QRegularExpression("^Unexpected (message box|file dialog)"));
}

// For cleanup(): an answer left over means a box or dialog that did not come.
inline void checkAnswersUsed()
{
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(FileDialog::pendingAnswers(), 0);
}

// A language change reaches the window through posted events: the reloaded
// translator posts one to the application, which posts one to each window.
inline void deliverLanguageChange()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
}

// The window's own status labels carry no object name; left to right: the
// entry count, the path, the file split.
inline QStringList statusLabels(const QWidget *window)
{
    QList<QLabel *> labels = window->findChild<QStatusBar *>()->findChildren<QLabel *>();
    labels.removeIf([](QLabel *label) { return !label->objectName().isEmpty(); });
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel *label : labels)
        texts << label->text();
    return texts;
}

// New, Save, Save as and Close, which a document enables together.
inline int enabledActions(QObject *window)
{
    int enabled = 0;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        enabled += child<QAction>(window, name)->isEnabled();
    return enabled;
}

// A main window in a scratch working folder, started with `settings` as its
// settings file when they are given; shown and active unless a test needs the
// geometry that the window gave itself, before the platform has had a say.
class Editor
{
public:
    explicit Editor(const QByteArray &settings = QByteArray(), bool shown = true)
    {
        QDir::setCurrent(dir.path());
        if (!settings.isNull())
            writeBytes(path("settings.ini"), settings);
        window = new MainWindow;
        deliverLanguageChange();
        if (shown) {
            window->show();
            active = QTest::qWaitForWindowActive(window);
        }
    }
    ~Editor()
    {
        delete window;
        QDir::setCurrent(m_previousDir);
    }
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    QTemporaryDir dir;
    MainWindow *window = nullptr;
    bool active = false;

    // A name in the working folder; an absolute one stays as it is.
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QTableWidget *table() const { return child<QTableWidget>(window, "tableFile"); }
    QLineEdit *titleEdit() const { return child<QLineEdit>(window, "leditTitle"); }
    QLineEdit *urlEdit() const { return child<QLineEdit>(window, "leditURL"); }
    QComboBox *typeCombo() const { return child<QComboBox>(window, "comboType"); }
    QString entryId() const { return child<QLabel>(window, "lblEntryID")->text(); }
    QString title() const { return window->windowTitle(); }
    QString status() const { return window->statusBar()->currentMessage(); }

    // Selects each field's text and types over it.
    void type(const QString &title, const QString &url, bool tv = false)
    {
        for (auto [edit, text] : {std::pair{titleEdit(), title}, std::pair{urlEdit(), url}}) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
        typeCombo()->setCurrentIndex(tv ? 1 : 0);
    }
    void add(const QString &title, const QString &url, bool tv = false)
    {
        type(title, url, tv);
        run("btnAdd");
    }
    void trigger(const char *action) { child<QAction>(window, action)->trigger(); }
    void clickRow(int row, Qt::KeyboardModifiers keys = {})
    {
        const QModelIndex index = table()->model()->index(row, PlaylistTable::TitleColumn);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, keys,
                          table()->visualRect(index).center());
    }
    // A button or an action by object name, close(), or keys such as "Ctrl+S".
    void run(const QString &command)
    {
        const QByteArray name = command.toLatin1();
        QWidget *focus = QApplication::focusWidget();
        if (command.startsWith("btn"))
            QTest::mouseClick(child<QPushButton>(window, name.constData()), Qt::LeftButton);
        else if (command.startsWith("action"))
            trigger(name.constData());
        else if (command == "close()")
            window->close();
        else // keys go where the focus is, so a line edit keeps Del for itself
            QTest::keySequence(focus && focus->window() == window ? focus : window,
                               QKeySequence(command));
    }

    // One step of a table row, as the user takes it: "open <file>" (the Open
    // action, its dialog answered with the file, or cancelled for "-"), "drop
    // <file>..." (one drop onto the list; a name with "://" is no local
    // file), "add <title>|<address>[|TV]" or "type" it without adding,
    // "click", "shift" or "ctrl" <row>, "drag <row> <row> <pixels>" (what is
    // selected, from the first row onto the second, that many pixels below its
    // middle; only the minimal platform runs a drag inside the process),
    // "down" or "up" in the list, "find
    // <text>", "focus <widget>", "save <name>" (Ctrl+S, its dialog answered),
    // "dialog <name>[|<filter>]" (the answer to a Save as dialog to come, "-"
    // to cancel it, with the filter it reports if not the one offered), "copy
    // <file> <name>" (the file of an older list), "retype <row> <text>" (its
    // Type text), or a command for run().
    void step(const QString &step)
    {
        const QString verb = step.section(' ', 0, 0), argument = step.section(' ', 1);
        const QStringList fields = argument.split('|');
        if (verb == "open") {
            const QString document = statusLabels(window).value(1);
            FileDialog::setNextAnswer(argument == "-" ? QString() : path(argument));
            trigger("actionOpen");
            const QList<FileDialog::Shown> dialogs = FileDialog::takeShown();
            QCOMPARE(dialogs.size(), 1);
            QCOMPARE(dialogs[0].caption + ' ' + dialogs[0].filter,
                     "PLS-File PLS Playlist (*.pls);;MP3-URL (*.m3u);;XML Shareable Playlist "
                     "Format (*.xspf)");
            if (!document.isEmpty()) // the folder of the document shown
                QCOMPARE(dialogs[0].directory, dir.path());
        } else if (verb == "drop") {
            QList<QUrl> urls;
            for (const QString &file : argument.split(' '))
                urls << (file.contains("://") ? QUrl(file) : QUrl::fromLocalFile(path(file)));
            // As the toolkit delivers a drop onto the list: the list takes
            // only its own rows, and the window only a list of files.
            QMimeData text, files;
            text.setText(urls.value(0).toString());
            files.setUrls(urls);
            QDragEnterEvent refused(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, {});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
            QDropEvent dropped(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
            refused.ignore();
            const int pending = MessageBox::pendingAnswers();
            for (QEvent *event : std::initializer_list<QEvent *>{&refused, &enter, &dropped})
                QCoreApplication::sendEvent(table()->viewport(), event);
            QVERIFY(!refused.isAccepted() && enter.isAccepted() && dropped.isAccepted());
            // The program the files came from waits for the drop: the files
            // are opened, and their boxes shown, only after it returned.
            QCOMPARE(MessageBox::pendingAnswers(), pending);
            QCoreApplication::sendPostedEvents();
        } else if (verb == "add" || verb == "type") {
            type(fields.value(0), fields.value(1), fields.value(2) == "TV");
            if (verb == "add")
                run("btnAdd");
        } else if (verb == "click" || verb == "shift" || verb == "ctrl") {
            clickRow(argument.toInt(), verb == "shift"  ? Qt::ShiftModifier
                                       : verb == "ctrl" ? Qt::ControlModifier
                                                        : Qt::NoModifier);
        } else if (verb == "drag") {
            // As the user drags, in a window tall enough for every row: press
            // on the row, move past the drag distance, and let go over the
            // target once the toolkit's drag loop runs.
            window->resize(500, 600);
            const QStringList rows = argument.split(' ');
            QWidget *viewport = table()->viewport();
            const auto middle = [&](int row) {
                return table()->visualRect(table()->model()->index(row, 0)).center();
            };
            const QPoint start = middle(rows[0].toInt());
            const QPoint end =
                viewport->mapTo(window, middle(rows[1].toInt()) + QPoint(0, rows[2].toInt()));
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
            QTest::mouseMove(viewport, start + QPoint(0, 1));
            QTimer::singleShot(0, [handle = window->windowHandle(), end] {
                QTest::mouseMove(handle, end);
                QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, end);
            });
            QTest::mouseMove(viewport, start + QPoint(0, 2 + QApplication::startDragDistance()));
        } else if (verb == "down" || verb == "up") {
            QTest::keyClick(table(), verb == "up" ? Qt::Key_Up : Qt::Key_Down);
        } else if (verb == "find") {
            run("Ctrl+F");
            QTest::keyClicks(QApplication::focusWidget(), argument);
        } else if (verb == "focus") {
            child<QWidget>(window, qPrintable(argument))->setFocus();
        } else if (verb == "save") {
            FileDialog::setNextAnswer(path(argument));
            run("Ctrl+S");
        } else if (verb == "dialog" && fields.size() > 1) {
            FileDialog::setNextAnswer(path(fields[0]), fields[1]);
        } else if (verb == "dialog") {
            FileDialog::setNextAnswer(argument == "-" ? QString() : path(argument));
        } else if (verb == "retype") { // as a language change rewrites a Type text
            table()
                ->item(argument.section(' ', 0, 0).toInt(), PlaylistTable::TypeColumn)
                ->setText(argument.section(' ', 1));
        } else if (verb == "copy") {
            QVERIFY(QFile::copy(path(argument.section(' ', 0, 0)), path(argument.section(' ', 1))));
        } else {
            run(step);
        }
    }

    // "title|address|type text|kind" per row.
    QStringList rows() const
    {
        QStringList result;
        for (int r = 0; r < table()->rowCount(); ++r) {
            const auto cell = [&](int column, int role = Qt::DisplayRole) {
                return table()->model()->index(r, column).data(role).toString();
            };
            result << cell(0) + '|' + cell(1) + '|' + cell(2) + '|' +
                          cell(2, PlaylistTable::KindRole);
        }
        return result;
    }

private:
    QString m_previousDir = QDir::currentPath();
};

} // namespace WindowTest

#endif
