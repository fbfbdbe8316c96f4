// The Language menu: its actions from the translation files, switching the
// language at run time, and what a switch must leave alone in the window.

#include "languagetest.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/playlisttable.h"
#include "windowtest.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace LanguageTest;
using WindowTest::child;

namespace {

// Counts the language changes that reach a window.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

const QStringList StandardFiles{QStringLiteral("Kestrel_de.qm"), QStringLiteral("Kestrel_fr.qm"),
                                QStringLiteral("qt_de.qm")};

} // namespace

class TestLanguageMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void actions_data();
    void actions();
    void checkedAtStart_data();
    void checkedAtStart();
    void languageFolder_data();
    void languageFolder();
    void startsInStoredLanguage();
    void switching_data();
    void switching();
    void sameLanguageAgain();
    void titleSurvivesSwitch_data();
    void titleSurvivesSwitch();
    void editorSurvivesSwitch();
    void typeCellsFollowLanguage();

private:
    MainWindow *openWindow(const QString &storedLanguage);
    void addEntry(const QString &title, const QString &address, bool tv);
    QStringList enabledDocumentActions() const;

    std::unique_ptr<WindowTest::ScratchDir> m_dir;
    std::unique_ptr<LanguageFolder> m_languages;
    std::unique_ptr<MainWindow> m_window;
};

void TestLanguageMenu::init()
{
    m_dir = std::make_unique<WindowTest::ScratchDir>();
}

void TestLanguageMenu::cleanup()
{
    m_window.reset();
    m_languages.reset();
    m_dir.reset();
    QLocale::setDefault(QLocale::c());
}

// The stored language goes through the settings file, as at a real start.
MainWindow *TestLanguageMenu::openWindow(const QString &storedLanguage)
{
    if (!m_languages)
        m_languages = std::make_unique<LanguageFolder>(StandardFiles);
    writeLanguageSetting(storedLanguage);
    m_window = std::make_unique<MainWindow>();
    deliverLanguageChange();
    return m_window.get();
}

void TestLanguageMenu::addEntry(const QString &title, const QString &address, bool tv)
{
    child<QLineEdit>(m_window.get(), "leditTitle")->setText(title);
    child<QLineEdit>(m_window.get(), "leditURL")->setText(address);
    child<QComboBox>(m_window.get(), "comboType")->setCurrentIndex(tv ? 1 : 0);
    child<QPushButton>(m_window.get(), "btnAdd")->click();
}

QStringList TestLanguageMenu::enabledDocumentActions() const
{
    QStringList names;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        if (child<QAction>(m_window.get(), name)->isEnabled())
            names << QString::fromLatin1(name);
    return names;
}

void TestLanguageMenu::actions_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("German and French, in the order of the file names")
        << QStringList{"Kestrel_fr.qm", "Kestrel_de.qm"} << QStringList{"German", "French"}
        << QStringList{"de", "fr"};
    QTest::newRow("two countries of one language: the same text twice")
        << QStringList{"Kestrel_pt_PT.qm", "Kestrel_pt_BR.qm"}
        << QStringList{"Portuguese", "Portuguese"} << QStringList{"pt_BR", "pt_PT"};
    QTest::newRow("Qt's own translation is no language of the program")
        << QStringList{"qt_de.qm", "Kestrel_de.qm"} << QStringList{"German"} << QStringList{"de"};
    QTest::newRow("an empty folder gives an empty menu")
        << QStringList{} << QStringList{} << QStringList{};
}

void TestLanguageMenu::actions()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, codes);

    m_languages = std::make_unique<LanguageFolder>(files);
    MainWindow *window = openWindow(QString());
    auto *menu = child<QMenu>(window, "menuLanguage");

    QStringList actualTexts;
    QStringList actualCodes;
    for (QAction *action : menu->actions()) {
        actualTexts << action->text();
        actualCodes << action->data().toString();
        QVERIFY(action->isCheckable());
        QCOMPARE(action->parent(), window);
        QVERIFY(action->actionGroup());
        QCOMPARE(action->actionGroup()->parent(), menu);
        QVERIFY(action->actionGroup()->isExclusive());
        QCOMPARE(action->actionGroup(), menu->actions().constFirst()->actionGroup());
    }
    QCOMPARE(actualTexts, texts);
    QCOMPARE(actualCodes, codes);
    QCOMPARE(menu->title(), QStringLiteral("Language"));
}

