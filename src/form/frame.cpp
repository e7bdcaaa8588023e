// The window frame: background, header, footer, the page stack and the four buttons,
// and the skeleton of the form's two operations.

#include "accessibility.h"
#include "form.h"
#include "form/pages.h"
#include "form/recipes.h"
#include "window.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

using namespace form;

namespace {

const char kWindowStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 59, 117, 255), "
    "stop:1 rgba(0, 158, 201, 255));";

const char kFooterStyle[] =
    "color: rgb(255, 255, 255);\nfont: bold 18pt \"Trebuchet MS\";\nbackground-color: rgb(255, 255, 255, 0.0);";
const char kStackStyle[] = "background-color: rgb(181, 181, 181);\nbackground-color: rgb(255, 255, 255, 0);";
const char kTitleStyle[] = "background: rgba(255, 255, 255, 0);\nfont: 75 16pt \"Tahoma\";";
const char kSectionStyle[] =
    "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\ntext-decoration: underline;\n"
    "color: #ffffff;\n";
const char kPointsStyle[] = "background: rgba(255, 255, 255, 0);\nfont: bold 16pt \"Trebuchet MS\";\ncolor: #ffffff;\n";

const char kFinishStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 63, 0, 255), "
    "stop:1 rgba(0, 255, 0, 255));\ncolor: rgb(255, 255, 255);\nborder: 1px solid #000;\nborder-radius: 5px;\n"
    "font: bold 10pt \"Trebuchet MS\";\nheight: 20px;\n\n";
// Back's sheet is Next's with one more trailing line break.
#define NAVIGATION_STYLE                                                                                    \
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 0, 131, 255), "  \
    "stop:1 rgba(0, 144, 255, 255));\ncolor: rgb(255, 255, 255);\nborder-color: rgb(255, 255, 255);\n"    \
    "font: bold 10pt \"Trebuchet MS\";\nborder: 1px solid #000;\nborder-radius: 5px;\nheight: 20px;\n\n"
const char kNextStyle[] = NAVIGATION_STYLE;
const char kBackStyle[] = NAVIGATION_STYLE "\n";
#undef NAVIGATION_STYLE
const char kCloseStyle[] =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(146, 0, 0, 255), "
    "stop:1 rgba(255, 0, 0, 255));\ncolor: rgb(255, 255, 255);\nfont: bold 10pt \"Trebuchet MS\";\n"
    "border: 1px solid #000;\nborder-radius: 5px;\nheight:20px;\n";

} // namespace

void MainWindowUi::setupForm(MainWindow *window)
{
    // Before the first widget, so that screen readers never meet the toolkit's own interfaces.
    accessibility::install();
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->setEnabled(true);
    window->resize(800, 600);
    window->setMinimumSize(QSize(800, 600));
    window->setMaximumSize(QSize(800, 600));
    window->setStyleSheet(QString::fromLatin1(kWindowStyle));
    window->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    window->setTabShape(QTabWidget::Rounded);

    make(*this, NAMED(centralWidget), static_cast<QWidget *>(window));

    makePlaced(*this, NAMED(label_3), centralWidget, QRect(10, 560, 131, 31), kFooterStyle);
    make(*this, NAMED(stackedWidget), centralWidget);
    stackedWidget->setGeometry(QRect(0, 90, 801, 461));
    stackedWidget->setStyleSheet(QString::fromLatin1(kStackStyle));
    stackedWidget->setFrameShape(QFrame::NoFrame);
    stackedWidget->setFrameShadow(QFrame::Plain);

    stackedWidget->addWidget(buildReadingPage(*this));
    stackedWidget->addWidget(buildTask1Page(*this));
    stackedWidget->addWidget(buildTask2Page(*this));
    stackedWidget->addWidget(buildTask3Page(*this));
    stackedWidget->addWidget(buildTask4Page(*this));
    stackedWidget->addWidget(buildTask5Page(*this));
    stackedWidget->addWidget(buildTask6Page(*this));
    stackedWidget->addWidget(buildTask7Page(*this));
    stackedWidget->addWidget(buildResultPage(*this));

    makePlaced(*this, NAMED(label), centralWidget, QRect(30, 20, 101, 21), kTitleStyle);
    makePlaced(*this, NAMED(label_4), centralWidget, QRect(30, 50, 200, 31), kSectionStyle);
    label_4->setMinimumSize(QSize(200, 0));
    label_4->setTextFormat(Qt::RichText);
    makePlaced(*this, NAMED(label_24), centralWidget, QRect(580, 10, 211, 31), kPointsStyle);
    label_24->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makePlaced(*this, NAMED(pushButton_3), centralWidget, QRect(577, 570, 100, 22), kFinishStyle);
    pushButton_3->setEnabled(true);
    makePlaced(*this, NAMED(pushButton_1), centralWidget, QRect(364, 570, 100, 22), kBackStyle);
    makePlaced(*this, NAMED(close_button), centralWidget, QRect(683, 570, 100, 22), kCloseStyle);
    close_button->setEnabled(true);
    makePlaced(*this, NAMED(pushButton_2), centralWidget, QRect(470, 570, 101, 22), kNextStyle);

    window->setCentralWidget(centralWidget);

    assignTexts(window);

    stackedWidget->setCurrentWidget(result);
    // Every box starts empty, no answer preselected.
    for (const MatchingPage *page : {&kTask2Page, &kTask3Page, &kTask4Page, &kTask5Page})
        clearChoices(*this, *page);
    tabWidget->setCurrentIndex(0);

    QMetaObject::connectSlotsByName(window);
}

void MainWindowUi::assignTexts(MainWindow *window)
{
    window->setWindowTitle(translated("TEST 1. DE MOI-MÊME.  DE MES ÉTUDES  À L’ACADÉMIE."));
    label_3->setText(translated("<html><head/><body><p align=\"justify\"><span style=\" font-size:16pt; "
                        "font-weight:600;\">ТЕРВА, 2013</span></p></body></html>"));
    assignReadingTexts(*this);
    assignTask1Texts(*this);
    assignTask2Texts(*this);
    assignTask3Texts(*this);
    assignTask4Texts(*this);
    assignTask5Texts(*this);
    assignTask6Texts(*this);
    assignTask7Texts(*this);
    assignResultTexts(*this);
    label->setText(translated("<html><head/><body><p align=\"center\"><span style=\" font-size:16pt; "
                      "font-weight:600; color:#ffffff;\">TEST № 1</span></p></body></html>"));
    label_4->setText(translated("<html><head/><body><p>LECTURE</p></body></html>"));
    label_24->setText(translated(""));
    pushButton_3->setText(translated("Завершити"));
    pushButton_1->setText(translated("Назад"));
    close_button->setText(translated("Закрити"));
    pushButton_2->setText(translated("Далі"));
}
