// Opening playlists into the window: the Open action with its dialog, drag and
// drop, the document rules for PLS versus M3U and XSPF files, failed reads and
// the message about entries that the radio-box cannot play.

#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

using WindowTest::child;

namespace {

QString sample(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/open/") + name;
}

// Answers every message box that shows while it lives, with `button`, and
// keeps what each box said; a box that nobody expected is then a failed
// comparison instead of a hung test.
class BoxWatch
{
public:
    explicit BoxWatch(QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_seen << box->windowTitle() + QLatin1String(": ") + box->text();
            if (QAbstractButton *answer = box->button(button))
                answer->click();
            else
                box->reject();
        });
        m_timer.start(10);
    }
    // "title: text" of each box, in the order shown.
    QStringList seen() const { return m_seen; }

private:
    QTimer m_timer;
    QStringList m_seen;
};

// Answers the next file dialog with `path` (cancels it when empty) and keeps
// what it showed.
class DialogAnswer
{
public:
    explicit DialogAnswer(const QString &path)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, path] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            shown = true;
            caption = dialog->windowTitle();
            directory = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            WindowTest::acceptFileDialog(dialog, path);
        });
        m_timer.start(10);
    }

    bool shown = false;
    QString caption;
    QString directory;
    QStringList filters;

private:
    QTimer m_timer;
};

} // namespace

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openThroughDialog_data();
    void openThroughDialog();
    void openIntoShownPlaylist_data();
    void openIntoShownPlaylist();
    void failedReads_data();
    void failedReads();
    void skippedEntries_data();
    void skippedEntries();
    void openClosesUnchangedDocumentFirst();
    void cancelOnCloseQuestionMerges();
    void dialogStartsWhereLastPlsCameFrom();
    void dragEnterNeedsUriList_data();
    void dragEnterNeedsUriList();
    void dropTwoPlaylists();
    void manyEntries();

private:
    bool drop(const QList<QUrl> &urls);
    bool dropFile(const QString &path) { return drop({QUrl::fromLocalFile(path)}); }
    void triggerOpen(const QString &answer);
    QStringList rows() const;
    QStringList titles() const;
    QString pathLabel() const;
    QString countLabel() const;
    QString status() const;
    QStringList enabledActions() const;

    WindowTest::ScratchDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestOpening::init()
{
    m_dir = new WindowTest::ScratchDir;
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestOpening::cleanup()
{
    delete m_window;
    delete m_dir;
}

// As the toolkit delivers a drop: the window must take the drag on entering,
// or the drop never reaches it.
bool TestOpening::drop(const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint position(20, 20);
    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &dropped);
    return dropped.isAccepted();
}

void TestOpening::triggerOpen(const QString &answer)
{
    DialogAnswer dialog(answer);
    child<QAction>(m_window, "actionOpen")->trigger();
    QVERIFY(dialog.shown);
}

// "title|address|type" per row, top to bottom.
QStringList TestOpening::rows() const
{
    auto *table = child<QTableWidget>(m_window, "tableFile");
    QStringList result;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        result << cells.join(QLatin1Char('|'));
    }
    return result;
}

QStringList TestOpening::titles() const
{
    QStringList result;
    for (const QString &row : rows())
        result << row.section(QLatin1Char('|'), 0, 0);
    return result;
}

// The status bar's own labels have no object name; the window's two are the
// entry count (left) and the file path (right).
static QList<QLabel *> permanentLabels(QWidget *window)
{
    QList<QLabel *> labels;
    for (QLabel *label : child<QStatusBar>(window, "statusBar")->findChildren<QLabel *>())
        if (label->objectName().isEmpty())
            labels << label;
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    return labels;
}

QString TestOpening::countLabel() const
{
    return permanentLabels(m_window).value(0)->text();
}

QString TestOpening::pathLabel() const
{
    return permanentLabels(m_window).value(1)->text();
}

QString TestOpening::status() const
{
    return child<QStatusBar>(m_window, "statusBar")->currentMessage();
}

QStringList TestOpening::enabledActions() const
{
    QStringList names;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        if (child<QAction>(m_window, name)->isEnabled())
            names << QString::fromLatin1(name);
    return names;
}

