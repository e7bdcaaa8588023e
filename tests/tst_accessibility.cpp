// What a screen reader says: every focusable control by the item it answers, every page by
// its section and task, and every result's verdict in words, as the toolkit's accessibility
// layer reports them.

#include "student.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using testutil::widget;

namespace {

// The words each answer control must be known by, as its page shows them.
const QHash<QString, QString> &expectedNames()
{
    static const QHash<QString, QString> names = {
        {"comboBox_1", "1. On dit que vous êtes étudiant."},
        {"comboBox_2", "2. À quelle faculté?"},
        {"comboBox_3", "3. Pourquoi avez-vous choisi le métier du policier?"},
        {"comboBox_4", "4. Qu’est-ce que vous apprenez à la faculté?"},
        {"comboBox_5", "5. Est-ce que vous étudiez l’anglais?"},
        {"comboBox_6", "6. Aimez- vous cette langue?"},
        {"comboBox_7", "7. Quel sont vos hobbys?"},
        {"v3_1", "1) la recherche criminelle"},
        {"v3_2", "2) la milice de la sécurité publique"},
        {"v3_3", "3) la lutte contre le trafic illicite des stupéfiants"},
        {"v3_4", "4) la lutte contre les crimes économiques"},
        {"v3_5", "5) la lutte contre la délinquance juvénile"},
        {"v4_1", "1) participer"},
        {"v4_2", "2) apprendre"},
        {"v4_3", "3) se passionner"},
        {"v4_4", "4) nécessaire"},
        {"v4_5", "5) se trouver"},
        {"v4_6", "6) actuellement"},
        {"v4_7", "7) vivre"},
        {"v5_1", "1) trente-sept"},
        {"v5_2", "2) quarante-deux"},
        {"v5_3", "3) quatre-vingts-quatre"},
        {"v5_4", "4) quatre-vingt-dix-huit"},
        {"v5_5", "5) cent-quinze"},
        {"v5_6", "6) cent-soixante-quinze"},
        {"v5_7", "7) trois cents-seize"},
        {"v5_8", "8) cinq cents-cinquante-un"},
        {"v5_9", "9) mille deux cent-trente-quatre"},
        {"v5_10", "10) deux mille-quatorze"},
        {"textEdit1", "1. Nous (être) … toujours à l’heure."},
        {"textEdit_2", "2. Je ne (savoir) … pas pourquoi elle est absente."},
        {"textEdit_3", "3. Il lui (dire) … son adresse."},
        {"textEdit_4", "4. Qui est-ce que tu (attendre) … ?"},
        {"textEdit_5", "5. Quand (partir) … -vous pour la France?"},
        {"textEdit_6", "6. Les étudiants (remplir) … la salle de conférence."},
        {"textEdit_7", "7. Nous (comprendre) … bien cette règle."},
        {"textEdit_8", "8. Nous (s’adresser) … à notre professeur."},
        {"textEdit_9", "9. Il (faire) … des progrès."},
        {"textEdit_10", "10. Tu (devoir) … être plus attentif."},
        {"textEdit_11", "1) elle / donne / le / me"},
        {"textEdit_12", "2) il / donner/ le me"},
        {"textEdit_13", "3) moi / le / donne"},
        {"textEdit_14", "4) il / pas / ne / donne / le / me"},
        {"textEdit_15", "5) lui / le / donnez"},
        {"textEdit_16", "6) donne / lui je / le"},
    };
    return names;
}

// The name a screen reader gives the control. On Unix the toolkit names a combo box by its
// current text once an answer is chosen; the item then comes from the label that labels it.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return QString();
#ifdef Q_OS_UNIX
    if (qobject_cast<QComboBox *>(control)) {
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
#endif
    return iface->text(QAccessible::Name);
}

// The controls of a page that take the keyboard focus, and the frame's buttons; the boxes'
// popup lists are windows of their own.
QList<QWidget *> focusableControls(MainWindow &window, QWidget *page)
{
    QList<QWidget *> controls;
    QList<QWidget *> candidates = page->findChildren<QWidget *>();
    const QWidget *frame = widget<QWidget>(&window, QStringLiteral("centralWidget"));
    for (QAbstractButton *button : frame->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        candidates << button;
    for (QWidget *candidate : candidates) {
        if ((candidate->focusPolicy() & Qt::TabFocus) && !candidate->focusProxy() && candidate->window() == &window)
            controls << candidate;
    }
    return controls;
}

// Every item answered, right and wrong in turn; or right, wrong and missing in turn.
QByteArray everyItemAnswered()
{
    QByteArray marks;
    for (int i = 0; i < 50; ++i)
        marks += "RW"[i % 2];
    return marks;
}

QByteArray rightWrongAndMissing()
{
    QByteArray marks;
    for (int i = 0; i < 50; ++i)
        marks += "RW-"[i % 3];
    return marks;
}

// The event a notification is raised with: AT-SPI readers speak a shown notification, UI
// Automation raises one for a value change with text. Only AT-SPI readers keep the states they
// once read, so only there does a page shown come with new identities.
#ifdef Q_OS_WIN
const char kAnnouncing[] = "ValueChanged";
const bool kRenewedWhenShown = false;
#else
const char kAnnouncing[] = "ObjectShow";
const bool kRenewedWhenShown = true;
#endif

// What the program announced while a row ran: the event and words of every notification.
QStringList announced;

void recordAnnouncements(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (!iface || iface->role() != QAccessible::Notification)
        return;
    const char *type = event->type() == QAccessible::ObjectShow     ? "ObjectShow"
                       : event->type() == QAccessible::ValueChanged ? "ValueChanged"
                                                                    : "other event";
    announced << QString::fromLatin1(type) + QStringLiteral(": ") + iface->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void spokenNames_data();
    void spokenNames();
    void pagesAndGroups_data();
    void pagesAndGroups();
    void heardChanges_data();
    void heardChanges();
    void resultHeard_data();
    void resultHeard();
};

// Widgets tell the accessibility layer of their changes only while it is active: on the
// offscreen platform no bridge switches it on, so the test does, as a screen reader would.
void TestAccessibility::initTestCase()
{
    QPlatformAccessibility *layer = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(layer);
    layer->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void TestAccessibility::spokenNames_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<int>("controls");   // besides the four buttons of the frame
    QTest::addColumn<QByteArray>("marks"); // empty: nothing answered
    QTest::addColumn<bool>("finish");

    struct Page {
        const char *name;
        int controls;
    };
    // Task I's fifteen radio buttons; the result page's tab bar and its two scroll buttons.
    const Page pages[] = {{"LECTURE", 0},           {"LECTURE, I", 15},     {"VOCABULAIRE, II", 7},
                          {"VOCABULAIRE, III", 5},  {"VOCABULAIRE, IV", 7}, {"VOCABULAIRE, V", 10},
                          {"GRAMMAIRE, VI", 10},    {"GRAMMAIRE, VII", 6},  {"RÉSULTAT", 3}};
    for (int page = 0; page < 8; ++page) {
        const QString name = QString::fromUtf8(pages[page].name);
        QTest::addRow("page %d, nothing answered", page) << page << name << pages[page].controls << QByteArray() << false;
        if (page > 0)
            QTest::addRow("page %d, every item answered", page)
                << page << name << pages[page].controls << everyItemAnswered() << false;
    }
    // Once scored, the page carries its points and grade: 17 right of 50 (the marks' R).
    QTest::newRow("results after right, wrong and missing answers")
        << 8 << QString::fromUtf8("RÉSULTAT Nombre de points: 34 Votre note: Mal!") << pages[8].controls
        << rightWrongAndMissing() << true;
}

void TestAccessibility::spokenNames()
{
    QFETCH(int, page);
    QFETCH(QString, pageName);
    QFETCH(int, controls);
    QFETCH(QByteArray, marks);
    QFETCH(bool, finish);

    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    if (!marks.isEmpty())
        QVERIFY(student::giveAll(&w, marks));
    if (finish) {
        testutil::goToPage(&w, 7);
        testutil::clickFinish(&w);
        QCOMPARE(testutil::currentPage(&w), 8);
    }

    QWidget *shownPage = widget<QStackedWidget>(&w, QStringLiteral("stackedWidget"))->widget(page);
    QAccessibleInterface *pageInterface = QAccessible::queryAccessibleInterface(shownPage);
    QVERIFY(pageInterface);
    QCOMPARE(pageInterface->text(QAccessible::Name), pageName);

    const QList<QWidget *> focusable = focusableControls(w, shownPage);
    QCOMPARE(focusable.size(), controls + 4);
    for (QWidget *control : focusable) {
        const QString name = spokenName(control);
        const QString value = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value);
        QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!name.contains(QLatin1Char('<')), qPrintable(control->objectName() + QStringLiteral(": ") + name));
        QVERIFY2(name != value, qPrintable(control->objectName() + QStringLiteral(" is named by its value ") + value));
        const auto expected = expectedNames().constFind(control->objectName());
        if (expected != expectedNames().constEnd())
            QCOMPARE(name, expected.value());
        else if (auto *button = qobject_cast<QAbstractButton *>(control); button && !button->text().isEmpty())
            QCOMPARE(name, button->text());
    }

