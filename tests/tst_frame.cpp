// The window frame and shell: start-up state, frame widgets, slot table, closing,
// the translation lookup of the initial texts and the command line.

#include "testutil.h"

#include <QLabel>
#include <QMetaMethod>
#include <QProcess>
#include <QTimer>

using testutil::RecordingTranslator;
using testutil::widget;

namespace {

const QString kTitle = QStringLiteral("TEST 1. DE MOI-MÊME.  DE MES ÉTUDES  À L’ACADÉMIE.");

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void startUpState();
    void headerTexts();
    void frameWidgets_data();
    void frameWidgets();
    void windowProperties();
    void windowSizeIsLocked();
    void pagesInIndexOrder();
    void everyObjectNamedInCreationOrder();
    void slotTable();
    void slotsBoundByName_data();
    void slotsBoundByName();
    void closeButtonClosesWindow();
    void titleBarCloseEndsEventLoop();
    void textsGoThroughTranslation();
    void unknownArgumentsAreIgnored_data();
    void unknownArgumentsAreIgnored();
    void missingDisplayIsExplained();
};

void TestFrame::startUpState()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QCOMPARE(testutil::currentPage(&w), 0);
    QCOMPARE(pageIndex, 0);
    QVERIFY(testutil::button(&w, "pushButton_2")->isVisible());
    QVERIFY(!testutil::button(&w, "pushButton_1")->isVisible());
    QVERIFY(!testutil::button(&w, "pushButton_3")->isVisible());
    QVERIFY(!testutil::button(&w, "close_button")->isVisible());
    // Before any click the points label is empty, not a space.
    QCOMPARE(widget<QLabel>(&w, "label_24")->text(), QString());
}

void TestFrame::headerTexts()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), kTitle);
    QCOMPARE(widget<QLabel>(&w, "label")->text(),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:16pt; "
                            "font-weight:600; color:#ffffff;\">TEST № 1</span></p></body></html>"));
    QCOMPARE(widget<QLabel>(&w, "label_3")->text(),
             QStringLiteral("<html><head/><body><p align=\"justify\"><span style=\" font-size:16pt; "
                            "font-weight:600;\">ТЕРВА, 2013</span></p></body></html>"));
    auto *section = widget<QLabel>(&w, "label_4");
    QCOMPARE(section->text(), QStringLiteral("<html><head/><body><p>LECTURE</p></body></html>"));
    QCOMPARE(section->textFormat(), Qt::RichText);
    QCOMPARE(section->minimumSize(), QSize(200, 0));
    QCOMPARE(widget<QLabel>(&w, "label_24")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(testutil::button(&w, "pushButton_3")->text(), QStringLiteral("Завершити"));
    QCOMPARE(testutil::button(&w, "pushButton_1")->text(), QStringLiteral("Назад"));
    QCOMPARE(testutil::button(&w, "close_button")->text(), QStringLiteral("Закрити"));
    QCOMPARE(testutil::button(&w, "pushButton_2")->text(), QStringLiteral("Далі"));
}

void TestFrame::frameWidgets_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("styleSheet");

    const QString navigation = QStringLiteral(
        "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 0, 131, 255), "
        "stop:1 rgba(0, 144, 255, 255));\ncolor: rgb(255, 255, 255);\nborder-color: rgb(255, 255, 255);\n"
        "font: bold 10pt \"Trebuchet MS\";\nborder: 1px solid #000;\nborder-radius: 5px;\nheight: 20px;\n\n");
    QTest::newRow("label_3") << "QLabel" << QRect(10, 560, 131, 31)
                             << "color: rgb(255, 255, 255);\nfont: bold 18pt \"Trebuchet MS\";\n"
                                "background-color: rgb(255, 255, 255, 0.0);";
    QTest::newRow("stackedWidget") << "QStackedWidget" << QRect(0, 90, 801, 461)
                                   << "background-color: rgb(181, 181, 181);\n"
                                      "background-color: rgb(255, 255, 255, 0);";
    QTest::newRow("label") << "QLabel" << QRect(30, 20, 101, 21)
                           << "background: rgba(255, 255, 255, 0);\nfont: 75 16pt \"Tahoma\";";
    QTest::newRow("label_4") << "QLabel" << QRect(30, 50, 200, 31)
                             << "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\n"
                                "text-decoration: underline;\ncolor: #ffffff;\n";
    QTest::newRow("label_24") << "QLabel" << QRect(580, 10, 211, 31)
                              << "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\n"
                                 "color: #ffffff;\n";
    QTest::newRow("pushButton_3")
        << "QPushButton" << QRect(577, 570, 100, 22)
        << "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 63, 0, 255), "
           "stop:1 rgba(0, 255, 0, 255));\ncolor: rgb(255, 255, 255);\nborder: 1px solid #000;\n"
           "border-radius: 5px;\nfont: bold 10pt \"Trebuchet MS\";\nheight: 20px;\n\n";
    QTest::newRow("pushButton_1") << "QPushButton" << QRect(364, 570, 100, 22) << navigation + "\n";
    QTest::newRow("close_button")
        << "QPushButton" << QRect(683, 570, 100, 22)
        << "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(146, 0, 0, 255), "
           "stop:1 rgba(255, 0, 0, 255));\ncolor: rgb(255, 255, 255);\nfont: bold 10pt \"Trebuchet MS\";\n"
           "border: 1px solid #000;\nborder-radius: 5px;\nheight:20px;\n";
    QTest::newRow("pushButton_2") << "QPushButton" << QRect(470, 570, 101, 22) << navigation;
}

