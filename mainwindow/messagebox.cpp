#include "mainwindow/messagebox.h"

#include <QQueue>

#include <utility>

namespace {

bool answering = false;
QQueue<QMessageBox::StandardButton> answers;
QList<MessageBox::Shown> shown;

} // namespace

void MessageBox::critical(QWidget *parent, const QString &title, const QString &text)
{
    const Shown box{QMessageBox::Critical, title, text, {}, QMessageBox::Ok, QMessageBox::NoButton,
                    parent != nullptr};
    if (answering)
        answer(box);
    else
        QMessageBox::critical(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, QMessageBox::Icon icon,
                                                 const QString &title, const QString &text,
                                                 const QString &informativeText,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    const Shown box{icon, title, text, informativeText, buttons, defaultButton, parent != nullptr};
    if (answering)
        return answer(box);
    QMessageBox question(icon, title, text, buttons, parent);
    question.setInformativeText(informativeText);
    question.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(question.exec());
}

void MessageBox::about(QWidget *parent, const QString &title, const QString &text)
{
    if (answering)
        answer({QMessageBox::Information,
                title,
                text,
                {},
                QMessageBox::Ok,
                QMessageBox::NoButton,
                parent != nullptr});
    else
        QMessageBox::about(parent, title, text);
}

void MessageBox::aboutQt(QWidget *parent, const QString &title)
{
    if (answering)
        answer({QMessageBox::Information,
                title,
                {},
                {},
                QMessageBox::Ok,
                QMessageBox::NoButton,
                parent != nullptr});
    else
        QMessageBox::aboutQt(parent, title);
}

void MessageBox::setAnswering(bool on)
{
    answering = on;
    answers.clear();
    shown.clear();
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton button)
{
    answers.enqueue(button);
}

QList<MessageBox::Shown> MessageBox::takeShown()
{
    return std::exchange(shown, {});
}

int MessageBox::pendingAnswers()
{
    return int(answers.size());
}

QMessageBox::StandardButton MessageBox::answer(const Shown &box)
{
    shown.append(box);
    if (answers.isEmpty()) {
        qWarning("Unexpected message box: %s", qPrintable(box.text));
        return QMessageBox::Cancel;
    }
    return answers.dequeue();
}
