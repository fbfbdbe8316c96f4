// Languages and settings: the Language menu built from the translation files,
// switching at run time and what a switch must leave alone, the system's
// language, the settings file read at start and written at close, and the
// translations that ship with the program.

#include "editortest.h"

#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace EditorTest;

namespace {

// While it lives, the window takes a folder of the test's own for the
// program's: `beside` go from the tests' compiled translations into its
// "languages" folder, `installed` into ../share/kestrelpad/languages.
class LanguageFolder
{
public:
    explicit LanguageFolder(const QStringList &beside, const QStringList &installed = {})
    {
        for (const auto &[files, folder] : {std::pair{beside, "bin/languages"},
                                            std::pair{installed, "share/kestrelpad/languages"}}) {
            QDir(m_root.path()).mkpath(folder);
            for (const QString &file : files)
                if (!QFile::copy(TEST_LANGUAGES_DIR "/" + file,
                                 m_root.filePath(folder) + '/' + file))
                    qFatal("cannot copy %s", qPrintable(file));
        }
        MainWindow::setLanguageSearchBase(m_root.filePath("bin"));
    }
    ~LanguageFolder() { MainWindow::setLanguageSearchBase(QString()); }

private:
    QTemporaryDir m_root;
};

// What the tests' translations (tests/data/languages) say: the product name,
// Add (button and action), Title (label and column), Radio, and the message
// after a change of language.
QStringList textsFor(const QString &code)
{
    const QStringList t =
        QMap<QString, QStringList>{
            {"", {"Kestrelpad", "&add", "Title", "Radio", "Language changed to: %1"}},
            {"en", {"Kestrelpad", "&add", "Title", "Radio", "Language changed to: %1"}},
            {"de", {"Kestrelblock", "&Hinzufügen", "Titel", "Funk", "Sprache gewechselt: %1"}},
            {"fr",
             {"Carnet Kestrel", "A&jouter", "Titre", "Radiodiffusion", "Langue changée : %1"}},
            {"pt_PT", {"Kestrelpad", "&add", "Título", "Radio", "Language changed to: %1"}},
        }
            .value(code);
    return {t.value(0), t.value(1), t.value(1), t.value(2), t.value(2), t.value(3), t.value(4)};
}

QStringList shownTexts(const Editor &editor)
{
    return {editor.title(),
            child(editor.window, "btnAdd")->property("text").toString(),
            child<QAction>(editor.window, "actionAdd")->text(),
            child(editor.window, "lblTitle")->property("text").toString(),
            editor.table()->horizontalHeaderItem(0)->text(),
            editor.typeCombo()->itemText(0),
            editor.status()};
}

// "text:code" per action, with the checked one marked "*".
QStringList languageMenu(const Editor &editor)
{
    QStringList entries;
    for (QAction *action : child<QMenu>(editor.window, "menuLanguage")->actions())
        entries << action->text() + ':' + action->data().toString() +
                       (action->isChecked() ? "*" : "");
    return entries;
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

// The window's groups of the settings file in the working folder, as
// "group/key=value" in file order; what else a user's file held stays there.
QStringList storedSettings()
{
    QStringList lines;
    QString group;
    for (const QByteArray &line : bytesOf("settings.ini").split('\n')) {
        if (line.startsWith('['))
            group = line.mid(1, line.size() - 2) + '/';
        else if (!line.isEmpty())
            lines << group + QString::fromUtf8(line);
    }
    return lines.filter(QRegularExpression("^(Kestrel|Language)/[^=]"));
}

// The stored lines for `read`: "x y width height columnWidth language path".
QStringList settingsLines(const QString &read)
{
    const QStringList v = read.split(' ');
    return {"Kestrel/PathPlayList=" + read.section(' ', 6),
            "Kestrel/Position=@Point(" + v[0] + ' ' + v[1] + ')',
            "Kestrel/Size=@Size(" + v[2] + ' ' + v[3] + ')',
            "Kestrel/section1Size=" + v[4],
            "Kestrel/section2Size=" + v[4],
            "Language/Language=" + v.value(5)};
}

// The placeholders of a text; numerus forms come as one text, so each counts
// once.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder("%(\\d+|n)");
    QStringList marks;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        marks << match.captured();
    marks.sort();
    marks.removeDuplicates();
    return marks;
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
    void editorSurvivesSwitch();
    void settingsRead_data();
    void settingsRead();
    void settingsWritten();
    void englishRestored();
    void systemLanguage();
    void shippedCatalog_data();
    void shippedCatalog();

private:
    std::unique_ptr<LanguageFolder> m_languages;
};

void TestLanguages::init()
{
    m_languages =
        std::make_unique<LanguageFolder>(QStringList{"Kestrel_de.qm", "Kestrel_fr.qm", "qt_de.qm"});
}

void TestLanguages::cleanup()
{
    m_languages.reset();
    QLocale::setDefault(QLocale::system());
}

// The catalogs beside the program and under ../share/kestrelpad/languages
// ("qt" is Qt's own German one), the language stored and the one chosen from
// the menu; then Qt's own OK, whether the status bar announces the language,
// and the menu ("*" checked).
void TestLanguages::language_data()
{
    addRows({
        // case                    beside      installed stored chosen qt said menu
        "German stored:            de,fr,qt    -     de  -     Gut yes "
        "German:de*,English:en,French:fr",
        "English to German:        de,fr,qt    -     -   de    Gut yes "
        "German:de*,English:en,French:fr",
        "German to French:         de,fr,qt    -     de  fr    OK  yes "
        "German:de,English:en,French:fr*",
        "German to English:        de,fr,qt    -     de  en    OK  yes "
        "German:de,English:en*,French:fr",
        "the checked one again:    de,fr,qt    -     de  de    Gut no  "
        "German:de*,English:en,French:fr",
        "in file name order:       fr,de       -     -   fr    OK  yes "
        "German:de,English:en,French:fr*",
        "installed under share:    -           fr    -   fr    OK  yes English:en,French:fr*",
        "beside the program first: de          de,fr -   de    OK  yes German:de*,English:en",
        "Qt's file is no language: qt          fr    -   fr    OK  yes English:en,French:fr*",
        "no catalogs, English:     -           -     -   -     OK  no  English:en",
        "two countries, one name:  pt_PT,pt_BR -     -   pt_PT OK  yes "
        "English:en,Portuguese:pt_BR,Portuguese:pt_PT*",
    });
}

// The translations come from the folder the menu was built from; the menu
// keeps the languages' names in English.
void TestLanguages::language()
{
    QFETCH(QStringList, c);
    const auto files = [](const QString &codes) {
        QStringList names;
        for (const QString &code : codes.split(',', Qt::SkipEmptyParts))
            names << (code == "qt" ? "qt_de.qm" : "Kestrel_" + code + ".qm");
        return names;
    };
    m_languages.reset();
    m_languages = std::make_unique<LanguageFolder>(files(c[0]), files(c[1]));

    Editor editor(storedLanguage(c[2]));
    auto *menu = child<QMenu>(editor.window, "menuLanguage");
    for (QAction *action : menu->actions()) {
        QVERIFY(action->isCheckable());
        QCOMPARE(action->parent(), editor.window);
        QCOMPARE(action->actionGroup(), menu->actions().constFirst()->actionGroup());
        QCOMPARE(action->actionGroup()->parent(), menu);
        QVERIFY(action->actionGroup()->isExclusive());
    }
    if (!c[3].isEmpty()) {
        editor.window->statusBar()->clearMessage();
        chooseLanguage(editor, c[3]);
    }
    const QString code = c[3].isEmpty() ? c[2] : c[3];
    const QString name = QRegularExpression("(\\w+):" + code + "\\*").match(c[6]).captured(1);
    QStringList texts = textsFor(code);
    texts.last() = c[5] == "yes" ? texts.last().arg(name) : QString();
    QCOMPARE(languageMenu(editor).join(','), c[6]);
    QCOMPARE(menu->title(), QStringLiteral("Language"));
    QCOMPARE(shownTexts(editor), texts);
    QCOMPARE(QLocale().name(), QLocale(code).name());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), c[4]);
}

