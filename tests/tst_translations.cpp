// The shipped translations: every source in languages/ complete and usable
// (placeholders, mnemonics, shortcuts), and the languages folder that the
// build puts beside the program loadable, Qt's own files included.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString source;
    QStringList translations; // one per numerus form
    bool finished = false;
    bool numerus = false;
};

struct Catalog
{
    QString language;
    QList<Message> messages;
};

Catalog readCatalog(const QString &path)
{
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS")) {
            catalog.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            message.finished = !attributes.hasAttribute(QLatin1String("type"));
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.translations << xml.readElementText();
            } else {
                message.translations << xml.readElementText();
            }
            catalog.messages << message;
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return catalog;
}

QStringList sourceCatalogs()
{
    const QDir dir(QStringLiteral(KESTREL_SOURCE_DIR "/languages"));
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("Kestrel_*.ts")}, QDir::Files))
        paths << dir.filePath(name);
    return paths;
}

QString codeOf(const QString &tsPath)
{
    return QFileInfo(tsPath).completeBaseName().mid(int(qstrlen("Kestrel_")));
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The letter after a single "&", lower case; empty without a mnemonic.
QString mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return QString();
}

// Shortcuts are written in the portable form and must stay parseable.
bool isShortcut(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(Ctrl|Shift|Alt|Meta)\\+.+|^Del$"));
    return pattern.match(text).hasMatch();
}

} // namespace

Q_DECLARE_METATYPE(Message)

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void catalogsExist();
    void messages_data();
    void messages();
    void mnemonicsDistinct_data();
    void mnemonicsDistinct();
    void builtFolder_data();
    void builtFolder();
};

void TestTranslations::catalogsExist()
{
    const QStringList catalogs = sourceCatalogs();
    QVERIFY(!catalogs.isEmpty());
    for (const QString &path : catalogs)
        QCOMPARE(readCatalog(path).language, codeOf(path));
}

void TestTranslations::messages_data()
{
    QTest::addColumn<Message>("message");
    for (const QString &path : sourceCatalogs()) {
        const QString code = codeOf(path);
        for (const Message &message : readCatalog(path).messages) {
            const QString name =
                code + QLatin1String(": ") +
                message.source.left(40).replace(QLatin1Char('\n'), QLatin1Char(' '));
            QTest::newRow(qPrintable(name)) << message;
        }
    }
}

void TestTranslations::messages()
{
    QFETCH(Message, message);

    QVERIFY2(message.finished, "not translated yet");
    QVERIFY(!message.translations.isEmpty());
    for (const QString &translation : message.translations) {
        QVERIFY(!translation.trimmed().isEmpty());
        if (message.numerus) {
            QVERIFY2(translation.contains(QLatin1String("%n")), qPrintable(translation));
            continue;
        }
        QCOMPARE(placeholders(translation), placeholders(message.source));
        QCOMPARE(mnemonic(translation).isEmpty(), mnemonic(message.source).isEmpty());
        QCOMPARE(translation.count(QLatin1Char('\n')), message.source.count(QLatin1Char('\n')));
        if (isShortcut(message.source)) {
            const QKeySequence shortcut(translation, QKeySequence::PortableText);
            QCOMPARE(shortcut.count(), 1);
            QVERIFY(shortcut[0].key() != Qt::Key_unknown);
        }
    }
}

// Texts that Alt reaches together must not share a letter: the menu bar
// with the window's buttons, and each menu on its own.
void TestTranslations::mnemonicsDistinct_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QStringList>("sources");

    const QList<QPair<const char *, QStringList>> groups{
        {"menu bar and buttons",
         {"&File", "&Stream", "&Help", "&add", "&change", "&delete", "&quit"}},
        {"File menu", {"&New", "&Open...", "&Save", "Save &as...", "&Close", "&quit"}},
        {"Stream menu", {"&add", "&change", "&delete", "Move &up", "Move d&own"}},
        {"Help menu", {"&About...", "About &Qt"}},
    };
    for (const QString &path : sourceCatalogs()) {
        for (const auto &group : groups) {
            const QString name = codeOf(path) + QLatin1String(": ") + QLatin1String(group.first);
            QTest::newRow(qPrintable(name)) << path << group.second;
        }
    }
}

void TestTranslations::mnemonicsDistinct()
{
    QFETCH(QString, catalog);
    QFETCH(QStringList, sources);

    QMap<QString, QString> translations;
    for (const Message &message : readCatalog(catalog).messages)
        translations.insert(message.source, message.translations.value(0));
    QMap<QString, QString> owners;
    for (const QString &source : sources) {
        QVERIFY2(translations.contains(source), qPrintable(source));
        const QString text = translations.value(source);
        const QString letter = mnemonic(text);
        QVERIFY2(!letter.isEmpty(), qPrintable(text));
        QVERIFY2(!owners.contains(letter),
                 qPrintable(owners.value(letter) + QLatin1String(" and ") + text));
        owners.insert(letter, text);
    }
}

void TestTranslations::builtFolder_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("withQt");
    const QStringList withQt =
        QStringLiteral(KESTREL_QT_LANGUAGE_CODES).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &path : sourceCatalogs()) {
        const QString code = codeOf(path);
        QTest::newRow(qPrintable(code)) << code << withQt.contains(code);
    }
}

// The folder beside the built program, as the program itself reads it.
void TestTranslations::builtFolder()
{
    QFETCH(QString, code);
    QFETCH(bool, withQt);
    const QString dir = QStringLiteral(KESTREL_LANGUAGES_DIR);

    QTranslator program;
    QVERIFY(program.load(QStringLiteral("Kestrel_") + code, dir));
    QVERIFY(!program.translate("MainWindow", "&File").isEmpty());

    if (!withQt)
        QSKIP("Qt's own translations were not found when the build was configured");
    // In Qt 6 qt_<code>.qm only names the catalogs it needs; the load fails
    // unless they were copied beside it.
    QTranslator qt;
    QVERIFY(qt.load(QStringLiteral("qt_") + code, dir));
    const QString cancel = qt.translate("QPlatformTheme", "Cancel");
    QVERIFY(!cancel.isEmpty());
    QVERIFY(cancel != QLatin1String("Cancel"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
