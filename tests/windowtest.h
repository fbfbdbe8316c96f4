#ifndef KESTREL_WINDOWTEST_H
#define KESTREL_WINDOWTEST_H

// Helpers for tests that drive the main window as a user would: widgets by
// object name, and answers for modal boxes and file dialogs given before the
// action that opens them.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace WindowTest {

template<typename T> T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// Waits (without blocking the event loop) for a modal widget of type T and
// hands it to `act`. Gives up after `timeoutMs`, so a test whose box never
// shows fails on its own check instead of leaving a timer behind.
template<typename T> void whenModal(std::function<void(T *)> act, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, act, timeoutMs] {
        *elapsed += timer->interval();
        if (auto *widget = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// Answers the next message box by clicking `button`; `text` receives the
// box's text and `informative` its informative text, when given.
inline void answerBox(QMessageBox::StandardButton button, QString *text = nullptr,
                      QString *informative = nullptr)
{
    whenModal<QMessageBox>([=](QMessageBox *box) {
        if (text)
            *text = box->text();
        if (informative)
            *informative = box->informativeText();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

// Accepts an open file dialog with `path`, as typed into its name field.
// selectFile() alone leaves the field untouched while it has the focus, and
// a shown save dialog gives it the focus, so the field is filled directly.
inline void acceptFileDialog(QFileDialog *dialog, const QString &path)
{
    dialog->selectFile(path);
    if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        edit->setText(path);
    static_cast<QDialog *>(dialog)->accept(); // protected in QFileDialog
}

// Answers the next file dialog: accepts it with `path`, or cancels it when
// `path` is empty. `caption` and `directory` receive what the dialog showed.
inline void answerFileDialog(const QString &path, QString *caption = nullptr,
                             QString *directory = nullptr)
{
    whenModal<QFileDialog>([=](QFileDialog *dialog) {
        if (caption)
            *caption = dialog->windowTitle();
        if (directory)
            *directory = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        acceptFileDialog(dialog, path);
    });
}

// Runs the test in a fresh working directory, where the program looks for
// "settings.ini" and the icon files.
class ScratchDir
{
public:
    ScratchDir()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
    }
    ~ScratchDir() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace WindowTest

#endif
