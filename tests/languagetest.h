#ifndef KESTREL_LANGUAGETEST_H
#define KESTREL_LANGUAGETEST_H

// Helpers for tests of the Language menu and the settings file: a languages
// folder of the tests' own, the expected texts of the tests' translations,
// and a settings file written as a user's editor would.

#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace LanguageTest {

// Where the program finds its translations, relative to its own folder.
enum class Layout { Beside, Installed };

// A temporary folder that the window takes for the program's own while it
// lives: the named files from the tests' compiled translations are copied
// into its "languages" folder (or into ../share/kestrelpad/languages).
class LanguageFolder
{
public:
    explicit LanguageFolder(const QStringList &files, Layout layout = Layout::Beside)
    {
        const QString programDir = m_root.filePath(QStringLiteral("bin"));
        QDir().mkpath(programDir);
        addFiles(files, layout);
        MainWindow::setLanguageSearchBase(programDir);
    }
    ~LanguageFolder() { MainWindow::setLanguageSearchBase(QString()); }
    LanguageFolder(const LanguageFolder &) = delete;
    LanguageFolder &operator=(const LanguageFolder &) = delete;

    void addFiles(const QStringList &files, Layout layout)
    {
        const QString dir = m_root.filePath(layout == Layout::Beside
                                                ? QStringLiteral("bin/languages")
                                                : QStringLiteral("share/kestrelpad/languages"));
        QDir().mkpath(dir);
        for (const QString &file : files) {
            const QString source = QStringLiteral(TEST_LANGUAGES_DIR "/") + file;
            if (!QFile::copy(source, dir + QLatin1Char('/') + file))
                qFatal("cannot copy %s", qPrintable(source));
        }
    }

private:
    QTemporaryDir m_root;
};

// The texts that the tests' translations (tests/data/languages) give.
struct Texts
{
    QString product;
    QString add;
    QString title;
    QString radio;
    QString tv;
    QString status;
};

inline Texts textsFor(const QString &code)
{
    if (code == QLatin1String("de"))
        return {QStringLiteral("Kestrelblock"), QStringLiteral("&Hinzufügen"),
                QStringLiteral("Titel"),        QStringLiteral("Funk"),
                QStringLiteral("Fernsehen"),    QStringLiteral("Sprache gewechselt: %1")};
    if (code == QLatin1String("fr"))
        return {QStringLiteral("Carnet Kestrel"), QStringLiteral("A&jouter"),
                QStringLiteral("Titre"),          QStringLiteral("Radiodiffusion"),
                QStringLiteral("Télévision"),     QStringLiteral("Langue changée : %1")};
    return {QStringLiteral("Kestrelpad"), QStringLiteral("&add"),
            QStringLiteral("Title"),      QStringLiteral("Radio"),
            QStringLiteral("TV"),         QStringLiteral("Language changed to: %1")};
}

// Writes "settings.ini" into the working directory.
inline void writeSettings(const QByteArray &contents)
{
    QFile file(QStringLiteral("settings.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write settings.ini");
}

inline void writeLanguageSetting(const QString &code)
{
    writeSettings("[Language]\nLanguage=" + code.toUtf8() + '\n');
}

// A language change reaches the window through posted events: the reloaded
// translator posts one to the application, which posts one to each window.
inline void deliverLanguageChange()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
}

inline QList<QAction *> languageActions(QWidget *window)
{
    return window->findChild<QMenu *>(QStringLiteral("menuLanguage"))->actions();
}

inline QAction *languageAction(QWidget *window, const QString &code)
{
    for (QAction *action : languageActions(window))
        if (action->data().toString() == code)
            return action;
    return nullptr;
}

// The code of the checked language, or "none".
inline QString checkedLanguage(QWidget *window)
{
    for (QAction *action : languageActions(window))
        if (action->isChecked())
            return action->data().toString();
    return QStringLiteral("none");
}

inline void chooseLanguage(QWidget *window, const QString &code)
{
    QAction *action = languageAction(window, code);
    QVERIFY2(action, qPrintable(QStringLiteral("no action for ") + code));
    action->trigger();
    deliverLanguageChange();
}

} // namespace LanguageTest

#endif
