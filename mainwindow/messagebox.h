#ifndef KESTREL_MESSAGEBOX_H
#define KESTREL_MESSAGEBOX_H

#include <QList>
#include <QMessageBox>
#include <QString>

// Every message box of the window comes through here: it shows the real box,
// or, once a test has switched to answering, records the box and gives the
// answer the test queued, so that no test ever waits for a click.
class MessageBox
{
public:
    // What a box said and offered.
    struct Shown
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text, informativeText;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        bool hasParent = false;
    };

    static void critical(QWidget *parent, const QString &title, const QString &text);
    // Escape gives Cancel where the buttons have one.
    static QMessageBox::StandardButton question(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &title, const QString &text,
                                                const QString &informativeText,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    static void about(QWidget *parent, const QString &title, const QString &text);
    static void aboutQt(QWidget *parent, const QString &title);

    // For tests: while answering, no box appears. Each is recorded and given
    // the next queued answer; a box that finds none is answered with Cancel
    // and reported as a warning starting "Unexpected message box".
    static void setAnswering(bool answering);
    static void setNextAnswer(QMessageBox::StandardButton button);
    // The boxes recorded since the last call, and the answers left unused.
    static QList<Shown> takeShown();
    static int pendingAnswers();

private:
    static QMessageBox::StandardButton answer(const Shown &box);
};

#endif