void TestLanguages::titleSurvivesSwitch_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("expected"); // %1: the product name in French

    QTest::newRow("no document") << "" << false << "%1";
    QTest::newRow("changed, never saved") << "" << true << "* %1";
    QTest::newRow("named, unchanged") << "radio.pls" << false << "radio.pls - %1";
    QTest::newRow("named and changed") << "radio.pls" << true << "* radio.pls - %1";
    QTest::newRow("the separator in the name") << "old - new.pls" << true << "* old - new.pls - %1";
    QTest::newRow("a name like the product name")
        << "Kestrelblock" << true << "* Kestrelblock - %1";
}

// Otherwise Quit, New and Open would take the playlist for unchanged.
void TestLanguages::titleSurvivesSwitch()
{
    QFETCH(QString, fileName);
    QFETCH(bool, modified);
    QFETCH(QString, expected);

    Editor editor(storedLanguage("de"));
    if (!fileName.isEmpty())
        editor.window->setDocumentTitle(fileName);
    if (modified)
        editor.window->setModified();
    const QStringList actions = editor.enabledActions();
    chooseLanguage(editor, "fr");

    QCOMPARE(editor.title(), expected.arg("Carnet Kestrel"));
    QCOMPARE(editor.window->isModified(), modified);
    QCOMPARE(editor.window->hasDocument(), modified || !fileName.isEmpty());
    QCOMPARE(editor.enabledActions(), actions);
}

