#ifndef KESTREL_PLSFILE_H
#define KESTREL_PLSFILE_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// Reads and writes PLS playlists, the format the radio-box plays. A long list
// is written over several numbered files, each within the box's limits.
class plsFile : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QString title;
        QUrl url;
        int type = 1; // 1 = Radio, anything else = TV
    };

    explicit plsFile(QObject *parent = nullptr);
    ~plsFile() override;

    QList<Entry> entries() const;
    void setEntries(const QList<Entry> &entries);
    void clearEntries();

    // Number of entries that each written file would hold for this list, in
    // file order; empty when the list is empty or an entry can never fit.
    static QList<int> fileSizes(const QList<Entry> &entries);

    // Appends the entries found in the bytes of a PLS file, decoded and read
    // as readFile() reads a file. Emits no signal; content is never an error.
    void readBytes(QByteArray data);

signals:
    void startingReading();
    void startingWriting();
    // 0 success, -1 cannot open/write, -2 no such file,
    // -4 an entry is too long to fit into any file, -5 an entry has an
    // empty or invalid address (nothing written for either).
    void readingFinished(qint8 error);

public slots:
    // Appends the entries of the named file to the list.
    void readFile(QString filename);
    void readFile();
    // Writes the list to the named file and, when it does not fit into one,
    // to continuation files numbered 1, 2, ... before the suffix.
    void saveFile(QString filename);
    void saveFile();

private:
    QString m_filename;
    QList<Entry> m_entries;
};

#endif
