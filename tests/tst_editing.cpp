// Typing entries into the editor, clicking rows, and the Add, Change and
// Delete commands, with what the table, labels, title and actions show after.

#include "editortest.h"

using EditorTest::BoxAnswerer;
using EditorTest::Editor;

namespace {

const QString BadAddress =
    QStringLiteral("The url of the stream must start with http:// or udp://!");
const QStringList AllDocumentActions{"actionNew", "actionSave", "actionSaveAs", "actionClose"};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void addEntry_data();
    void addEntry();
    void clickRow_data();
    void clickRow();
    void changeRow_data();
    void changeRow();
    void changeWithoutCurrentRow_data();
    void changeWithoutCurrentRow();
    void changeRefusesBadAddress();
    void deleteRows_data();
    void deleteRows();
    void deleteNothingMarksNothing_data();
    void deleteNothingMarksNothing();
};

void TestEditing::addEntry_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("tv");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("http radio") << "Jazz"
                                << "http://jazz.example:8000/live" << false << true;
    QTest::newRow("udp multicast TV") << "News"
                                      << "udp://239.1.2.3:1234" << true << true;
    QTest::newRow("empty title") << ""
                                 << "http://quiet.example/" << false << true;
    QTest::newRow("scheme in capitals") << "Loud"
                                        << "HTTP://loud.example/" << false << true;
    QTest::newRow("nothing after the scheme examined") << "Odd"
                                                       << "http:stream" << true << true;
    QTest::newRow("https refused") << "Secure"
                                   << "https://secure.example/" << false << false;
    QTest::newRow("rtsp refused") << "Cam"
                                  << "rtsp://cam.example/live" << true << false;
    QTest::newRow("empty address refused") << "Nothing"
                                           << "" << false << false;
    QTest::newRow("no scheme refused") << "Bare"
                                       << "www.example.com/stream" << false << false;
}

void TestEditing::addEntry()
{
    QFETCH(QString, title);
    QFETCH(QString, url);
    QFETCH(bool, tv);
    QFETCH(bool, accepted);

    Editor editor;
    BoxAnswerer boxes({QMessageBox::Ok});
    editor.type(title, url, tv);
    editor.click("btnAdd");

    // What was typed stays in the editor either way, to be corrected or reused.
    QCOMPARE(editor.titleEdit()->text(), title);
    QCOMPARE(editor.urlEdit()->text(), url);
    if (accepted) {
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(editor.table()->rowCount(), 1);
        QCOMPARE(editor.row(0), QStringList({title, url, tv ? "TV" : "Radio", tv ? "2" : "1"}));
        QCOMPARE(editor.entryCount(), QStringLiteral("1"));
        QCOMPARE(editor.title(), QStringLiteral("* Kestrelpad"));
        QCOMPARE(editor.enabledActions(), AllDocumentActions);
    } else {
        QCOMPARE(boxes.texts(), QStringList{BadAddress});
        QVERIFY(boxes.seen.at(0).hasParent);
        QCOMPARE(editor.table()->rowCount(), 0);
        QCOMPARE(editor.entryCount(), QStringLiteral("0"));
        QCOMPARE(editor.title(), QStringLiteral("Kestrelpad"));
        QCOMPARE(editor.enabledActions(), QStringList());
    }
}

void TestEditing::clickRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("retranslated");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("comboIndex");

    QTest::newRow("first row, radio") << 0 << false << "Alpha"
                                      << "http://a.example/" << 0;
    QTest::newRow("TV row") << 1 << false << "Beta"
                            << "udp://239.0.0.2:5000" << 1;
    QTest::newRow("last row, radio") << 2 << false << "Gamma"
                                     << "http://c.example/" << 0;
    // The Type texts follow the language; the kind must not.
    QTest::newRow("TV row, type text in another language") << 1 << true << "Beta"
                                                           << "udp://239.0.0.2:5000" << 1;
    QTest::newRow("radio row, type text in another language") << 2 << true << "Gamma"
                                                              << "http://c.example/" << 0;
}

