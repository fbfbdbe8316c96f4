// The system's language: the language of a first start, and a change of the
// system locale while the program runs. The suite runs this program once per
// locale (LC_ALL); each row checks the locale it was written for and skips
// under the others.

#include "languagetest.h"
#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

using namespace LanguageTest;
using WindowTest::child;

class TestSystemLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStart_data();
    void firstStart();
    void localeChange_data();
    void localeChange();

private:
    void addLocaleRows();
    MainWindow *openWindow();
    QString storedLanguageAfterClose();

    std::unique_ptr<WindowTest::ScratchDir> m_dir;
    std::unique_ptr<LanguageFolder> m_languages;
    std::unique_ptr<MainWindow> m_window;
};

void TestSystemLanguage::init()
{
    m_dir = std::make_unique<WindowTest::ScratchDir>();
    m_languages = std::make_unique<LanguageFolder>(
        QStringList{QStringLiteral("Kestrel_de.qm"), QStringLiteral("Kestrel_fr.qm")});
}

void TestSystemLanguage::cleanup()
{
    m_window.reset();
    m_languages.reset();
    m_dir.reset();
    QLocale::setDefault(QLocale::system());
}

void TestSystemLanguage::addLocaleRows()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("the C locale has no language code") << "C"
                                                       << "";
    QTest::newRow("French as spoken in Canada") << "fr_CA"
                                                << "fr";
}

MainWindow *TestSystemLanguage::openWindow()
{
    m_window = std::make_unique<MainWindow>();
    deliverLanguageChange();
    return m_window.get();
}

QString TestSystemLanguage::storedLanguageAfterClose()
{
    if (!m_window->close())
        return QStringLiteral("(window did not close)");
    m_window.reset();
    return QSettings(QStringLiteral("settings.ini"), QSettings::IniFormat)
        .value(QStringLiteral("Language/Language"))
        .toString();
}

void TestSystemLanguage::firstStart_data()
{
    addLocaleRows();
}

void TestSystemLanguage::firstStart()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    if (QLocale::system().name() != locale)
        QSKIP("written for another system locale");

    MainWindow *window = openWindow();
    QCOMPARE(checkedLanguage(window), code.isEmpty() ? QStringLiteral("none") : code);
    QCOMPARE(window->windowTitle(), textsFor(code).product);
    QCOMPARE(storedLanguageAfterClose(), code);
}

void TestSystemLanguage::localeChange_data()
{
    addLocaleRows();
}

// The system's language takes over the texts; the chosen language stays
// chosen, in the menu and in the settings.
void TestSystemLanguage::localeChange()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    if (QLocale::system().name() != locale)
        QSKIP("written for another system locale");

    writeLanguageSetting(QStringLiteral("de"));
    MainWindow *window = openWindow();
    QCOMPARE(window->windowTitle(), textsFor(QStringLiteral("de")).product);
    window->setDocumentTitle(QStringLiteral("radio.pls"));
    window->setModified();

    QEvent localeChange(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window, &localeChange);
    deliverLanguageChange();

    const Texts texts = textsFor(code);
    QCOMPARE(window->windowTitle(), QStringLiteral("* radio.pls - ") + texts.product);
    QCOMPARE(child<QPushButton>(window, "btnAdd")->text(), texts.add);
    QCOMPARE(checkedLanguage(window), QStringLiteral("de"));
    QCOMPARE(QLocale().name(), QLocale(QStringLiteral("de")).name());

    window->setDocumentTitle(QStringLiteral("radio.pls"));
    QCOMPARE(storedLanguageAfterClose(), QStringLiteral("de"));
}

QTEST_MAIN(TestSystemLanguage)
#include "tst_systemlanguage.moc"
