// The window's document state in its title, the status-bar labels, the
// result slot for playlist files, and the About box.

#include "mainwindow/mainwindow.h"
#include "windowtest.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

using WindowTest::child;

class TestWindowState : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshWindow();
    void modifiedMarker();
    void documentTitle();
    void resultCodes_data();
    void resultCodes();
    void aboutBox();

private:
    QStringList enabledActions() const;
    QList<QLabel *> permanentLabels() const;

    WindowTest::ScratchDir *m_dir = nullptr;
    MainWindow *m_window = nullptr;
};

void TestWindowState::init()
{
    m_dir = new WindowTest::ScratchDir;
    m_window = new MainWindow;
}

void TestWindowState::cleanup()
{
    delete m_window;
    delete m_dir;
}

QStringList TestWindowState::enabledActions() const
{
    QStringList names;
    for (const char *name : {"actionNew", "actionSave", "actionSaveAs", "actionClose"})
        if (child<QAction>(m_window, name)->isEnabled())
            names << QString::fromLatin1(name);
    return names;
}

// The two labels the window adds, left to right.
QList<QLabel *> TestWindowState::permanentLabels() const
{
    QList<QLabel *> labels;
    for (QLabel *label : child<QStatusBar>(m_window, "statusBar")->findChildren<QLabel *>())
        if (label->objectName().isEmpty())
            labels << label;
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    return labels;
}

void TestWindowState::freshWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kestrelpad"));
    QVERIFY(!m_window->isModified());
    QVERIFY(!m_window->hasDocument());
    QCOMPARE(enabledActions(), QStringList());
    const QList<QLabel *> labels = permanentLabels();
    QVERIFY(labels.size() >= 2);
    QCOMPARE(labels.at(0)->text(), QStringLiteral("0"));
    QCOMPARE(labels.at(1)->text(), QString());
    QVERIFY(m_window->acceptDrops());
}

void TestWindowState::modifiedMarker()
{
    m_window->setModified();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* Kestrelpad"));
    QVERIFY(m_window->isModified());
    QVERIFY(m_window->hasDocument());
    QCOMPARE(enabledActions(),
             QStringList({"actionNew", "actionSave", "actionSaveAs", "actionClose"}));

    // A second edit must not stack a second marker.
    m_window->setModified();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* Kestrelpad"));
}

void TestWindowState::documentTitle()
{
    m_window->setModified();
    m_window->setDocumentTitle(QStringLiteral("radio.pls"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("radio.pls - Kestrelpad"));
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->hasDocument());
    QCOMPARE(enabledActions(), QStringList());

    m_window->setModified();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("* radio.pls - Kestrelpad"));
}

void TestWindowState::resultCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("status");

    QTest::newRow("success") << 0 << QString() << "done";
    QTest::newRow("cannot open") << -1 << "Couldn't open the file!" << QString();
    QTest::newRow("missing") << -2 << "The file doesn't exist!" << QString();
    QTest::newRow("broken xml") << -3 << "Error while parsing the xml-file!" << QString();
    QTest::newRow("entry too long") << -4 << "An entry is too long for the radio-box!" << QString();
    QTest::newRow("unknown code") << -7 << QString() << QString();
}

void TestWindowState::resultCodes()
{
    QFETCH(int, code);
    QFETCH(QString, boxText);
    QFETCH(QString, status);

    m_window->show();
    QString seenText;
    QString seenTitle;
    bool boxShown = false;
    WindowTest::whenModal<QMessageBox>(
        [&](QMessageBox *box) {
            boxShown = true;
            seenText = box->text();
            seenTitle = box->windowTitle();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        },
        boxText.isEmpty() ? 200 : 5000);
    const QString titleBefore = m_window->windowTitle();
    QVERIFY(QMetaObject::invokeMethod(m_window, "errors", Q_ARG(qint8, qint8(code))));

    QCOMPARE(boxShown, !boxText.isEmpty());
    QCOMPARE(seenText, boxText);
    if (boxShown)
        QCOMPARE(seenTitle, QStringLiteral("Kestrelpad"));
    QCOMPARE(child<QStatusBar>(m_window, "statusBar")->currentMessage(), status);
    QCOMPARE(m_window->windowTitle(), titleBefore);
    QTest::qWait(250); // let an unanswered waiter run out before the next row
}

void TestWindowState::aboutBox()
{
    QString text;
    QString title;
    WindowTest::whenModal<QMessageBox>([&](QMessageBox *box) {
        text = box->text();
        title = box->windowTitle();
        box->accept();
    });
    child<QAction>(m_window, "actionAbout")->trigger();

    QCOMPARE(title, QStringLiteral("Kestrelpad"));
    QVERIFY2(text.startsWith(QStringLiteral("Kestrelpad\n\nWith this editor you can edit the "
                                            "pls-files\nfor the radio-box.\n")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("must start with http:// or udp:// \nThe limits")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("Version: 1.2"));
    QVERIFY2(QRegularExpression(QStringLiteral("^Date: [A-Z][a-z]{2} [1-9][0-9]? [0-9]{4}$"))
                 .match(lines.last())
                 .hasMatch(),
             qPrintable(lines.last()));
}

QTEST_MAIN(TestWindowState)
#include "tst_windowstate.moc"