// The row Delete takes, the kind being edited, and the Type cells in the
// new language from the kind each keeps.
void TestLanguages::editorSurvivesSwitch()
{
    Editor editor(storedLanguage("de"));
    editor.add("One", "http://one.example/");
    editor.add("Two", "udp://two.example/", true);
    editor.clickRow(1);
    chooseLanguage(editor, "fr");

    QCOMPARE(editor.entryId(), QStringLiteral("2"));
    QCOMPARE(editor.typeCombo()->currentText(), QStringLiteral("Télévision"));
    QCOMPARE(editor.rows(), QStringList({"One|http://one.example/|Radiodiffusion|1",
                                         "Two|udp://two.example/|Télévision|2"}));
    QVERIFY(editor.window->isModified());
    editor.run("btnDelete");
    QCOMPARE(editor.titles(), QStringList{"One"});
}

void TestLanguages::settingsRead_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<QString>("read");        // "x y width height columnWidth language path"

    const QString defaults = "0 0 450 260 150";
    QTest::newRow("first start") << QByteArray() << defaults;
    QTest::newRow("everything stored")
        << QByteArray("[Language]\nLanguage=fr\n[Kestrel]\nPosition=@Point(60 70)\n"
                      "Size=@Size(520 310)\nsection1Size=111\nsection2Size=99\n"
                      "PathPlayList=/home/J\xc3\xbcrgen/My Lists\n")
        << "60 70 520 310 111 fr /home/Jürgen/My Lists";
    QTest::newRow("a language without a file") << storedLanguage("es") << defaults + " es";
    QTest::newRow("codes are compared with case") << storedLanguage("DE") << defaults + " DE";
    QTest::newRow("CRLF line ends")
        << QByteArray("[Kestrel]\r\nPosition=@Point(5 6)\r\nSize=@Size(400 280)\r\n")
        << "5 6 400 280 150";
    QTest::newRow("not text at all")
        << QByteArray("\x00\xff\xfe\x01[[[\x00===\n\xc3", 13) << defaults;
    QTest::newRow("values that do not convert")
        << QByteArray("[Kestrel]\nPosition=here\nSize=big\nsection1Size=wide\n") << defaults;
    QTest::newRow("sizes of nothing")
        << QByteArray("[Kestrel]\nSize=@Size(0 0)\nsection1Size=0\n") << defaults;
    QTest::newRow("good values beside broken lines")
        << QByteArray("[Kestrel]\n=\nPosition=@Point(12 34)\n%%%\nSize\n") << "12 34 450 260 150";

    // A place on no screen (a monitor removed since) moves to the primary one.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QList<QPair<QPoint, bool>> places{{screen.topLeft() + QPoint(20, 30), true},
                                            {screen.bottomRight() + QPoint(2000, 2000), false},
                                            {QPoint(screen.left() - 3000, screen.top()), false},
                                            {screen.topLeft() - QPoint(400, 0), true}};
    for (const auto &[place, visible] : places) {
        const QPoint shown = visible ? place : screen.topLeft();
        QTest::addRow("at %d,%d", place.x(), place.y())
            << QStringLiteral("[Kestrel]\nPosition=@Point(%1 %2)\n")
                   .arg(place.x())
                   .arg(place.y())
                   .toUtf8()
            << QStringLiteral("%1 %2 450 260 150").arg(shown.x()).arg(shown.y());
    }
}

