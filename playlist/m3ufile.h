#ifndef KESTREL_M3UFILE_H
#define KESTREL_M3UFILE_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// Reads and writes M3U playlists, both the plain form (one address a line)
// and the extended form with "#EXTINF" titles.
class m3uFile : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QString title;
        QUrl url;
    };

    explicit m3uFile(QObject *parent = nullptr);
    ~m3uFile() override;

    QList<Entry> entries() const;
    void setEntries(const QList<Entry> &entries);
    void clearEntries();

    // Appends the entries found in the bytes of an M3U file, decoded and read
    // as readFile() reads a file. Emits no signal. Returns false when the
    // bytes hold no non-empty line, the case in which readFile() reports
    // nothing.
    bool readBytes(QByteArray data);

signals:
    void startingReading();
    void startingWriting();
    // 0 success, -1 cannot open/write, -2 no such file. A file without any
    // non-empty line ends the read without this signal. -5 a save found an
    // entry with an empty or invalid address and wrote nothing.
    void readingFinished(qint8 error);

public slots:
    void readFile(QString filename);
    void readFile();
    void saveSimpleFile(QString filename);
    void saveSimpleFile();
    void saveExtendedFile(QString filename);
    void saveExtendedFile();

private:
    QString m_filename;
    QList<Entry> m_entries;
};

#endif
