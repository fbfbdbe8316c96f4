#ifndef KESTREL_EDITORTEST_H
#define KESTREL_EDITORTEST_H

// A main window driven as its user drives it: typing into the editor,
// clicking buttons, rows and menu entries, pressing shortcuts, and answering
// the boxes and file dialogs that come up. The answerers are scoped, so an
// answer that a test did not use cannot leak into the next test.

#include "mainwindow/mainwindow.h"
#include "mainwindow/playlisttable.h"
#include "playlistfiletest.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>

namespace EditorTest {

using WindowTest::child;

using PlaylistTest::bytesOf;
using PlaylistTest::writeBytes;

// What one message box showed before it was answered.
struct SeenBox
{
    QString text;
    QString informative;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool hasParent = false;
};

// Answers the message boxes that come up while it lives with `answers`, in
// order; a box beyond them is cancelled (or escaped), so a test that gets
// more boxes than it expected fails on `seen` instead of hanging.
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QList<SeenBox> seen;

    QStringList texts() const
    {
        QStringList result;
        for (const SeenBox &box : seen)
            result << box.text;
        return result;
    }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        SeenBox record;
        record.text = box->text();
        record.informative = box->informativeText();
        record.buttons = box->standardButtons();
        record.defaultButton = box->standardButton(box->defaultButton());
        record.hasParent = box->parentWidget() != nullptr;
        seen << record;
        const QMessageBox::StandardButton answer =
            m_answers.isEmpty() ? QMessageBox::Cancel : m_answers.takeFirst();
        if (QAbstractButton *button = box->button(answer))
            button->click();
        else
            box->reject();
    }

    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

// What one file dialog showed before it was answered.
struct SeenDialog
{
    QString caption;
    QString directory;
    QStringList nameFilters;
};

// Answers the file dialogs that come up while it lives: each with the next
// path (an empty one cancels), after `prepare` has had the dialog, which lets
// a test play a platform dialog that reports its filter differently.
class FileDialogAnswerer
{
public:
    explicit FileDialogAnswerer(QStringList paths,
                                std::function<void(QFileDialog *)> prepare = nullptr)
        : m_paths(std::move(paths))
        , m_prepare(std::move(prepare))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QList<SeenDialog> seen;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen << SeenDialog{dialog->windowTitle(), dialog->directory().absolutePath(),
                           dialog->nameFilters()};
        const QString path = m_paths.isEmpty() ? QString() : m_paths.takeFirst();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        if (m_prepare)
            m_prepare(dialog);
        WindowTest::acceptFileDialog(dialog, path);
    }

    QStringList m_paths;
    std::function<void(QFileDialog *)> m_prepare;
    QTimer m_timer;
};

// One shown, active main window in a scratch working directory of its own.
class Editor
{
public:
    Editor()
        : window(new MainWindow)
    {
        window->show();
        active = QTest::qWaitForWindowActive(window);
    }
    ~Editor() { delete window; }
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    WindowTest::ScratchDir dir; // first: the window finds its settings here
    MainWindow *window;
    bool active = false;

    QString path(const QString &name) const { return dir.filePath(name); }

    QTableWidget *table() const { return child<QTableWidget>(window, "tableFile"); }
    QLineEdit *titleEdit() const { return child<QLineEdit>(window, "leditTitle"); }
    QLineEdit *urlEdit() const { return child<QLineEdit>(window, "leditURL"); }
    QComboBox *typeCombo() const { return child<QComboBox>(window, "comboType"); }
    QString entryId() const { return child<QLabel>(window, "lblEntryID")->text(); }
    QString title() const { return window->windowTitle(); }

    // Fills the editor as a user does: select each field's text, type over it.
    void type(const QString &title, const QString &url, bool tv)
    {
        for (auto [edit, text] : {std::pair{titleEdit(), title}, std::pair{urlEdit(), url}}) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
        typeCombo()->setCurrentIndex(tv ? 1 : 0);
    }

    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    }
    void trigger(const char *action) { child<QAction>(window, action)->trigger(); }

    void add(const QString &title, const QString &url, bool tv = false)
    {
        type(title, url, tv);
        click("btnAdd");
    }

    void clickRow(int row)
    {
        QTableWidget *view = table();
        const QModelIndex index = view->model()->index(row, PlaylistTable::TitleColumn);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->visualRect(index).center());
    }

    // Keys go where the user's focus is; a line edit keeps Del for itself,
    // just as it does for the user.
    void press(const QKeySequence &keys)
    {
        // A window manager hands the focus back when a dialog closes; the
        // offscreen platform does not, and shortcuts need the active window.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            active = QTest::qWaitForWindowActive(window);
        }
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != window)
            target = window;
        QTest::keySequence(target, keys);
    }

    // Rows as title, address and type text, followed by the kind kept beside it.
    QStringList row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem *item = table()->item(row, column);
            cells << (item ? item->text() : QStringLiteral("<none>"));
        }
        const QTableWidgetItem *type = table()->item(row, PlaylistTable::TypeColumn);
        cells << (type ? type->data(PlaylistTable::KindRole).toString() : QString());
        return cells;
    }

    QStringList titles() const
    {
        QStringList result;
        for (int r = 0; r < table()->rowCount(); ++r)
            result << row(r).at(0);
        return result;
    }

    QString entryCount() const { return statusLabels().value(0); }
    QString filePath() const { return statusLabels().value(1); }
    // How the next save splits the list: "45 entries, 3 files".
    QString fileSplit() const { return statusLabels().value(2); }

    QStringList enabledActions() const
    {
        QStringList names;
        for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
            if (child<QAction>(window, name)->isEnabled())
                names << QString::fromLatin1(name);
        return names;
    }

    // Rows as an import leaves them: there without a marker in the title.
    void importRows(const QStringList &titles)
    {
        QTableWidget *view = table();
        for (const QString &title : titles) {
            const int r = view->rowCount();
            view->insertRow(r);
            view->setItem(r, 0, new QTableWidgetItem(title));
            view->setItem(r, 1,
                          new QTableWidgetItem(QStringLiteral("http://import.example/") + title));
            auto *type = new QTableWidgetItem(QStringLiteral("Radio"));
            type->setData(PlaylistTable::KindRole, PlaylistTable::Radio);
            view->setItem(r, 2, type);
        }
    }

    // Saves through Ctrl+S and the Save as dialog under the scratch folder.
    bool saveAs(const QString &name)
    {
        FileDialogAnswerer dialog({path(name)});
        BoxAnswerer boxes;
        press(QKeySequence::Save);
        return dialog.seen.size() == 1 && boxes.seen.isEmpty();
    }

private:
    // The window's own labels carry no object name; left to right.
    QStringList statusLabels() const
    {
        QList<QLabel *> labels;
        for (QLabel *label : child<QStatusBar>(window, "statusBar")->findChildren<QLabel *>())
            if (label->objectName().isEmpty())
                labels << label;
        std::sort(labels.begin(), labels.end(),
                  [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        QStringList texts;
        for (QLabel *label : labels)
            texts << label->text();
        return texts;
    }
};

// A path that cannot be written even by root: a name under a regular file.
inline QString impossiblePath(const Editor &editor, const QString &name)
{
    writeBytes(editor.path(QStringLiteral("blocker")), "not a folder");
    return editor.path(QStringLiteral("blocker/") + name);
}

} // namespace EditorTest

#endif
