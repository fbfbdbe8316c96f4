#ifndef KESTREL_XSPFFILE_H
#define KESTREL_XSPFFILE_H

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QIODevice;
class QXmlStreamReader;

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

    // Appends the tracks of an XSPF document given as bytes or read from an
    // open device. Emits no signal. Returns 0, or -3 when the XML is broken
    // or declares entities; tracks completed before the fault stay appended.
    qint8 readBytes(const QByteArray &data);
    qint8 readDevice(QIODevice *device);

signals:
    void startingReading();
    void startingWriting();
    // 0 success, -1 cannot open/write, -2 no such file, -3 the XML is broken
    // or declares entities (tracks before the fault stay in the list), -5 a
    // save found an entry with an empty or invalid address and wrote nothing.
    void readingFinished(qint8 error);

public slots:
    void readFile(QString filename);
    void readFile();
    void saveFile(QString filename);
    void saveFile();

private:
    qint8 readXml(QXmlStreamReader *xml);

    QString m_filename;
    QList<Entry> m_entries;
};

#endif
