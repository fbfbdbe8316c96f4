// The settings file: what the window reads at start, what it writes when it
// closes, and how it copes with a file it did not write.

#include "languagetest.h"
#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace LanguageTest;
using WindowTest::child;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStart();
    void writtenAtClose();
    void readBack_data();
    void readBack();
    void keepsWhatItDoesNotKnow();
    void malformed_data();
    void malformed();
    void languageStoredForNextStart();
    void offScreen_data();
    void offScreen();

private:
    MainWindow *openWindow();
    void closeWindow();
    QHeaderView *header() const;

    std::unique_ptr<WindowTest::ScratchDir> m_dir;
    std::unique_ptr<LanguageFolder> m_languages;
    std::unique_ptr<MainWindow> m_window;
};

void TestSettings::init()
{
    m_dir = std::make_unique<WindowTest::ScratchDir>();
    m_languages = std::make_unique<LanguageFolder>(
        QStringList{QStringLiteral("Kestrel_de.qm"), QStringLiteral("Kestrel_fr.qm")});
}

void TestSettings::cleanup()
{
    m_window.reset();
    m_languages.reset();
    m_dir.reset();
    QLocale::setDefault(QLocale::system());
}

MainWindow *TestSettings::openWindow()
{
    m_window = std::make_unique<MainWindow>();
    deliverLanguageChange();
    return m_window.get();
}

// An untouched playlist closes without a question, and the close stores the
// settings.
void TestSettings::closeWindow()
{
    QVERIFY(m_window->close());
    m_window.reset();
}

QHeaderView *TestSettings::header() const
{
    return child<QTableWidget>(m_window.get(), "tableFile")->horizontalHeader();
}

void TestSettings::firstStart()
{
    QVERIFY(!QFile::exists(QStringLiteral("settings.ini")));
    MainWindow *window = openWindow();

    QCOMPARE(window->pos(), QPoint(0, 0));
    QCOMPARE(window->size(), QSize(450, 260));
    QCOMPARE(header()->defaultSectionSize(), 150);
    QCOMPARE(header()->sectionSize(0), 150);
    QCOMPARE(header()->sectionSize(1), 150);
    QVERIFY(header()->stretchLastSection());
    // Reading does not create the file.
    QVERIFY(!QFile::exists(QStringLiteral("settings.ini")));

    closeWindow();
    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/PathPlayList")), QVariant(QString()));
}

void TestSettings::writtenAtClose()
{
    writeLanguageSetting(QStringLiteral("de"));
    MainWindow *window = openWindow();
    window->move(40, 50);
    window->resize(500, 300);
    header()->resizeSection(0, 123);
    header()->resizeSection(1, 77);
    closeWindow();

    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.status(), QSettings::NoError);
    QCOMPARE(stored.childGroups(), (QStringList{"Kestrel", "Language"}));
    QCOMPARE(stored.childKeys(), QStringList());
    stored.beginGroup(QStringLiteral("Language"));
    QCOMPARE(stored.childKeys(), QStringList{"Language"});
    QCOMPARE(stored.value(QStringLiteral("Language")), QVariant(QStringLiteral("de")));
    stored.endGroup();
    stored.beginGroup(QStringLiteral("Kestrel"));
    QCOMPARE(stored.childKeys(),
             (QStringList{"PathPlayList", "Position", "Size", "section1Size", "section2Size"}));
    QCOMPARE(stored.value(QStringLiteral("Position")), QVariant(QPoint(40, 50)));
    QCOMPARE(stored.value(QStringLiteral("Size")), QVariant(QSize(500, 300)));
    QCOMPARE(stored.value(QStringLiteral("section1Size")).toInt(), 123);
    QCOMPARE(stored.value(QStringLiteral("section2Size")).toInt(), 77);
    QCOMPARE(stored.value(QStringLiteral("PathPlayList")).toString(), QString());
    stored.endGroup();
}

void TestSettings::readBack_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("sectionSize");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("path");

    QTest::newRow("everything stored")
        << QByteArray("[Language]\nLanguage=fr\n[Kestrel]\nPosition=@Point(60 70)\n"
                      "Size=@Size(520 310)\nsection1Size=111\nsection2Size=99\n"
                      "PathPlayList=/home/user/lists\n")
        << QPoint(60, 70) << QSize(520, 310) << 111 << "fr"
        << "/home/user/lists";
    QTest::newRow("only the language")
        << QByteArray("[Language]\nLanguage=de\n") << QPoint(0, 0) << QSize(450, 260) << 150 << "de"
        << "";
    QTest::newRow("only the geometry, with CRLF line ends")
        << QByteArray("[Kestrel]\r\nPosition=@Point(5 6)\r\nSize=@Size(400 280)\r\n")
        << QPoint(5, 6) << QSize(400, 280) << 150 << ""
        << "";
    QTest::newRow("a folder with blanks and umlauts")
        << QByteArray("[Kestrel]\nPathPlayList=/home/J\xc3\xbcrgen/My Lists\n") << QPoint(0, 0)
        << QSize(450, 260) << 150 << "" << QString::fromUtf8("/home/J\xc3\xbcrgen/My Lists");
}

