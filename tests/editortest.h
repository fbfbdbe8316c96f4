#ifndef KESTREL_EDITORTEST_H
#define KESTREL_EDITORTEST_H

// The main window driven as its user drives it: widgets by object name,
// typing, clicks and keys, answers for the boxes and file dialogs that come
// up, and a working folder of its own. Answerers are scoped, so an answer
// that a test did not use cannot leak into the next test, and a box nobody
// expected is cancelled instead of hanging the test.

#include "mainwindow/mainwindow.h"
#include "mainwindow/playlisttable.h"
#include "playlistfiletest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace EditorTest {

using PlaylistTest::bytesOf;
using PlaylistTest::writeBytes;

template<typename T = QObject> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// Hands every modal widget of type T that shows while it lives to `answer`.
template<typename T> class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(T *)> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [answer] {
            if (auto *widget = qobject_cast<T *>(QApplication::activeModalWidget()))
                answer(widget);
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

struct SeenBox
{
    QString title, text, informative;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    bool hasParent;
};

// Answers message boxes with `answers` in order, then with Cancel (or Escape).
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : m_watch([this, answers](QMessageBox *box) mutable {
            seen << SeenBox{box->windowTitle(),
                            box->text(),
                            box->informativeText(),
                            box->icon(),
                            box->standardButtons(),
                            box->standardButton(box->defaultButton()),
                            box->parentWidget() != nullptr};
            QAbstractButton *button =
                box->button(answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst());
            button ? button->click() : box->reject();
        })
    {}
    QStringList texts() const
    {
        QStringList result;
        for (const SeenBox &box : seen)
            result << box.text;
        return result;
    }
    QList<SeenBox> seen;

private:
    ModalWatch<QMessageBox> m_watch;
};

struct SeenDialog
{
    QString caption, directory;
    QStringList nameFilters;
};

// Accepts file dialogs with `paths` in order (an empty one cancels), after
// `prepare` had the dialog: it may play a platform dialog. The name field is
// filled directly, since selectFile() leaves it alone while it has the focus.
class FileDialogAnswerer
{
public:
    explicit FileDialogAnswerer(QStringList paths,
                                std::function<void(QFileDialog *)> prepare = nullptr)
        : m_watch([this, paths, prepare](QFileDialog *dialog) mutable {
            seen << SeenDialog{dialog->windowTitle(), dialog->directory().absolutePath(),
                               dialog->nameFilters()};
            const QString path = paths.isEmpty() ? QString() : paths.takeFirst();
            if (path.isEmpty())
                return dialog->reject();
            if (prepare)
                prepare(dialog);
            dialog->selectFile(path);
            child<QLineEdit>(dialog, "fileNameEdit")->setText(path);
            static_cast<QDialog *>(dialog)->accept(); // protected in QFileDialog
        })
    {}
    QList<SeenDialog> seen;

private:
    ModalWatch<QFileDialog> m_watch;
};

// One data row "c" per line of an aligned table, "case: column column ...",
// holding the columns; "-" stands for an empty one.
inline void addRows(std::initializer_list<const char *> lines)
{
    QTest::addColumn<QStringList>("c");
    for (const QString line : lines) {
        QStringList columns = line.section(':', 1).simplified().split(' ');
        columns.replaceInStrings(QRegularExpression("^-$"), QString());
        QTest::newRow(qPrintable(line.section(':', 0, 0))) << columns;
    }
}

// A language change reaches the window through posted events: the reloaded
// translator posts one to the application, which posts one to each window.
inline void deliverLanguageChange()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
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

    QString path(const QString &name) const { return dir.filePath(name); }
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
    void clickRow(int row)
    {
        const QModelIndex index = table()->model()->index(row, PlaylistTable::TitleColumn);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualRect(index).center());
    }
    // Keys go where the focus is, so a line edit keeps Del for itself. A
    // window manager hands the focus back when a dialog closes; the offscreen
    // platform does not, and shortcuts need the active window.
    void press(const QKeySequence &keys)
    {
        if (!window->isActiveWindow()) {
            window->activateWindow();
            active = QTest::qWaitForWindowActive(window);
        }
        QWidget *target = QApplication::focusWidget();
        QTest::keySequence(target && target->window() == window ? target : window, keys);
    }
    // A button or an action by object name, close(), or keys such as "Ctrl+S".
    void run(const QString &command)
    {
        const QByteArray name = command.toLatin1();
        if (command.startsWith("btn"))
            QTest::mouseClick(child<QPushButton>(window, name.constData()), Qt::LeftButton);
        else if (command.startsWith("action"))
            trigger(name.constData());
        else if (command == "close()")
            window->close();
        else
            press(QKeySequence(command));
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
    QStringList titles() const
    {
        QStringList result;
        for (const QString &row : rows())
            result << row.section('|', 0, 0);
        return result;
    }

    // The window's own status labels carry no object name; left to right.
    QStringList statusLabels() const
    {
        QList<QLabel *> labels = window->statusBar()->findChildren<QLabel *>();
        labels.removeIf([](QLabel *label) { return !label->objectName().isEmpty(); });
        std::sort(labels.begin(), labels.end(),
                  [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        QStringList texts;
        for (QLabel *label : labels)
            texts << label->text();
        return texts;
    }
    QString entryCount() const { return statusLabels().value(0); }
    QString filePath() const { return statusLabels().value(1); }
    QString fileSplit() const { return statusLabels().value(2); }

    QStringList enabledActions() const
    {
        QStringList names;
        for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
            if (child<QAction>(window, name)->isEnabled())
                names << QString::fromLatin1(name);
        return names;
    }

    // Rows as an import leaves them: there, without a marker in the title.
    void importRows(const QStringList &titles)
    {
        QTableWidget *view = table();
        for (const QString &title : titles) {
            const int r = view->rowCount();
            view->insertRow(r);
            view->setItem(r, 0, new QTableWidgetItem(title));
            view->setItem(r, 1, new QTableWidgetItem("http://import.example/" + title));
            view->setItem(r, 2, new QTableWidgetItem("Radio"));
            view->item(r, 2)->setData(PlaylistTable::KindRole, PlaylistTable::Radio);
        }
    }

    // Ctrl+S on an unnamed playlist, answered in the scratch folder.
    bool saveAs(const QString &name)
    {
        FileDialogAnswerer dialog({path(name)});
        BoxAnswerer boxes;
        press(QKeySequence::Save);
        return dialog.seen.size() == 1 && boxes.seen.isEmpty();
    }

private:
    QString m_previousDir = QDir::currentPath();
};

// Unwritable even for root: a name under a regular file.
inline QString impossiblePath(const Editor &editor, const QString &name)
{
    writeBytes(editor.path("blocker"), "not a folder");
    return editor.path("blocker/" + name);
}

} // namespace EditorTest

#endif
