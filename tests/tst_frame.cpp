// The window frame and shell: start-up state, frame widgets, slot table, closing,
// the translation lookup of the initial texts and the command line.

#include "testutil.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QMetaMethod>
#include <QProcess>
#include <QTimer>

#include <iterator>

using testutil::RecordingTranslator;
using testutil::widget;

namespace {

const QString kTitle = QStringLiteral("TEST 1. DE MOI-MÊME.  DE MES ÉTUDES  À L’ACADÉMIE.");

// Every source text the form passes through the lookup, in the order it does: a translation
// catalogue is matched against this sequence, and no page may add, drop or reorder a text.
const char *const kLookups[] = {
    // Frame: window title, footer
    "TEST 1. DE MOI-MÊME.  DE MES ÉTUDES  À L’ACADÉMIE.",
    "<html><head/><body><p align=\"justify\"><span style=\" font-size:16pt; font-weight:600;\">ТЕРВА, 2013</span></p></body></html>",
    // Page 0: instruction; the passage by its SHA-1, its words being the program's own
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">I. Lisez le texte:</span></p></body></html>",
    "sha1:a9410c9b97f5dc5fd2b17912e566ae7f172aec01",
    // Page 1: task I, its items in creation order
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">Complétez les phrases en vous servant du texte:</span></p></body></html>",
    "5. ENSP organise régulièrement des stages obligatoires ou facultatifs ... ",
    "a) pour les commissaires de police;",
    "b) pour les commissaires de police en activité;",
    "c) pour  les officiers et les commissares de police.",
    "2. ENSP est située ...",
    "a) à Saint-Cyr-au-Mont-d'Or;",
    "b) à Cannes-Ecluse;",
    "c) à Cannes-Ecluse et à Saint-Cyr-au-Mont-d'Or. ",
    "4. ENSP assure une formation …",
    "a) à des professionnels qui n’appartiennent pas à la fonction publique d'État;",
    "b) à des étudiants et à des professionnels qui appartiennent à la fonction publique d'État;",
    "c) à des étudiants et à des professionnels qui n’appartiennent pas à la fonction publique d'État.",
    "1. ENSP est le lieu de la formation ...",
    "a) des cadres de la police française; ",
    "b) des cadres de police française et des cadres supérieurs de police de pays partenaires; ",
    "c) des cadres supérieurs de police de pays partenaires.",
    "3. ENSP dépend ...",
    "a) de la direction générale de  la Police nationale;",
    "b) du Ministère de l’Intérieur;",
    "c) des maires.",
    // Page 2: task II, its letters, instruction, then its cells in creation order
    "a)", "b)", "c)", "d)", "e)", "f)", "g)",
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">a)</span> Mais non, j’étudie le français.</p></body></html>",
    "<html><head/><body><p><span style=\" font-size:10pt; font-weight:600;\">7. Quel sont vos hobbys?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">6. Aimez- vous cette langue?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5. Est-ce que vous étudiez l’anglais?   </span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4. Qu’est-ce que vous apprenez à la faculté?   </span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3. Pourquoi avez-vous choisi le métier du policier?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1. On dit que vous êtes étudiant. </span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2. À quelle faculté?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">b)</span> C’est un métier que je souhaite exercer depuis tout jeune.</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">c)</span> C’est une belle langue, mais elle n’est pas facile. </p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">d)</span> À la faculté de droit. </p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">e)</span> Beaucoup de matières: le droit civil, le droit pénal, le droit administratif etc.</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">f)</span> J’aime beaucoup la musique de tous genres (pop, rock…), l’informatique, les sports extrêmes. </p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">g)</span> C’est vrai. Je suis en première année.</p></body></html>",
    // Page 3: task III
    "a)", "b)", "c)", "d)", "e)",
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5) la lutte contre la délinquance juvénile</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4) la lutte contre les crimes économiques</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1) la recherche criminelle</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2) la milice de la sécurité publique</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3) la lutte contre le trafic illicite des stupéfiants</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">c)</span> боротьба з підлітковою злочинністю</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">d)</span> міліція громадської безпеки</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">e)</span> боротьба з незаконним обігом наркотиків</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">b)</span> карний розшук</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">a)</span> боротьба з економічними злочинами</p></body></html>",
    // Page 4: task IV
    "a)", "b)", "c)", "d)", "e)", "f)", "g)",
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">a)</span> être situé</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">7) vivre</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">6) actuellement</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5) se trouver</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4) nécessaire</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3) se passionner</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1) participer   </span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2) apprendre</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">b)</span> à présent</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">c)</span> habiter</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">d)</span> avoir l’hobby</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">e)</span> prendre part</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">f)</span> étudier</p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600; font-style:italic;\">g)</span> utile</p></body></html>",
    // Page 5: task V
    "a) 175", "b) 1234", "c) 98", "d) 316", "e) 2014", "f) 37", "h) 551", "i) 84", "k) 42", "l) 115",
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">V. Faites correspondre les nombres suivants:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1) trente-sept</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2) quarante-deux</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3) quatre-vingts-quatre</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4) quatre-vingt-dix-huit</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5) cent-quinze</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">6) cent-soixante-quinze</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">7) trois cents-seize</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">8) cinq cents-cinquante-un</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">9) mille deux cent-trente-quatre</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">10) deux mille-quatorze</span></p></body></html>",
    // Page 6: task VI
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">VI. Mettez au présent les verbes entre parenthèses:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1. Nous </span><span style=\" font-weight:600; font-style:italic;\">(être)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">toujours à l’heure.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2. Je ne </span><span style=\" font-weight:600; font-style:italic;\">(savoir)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">pas pourquoi elle est absente.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3. Il lui </span><span style=\" font-weight:600; font-style:italic;\">(dire)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">son adresse.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4. Qui est-ce que tu </span><span style=\" font-weight:600; font-style:italic;\">(attendre)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5. Quand </span><span style=\" font-weight:600; font-style:italic;\">(partir)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">-vous pour la France?</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">6. Les étudiants </span><span style=\" font-weight:600; font-style:italic;\">(remplir)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">la salle de conférence.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">7. Nous </span><span style=\" font-weight:600; font-style:italic;\">(comprendre)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">bien cette règle.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">8. Nous </span><span style=\" font-weight:600; font-style:italic;\">(s’adresser)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">à notre professeur.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">9. Il </span><span style=\" font-weight:600; font-style:italic;\">(faire)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">des progrès.</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">10. Tu </span><span style=\" font-weight:600; font-style:italic;\">(devoir)</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">être plus attentif.</span></p></body></html>",
    // Page 7: task VII
    "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; color:#00557f;\">VII. Recomposez les phrases en rétablissant les “-”:</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">1)\telle / donne / le / me</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">2)\til / donner/ le me</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">3)\tmoi / le / donne</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">4)\til / pas / ne / donne / le / me</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">5) lui / le / donnez</span></p></body></html>",
    "<html><head/><body><p><span style=\" font-weight:600;\">6)\tdonne / lui je / le</span></p></body></html>",
    // Page 8: points, grade, then each tab's heading, prompts and results before its title
    "Nombre de points:",
    "",
    "Votre note:",
    "", "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 1",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 2",
    "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 3",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 4",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 5",
    "", "", "", "", "", "", "", "", "", "", "",
    "Завдання 6",
    "", "", "", "", "", "", "",
    "Завдання 7",
    // Frame: header, section, points scheme, buttons
    "<html><head/><body><p align=\"center\"><span style=\" font-size:16pt; font-weight:600; color:#ffffff;\">TEST № 1</span></p></body></html>",
    "<html><head/><body><p>LECTURE</p></body></html>",
    "",
    "Завершити",
    "Назад", "Закрити", "Далі",
};