// Read before the window shows; what was read comes back at the next close,
// the stored width as that of both first columns.
void TestLanguages::settingsRead()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, read);

    Editor editor(contents, false);
    QHeaderView *header = editor.table()->horizontalHeader();
    const QRect frame(editor.window->pos(), editor.window->size());
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                 .arg(frame.x())
                 .arg(frame.y())
                 .arg(frame.width())
                 .arg(frame.height())
                 .arg(header->defaultSectionSize())
                 .arg(header->sectionSize(0))
                 .arg(header->sectionSize(1)),
             read.section(' ', 0, 4) + ' ' + read.section(' ', 4, 4) + ' ' +
                 read.section(' ', 4, 4));
    QCOMPARE(languageMenu(editor).filter("*").join(""),
             read.section(' ', 5, 5) == "fr" ? "French:fr*" : "");
    QCOMPARE(QFile::exists("settings.ini"), !contents.isNull()); // reading creates nothing

    QVERIFY(editor.window->close());
    QCOMPARE(storedSettings(), settingsLines(read));
}

void TestLanguages::settingsWritten()
{
    Editor editor(storedLanguage("de"), false);
    chooseLanguage(editor, "fr");
    editor.window->move(40, 50);
    editor.window->resize(500, 300);
    editor.table()->horizontalHeader()->resizeSection(0, 123);
    editor.table()->horizontalHeader()->resizeSection(1, 77);
    QVERIFY(editor.window->close());

    QStringList expected = settingsLines("40 50 500 300 123 fr");
    expected[4] = "Kestrel/section2Size=77";
    QCOMPARE(storedSettings(), expected);
}

// English needs no catalog: chosen after German, it is stored and comes
// back at the next start.
void TestLanguages::englishRestored()
{
    QByteArray stored;
    {
        Editor editor(storedLanguage("de"));
        chooseLanguage(editor, "en");
        QVERIFY(editor.window->close());
        stored = bytesOf(editor.path("settings.ini"));
    }
    Editor editor(stored);
    QCOMPARE(languageMenu(editor).filter("*").join(""), QStringLiteral("English:en*"));
    QCOMPARE(shownTexts(editor), QStringList(textsFor("en")).replaceInStrings("%1", "English"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
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
        QCOMPARE(shownTexts(editor).mid(0, 6), textsFor(code).mid(0, 6));
        QCOMPARE(languageMenu(editor).filter("*").join(""), code.isEmpty() ? "" : "French:fr*");
        QVERIFY(editor.window->close());
        QCOMPARE(storedSettings().constLast(), "Language/Language=" + code);
    }
    Editor editor(storedLanguage("de"));
    editor.window->setDocumentTitle("radio.pls");
    editor.window->setModified();
    QEvent localeChange(QEvent::LocaleChange);
    QCoreApplication::sendEvent(editor.window, &localeChange);
    deliverLanguageChange();

    QCOMPARE(shownTexts(editor).mid(1, 5), textsFor(code).mid(1, 5));
    QCOMPARE(editor.title(), "* radio.pls - " + textsFor(code).first());
    QCOMPARE(languageMenu(editor).filter("*").join(""), QStringLiteral("German:de*"));
    QCOMPARE(QLocale().name(), QLocale("de").name());
    editor.window->setDocumentTitle("radio.pls");
    QVERIFY(editor.window->close());
    QCOMPARE(storedSettings().constLast(), QStringLiteral("Language/Language=de"));
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
// shortcut, one that works; and the catalog beside the built program
// loadable, with Qt's own.
void TestLanguages::shippedCatalog()
{
    QFETCH(QString, code);

    QFile file(KESTREL_SOURCE_DIR "/languages/Kestrel_" + code + ".ts");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    static const QRegularExpression shortcut("^(Ctrl|Shift|Alt|Meta)\\+.+|^Del$");
    QMap<QString, QString> translated;
    QString source;
    bool numerus = false;
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
        const QKeySequence keys(translation, QKeySequence::PortableText);
        if (shortcut.match(source).hasMatch())
            QVERIFY2(keys.count() == 1 && keys[0].key() != Qt::Key_unknown, pair.constData());
        translated.insert(source, translation);
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(!translated.isEmpty());

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
