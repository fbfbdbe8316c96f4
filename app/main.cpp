#include "converter/commandline.h"
#include "converter/converter.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>

#ifdef Q_OS_WIN
#include <cstdio>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Built for the GUI subsystem, the program has no console of its own, so
// help, version and batch messages would go nowhere; started from a console,
// it writes to that one. A stream the caller redirected keeps its target, and
// started from the desktop there is no console to attach to.
void attachParentConsole()
{
    const auto unset = [](DWORD id) {
        const HANDLE handle = GetStdHandle(id);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE ||
               GetFileType(handle) == FILE_TYPE_UNKNOWN;
    };
    const bool out = unset(STD_OUTPUT_HANDLE);
    const bool err = unset(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    FILE *stream = nullptr;
    if (out)
        freopen_s(&stream, "CONOUT$", "w", stdout);
    if (err)
        freopen_s(&stream, "CONOUT$", "w", stderr);
}
#endif

void setIdentity()
{
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvan.de"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvan GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));
}

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
#ifdef Q_OS_WIN
    attachParentConsole();
#endif
    // Help, version and usage errors need no application object, and a batch
    // run no display: it must work on a machine that has none.
    const QStringList arguments = CommandLine::fromArgv(argc, argv);
    const int early = CommandLine::runBeforeApplication(arguments);
    if (early >= 0)
        return early;
    if (CommandLine::parse(arguments).action == CommandLine::Action::RunBatch) {
        QCoreApplication app(argc, argv);
        setIdentity();
        return Converter::run(arguments);
    }

    QApplication app(argc, argv);
    setIdentity();
    MainWindow window;
    applyIconOverride(window);
    window.show();
    return app.exec();
}
