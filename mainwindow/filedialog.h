#ifndef KESTREL_FILEDIALOG_H
#define KESTREL_FILEDIALOG_H

#include <QList>
#include <QString>

class QWidget;

// Every file dialog of the window comes through here: it shows Qt's dialog,
// or, once a test has switched to answering, records the dialog and gives the
// file name the test queued, as a user who typed it would.
class FileDialog
{
public:
    // What a dialog offered.
    struct Shown
    {
        QString caption, directory, filter;
    };

    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter, QString *selectedFilter);

    // For tests: while answering, no dialog appears. Each is recorded and
    // given the next queued name (empty: cancelled), with the first filter
    // offered as the one selected; a dialog that finds no answer is cancelled
    // and reported as a warning starting "Unexpected file dialog".
    static void setAnswering(bool answering);
    static void setNextAnswer(const QString &fileName);
    // As a platform dialog that reports another filter, or none (empty).
    static void setNextAnswer(const QString &fileName, const QString &selectedFilter);
    // The dialogs recorded since the last call, and the answers left unused.
    static QList<Shown> takeShown();
    static int pendingAnswers();

private:
    static QString answer(const Shown &dialog, QString *selectedFilter);
};

#endif
