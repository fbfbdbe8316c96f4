#include "mainwindow/filedialog.h"

#include <QFileDialog>
#include <QQueue>

#include <optional>
#include <utility>

namespace {

struct Answer
{
    QString fileName;
    std::optional<QString> selectedFilter;
};

bool answering = false;
QQueue<Answer> answers;
QList<FileDialog::Shown> shown;

} // namespace

QString FileDialog::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (answering)
        return answer({caption, dir, filter}, nullptr);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialog::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter, QString *selectedFilter)
{
    if (answering)
        return answer({caption, dir, filter}, selectedFilter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter);
}

void FileDialog::setAnswering(bool on)
{
    answering = on;
    answers.clear();
    shown.clear();
}

void FileDialog::setNextAnswer(const QString &fileName)
{
    answers.enqueue({fileName, std::nullopt});
}

void FileDialog::setNextAnswer(const QString &fileName, const QString &selectedFilter)
{
    answers.enqueue({fileName, selectedFilter});
}

QList<FileDialog::Shown> FileDialog::takeShown()
{
    return std::exchange(shown, {});
}

int FileDialog::pendingAnswers()
{
    return int(answers.size());
}

QString FileDialog::answer(const Shown &dialog, QString *selectedFilter)
{
    shown.append(dialog);
    if (answers.isEmpty()) {
        qWarning("Unexpected file dialog: %s", qPrintable(dialog.caption));
        return {};
    }
    const Answer next = answers.dequeue();
    if (selectedFilter && !next.fileName.isEmpty())
        *selectedFilter =
            next.selectedFilter.value_or(dialog.filter.section(QLatin1String(";;"), 0, 0));
    return next.fileName;
}