    if (!finish)
        return;
    for (int i = 0; i < 50; ++i) {
        QLabel *result = widget<QLabel>(&w, student::resultName(i));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(result);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Description),
                 QString::fromUtf8(marks[i] == 'R' ? "правильно" : "неправильно"));
    }
}

// Screen readers skip unnamed fillers: every page is a panel named by its section and task and
// described by its instruction line, and each item of task I a panel named by its stem.
void TestAccessibility::pagesAndGroups_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("reading page") << "stacked_lecture1_1" << "LECTURE" << "I. Lisez le texte:";
    QTest::newRow("task I") << "stacked_lecture1_2" << "LECTURE, I"
                            << "Complétez les phrases en vous servant du texte:";
    QTest::newRow("task II") << "stacked_vocabulaire2" << "VOCABULAIRE, II"
                             << "II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:";
    QTest::newRow("task III") << "stacked_vocabulaire3" << "VOCABULAIRE, III"
                              << "III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:";
    QTest::newRow("task IV") << "stacked_vocabulaire4" << "VOCABULAIRE, IV"
                             << "IV. Trouvez dans la colonne droite les synonymes pour les mots de la colonne gauche:";
    QTest::newRow("task V") << "stacked_vocabulaire5" << "VOCABULAIRE, V" << "V. Faites correspondre les nombres suivants:";
    QTest::newRow("task VI") << "stacked_grammaire6" << "GRAMMAIRE, VI"
                             << "VI. Mettez au présent les verbes entre parenthèses:";
    QTest::newRow("task VII") << "stacked_grammaire7" << "GRAMMAIRE, VII"
                              << "VII. Recomposez les phrases en rétablissant les “-”:";
    QTest::newRow("result page, not yet scored") << "result" << "RÉSULTAT" << "Nombre de points: Votre note:";
    // A task I button: the group it belongs to, named by the sentence its ending completes.
    QTest::newRow("task I, item 5's second ending") << "rb5_2"
                                                    << "5. ENSP organise régulièrement des stages obligatoires ou facultatifs ... "
                                                    << "";
    QTest::newRow("task I, item 2's first ending") << "rb2_1" << "2. ENSP est située ..." << "";
    QTest::newRow("task I, item 4's third ending") << "rb4_3" << "4. ENSP assure une formation …" << "";
}

