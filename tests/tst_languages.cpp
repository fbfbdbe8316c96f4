// Languages and settings: the Language menu built from the translation files,
// switching at run time and what a switch must leave alone, the system's
// language, the settings file read at start and written at close, and the
// translations that ship with the program.

#include "windowtest.h"

#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QTranslator>
#include <QXmlStreamReader>

#include <optional>

using namespace WindowTest;

namespace {

// While it lives, the window takes a folder of the test's own for the
// program's: the catalogs of the codes `beside` go from the tests' compiled
// translations into its "languages" folder, those of `installed` into
// ../share/kestrelpad/languages; "qt" is Qt's own German one.
class LanguageFolder
{
public:
    explicit LanguageFolder(const QString &beside, const QString &installed = {})
    {
        for (const auto &[codes, folder] : {std::pair{beside, "bin/languages"},
                                            std::pair{installed, "share/kestrelpad/languages"}}) {
            QDir(m_root.path()).mkpath(folder);
            for (const QString &code : codes.split(',', Qt::SkipEmptyParts)) {
                const QString file = code == "qt" ? "qt_de.qm" : "Kestrel_" + code + ".qm";
                QFile::copy(TEST_LANGUAGES_DIR "/" + file, m_root.filePath(folder) + '/' + file);
            }
        }
        MainWindow::setLanguageSearchBase(m_root.filePath("bin"));
    }
    ~LanguageFolder() { MainWindow::setLanguageSearchBase(QString()); }

private:
    QTemporaryDir m_root;
};

// What the tests' translations (tests/data/languages) make of the product
// name, Add (button and action), Title (label and column) and Radio.
QString textsFor(const QString &code)
{
    return QMap<QString, QString>{
        {"de", "Kestrelblock|&Hinzufügen|&Hinzufügen|Titel|Titel|Funk"},
        {"fr", "Carnet Kestrel|A&jouter|A&jouter|Titre|Titre|Radiodiffusion"},
        {"pt_PT", "Kestrelpad|&add|&add|Título|Título|Radio"}}
        .value(code, "Kestrelpad|&add|&add|Title|Title|Radio");
}

QString shownTexts(const Editor &editor)
{
    return QStringList{editor.title(),
                       child(editor.window, "btnAdd")->property("text").toString(),
                       child<QAction>(editor.window, "actionAdd")->text(),
                       child(editor.window, "lblTitle")->property("text").toString(),
                       editor.table()->horizontalHeaderItem(0)->text(),
                       editor.typeCombo()->itemText(0)}
        .join('|');
}

// "text:code" per action, with the checked one marked "*".
QString languageMenu(const Editor &editor)
{
    QStringList entries;
    for (QAction *action : child<QMenu>(editor.window, "menuLanguage")->actions())
        entries << action->text() + ':' + action->data().toString() +
                       (action->isChecked() ? "*" : "");
    return entries.join(',');
}

void chooseLanguage(const Editor &editor, const QString &code)
{
    for (QAction *action : child<QMenu>(editor.window, "menuLanguage")->actions())
        if (action->data().toString() == code)
            action->trigger();
    deliverLanguageChange();
}

QByteArray storedLanguage(const QString &code)
{
    return "[Language]\nLanguage=" + code.toUtf8() + '\n';
}

// The settings file a close writes for "x y width height columnWidth language
// path", the stored width as that of both first columns unless `second` is given.
QByteArray settingsFile(const QString &read, const QString &second = {})
{
    const QStringList v = read.split(' ');
    return QString("[Kestrel]\nPathPlayList=%1\nPosition=@Point(%2 %3)\nSize=@Size(%4 %5)\n"
                   "section1Size=%6\nsection2Size=%7\n\n[Language]\nLanguage=%8\n")
        .arg(read.section(' ', 6), v[0], v[1], v[2], v[3], v[4], second.isEmpty() ? v[4] : second,
             v.value(5))
        .toUtf8();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void language_data();
    void language();
    void titleSurvivesSwitch_data();
    void titleSurvivesSwitch();
    void settingsRead_data();
    void settingsRead();
    void settingsWritten();
    void systemLanguage();
    void shippedCatalog_data();
    void shippedCatalog();

private:
    std::optional<LanguageFolder> m_languages;
};

void TestLanguages::init()
{
    answerDialogs();
    m_languages.emplace("de,fr,qt");
}

void TestLanguages::cleanup()
{
    m_languages.reset();
    QLocale::setDefault(QLocale::system());
}

// The catalogs beside the program and under ../share/kestrelpad/languages,
// the language stored and the one chosen from the menu; then Qt's own OK and
// the menu. Choosing a language that is not checked yet announces it.
void TestLanguages::language_data()
{
    QTest::addColumn<QString>("beside");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("entries");

    const QString both = "de,fr,qt";
    addRow("English stored", both, "", "en", "", "OK", "German:de,English:en*,French:fr");
    addRow("German stored", both, "", "de", "", "Gut", "German:de*,English:en,French:fr");
    addRow("English to German", both, "", "", "de", "Gut", "German:de*,English:en,French:fr");
    addRow("German to French", both, "", "de", "fr", "OK", "German:de,English:en,French:fr*");
    addRow("German to English", both, "", "de", "en", "OK", "German:de,English:en*,French:fr");
    addRow("the checked one again", both, "", "de", "de", "Gut", "German:de*,English:en,French:fr");
    addRow("in file name order", "fr,de", "", "", "fr", "OK", "German:de,English:en,French:fr*");
    addRow("installed under share", "", "fr", "", "fr", "OK", "English:en,French:fr*");
    addRow("beside the program first", "de", "de,fr", "", "de", "OK", "German:de*,English:en");
    addRow("Qt's file is no language", "qt", "fr", "", "fr", "OK", "English:en,French:fr*");
    addRow("no catalogs, English", "", "", "", "", "OK", "English:en");
    addRow("two countries, one name", "pt_PT,pt_BR", "", "", "pt_PT", "OK",
           "English:en,Portuguese:pt_BR,Portuguese:pt_PT*");
}

// The translations come from the folder the menu was built from; the menu
// keeps the languages' names in English.
void TestLanguages::language()
{
    QFETCH(QString, beside);
    QFETCH(QString, installed);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(QString, entries);
    m_languages.emplace(beside, installed);

    Editor editor(storedLanguage(stored));
    editor.window->statusBar()->clearMessage();
    if (!chosen.isEmpty())
        chooseLanguage(editor, chosen);
    const QString code = chosen.isEmpty() ? stored : chosen;
    const QString name = QRegularExpression("(\\w+):" + code + "\\*").match(entries).captured(1);
    const QString announced = code == "fr"   ? "Langue changée : %1"
                              : code == "de" ? "Sprache gewechselt: %1"
                                             : "Language changed to: %1";
    QCOMPARE(languageMenu(editor), entries);
    QCOMPARE(child<QMenu>(editor.window, "menuLanguage")->title(), QStringLiteral("Language"));
    QCOMPARE(shownTexts(editor), textsFor(code));
    QCOMPARE(editor.status(),
             !chosen.isEmpty() && chosen != stored ? announced.arg(name) : QString());
    QCOMPARE(QLocale().name(), QLocale(code).name());
    QTEST(QCoreApplication::translate("QPlatformTheme", "OK"), "ok");
}

void TestLanguages::titleSurvivesSwitch_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("expected"); // %1: the product name in French
    addRow("no document", "", false, "%1");
    addRow("changed, never saved", "", true, "* %1");
    addRow("named, unchanged", "radio.pls", false, "radio.pls - %1");
    addRow("named and changed", "radio.pls", true, "* radio.pls - %1");
    addRow("the separator in the name", "old - new.pls", true, "* old - new.pls - %1");
    addRow("a name like the product name", "Kestrelblock", true, "* Kestrelblock - %1");
}