void TestLanguageMenu::checkedAtStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checked");

    QTest::newRow("German") << "de"
                            << "de";
    QTest::newRow("French") << "fr"
                            << "fr";
    QTest::newRow("a language without a file") << "es"
                                               << "none";
    QTest::newRow("codes are compared with case") << "DE"
                                                  << "none";
    QTest::newRow("no language") << ""
                                 << "none";
}

void TestLanguageMenu::checkedAtStart()
{
    QFETCH(QString, stored);
    QFETCH(QString, checked);

    MainWindow *window = openWindow(stored);
    QCOMPARE(checkedLanguage(window), checked);
}

void TestLanguageMenu::languageFolder_data()
{
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("beside the program")
        << QStringList{"Kestrel_de.qm"} << QStringList{} << QStringList{"de"};
    QTest::newRow("installed under share")
        << QStringList{} << QStringList{"Kestrel_fr.qm"} << QStringList{"fr"};
    QTest::newRow("beside the program comes first")
        << QStringList{"Kestrel_de.qm"} << QStringList{"Kestrel_de.qm", "Kestrel_fr.qm"}
        << QStringList{"de"};
    QTest::newRow("Qt's file alone does not make a languages folder")
        << QStringList{"qt_de.qm"} << QStringList{"Kestrel_fr.qm"} << QStringList{"fr"};
}

void TestLanguageMenu::languageFolder()
{
    QFETCH(QStringList, beside);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, codes);

    m_languages = std::make_unique<LanguageFolder>(beside);
    m_languages->addFiles(installed, Layout::Installed);
    MainWindow *window = openWindow(QString());

    QStringList actualCodes;
    for (QAction *action : languageActions(window))
        actualCodes << action->data().toString();
    QCOMPARE(actualCodes, codes);

    // The translation is loaded from the folder the menu was built from.
    chooseLanguage(window, codes.constLast());
    QCOMPARE(window->windowTitle(), textsFor(codes.constLast()).product);
}

void TestLanguageMenu::startsInStoredLanguage()
{
    MainWindow *window = openWindow(QStringLiteral("de"));
    const Texts german = textsFor(QStringLiteral("de"));

    QCOMPARE(window->windowTitle(), german.product);
    QCOMPARE(child<QPushButton>(window, "btnAdd")->text(), german.add);
    QCOMPARE(child<QLabel>(window, "lblTitle")->text(), german.title);
    QCOMPARE(child<QTableWidget>(window, "tableFile")->horizontalHeaderItem(0)->text(),
             german.title);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("Gut"));
    // The stored language is announced in that language too.
    QCOMPARE(child<QStatusBar>(window, "statusBar")->currentMessage(),
             german.status.arg(QStringLiteral("German")));
    QVERIFY(!window->hasDocument());
    QVERIFY(!window->isModified());
}

void TestLanguageMenu::switching_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QString>("qtOk");

    QTest::newRow("English to German") << ""
                                       << "de"
                                       << "German"
                                       << "Gut";
    QTest::newRow("German to French, which has no Qt file") << "de"
                                                            << "fr"
                                                            << "French"
                                                            << "OK";
    QTest::newRow("French to German") << "fr"
                                      << "de"
                                      << "German"
                                      << "Gut";
}

void TestLanguageMenu::switching()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, languageName);
    QFETCH(QString, qtOk);

    MainWindow *window = openWindow(from);
    chooseLanguage(window, to);
    const Texts texts = textsFor(to);

    QCOMPARE(checkedLanguage(window), to);
    QCOMPARE(window->windowTitle(), texts.product);
    QCOMPARE(child<QPushButton>(window, "btnAdd")->text(), texts.add);
    QCOMPARE(child<QAction>(window, "actionAdd")->text(), texts.add);
    QCOMPARE(child<QLabel>(window, "lblTitle")->text(), texts.title);
    QCOMPARE(child<QComboBox>(window, "comboType")->itemText(0), texts.radio);
    QCOMPARE(child<QTableWidget>(window, "tableFile")->horizontalHeaderItem(0)->text(),
             texts.title);
    QCOMPARE(child<QStatusBar>(window, "statusBar")->currentMessage(),
             texts.status.arg(languageName));
    QCOMPARE(QLocale().name(), QLocale(to).name());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), qtOk);
    // The menu keeps the languages' own names in English.
    QCOMPARE(languageAction(window, to)->text(), languageName);
    QCOMPARE(child<QMenu>(window, "menuLanguage")->title(), QStringLiteral("Language"));
}

