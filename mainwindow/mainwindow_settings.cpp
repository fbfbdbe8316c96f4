#include "mainwindow/mainwindow.h"

#include "ui/ui_mainwindow.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>

namespace {

const QSize DefaultSize(450, 260);
const int DefaultSectionSize = 150;

// Opened by its bare name, so the file lives in the working directory.
QString settingsFileName()
{
    return QStringLiteral("settings.ini");
}

} // namespace

void MainWindow::loadSettings()
{
    QSettings settings(settingsFileName(), QSettings::IniFormat);

    settings.beginGroup(QStringLiteral("Language"));
    const QString language =
        settings.value(QStringLiteral("Language"), systemLanguageCode()).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("Kestrel"));
    move(settings.value(QStringLiteral("Position")).toPoint());
    // A size or width that does not convert would leave the window or the
    // first two columns too small to see; the defaults serve instead.
    const QSize size = settings.value(QStringLiteral("Size"), DefaultSize).toSize();
    resize(size.isValid() && !size.isEmpty() ? size : DefaultSize);
    keepOnScreen();
    bool isNumber = false;
    const int sectionSize =
        settings.value(QStringLiteral("section1Size"), DefaultSectionSize).toInt(&isNumber);
    ui->tableFile->horizontalHeader()->setDefaultSectionSize(
        isNumber && sectionSize > 0 ? sectionSize : DefaultSectionSize);
    m_pathPlayList = settings.value(QStringLiteral("PathPlayList")).toString();
    settings.endGroup();

    loadLanguage(language);
}

void MainWindow::saveSettings()
{
    QSettings settings(settingsFileName(), QSettings::IniFormat);

    settings.beginGroup(QStringLiteral("Language"));
    settings.setValue(QStringLiteral("Language"), m_language);
    settings.endGroup();

    const QHeaderView *header = ui->tableFile->horizontalHeader();
    settings.beginGroup(QStringLiteral("Kestrel"));
    settings.setValue(QStringLiteral("Position"), pos());
    settings.setValue(QStringLiteral("Size"), size());
    settings.setValue(QStringLiteral("section1Size"), header->sectionSize(0));
    settings.setValue(QStringLiteral("section2Size"), header->sectionSize(1));
    settings.setValue(QStringLiteral("PathPlayList"), m_pathPlayList);
    settings.endGroup();
}

// A position saved on a monitor that has since gone would open the window
// where nobody can see it.
void MainWindow::keepOnScreen()
{
    const QRect frame(pos(), size());
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->availableGeometry().intersects(frame))
            return;
    }
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        move(primary->availableGeometry().topLeft());
}