void TestAccessibility::pagesAndGroups()
{
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QString, description);

    testutil::ShownWindow shown;
    QWidget *target = widget<QWidget>(&shown.window, object);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(target);
    QVERIFY(iface);
    if (qobject_cast<QRadioButton *>(target))
        iface = iface->parent();
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Grouping);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

// A box's value is its answer with what it stands for on its page; a typed answer's turn from
// wrong to right or back is announced once, in words, with the event screen readers speak.
void TestAccessibility::heardChanges_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("announcements");

    QTest::newRow("task II, no answer") << 2 << "comboBox_2" << "" << "Відповіді нема" << QStringList();
    QTest::newRow("task II, b)") << 2 << "comboBox_2" << "b"
                                << "b) C’est un métier que je souhaite exercer depuis tout jeune."
                                << QStringList{"b) C’est un métier que je souhaite exercer depuis tout jeune."};
    QTest::newRow("task II, g)") << 2 << "comboBox_7" << "g" << "g) C’est vrai. Je suis en première année."
                                << QStringList{"g) C’est vrai. Je suis en première année."};
    QTest::newRow("task III, e)") << 3 << "v3_1" << "e" << "e) боротьба з незаконним обігом наркотиків"
                                 << QStringList{"e) боротьба з незаконним обігом наркотиків"};
    QTest::newRow("task IV, d)") << 4 << "v4_7" << "d" << "d) avoir l’hobby" << QStringList{"d) avoir l’hobby"};
    QTest::newRow("task V, a)") << 5 << "v5_1" << "a" << "a) 175" << QStringList{"a) 175"};
    QTest::newRow("task VI, wrong, right, wrong") << 6 << "textEdit1" << "sommesx" << ""
                                                  << QStringList{"неправильно", "правильно", "неправильно"};
    QTest::newRow("task VII, wrong until the last letter")
        << 7 << "textEdit_11" << "elle me le donne" << "" << QStringList{"неправильно", "правильно"};
}

