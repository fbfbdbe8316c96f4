#ifndef KESTREL_XSPFFILE_H
#define KESTREL_XSPFFILE_H

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// Reads and writes XSPF playlists (XML Shareable Playlist Format, version 1).
class xspfFile : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QString title;
        QUrl url;
    };

    explicit xspfFile(QObject *parent = nullptr);
    ~xspfFile() override;

    QList<Entry> entries() const;
    void setEntries(const QList<Entry> &entries);
    void clearEntries();

signals:
    void startingReading();
    void startingWriting();
    // 0 success, -1 cannot open/write, -2 no such file, -3 the XML is broken
    // or declares entities (tracks before the fault stay in the list).
    void readingFinished(qint8 error);

public slots:
    void readFile(QString filename);
    void readFile();
    void saveFile(QString filename);
    void saveFile();

private:
    QString m_filename;
    QList<Entry> m_entries;
};

#endif