void TestEditing::clickRow()
{
    QFETCH(int, row);
    QFETCH(bool, retranslated);
    QFETCH(QString, title);
    QFETCH(QString, url);
    QFETCH(int, comboIndex);

    Editor editor;
    editor.add("Alpha", "http://a.example/");
    editor.add("Beta", "udp://239.0.0.2:5000", true);
    editor.add("Gamma", "http://c.example/");
    if (retranslated) {
        editor.table()->item(1, PlaylistTable::TypeColumn)->setText("Fernsehen");
        editor.table()->item(2, PlaylistTable::TypeColumn)->setText("Rundfunk");
    }
    // Start from the opposite kind, so that the click has to set it.
    editor.typeCombo()->setCurrentIndex(1 - comboIndex);

    editor.clickRow(row);

    QCOMPARE(editor.titleEdit()->text(), title);
    QCOMPARE(editor.urlEdit()->text(), url);
    QCOMPARE(editor.entryId(), QString::number(row + 1));
    QCOMPARE(editor.typeCombo()->currentIndex(), comboIndex);
    QCOMPARE(editor.table()->currentRow(), row);
    QCOMPARE(editor.table()->rowCount(), 3);
}

void TestEditing::changeRow_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("arrowDowns");
    QTest::addColumn<bool>("retype");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("changedRow");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("radio row made TV, button")
        << 0 << 0 << true << "btnEdit" << 0
        << QStringList{"Alpha 2", "udp://239.9.9.9:1", "TV", "2"};
    QTest::newRow("TV row made radio, Stream menu")
        << 1 << 0 << true << "actionEdit" << 1
        << QStringList{"Alpha 2", "udp://239.9.9.9:1", "Radio", "1"};
    // The editor still holds the clicked row; the row made current by the
    // keyboard is the one overwritten.
    QTest::newRow("current row moved by keyboard")
        << 0 << 1 << false << "btnEdit" << 1
        << QStringList{"Alpha", "http://a.example/", "Radio", "1"};
}

void TestEditing::changeRow()
{
    QFETCH(int, clicked);
    QFETCH(int, arrowDowns);
    QFETCH(bool, retype);
    QFETCH(QString, command);
    QFETCH(int, changedRow);
    QFETCH(QStringList, expected);

    Editor editor;
    editor.add("Alpha", "http://a.example/");
    editor.add("Beta", "udp://239.0.0.2:5000", true);
    editor.add("Gamma", "http://c.example/");
    QList<QStringList> before;
    for (int r = 0; r < 3; ++r)
        before << editor.row(r);

    editor.clickRow(clicked);
    for (int i = 0; i < arrowDowns; ++i)
        QTest::keyClick(editor.table(), Qt::Key_Down);
    if (retype)
        editor.type("Alpha 2", "udp://239.9.9.9:1", expected.at(3) == "2");
    const QByteArray name = command.toLatin1();
    if (command.startsWith("btn"))
        editor.click(name.constData());
    else
        editor.trigger(name.constData());

    QCOMPARE(editor.table()->rowCount(), 3);
    QCOMPARE(editor.entryCount(), QStringLiteral("3"));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(editor.row(r), r == changedRow ? expected : before.at(r));
    QCOMPARE(editor.entryId(), QString::number(clicked + 1));
    QCOMPARE(editor.title(), QStringLiteral("* Kestrelpad"));
}

void TestEditing::changeWithoutCurrentRow_data()
{
    QTest::addColumn<bool>("withRows");

    QTest::newRow("empty table") << false;
    QTest::newRow("saved rows, none current") << true;
}

void TestEditing::changeWithoutCurrentRow()
{
    QFETCH(bool, withRows);

    Editor editor;
    QString title = QStringLiteral("Kestrelpad");
    if (withRows) {
        editor.add("Alpha", "http://a.example/");
        editor.add("Beta", "http://b.example/");
        QVERIFY(editor.saveAs("radio.pls"));
        title = QStringLiteral("radio.pls - Kestrelpad");
    }
    QCOMPARE(editor.table()->currentRow(), -1);
    const QStringList titles = editor.titles();

    BoxAnswerer boxes;
    editor.type("Changed", "http://changed.example/", true);
    editor.click("btnEdit");

    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(editor.titles(), titles);
    QCOMPARE(editor.title(), title);
    QCOMPARE(editor.enabledActions(), QStringList());
}