// Otherwise Quit, New and Open would take the playlist for unchanged. The
// changes are two rows, the TV one shown: the editor keeps showing it, its
// kind and the Type cells come in the new language from the kind each keeps,
// and Delete takes it.
void TestLanguages::titleSurvivesSwitch()
{
    QFETCH(QString, fileName);
    QFETCH(bool, modified);
    QFETCH(QString, expected);
    Editor editor(storedLanguage("de"));
    if (!fileName.isEmpty())
        editor.window->setDocumentTitle(fileName);
    if (modified) {
        editor.add("One", "http://one.example/");
        editor.add("Two", "udp://two.example/", true);
        editor.clickRow(1);
    }
    chooseLanguage(editor, "fr");
    QCOMPARE(editor.title(), expected.arg("Carnet Kestrel"));
    QCOMPARE(editor.window->isModified(), modified);
    QCOMPARE(editor.window->hasDocument(), modified || !fileName.isEmpty());
    QCOMPARE(enabledActions(editor.window), modified ? 4 : 0);
    QCOMPARE(editor.entryId(), modified ? "2" : "");
    QCOMPARE(editor.typeCombo()->currentText(), modified ? "Télévision" : "Radiodiffusion");
    QCOMPARE(editor.rows(), modified ? QStringList({"One|http://one.example/|Radiodiffusion|1",
                                                    "Two|udp://two.example/|Télévision|2"})
                                     : QStringList());
    editor.run("btnDelete");
    QCOMPARE(editor.rows(),
             modified ? QStringList{"One|http://one.example/|Radiodiffusion|1"} : QStringList());
}

