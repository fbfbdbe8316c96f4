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
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvan.de"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvan GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));

    MainWindow window;
    applyIconOverride(window);
    window.show();
    return app.exec();
}