void TestEditing::changeRefusesBadAddress()
{
    Editor editor;
    editor.add("Alpha", "http://a.example/");
    QVERIFY(editor.saveAs("radio.pls"));
    editor.clickRow(0);

    BoxAnswerer boxes({QMessageBox::Ok});
    editor.type("Alpha 2", "https://a.example/", true);
    editor.click("btnEdit");

    QCOMPARE(boxes.texts(), QStringList{BadAddress});
    QCOMPARE(editor.row(0), QStringList({"Alpha", "http://a.example/", "Radio", "1"}));
    QCOMPARE(editor.title(), QStringLiteral("radio.pls - Kestrelpad"));
    QCOMPARE(editor.urlEdit()->text(), QStringLiteral("https://a.example/"));
}

void TestEditing::deleteRows_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("remaining");

    const QString key = QStringLiteral("Del key");
    QTest::newRow("clicked row") << 2 << key << 1 << QStringList{"A", "B", "D", "E"};
    // The number in the editor stays, and now names the row that moved up.
    QTest::newRow("twice removes the follower") << 2 << key << 2 << QStringList{"A", "B", "E"};
    QTest::newRow("button, twice") << 0 << "btnDelete" << 2 << QStringList{"C", "D", "E"};
    QTest::newRow("Stream menu") << 4 << "actionDelete" << 1 << QStringList{"A", "B", "C", "D"};
    QTest::newRow("last row, then beyond the end")
        << 4 << key << 2 << QStringList{"A", "B", "C", "D"};
}

void TestEditing::deleteRows()
{
    QFETCH(int, clicked);
    QFETCH(QString, command);
    QFETCH(int, presses);
    QFETCH(QStringList, remaining);

    Editor editor;
    for (const QString &title : QStringList{"A", "B", "C", "D", "E"})
        editor.add(title, "http://" + title + ".example/");
    editor.clickRow(clicked);

    const QByteArray name = command.toLatin1();
    for (int i = 0; i < presses; ++i) {
        if (command == "Del key")
            editor.press(QKeySequence(Qt::Key_Delete));
        else if (command.startsWith("btn"))
            editor.click(name.constData());
        else
            editor.trigger(name.constData());
    }

    QCOMPARE(editor.titles(), remaining);
    QCOMPARE(editor.entryCount(), QString::number(remaining.size()));
    QCOMPARE(editor.entryId(), QString::number(clicked + 1));
    QCOMPARE(editor.title(), QStringLiteral("* Kestrelpad"));
}

void TestEditing::deleteNothingMarksNothing_data()
{
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<bool>("deleteLastFirst");

    QTest::newRow("fresh window") << false << false;
    QTest::newRow("saved rows, nothing clicked") << true << false;
    QTest::newRow("number beyond the last row") << true << true;
}

void TestEditing::deleteNothingMarksNothing()
{
    QFETCH(bool, withRows);
    QFETCH(bool, deleteLastFirst);

    Editor editor;
    QString title = QStringLiteral("Kestrelpad");
    if (withRows) {
        editor.add("A", "http://a.example/");
        editor.add("B", "http://b.example/");
        if (deleteLastFirst) {
            editor.clickRow(1);
            editor.click("btnDelete");
        }
        QVERIFY(editor.saveAs("radio.pls"));
        title = QStringLiteral("radio.pls - Kestrelpad");
    }
    const QStringList titles = editor.titles();

    editor.click("btnDelete");
    editor.press(QKeySequence(Qt::Key_Delete));

    QCOMPARE(editor.titles(), titles);
    QCOMPARE(editor.entryCount(), QString::number(titles.size()));
    QCOMPARE(editor.title(), title);
    QCOMPARE(editor.enabledActions(), QStringList());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
