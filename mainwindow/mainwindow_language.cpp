#include "mainwindow/mainwindow.h"

#include "mainwindow/playlisttable.h"
#include "ui/ui_mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTableWidget>

#include <algorithm>

namespace {

const QLatin1String ModifiedMarker("* ");
const QLatin1String TitleSeparator(" - ");
const QLatin1String AppCatalogPrefix("Kestrel_");
const QLatin1String QtCatalogPrefix("qt_");
// The language the program's texts are written in: it needs no catalog.
const QLatin1String EnglishCode("en");

QString &languageSearchBase()
{
    static QString base;
    return base;
}

bool hasProgramCatalogs(const QString &dir)
{
    return !QDir(dir).entryList({AppCatalogPrefix + QLatin1String("*.qm")}).isEmpty();
}

// A missing or unreadable file leaves the translator empty, and its texts
// then show in English; nothing is reported, so the result is not needed.
void loadCatalog(QTranslator &translator, const QString &prefix, const QString &code,
                 const QString &dir)
{
    static_cast<void>(translator.load(prefix + code, dir));
}

// The languages of the catalogs in `dir`, in the order of the files' names,
// and English, which is always there to go back to, in the place its
// catalog's name would take.
QStringList offeredLanguages(const QString &dir)
{
    QStringList codes;
    for (const QString &file : QDir(dir).entryList({AppCatalogPrefix + QLatin1String("*.qm")})) {
        QString code = file.left(file.lastIndexOf(QLatin1Char('.')));
        code.remove(0, code.indexOf(QLatin1Char('_')) + 1);
        codes << code;
    }
    if (!codes.contains(EnglishCode)) {
        const auto after = std::find_if(codes.begin(), codes.end(), [](const QString &code) {
            return code.compare(EnglishCode, Qt::CaseInsensitive) > 0;
        });
        codes.insert(after, EnglishCode);
    }
    return codes;
}

// The title is built from a file name and the product name of the language
// that was current then; the same title with the product name of today's
// language keeps the file name and the modified marker. A title of any other
// shape is left alone rather than guessed at.
QString retitled(const QString &title, const QStringList &formerNames, const QString &newName)
{
    const bool modified = title.startsWith(ModifiedMarker);
    const QString rest = modified ? title.mid(ModifiedMarker.size()) : title;
    const QString marker = modified ? QString(ModifiedMarker) : QString();
    for (const QString &former : formerNames) {
        if (former.isEmpty())
            continue;
        if (rest == former)
            return marker + newName;
        if (rest.endsWith(TitleSeparator + former))
            return marker + rest.left(rest.size() - former.size()) + newName;
    }
    return title;
}

} // namespace

void MainWindow::setLanguageSearchBase(const QString &dir)
{
    languageSearchBase() = dir;
}

// Beside the program, as in the build tree and on Windows; an installation
// on Linux keeps its data under ../share instead.
QString MainWindow::findLanguageDir() const
{
    const QString base = languageSearchBase().isEmpty() ? QCoreApplication::applicationDirPath()
                                                        : languageSearchBase();
    const QString beside = base + QLatin1String("/languages");
    if (hasProgramCatalogs(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(base + QLatin1String("/../share/kestrelpad/languages"));
    return hasProgramCatalogs(installed) ? installed : beside;
}

QString MainWindow::systemLanguageCode()
{
    const QString name = QLocale::system().name();
    const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
    return cut < 0 ? QString() : name.left(cut);
}

void MainWindow::loadLanguage(const QString &language)
{
    if (language == m_language)
        return;
    m_language = language;
    const QLocale locale(language);
    QLocale::setDefault(locale);
    const QString languageName = QLocale::languageToString(locale.language());

    if (language != EnglishCode) {
        loadCatalog(m_appTranslator, AppCatalogPrefix, language, m_languageDir);
        loadCatalog(m_qtTranslator, QtCatalogPrefix, language, m_languageDir);
    }
    installTranslators();
    showStatus(tr("Language changed to: %1").arg(languageName), 2000);
}

// English takes the translators out of the application, so that no text of
// the language before stays behind. Removing them first keeps each in the
// application once, Qt's before the program's, which is then asked first.
void MainWindow::installTranslators()
{
    QCoreApplication::removeTranslator(&m_appTranslator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (m_language == EnglishCode)
        return;
    QCoreApplication::installTranslator(&m_qtTranslator);
    QCoreApplication::installTranslator(&m_appTranslator);
}

void MainWindow::createLanguageMenu()
{
    auto *group = new QActionGroup(ui->menuLanguage);
    group->setExclusive(true);
    connect(group, &QActionGroup::triggered, this, &MainWindow::slotLanguageChanged);

    m_languageDir = findLanguageDir();
    for (const QString &code : offeredLanguages(m_languageDir)) {
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), this);
        action->setCheckable(true);
        action->setData(code);
        ui->menuLanguage->addAction(action);
        group->addAction(action);

        if (code == m_language) {
            if (code != EnglishCode) {
                loadCatalog(m_appTranslator, AppCatalogPrefix, code, m_languageDir);
                loadCatalog(m_qtTranslator, QtCatalogPrefix, code, m_languageDir);
            }
            action->setChecked(true);
            retranslateKeepingState();
            // The start-up load ran before the translators were installed,
            // so its message went out in English.
            showStatus(tr("Language changed to: %1").arg(action->text()), 2000);
        }
    }
}

void MainWindow::slotLanguageChanged(QAction *action)
{
    if (action)
        loadLanguage(action->data().toString());
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    switch (event->type()) {
    case QEvent::LocaleChange: {
        const QString code = systemLanguageCode();
        loadCatalog(m_qtTranslator, QtCatalogPrefix, code, m_languageDir);
        loadCatalog(m_appTranslator, AppCatalogPrefix, code, m_languageDir);
        retranslateKeepingState();
        break;
    }
    case QEvent::LanguageChange:
        retranslateKeepingState();
        break;
    default:
        break;
    }
}

// The form's retranslation writes every text afresh: the title loses the
// document's name and modified marker (after which Quit would no longer ask),
// the number of the entry still shown is emptied and the kind falls back to
// Radio. What the user was working on is put back.
void MainWindow::retranslateKeepingState()
{
    const QString title = windowTitle();
    const QString entryId = ui->lblEntryID->text();
    const int kindIndex = ui->comboType->currentIndex();

    ui->retranslateUi(this);

    const QString productName = tr("Kestrelpad");
    setWindowTitle(retitled(title, {m_titleProductName, productName}, productName));
    m_titleProductName = productName;
    ui->lblEntryID->setText(entryId);
    ui->comboType->setCurrentIndex(kindIndex);
    retranslateTypeColumn();
    retranslateStreamCheck();
    scheduleFileSplit();
    showUndoTexts();
    if (m_lblEntryCount)
        showEntryCount();
    // The marks name the other row in words of the language.
    if (m_duplicateCount > 0)
        markDuplicates();
}

// The Type cells were written in the language of their day; the kind each
// cell keeps gives the word in today's language.
void MainWindow::retranslateTypeColumn()
{
    QTableWidget *table = ui->tableFile;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *cell = table->item(row, PlaylistTable::TypeColumn);
        if (!cell)
            continue;
        switch (cell->data(PlaylistTable::KindRole).toInt()) {
        case PlaylistTable::Radio:
            cell->setText(tr("Radio"));
            break;
        case PlaylistTable::TV:
            cell->setText(tr("TV"));
            break;
        default:
            break;
        }
    }
}