void TestLanguages::settingsRead_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<QString>("read");        // "x y width height columnWidth language path"

    const QString defaults = "0 0 450 260 150";
    addRow("first start", QByteArray(), defaults);
    addRow("everything stored",
           QByteArray("[Language]\nLanguage=fr\n[Kestrel]\nPosition=@Point(60 70)\n"
                      "Size=@Size(520 310)\nsection1Size=111\nsection2Size=99\n"
                      "PathPlayList=/home/J\xc3\xbcrgen/My Lists\n"),
           "60 70 520 310 111 fr /home/Jürgen/My Lists");
    addRow("a language without a file", storedLanguage("es"), defaults + " es");
    addRow("codes are compared with case", storedLanguage("DE"), defaults + " DE");
    addRow("values that do not convert",
           QByteArray("[Kestrel]\nPosition=@Point(12 34)\nSize=big\nsection1Size=wide\n"),
           "12 34 450 260 150");
    addRow("sizes of nothing", QByteArray("[Kestrel]\nSize=@Size(0 0)\nsection1Size=0\n"),
           defaults);
    // A place on no screen (a monitor removed since) moves to the primary one.
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    addRow("partly on the screen", QByteArray("[Kestrel]\nPosition=@Point(-400 0)\n"),
           QString("-400 0 450 260 150"));
    addRow("on no screen", QByteArray("[Kestrel]\nPosition=@Point(-3000 9000)\n"),
           QString("%1 %2 450 260 150").arg(screen.x()).arg(screen.y()));
}

// Read before the window shows; the window's place and size and the widths of
// the first two columns, which the stored width sets both, are what the close
// writes back (settingsWritten shows that the close writes what it finds).
void TestLanguages::settingsRead()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, read);

    Editor editor(contents, false);
    QCOMPARE(languageMenu(editor).contains("French:fr*"), read.section(' ', 5, 5) == "fr");
    QCOMPARE(QFile::exists("settings.ini"), !contents.isNull()); // reading creates nothing

    QVERIFY(editor.window->close());
    QCOMPARE(bytesOf("settings.ini"), settingsFile(read));
}

void TestLanguages::settingsWritten()
{
    Editor editor(storedLanguage("de"), false);
    chooseLanguage(editor, "en"); // English needs no catalog, yet is stored
    editor.window->move(40, 50);
    editor.window->resize(500, 300);
    editor.table()->horizontalHeader()->resizeSection(0, 123);
    editor.table()->horizontalHeader()->resizeSection(1, 77);
    QVERIFY(editor.window->close());

    QCOMPARE(bytesOf("settings.ini"), settingsFile("40 50 500 300 123 en", "77"));
}