void TestOpening::openThroughDialog_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("becomesDocument");

    const QStringList jazz{"Jazz Lounge|http://jazz.example.org:8000/live|Radio",
                           "City News TV|udp://239.0.0.1:1234|TV"};
    QTest::newRow("PLS becomes the document") << "jazz.pls"
                                              << "jazz.pls - Kestrelpad" << jazz << true;
    QTest::newRow("PLS suffix in capitals")
        << "LIST.PLS"
        << "LIST.PLS - Kestrelpad"
        << QStringList{"Classic Hour|http://classic.example.net/stream.mp3|Radio"} << true;
    QTest::newRow("extended M3U, no document")
        << "news.m3u"
        << "Kestrelpad"
        << QStringList{"Morning Talk|http://talk.example.com/morning|Radio",
                       "Evening Talk|http://talk.example.com/evening|Radio"}
        << false;
    QTest::newRow("plain M3U, suffix in capitals")
        << "radio.M3U"
        << "Kestrelpad" << QStringList{"|http://plain.example.com/radio|Radio"} << false;
    QTest::newRow("XSPF, no document")
        << "talk.xspf"
        << "Kestrelpad"
        << QStringList{"Harbour Radio|http://harbour.example.org/aac|Radio",
                       "Folk Corner|http://folk.example.org/ogg|Radio"}
        << false;
    QTest::newRow("other suffix ignored") << "list.txt"
                                          << "Kestrelpad" << QStringList() << false;
}

void TestOpening::openThroughDialog()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    QFETCH(bool, becomesDocument);

    BoxWatch boxes;
    DialogAnswer dialog(sample(file));
    child<QAction>(m_window, "actionOpen")->trigger();

    QVERIFY(dialog.shown);
    QCOMPARE(dialog.caption, QStringLiteral("PLS-File"));
    QCOMPARE(dialog.filters, QStringList({"PLS Playlist (*.pls)", "MP3-URL (*.m3u)",
                                          "XML Shareable Playlist Format (*.xspf)"}));
    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(this->rows(), rows);
    QCOMPARE(countLabel(), QString::number(rows.size()));
    QCOMPARE(pathLabel(), becomesDocument ? sample(file) : QString());
    QCOMPARE(enabledActions(), QStringList());
    QCOMPARE(status(), rows.isEmpty() ? QString() : QStringLiteral("done"));
}

void TestOpening::openIntoShownPlaylist_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("titles");

    const QStringList jazz{"Jazz Lounge", "City News TV"};
    const QStringList news{"Morning Talk", "Evening Talk"};
    const QStringList talk{"Harbour Radio", "Folk Corner"};
    QTest::newRow("PLS into a PLS document") << "jazz.pls"
                                             << "LIST.PLS"
                                             << "* jazz.pls - Kestrelpad"
                                             << "jazz.pls" << jazz + QStringList{"Classic Hour"};
    QTest::newRow("M3U into a PLS document") << "jazz.pls"
                                             << "news.m3u"
                                             << "* jazz.pls - Kestrelpad"
                                             << "jazz.pls" << jazz + news;
    QTest::newRow("XSPF into a PLS document") << "jazz.pls"
                                              << "talk.xspf"
                                              << "* jazz.pls - Kestrelpad"
                                              << "jazz.pls" << jazz + talk;
    QTest::newRow("PLS after untitled M3U rows") << "news.m3u"
                                                 << "jazz.pls"
                                                 << "* jazz.pls - Kestrelpad"
                                                 << "jazz.pls" << news + jazz;
    QTest::newRow("XSPF after untitled M3U rows") << "news.m3u"
                                                  << "talk.xspf"
                                                  << "Kestrelpad" << QString() << news + talk;
}

// Drops merge into whatever is shown: only a PLS file opened while no
// document is shown names the document.
void TestOpening::openIntoShownPlaylist()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, title);
    QFETCH(QString, path);
    QFETCH(QStringList, titles);

    BoxWatch boxes;
    QVERIFY(dropFile(sample(first)));
    QVERIFY(dropFile(sample(second)));

    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(this->titles(), titles);
    QCOMPARE(countLabel(), QString::number(titles.size()));
    QCOMPARE(pathLabel(), path.isEmpty() ? QString() : sample(path));
    QCOMPARE(m_window->isModified(), title.startsWith(QLatin1String("* ")));
}