void TestLanguageMenu::sameLanguageAgain()
{
    MainWindow *window = openWindow(QStringLiteral("de"));
    auto *statusBar = child<QStatusBar>(window, "statusBar");
    statusBar->clearMessage();
    LanguageChangeCounter counter;
    window->installEventFilter(&counter);

    chooseLanguage(window, QStringLiteral("de"));

    QCOMPARE(counter.count, 0);
    QCOMPARE(statusBar->currentMessage(), QString());
    QCOMPARE(checkedLanguage(window), QStringLiteral("de"));
    QCOMPARE(window->windowTitle(), textsFor(QStringLiteral("de")).product);
}

void TestLanguageMenu::titleSurvivesSwitch_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("expected"); // %1: the product name in French

    QTest::newRow("no document") << "" << false << "%1";
    QTest::newRow("changed, never saved") << "" << true << "* %1";
    QTest::newRow("named, unchanged") << "radio.pls" << false << "radio.pls - %1";
    QTest::newRow("named and changed") << "radio.pls" << true << "* radio.pls - %1";
    QTest::newRow("a name with the separator in it")
        << "old - new.pls" << true << "* old - new.pls - %1";
    QTest::newRow("a name like the product name")
        << "Kestrelblock" << true << "* Kestrelblock - %1";
}

void TestLanguageMenu::titleSurvivesSwitch()
{
    QFETCH(QString, fileName);
    QFETCH(bool, modified);
    QFETCH(QString, expected);

    MainWindow *window = openWindow(QStringLiteral("de"));
    if (!fileName.isEmpty())
        window->setDocumentTitle(fileName);
    if (modified)
        window->setModified();
    const QStringList actionsBefore = enabledDocumentActions();

    chooseLanguage(window, QStringLiteral("fr"));

    QCOMPARE(window->windowTitle(), expected.arg(textsFor(QStringLiteral("fr")).product));
    QCOMPARE(window->isModified(), modified);
    QCOMPARE(window->hasDocument(), modified || !fileName.isEmpty());
    QCOMPARE(enabledDocumentActions(), actionsBefore);
}

void TestLanguageMenu::editorSurvivesSwitch()
{
    MainWindow *window = openWindow(QStringLiteral("de"));
    addEntry(QStringLiteral("One"), QStringLiteral("http://one.example/"), false);
    addEntry(QStringLiteral("Two"), QStringLiteral("udp://two.example/"), true);
    auto *table = child<QTableWidget>(window, "tableFile");
    emit table->clicked(table->model()->index(1, 0));
    auto *entryId = child<QLabel>(window, "lblEntryID");
    auto *kind = child<QComboBox>(window, "comboType");
    const QString idBefore = entryId->text();
    QVERIFY(!idBefore.isEmpty());
    QCOMPARE(kind->currentIndex(), 1);

    chooseLanguage(window, QStringLiteral("fr"));

    QCOMPARE(entryId->text(), idBefore);
    QCOMPARE(kind->currentIndex(), 1);
    QCOMPARE(kind->currentText(), textsFor(QStringLiteral("fr")).tv);
    QVERIFY(window->isModified());

    // Delete still knows its row.
    child<QPushButton>(window, "btnDelete")->click();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("One"));
}

void TestLanguageMenu::typeCellsFollowLanguage()
{
    MainWindow *window = openWindow(QStringLiteral("de"));
    addEntry(QStringLiteral("Radio station"), QStringLiteral("http://radio.example/"), false);
    addEntry(QStringLiteral("TV station"), QStringLiteral("http://tv.example/"), true);
    auto *table = child<QTableWidget>(window, "tableFile");
    const Texts german = textsFor(QStringLiteral("de"));
    QCOMPARE(table->item(0, PlaylistTable::TypeColumn)->text(), german.radio);
    QCOMPARE(table->item(1, PlaylistTable::TypeColumn)->text(), german.tv);

    for (const QString &code : {QStringLiteral("fr"), QStringLiteral("de")}) {
        chooseLanguage(window, code);
        const Texts texts = textsFor(code);
        QCOMPARE(table->item(0, PlaylistTable::TypeColumn)->text(), texts.radio);
        QCOMPARE(table->item(1, PlaylistTable::TypeColumn)->text(), texts.tv);
        QCOMPARE(table->item(0, PlaylistTable::TypeColumn)->data(PlaylistTable::KindRole).toInt(),
                 int(PlaylistTable::Radio));
        QCOMPARE(table->item(1, PlaylistTable::TypeColumn)->data(PlaylistTable::KindRole).toInt(),
                 int(PlaylistTable::TV));
    }
}

QTEST_MAIN(TestLanguageMenu)
#include "tst_languagemenu.moc"