void TestFrame::frameWidgets()
{
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, styleSheet);
    MainWindow w;
    auto *target = widget<QWidget>(&w, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(target);
    QCOMPARE(QString::fromLatin1(target->metaObject()->className()), className);
    QCOMPARE(target->parentWidget(), w.centralWidget());
    QCOMPARE(target->geometry(), geometry);
    QCOMPARE(target->styleSheet(), styleSheet);
    QCOMPARE(target->isEnabled(), true);
}

void TestFrame::windowProperties()
{
    MainWindow w;
    QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(w.centralWidget()->objectName(), QStringLiteral("centralWidget"));
    QVERIFY(w.isEnabled());
    QCOMPARE(w.styleSheet(),
             QStringLiteral("background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, "
                            "stop:0 rgba(0, 59, 117, 255), stop:1 rgba(0, 158, 201, 255));"));
    QCOMPARE(w.toolButtonStyle(), Qt::ToolButtonFollowStyle);
    QCOMPARE(w.tabShape(), QTabWidget::Rounded);
    auto *stack = widget<QStackedWidget>(&w, "stackedWidget");
    QCOMPARE(stack->frameShape(), QFrame::NoFrame);
    QCOMPARE(stack->frameShadow(), QFrame::Plain);
    // Menu bar, tool bars, dock widgets, status bar: none.
    QCOMPARE(w.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).count(w.centralWidget()), 1);
}

void TestFrame::windowSizeIsLocked()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QCOMPARE(w.size(), QSize(800, 600));
    QCOMPARE(w.minimumSize(), QSize(800, 600));
    QCOMPARE(w.maximumSize(), QSize(800, 600));
    w.resize(1024, 768);
    QCOMPARE(w.size(), QSize(800, 600));
    w.resize(300, 200);
    QCOMPARE(w.size(), QSize(800, 600));
}

void TestFrame::pagesInIndexOrder()
{
    MainWindow w;
    auto *stack = widget<QStackedWidget>(&w, "stackedWidget");
    const QStringList names{"stacked_lecture1_1",   "stacked_lecture1_2",   "stacked_vocabulaire2",
                            "stacked_vocabulaire3", "stacked_vocabulaire4", "stacked_vocabulaire5",
                            "stacked_grammaire6",   "stacked_grammaire7",   "result"};
    QCOMPARE(stack->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(stack->widget(i)->objectName(), names[i]);
        QCOMPARE(QString::fromLatin1(stack->widget(i)->metaObject()->className()), QStringLiteral("QWidget"));
    }
}

void TestFrame::everyObjectNamedInCreationOrder()
{
    // Children of the central widget stack in creation order: footer, stack, header, buttons.
    MainWindow w;
    QStringList names;
    for (QObject *child : w.centralWidget()->children())
        names << child->objectName();
    QCOMPARE(names, QStringList({"label_3", "stackedWidget", "label", "label_4", "label_24", "pushButton_3",
                                 "pushButton_1", "close_button", "pushButton_2"}));
    // Nothing in the window is left without a name, the toolkit's own internals aside.
    for (QWidget *child : w.findChildren<QWidget *>()) {
        if (child->window() != &w)
            continue; // drop-down popups
        bool internal = false;
        for (QWidget *up = child; up && up != &w; up = up->parentWidget())
            internal |= up->objectName().startsWith(QLatin1String("qt_"));
        if (internal)
            continue;
        QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
    }
}