void TestOpening::failedReads_data()
{
    QTest::addColumn<QString>("file"); // a sample, or a name in the scratch folder
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("missing PLS still names the document")
        << "missing.pls"
        << "Kestrelpad: The file doesn't exist!"
        << "missing.pls - Kestrelpad" << QStringList();
    QTest::newRow("PLS under a regular file") << "blocker/inside.pls"
                                              << "Kestrelpad: The file doesn't exist!"
                                              << "inside.pls - Kestrelpad" << QStringList();
    QTest::newRow("folder named like a PLS file") << "folder.pls"
                                                  << "Kestrelpad: Couldn't open the file!"
                                                  << "folder.pls - Kestrelpad" << QStringList();
    QTest::newRow("missing M3U") << "missing.m3u"
                                 << "Kestrelpad: The file doesn't exist!"
                                 << "Kestrelpad" << QStringList();
    QTest::newRow("broken XSPF keeps the tracks before the fault")
        << "broken.xspf"
        << "Kestrelpad: Error while parsing the xml-file!"
        << "Kestrelpad" << QStringList{"Before The Break"};
}

void TestOpening::failedReads()
{
    QFETCH(QString, file);
    QFETCH(QString, box);
    QFETCH(QString, title);
    QFETCH(QStringList, titles);

    QFile blocker(m_dir->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.pls")));
    const QString path = QFile::exists(sample(file)) ? sample(file) : m_dir->filePath(file);

    BoxWatch boxes;
    QVERIFY(dropFile(path));

    QCOMPARE(boxes.seen(), QStringList{box});
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(this->titles(), titles);
    QCOMPARE(countLabel(), QString::number(titles.size()));
    QCOMPARE(pathLabel(), path.endsWith(QLatin1String(".pls")) ? path : QString());
}

void TestOpening::skippedEntries_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("status");

    QTest::newRow("https and mms left out of a PLS file")
        << QStringList{"skipped.pls"} << QStringList{"Kept One", "Kept Two"}
        << "2 entries skipped: the address must start with http:// or udp://";
    QTest::newRow("one https entry in an M3U file")
        << QStringList{"one-skipped.m3u"} << QStringList{"Plain"}
        << "1 entry skipped: the address must start with http:// or udp://";
    QTest::newRow("the count is that of the last file only")
        << QStringList{"skipped.pls", "one-skipped.m3u"}
        << QStringList{"Kept One", "Kept Two", "Plain"}
        << "1 entry skipped: the address must start with http:// or udp://";
    QTest::newRow("nothing skipped")
        << QStringList{"news.m3u"} << QStringList{"Morning Talk", "Evening Talk"} << "done";
}

void TestOpening::skippedEntries()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, titles);
    QFETCH(QString, status);

    BoxWatch boxes;
    for (const QString &file : files)
        QVERIFY(dropFile(sample(file)));

    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(this->titles(), titles);
    QCOMPARE(countLabel(), QString::number(titles.size()));
    QCOMPARE(this->status(), status);
}

// A shown but unchanged document goes without a question; cancelling the
// dialog then leaves an empty window.
void TestOpening::openClosesUnchangedDocumentFirst()
{
    BoxWatch boxes;
    QVERIFY(dropFile(sample(QStringLiteral("jazz.pls"))));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("jazz.pls - Kestrelpad"));

    triggerOpen(QString());

    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kestrelpad"));
    QCOMPARE(rows(), QStringList());
    QCOMPARE(countLabel(), QStringLiteral("0"));
    QCOMPARE(pathLabel(), QString());
}

void TestOpening::cancelOnCloseQuestionMerges()
{
    {
        BoxWatch none;
        QVERIFY(dropFile(sample(QStringLiteral("jazz.pls"))));
        QVERIFY(dropFile(sample(QStringLiteral("news.m3u"))));
        QCOMPARE(none.seen(), QStringList());
    }
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* jazz.pls - Kestrelpad"));

    BoxWatch question(QMessageBox::Cancel);
    triggerOpen(sample(QStringLiteral("LIST.PLS")));

    QCOMPARE(question.seen(), QStringList{": The playlist has been modified."});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* jazz.pls - Kestrelpad"));
    QCOMPARE(titles(), QStringList({"Jazz Lounge", "City News TV", "Morning Talk", "Evening Talk",
                                    "Classic Hour"}));
    QCOMPARE(countLabel(), QStringLiteral("5"));
    QCOMPARE(pathLabel(), sample(QStringLiteral("jazz.pls")));
}