// The lookups that building one window makes.
QList<RecordingTranslator::Lookup> lookupsOfOneWindow()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    {
        MainWindow w;
        Q_UNUSED(w);
    }
    QCoreApplication::removeTranslator(&translator);
    return translator.lookups;
}

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
    void everyLookupInOrder();
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
    const QList<RecordingTranslator::Lookup> lookups = lookupsOfOneWindow();
    QVERIFY(!lookups.isEmpty());
    for (const auto &lookup : lookups) {
        QCOMPARE(lookup.context, QStringLiteral("MainWindow"));
        QCOMPARE(lookup.disambiguation, QString());
        QCOMPARE(lookup.n, -1);
    }
}

void TestFrame::everyLookupInOrder()
{
    const QList<RecordingTranslator::Lookup> lookups = lookupsOfOneWindow();
    const int expected = int(std::size(kLookups));
    for (int i = 0; i < qMin(expected, int(lookups.size())); ++i) {
        const QString wanted = QString::fromUtf8(kLookups[i]);
        const QString &source = lookups.at(i).source;
        const QString got = wanted.startsWith(QLatin1String("sha1:"))
                                ? QStringLiteral("sha1:") + QString::fromLatin1(QCryptographicHash::hash(
                                      source.toUtf8(), QCryptographicHash::Sha1).toHex())
                                : source;
        QVERIFY2(got == wanted,
                 qPrintable(QStringLiteral("lookup %1 is \"%2\", not \"%3\"").arg(i + 1).arg(got, wanted)));
    }
    QCOMPARE(int(lookups.size()), expected);
}

void TestFrame::unknownArgumentsAreIgnored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("warning"); // one the toolkit gives, which must come through whole
    QTest::newRow("unknown option") << QStringList{"--unknown", "-x", "file.txt"} << QString();
    QTest::newRow("toolkit option") << QStringList{"-platform", "offscreen"} << QString();
    QTest::newRow("odd text") << QStringList{QString(), QStringLiteral("Відповіді нема"), QString(4096, 'x')}
                              << QString();
    QTest::newRow("toolkit warning") << QStringList{"-style", "nosuchstyle"}
                                     << "QApplication: invalid style override 'nosuchstyle' passed, ignoring it.";
}

void TestFrame::unknownArgumentsAreIgnored()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, warning);
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
    // A start is silent but for what is unexpected: the style sheets' colour notices are not.
    QVERIFY2(!errors.contains(QLatin1String("QCssParser")), qPrintable(errors));
    QVERIFY2(errors.contains(warning), qPrintable(errors));
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