// The suite runs this once more under LC_ALL=fr_CA.UTF-8. A change of the
// system locale takes over the texts; the chosen language stays chosen.
void TestLanguages::systemLanguage()
{
    const QString system = QLocale::system().name();
    if (system != "C" && system != "fr_CA")
        QSKIP("written for the C and fr_CA locales");
    const QString code = system == "C" ? "" : "fr";
    {
        Editor editor;
        QCOMPARE(shownTexts(editor), textsFor(code));
        QCOMPARE(languageMenu(editor).contains("French:fr*"), !code.isEmpty());
        QVERIFY(editor.window->close());
        QVERIFY(bytesOf("settings.ini").endsWith("\nLanguage=" + code.toUtf8() + '\n'));
    }
    Editor editor(storedLanguage("de"));
    editor.window->setDocumentTitle("radio.pls");
    editor.window->setModified();
    QEvent localeChange(QEvent::LocaleChange);
    QCoreApplication::sendEvent(editor.window, &localeChange);
    deliverLanguageChange();

    QCOMPARE(shownTexts(editor), "* radio.pls - " + textsFor(code));
    QVERIFY(languageMenu(editor).contains("German:de*"));
    QCOMPARE(QLocale().name(), QLocale("de").name());
    editor.window->setDocumentTitle("radio.pls");
    QVERIFY(editor.window->close());
    QVERIFY(bytesOf("settings.ini").endsWith("\nLanguage=de\n"));
}

void TestLanguages::shippedCatalog_data()
{
    QTest::addColumn<QString>("code");
    const QStringList files = QDir(KESTREL_SOURCE_DIR "/languages").entryList({"Kestrel_*.ts"});
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file.mid(8).chopped(3);
}

// Every message translated, with the placeholders of its source and, for a
// shortcut, the same keys; and the catalog beside the built program
// loadable, with Qt's own.
void TestLanguages::shippedCatalog()
{
    QFETCH(QString, code);

    QFile file(KESTREL_SOURCE_DIR "/languages/Kestrel_" + code + ".ts");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    static const QRegularExpression shortcut("^(Ctrl|Shift|Alt|Meta)\\+.+|^Del$");
    // Numerus forms come as one text, so each placeholder counts once.
    const auto placeholders = [](const QString &text) {
        QSet<QString> marks;
        for (const auto &match : QRegularExpression("%(\\d+|n)").globalMatch(text))
            marks << match.captured();
        return marks;
    };
    QString source;
    bool numerus = false;
    int translated = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("TS"))
            QCOMPARE(xml.attributes().value("language").toString(), code);
        if (xml.name() == QLatin1String("message"))
            numerus = xml.attributes().value("numerus") == QLatin1String("yes");
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        if (xml.name() != QLatin1String("translation"))
            continue;
        const bool finished = !xml.attributes().hasAttribute("type");
        QString translation = numerus ? QString() : xml.readElementText();
        while (numerus && xml.readNextStartElement())
            translation += xml.readElementText() + ' ';
        const QByteArray pair = (source + " -> " + translation).toUtf8();
        QVERIFY2(finished && !translation.trimmed().isEmpty(), pair.constData());
        QVERIFY2(placeholders(translation) == placeholders(source), pair.constData());
        // The same keys in every language: the hands know them, not the eyes.
        if (shortcut.match(source).hasMatch())
            QVERIFY2(QKeySequence(translation, QKeySequence::PortableText) ==
                         QKeySequence(source, QKeySequence::PortableText),
                     pair.constData());
        ++translated;
    }
    QVERIFY2(!xml.hasError() && translated > 0, qPrintable(xml.errorString()));

    QTranslator program, qt;
    QVERIFY(program.load("Kestrel_" + code, KESTREL_LANGUAGES_DIR));
    QVERIFY(!program.translate("MainWindow", "&File").isEmpty());
    if (!QString(KESTREL_QT_LANGUAGE_CODES).split(',').contains(code))
        QSKIP("Qt's own translations were not found when the build was configured");
    // In Qt 6 qt_<code>.qm only names the catalogs it needs, and loads only
    // when they were copied beside it.
    QVERIFY(qt.load("qt_" + code, KESTREL_LANGUAGES_DIR));
    QVERIFY(!QStringList({"", "Cancel"}).contains(qt.translate("QPlatformTheme", "Cancel")));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