void TestAccessibility::heardChanges()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QString, keys);
    QFETCH(QString, value);
    QFETCH(QStringList, announcements);

    QAccessible::installUpdateHandler(recordAnnouncements);
    testutil::ShownWindow shown;
    testutil::goToPage(&shown.window, page);
    QWidget *target = widget<QWidget>(&shown.window, control);
    QVERIFY(target);
    shown.window.activateWindow();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    announced.clear();
    for (QString &announcement : announcements)
        announcement = QString::fromLatin1(kAnnouncing) + QStringLiteral(": ") + announcement;
    QTest::keyClicks(target, keys);
    const auto heard = [&] {
        return QStringLiteral("announced: [") + announced.join(QStringLiteral(" | ")) + QStringLiteral("], expected: [")
               + announcements.join(QStringLiteral(" | ")) + QLatin1Char(']');
    };
    QTRY_VERIFY2(announced == announcements, qPrintable(heard()));
    // Nothing more once the words are out: no repeat for a keystroke that keeps the verdict.
    QTest::qWait(100);
    QCOMPARE(announced, announcements);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(target);
    if (auto *edit = qobject_cast<QTextEdit *>(target)) {
        QCOMPARE(iface->text(QAccessible::Description),
                 QString::fromUtf8("Ctrl+Tab — наступне поле, Ctrl+Shift+Tab — попереднє поле"));
        QCOMPARE(edit->toPlainText(), keys);
    } else {
        QCOMPARE(iface->text(QAccessible::Value), value);
        QAccessibleTextInterface *text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), value);
        QCOMPARE(iface->text(QAccessible::Name), expectedNames().value(control));
    }
}

// The result as review keys reach it: the page and the tab shown come with new identities, so
// that AT-SPI clients read their states afresh (they keep those read while hidden), and each
// answer's name carries its verdict in words.
void TestAccessibility::resultHeard_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");

    // The marks of rightWrongAndMissing(): item n of the test is right, wrong or missing as n % 3.
    QTest::newRow("task I, right") << 0 << "res"
                                   << " b) des cadres de police française et des cadres supérieurs de police de pays partenaires; — правильно";
    QTest::newRow("task I, missing") << 0 << "res_3" << " Відповіді нема — неправильно";
    QTest::newRow("task I, wrong") << 0 << "res_2" << " a) à Saint-Cyr-au-Mont-d'Or; — неправильно";
    QTest::newRow("task II, right") << 1 << "res_7" << "d) À la faculté de droit. — правильно";
    QTest::newRow("task III, wrong") << 2 << "res_14" << "a) боротьба з економічними злочинами — неправильно";
    QTest::newRow("task IV, right") << 3 << "res_19" << "f) étudier — правильно";
    QTest::newRow("task V, right") << 4 << "res_25" << "f) 37 — правильно";
    QTest::newRow("task V, wrong") << 4 << "res_26" << "a) 175 — неправильно";
    QTest::newRow("task VI, missing") << 5 << "res_36" << "2. Відповіді нема — неправильно";
    QTest::newRow("task VII, right") << 6 << "res_46" << "2. il veut me le donner — правильно";
}

void TestAccessibility::resultHeard()
{
    QFETCH(int, tab);
    QFETCH(QString, label);
    QFETCH(QString, name);

    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    QVERIFY(student::giveAll(&w, rightWrongAndMissing()));
    testutil::goToPage(&w, 7);
    QWidget *page = widget<QWidget>(&w, QStringLiteral("result"));
    const QAccessible::Id hidden = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(page));
    testutil::clickFinish(&w);
    QCOMPARE(testutil::currentPage(&w), 8);
    QAccessibleInterface *pageInterface = QAccessible::queryAccessibleInterface(page);
    QVERIFY2(!kRenewedWhenShown || QAccessible::uniqueId(pageInterface) != hidden,
             "the result page kept the identity it had while hidden");
    QVERIFY(!pageInterface->state().invisible);

    auto *tabs = widget<QTabWidget>(&w, QStringLiteral("tabWidget"));
    QWidget *tabPage = tabs->widget(tab);
    const QAccessible::Id before = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(tabPage));
    tabs->setCurrentIndex(tab);
    QAccessibleInterface *tabInterface = QAccessible::queryAccessibleInterface(tabPage);
    if (kRenewedWhenShown && tab != 0)
        QVERIFY2(QAccessible::uniqueId(tabInterface) != before, "the tab kept the identity it had while hidden");
    QVERIFY(!tabInterface->state().invisible);

    QAccessibleInterface *answer = QAccessible::queryAccessibleInterface(widget<QLabel>(&w, label));
    QVERIFY(answer);
    QVERIFY(!answer->state().invisible);
    QCOMPARE(answer->role(), QAccessible::StaticText);
    QCOMPARE(answer->text(QAccessible::Name), name);
}

FRENCH_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