// The start folder follows PLS files opened as the document, not M3U files.
void TestOpening::dialogStartsWhereLastPlsCameFrom()
{
    const QString copy = m_dir->filePath(QStringLiteral("copy.pls"));
    QVERIFY(QFile::copy(sample(QStringLiteral("jazz.pls")), copy));

    BoxWatch boxes;
    triggerOpen(copy);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("copy.pls - Kestrelpad"));

    DialogAnswer second(sample(QStringLiteral("news.m3u")));
    child<QAction>(m_window, "actionOpen")->trigger();
    QVERIFY(second.shown);
    QCOMPARE(second.directory, QDir(m_dir->path()).absolutePath());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kestrelpad"));

    DialogAnswer third{QString()};
    child<QAction>(m_window, "actionOpen")->trigger();
    QVERIFY(third.shown);
    QCOMPARE(third.directory, QDir(m_dir->path()).absolutePath());
    QCOMPARE(boxes.seen(), QStringList());
}

void TestOpening::dragEnterNeedsUriList_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("file list") << "text/uri-list" << true;
    QTest::newRow("plain text") << "text/plain" << false;
}

void TestOpening::dragEnterNeedsUriList()
{
    QFETCH(QString, format);
    QFETCH(bool, accepted);

    QMimeData data;
    data.setData(format, QByteArray("file:///tmp/a.pls\r\n"));
    QDragEnterEvent event(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.ignore();
    QCoreApplication::sendEvent(m_window, &event);
    QCOMPARE(event.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(event.dropAction(), Qt::CopyAction);
}

// One drop of several files asks nothing: the first PLS file names the
// document, the rest merge; a remote address is passed over.
void TestOpening::dropTwoPlaylists()
{
    BoxWatch boxes;
    QVERIFY(drop({QUrl::fromLocalFile(sample(QStringLiteral("jazz.pls"))),
                  QUrl(QStringLiteral("http://example.com/remote.pls")),
                  QUrl::fromLocalFile(sample(QStringLiteral("LIST.PLS")))}));

    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* jazz.pls - Kestrelpad"));
    QCOMPARE(titles(), QStringList({"Jazz Lounge", "City News TV", "Classic Hour"}));
    QCOMPARE(pathLabel(), sample(QStringLiteral("jazz.pls")));
    QCOMPARE(enabledActions(),
             QStringList({"actionNew", "actionSave", "actionSaveAs", "actionClose"}));

    // Onto a changed playlist: still no question, one more merge.
    QVERIFY(drop({QUrl::fromLocalFile(sample(QStringLiteral("radio.M3U")))}));
    QCOMPARE(boxes.seen(), QStringList());
    QCOMPARE(rows().size(), 4);
}

// A long list arrives whole, with its count and the skipped entries counted
// across the whole file.
void TestOpening::manyEntries()
{
    const int entries = 20000;
    QFile file(m_dir->filePath(QStringLiteral("big.m3u")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#EXTM3U\n");
    for (int i = 0; i < entries; ++i) {
        const char *scheme = i % 4 == 3 ? "https" : "http";
        file.write(QStringLiteral("#EXTINF:-1,Station %1\n%2://s%1.example.com/\n")
                       .arg(i)
                       .arg(QLatin1String(scheme))
                       .toLatin1());
    }
    file.close();

    BoxWatch boxes;
    QVERIFY(dropFile(file.fileName()));

    const int kept = entries - entries / 4;
    QCOMPARE(boxes.seen(), QStringList());
    auto *table = child<QTableWidget>(m_window, "tableFile");
    QCOMPARE(table->rowCount(), kept);
    QCOMPARE(countLabel(), QString::number(kept));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Station 0"));
    QCOMPARE(table->item(kept - 1, 1)->text(),
             QStringLiteral("http://s%1.example.com/").arg(entries - 2));
    QCOMPARE(status(), QStringLiteral("%1 entries skipped: the address must start with http:// "
                                      "or udp://")
                           .arg(entries / 4));
    QVERIFY(table->updatesEnabled());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