void TestFrame::slotTable()
{
    const QStringList expected{
        "on_pushButton_2_clicked()",    "on_pushButton_1_clicked()",    "on_pushButton_3_clicked()",
        "on_textEdit1_textChanged()",   "on_textEdit_2_textChanged()",  "on_textEdit_3_textChanged()",
        "on_textEdit_4_textChanged()",  "on_textEdit_5_textChanged()",  "on_textEdit_6_textChanged()",
        "on_textEdit_7_textChanged()",  "on_textEdit_8_textChanged()",  "on_textEdit_9_textChanged()",
        "on_textEdit_10_textChanged()", "on_textEdit_11_textChanged()", "on_textEdit_12_textChanged()",
        "on_textEdit_13_textChanged()", "on_textEdit_14_textChanged()", "on_textEdit_15_textChanged()",
        "on_textEdit_16_textChanged()", "on_close_button_clicked()"};
    const QMetaObject &meta = MainWindow::staticMetaObject;
    QCOMPARE(QString::fromLatin1(meta.className()), QStringLiteral("MainWindow"));
    QCOMPARE(meta.superClass(), &QMainWindow::staticMetaObject);
    QStringList found;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.parameterCount(), 0);
        found << QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(found, expected);
}

void TestFrame::slotsBoundByName_data()
{
    QTest::addColumn<QString>("signal");
    QTest::newRow("pushButton_2") << "clicked()";
    QTest::newRow("pushButton_1") << "clicked()";
    QTest::newRow("pushButton_3") << "clicked()";
    QTest::newRow("textEdit1") << "textChanged()";
    for (int i = 2; i <= 16; ++i)
        QTest::newRow(qPrintable(QStringLiteral("textEdit_%1").arg(i))) << "textChanged()";
    QTest::newRow("close_button") << "clicked()";
}

void TestFrame::slotsBoundByName()
{
    QFETCH(QString, signal);
    MainWindow w;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QObject *sender = widget<QWidget>(&w, name);
    QVERIFY(sender);
    // Disconnecting succeeds only where the name binding made exactly this connection.
    const QByteArray signalCode = "2" + signal.toLatin1();
    const QByteArray slotCode = "1on_" + name.toLatin1() + "_" + signal.toLatin1();
    QVERIFY(QObject::disconnect(sender, signalCode.constData(), &w, slotCode.constData()));
}

void TestFrame::closeButtonClosesWindow()
{
    testutil::ShownWindow shown;
    QVERIFY(shown.window.isVisible());
    auto *close = testutil::button(&shown.window, "close_button");
    close->setVisible(true); // shown after Finish; here only its reaction matters
    testutil::click(close);
    QVERIFY(!shown.window.isVisible());
}

void TestFrame::titleBarCloseEndsEventLoop()
{
    testutil::ShownWindow shown;
    QTimer::singleShot(0, &shown.window, [&] { shown.window.close(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!shown.window.isVisible());
}

void TestFrame::textsGoThroughTranslation()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    {
        MainWindow w;
        Q_UNUSED(w);
    }
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(translator.lookups.size() >= 9);
    for (const auto &lookup : translator.lookups) {
        QCOMPARE(lookup.context, QStringLiteral("MainWindow"));
        QCOMPARE(lookup.disambiguation, QString());
        QCOMPARE(lookup.n, -1);
    }
    QCOMPARE(translator.lookups.first().source, kTitle);
    QVERIFY(translator.lookups.at(1).source.contains(QStringLiteral("ТЕРВА, 2013")));
    QStringList last;
    for (int i = translator.lookups.size() - 7; i < translator.lookups.size(); ++i)
        last << translator.lookups.at(i).source;
    QVERIFY(last.at(0).contains(QStringLiteral("TEST № 1")));
    QCOMPARE(last.mid(1), QStringList({"<html><head/><body><p>LECTURE</p></body></html>", "", "Завершити",
                                       "Назад", "Закрити", "Далі"}));
}

void TestFrame::unknownArgumentsAreIgnored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--unknown", "-x", "file.txt"};
    QTest::newRow("toolkit option") << QStringList{"-platform", "offscreen"};
    QTest::newRow("odd text") << QStringList{QString(), QStringLiteral("Відповіді нема"), QString(4096, 'x')};
}

void TestFrame::unknownArgumentsAreIgnored()
{
    QFETCH(QStringList, arguments);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(FRENCH_TEST_EXE), arguments);
    QVERIFY(program.waitForStarted());
    // Still running a while later: the arguments neither crashed nor ended it.
    QVERIFY(!program.waitForFinished(1500));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(!errors.contains(QLatin1String("rgument")) && !errors.contains(QLatin1String("usage")),
             qPrintable(errors));
}

void TestFrame::missingDisplayIsExplained()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(FRENCH_TEST_EXE), QStringList());
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // not an abort
    QCOMPARE(program.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errors.contains(QLatin1String("needs a graphical display")), qPrintable(errors));
    QVERIFY2(errors.contains(QLatin1String("xvfb-run")), qPrintable(errors));
}

FRENCH_TEST_MAIN(TestFrame)
#include "tst_frame.moc"