// What the file holds comes back at the next close: the stored folder
// unchanged, and the stored width as the width of both first columns.
void TestSettings::readBack()
{
    QFETCH(QByteArray, contents);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(int, sectionSize);
    QFETCH(QString, language);
    QFETCH(QString, path);

    writeSettings(contents);
    MainWindow *window = openWindow();
    QCOMPARE(window->pos(), position);
    QCOMPARE(window->size(), size);
    QCOMPARE(header()->defaultSectionSize(), sectionSize);
    QCOMPARE(header()->sectionSize(1), sectionSize);
    QCOMPARE(checkedLanguage(window), language.isEmpty() ? QStringLiteral("none") : language);
    closeWindow();

    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/Position")).toPoint(), position);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/Size")).toSize(), size);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/section1Size")).toInt(), sectionSize);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/section2Size")).toInt(), sectionSize);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/PathPlayList")).toString(), path);
    QCOMPARE(stored.value(QStringLiteral("Language/Language")).toString(), language);
}

void TestSettings::keepsWhatItDoesNotKnow()
{
    writeSettings("[Kestrel]\nTheme=dark\n[Plugins]\nEnabled=true\n");
    openWindow();
    closeWindow();

    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/Theme")).toString(), QStringLiteral("dark"));
    QCOMPARE(stored.value(QStringLiteral("Plugins/Enabled")).toString(), QStringLiteral("true"));
    QVERIFY(stored.contains(QStringLiteral("Kestrel/Size")));
}

void TestSettings::malformed_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("sectionSize");

    QTest::newRow("not text at all") << QByteArray("\x00\xff\xfe\x01[[[\x00===\n\xc3", 13)
                                     << QPoint(0, 0) << QSize(450, 260) << 150;
    QTest::newRow("values that do not convert")
        << QByteArray("[Kestrel]\nPosition=here\nSize=big\nsection1Size=wide\n") << QPoint(0, 0)
        << QSize(450, 260) << 150;
    QTest::newRow("sizes of nothing") << QByteArray("[Kestrel]\nSize=@Size(0 0)\nsection1Size=0\n")
                                      << QPoint(0, 0) << QSize(450, 260) << 150;
    QTest::newRow("a negative width")
        << QByteArray("[Kestrel]\nsection1Size=-20\n") << QPoint(0, 0) << QSize(450, 260) << 150;
    QTest::newRow("keys outside their group")
        << QByteArray("Position=@Point(30 30)\nsection1Size=90\n") << QPoint(0, 0)
        << QSize(450, 260) << 150;
    QTest::newRow("good values beside broken lines")
        << QByteArray("[Kestrel]\n=\nPosition=@Point(12 34)\n%%%\nSize\n") << QPoint(12, 34)
        << QSize(450, 260) << 150;
}

void TestSettings::malformed()
{
    QFETCH(QByteArray, contents);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(int, sectionSize);

    writeSettings(contents);
    MainWindow *window = openWindow();
    QCOMPARE(window->pos(), position);
    QCOMPARE(window->size(), size);
    QCOMPARE(header()->defaultSectionSize(), sectionSize);
    QCOMPARE(checkedLanguage(window), QStringLiteral("none"));

    // The next close leaves a file that reads back cleanly.
    closeWindow();
    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/Size")).toSize(), size);
    QCOMPARE(stored.value(QStringLiteral("Kestrel/section1Size")).toInt(), sectionSize);
}

void TestSettings::languageStoredForNextStart()
{
    MainWindow *window = openWindow();
    chooseLanguage(window, QStringLiteral("fr"));
    closeWindow();
    QSettings stored(QStringLiteral("settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Language/Language")).toString(), QStringLiteral("fr"));

    window = openWindow();
    QCOMPARE(checkedLanguage(window), QStringLiteral("fr"));
    QCOMPARE(window->windowTitle(), textsFor(QStringLiteral("fr")).product);
}

void TestSettings::offScreen_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<bool>("visible"); // whether the stored place shows on a screen

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("on the screen") << screen.topLeft() + QPoint(20, 30) << true;
    QTest::newRow("far right and below") << screen.bottomRight() + QPoint(2000, 2000) << false;
    QTest::newRow("far left") << QPoint(screen.left() - 3000, screen.top()) << false;
    QTest::newRow("above") << QPoint(screen.left(), screen.top() - 1000) << false;
    QTest::newRow("hanging over the left edge") << screen.topLeft() - QPoint(400, 0) << true;
}

void TestSettings::offScreen()
{
    QFETCH(QPoint, stored);
    QFETCH(bool, visible);

    writeSettings(QStringLiteral("[Kestrel]\nPosition=@Point(%1 %2)\nSize=@Size(450 260)\n")
                      .arg(stored.x())
                      .arg(stored.y())
                      .toUtf8());
    MainWindow *window = openWindow();
    const QPoint expected =
        visible ? stored : QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    QCOMPARE(window->pos(), expected);
    QCOMPARE(window->size(), QSize(450, 260));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
