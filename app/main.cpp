#include "mainwindow/commandline.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

namespace {

// An icon file in the working directory replaces the built-in one. Only its
// existence counts: the first name found wins even if it is no image.
void applyIconOverride(MainWindow &window)
{
    for (const char *name : {"logo.ico", "logo.png", "logo.xpm"}) {
        const QString fileName = QString::fromLatin1(name);
        if (QFile(fileName).exists()) {
            window.setWindowIcon(QIcon(fileName));
            return;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Help, version and usage errors need no display, so they are answered
    // before the application object connects to one.
    const int early = CommandLine::runBeforeApplication(CommandLine::fromArgv(argc, argv));
    if (early >= 0)
        return early;

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvan.de"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvan GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));

    MainWindow window;
    if (window.isBatchRun())
        return window.batchExitCode();
    applyIconOverride(window);
    window.show();
    return app.exec();
}
