#include "playlist/xspffile.h"

#include "playlist/playlisttext.h"
#include "playlist/streamaddress.h"

#include <QDebug>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

const QString xspfNamespace = QStringLiteral("http://xspf.org/ns/0/");

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Titles read from other formats may hold control characters, which XML 1.0
// cannot carry at all. They are dropped here so that the document stays
// readable and a writer error can only mean that the disk failed.
QString xmlText(const QString &text)
{
    const bool clean = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') &&
               !c.isSurrogate() && c.unicode() < 0xFFFE;
    });
    if (clean)
        return text;
    QString result;
    result.reserve(text.size());
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (allowedInXml(c))
            result.append(QStringView(QChar::fromUcs4(c)));
    }
    return result;
}

void logParseError(const QString &description)
{
    qDebug().noquote() << QStringLiteral("Error parsing the xml-file: \"%1\"").arg(description);
}

// A playlist never needs entities of its own. Refusing every declaration,
// parameter entities included, keeps expansion bombs ("billion laughs") from
// ever being expanded.
bool declaresEntities(const QXmlStreamReader &xml)
{
    return !xml.entityDeclarations().isEmpty();
}

// Namespaces are not processed: exporters write declarations that the
// namespace rules refuse (xmlns:omx=""), and one such line must not cost the
// whole playlist. An element is known by its name after any prefix.
QStringView localName(const QXmlStreamReader &xml)
{
    const QStringView name = xml.qualifiedName();
    const qsizetype colon = name.lastIndexOf(u':');
    return colon < 0 ? name : name.sliced(colon + 1);
}

// What one track element has given so far.
struct Track
{
    int depth = 0;
    QString title;
    QString location;
};

} // namespace

xspfFile::xspfFile(QObject *parent)
    : QObject(parent)
{}

xspfFile::~xspfFile() = default;

QList<xspfFile::Entry> xspfFile::entries() const
{
    return m_entries;
}

void xspfFile::setEntries(const QList<Entry> &entries)
{
    m_entries = entries;
}

void xspfFile::clearEntries()
{
    m_entries.clear();
}

qint8 xspfFile::readBytes(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    return readXml(&xml);
}

qint8 xspfFile::readDevice(QIODevice *device)
{
    QXmlStreamReader xml(device);
    return readXml(&xml);
}

// Titles and locations pair within one track, so a track that lacks one of
// them cannot shift the titles of every later track. A track gives an entry
// when it has a location; of several, the first non-empty one is taken, as
// XSPF lists alternatives in order of preference. Element text is read
// without child elements: reading them in would recurse on nested input.
qint8 xspfFile::readXml(QXmlStreamReader *xml)
{
    xml->setNamespaceProcessing(false);
    Track track;
    while (!xml->atEnd()) {
        const QXmlStreamReader::TokenType token = xml->readNext();
        if (token == QXmlStreamReader::DTD && declaresEntities(*xml)) {
            logParseError(QStringLiteral("entity declarations are not accepted"));
            return -3;
        }
        const QStringView name = localName(*xml);
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"track") {
                if (track.depth++ == 0)
                    track = Track{1, {}, {}};
            } else if (track.depth > 0 && (name == u"title" || name == u"location")) {
                QString &field = name == u"title" ? track.title : track.location;
                // Pretty-printers put the text on a line of its own.
                const QString text = xml->readElementText().trimmed();
                if (field.isEmpty())
                    field = text;
            }
        } else if (token == QXmlStreamReader::EndElement && name == u"track" && track.depth > 0) {
            if (--track.depth == 0 && !track.location.isEmpty())
                m_entries.append(Entry{track.title, kestrel::addressUrl(track.location)});
        }
    }
    if (xml->hasError()) {
        logParseError(xml->errorString());
        return -3;
    }
    return 0;
}

void xspfFile::readFile(QString filename)
{
    m_filename = filename;
    readFile();
}

void xspfFile::readFile()
{
    emit startingReading();
    QFile file(m_filename);
    const qint8 opened = kestrel::openForReading(&file);
    if (opened != 0) {
        emit readingFinished(opened);
        return;
    }
    qint8 result = readDevice(&file);
    if (result == 0 && file.error() != QFileDevice::NoError)
        result = -1;
    emit readingFinished(result);
}

void xspfFile::saveFile(QString filename)
{
    m_filename = filename;
    saveFile();
}

// An invalid address renders as an empty location, which would turn the
// entry into nothing while the save reports success.
void xspfFile::saveFile()
{
    emit startingWriting();
    if (!std::all_of(m_entries.cbegin(), m_entries.cend(),
                     [](const Entry &entry) { return kestrel::isWritableUrl(entry.url); })) {
        emit readingFinished(-5);
        return;
    }
    QSaveFile file(m_filename);
    if (!file.open(QIODevice::WriteOnly)) {
        emit readingFinished(-1);
        return;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("playlist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("xmlns"), xspfNamespace);
    xml.writeStartElement(QStringLiteral("trackList"));
    for (const Entry &entry : std::as_const(m_entries)) {
        xml.writeStartElement(QStringLiteral("track"));
        xml.writeTextElement(QStringLiteral("title"), xmlText(entry.title));
        xml.writeTextElement(QStringLiteral("location"), xmlText(entry.url.toString()));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    emit readingFinished(kestrel::commitWhenWritten(&file, !xml.hasError()) ? 0 : -1);
}
