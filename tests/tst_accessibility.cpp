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
#include <QStackedWidget>

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

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void spokenNames_data();
    void spokenNames();
};

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
    QTest::newRow("results after right, wrong and missing answers")
        << 8 << QString::fromUtf8(pages[8].name) << pages[8].controls << rightWrongAndMissing() << true;
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

FRENCH_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
