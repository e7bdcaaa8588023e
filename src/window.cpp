#include "window.h"

#include "form.h"
#include "result_tabs.h"
#include "scoring.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

#include <iterator>
#include <memory>

int pageIndex = 0;
int correctCount = 0;

namespace {

struct PageHeader {
    const char *section;
    int items;
};

// Section name and item count of pages 0 to 7, the pages navigation shows.
const PageHeader kHeaders[] = {
    {"LECTURE", 0},
    {"LECTURE", int(std::size(answer::kTaskI))},
    {"VOCABULAIRE", int(std::size(answer::kTaskII))},
    {"VOCABULAIRE", int(std::size(answer::kTaskIII))},
    {"VOCABULAIRE", int(std::size(answer::kTaskIV))},
    {"VOCABULAIRE", int(std::size(answer::kTaskV))},
    {"GRAMMAIRE", int(std::size(answer::kTaskVI))},
    {"GRAMMAIRE", int(std::size(answer::kTaskVII))},
};
constexpr int kLastPage = int(std::size(kHeaders)) - 1;

// A task's points scheme, such as "7 x 2 = 14"; the reading page has a single space.
QString pointsScheme(int items)
{
    if (items == 0)
        return QStringLiteral(" ");
    return QStringLiteral("%1 x %2 = %3").arg(items).arg(answer::kPointsPerItem).arg(items * answer::kPointsPerItem);
}

// The row of tasks VI and VII that holds `edit`.
constexpr const answer::TextItem &rowOf(QTextEdit *MainWindowUi::*edit)
{
    for (const answer::GapItem &item : answer::kTaskVI) {
        if (item.edit.member == edit)
            return item;
    }
    for (const answer::WordListItem &item : answer::kTaskVII) {
        if (item.edit.member == edit)
            return item;
    }
    throw "no row holds this edit";
}

void showPageForIndex(MainWindowUi &ui)
{
    pageIndex = qBound(0, pageIndex, kLastPage);
    const PageHeader &header = kHeaders[pageIndex];
    ui.stackedWidget->setCurrentIndex(pageIndex);
    ui.label_4->setText(QString::fromUtf8(header.section));
    ui.label_24->setText(pointsScheme(header.items));
    ui.pushButton_1->setVisible(pageIndex > 0);
    ui.pushButton_3->setVisible(pageIndex == kLastPage);
    ui.pushButton_2->setVisible(pageIndex < kLastPage);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<MainWindowUi>())
{
    ui->setupForm(this);
    ui->pushButton_3->setVisible(false);
    ui->pushButton_1->setVisible(false);
    ui->close_button->setVisible(false);
    ui->stackedWidget->setCurrentIndex(0);
}

// Out of line, where MainWindowUi is complete, so the pointer can delete it.
MainWindow::~MainWindow() = default;

void MainWindow::on_pushButton_2_clicked()
{
    ++pageIndex;
    showPageForIndex(*ui);
}

void MainWindow::on_pushButton_1_clicked()
{
    --pageIndex;
    showPageForIndex(*ui);
}

void MainWindow::on_pushButton_3_clicked()
{
    ui->close_button->setVisible(true);
    ui->pushButton_1->setVisible(false);
    ui->pushButton_2->setVisible(false);
    ui->pushButton_3->setVisible(false);
    ui->stackedWidget->setCurrentWidget(ui->result);
    // Hiding Finish handed its focus on to Close, where one more press would end the program
    // and the results with it; the tabs take it instead.
    ui->tabWidget->setFocus(Qt::OtherFocusReason);
    ui->label_4->setText(QStringLiteral("RÉSULTAT"));
    ui->label_24->setText(QStringLiteral("Au total: 100 points"));

    correctCount += answer::countCorrectItems(*ui);
    const int points = answer::kPointsPerItem * correctCount;
    ui->label_mark->setNum(points);
    if (const char *grade = answer::gradeFor(points))
        ui->label_mark_2->setText(QString::fromUtf8(grade));

    answer::fillResultTabs(*ui);
}

// Live marking. Each slot is written from its edit's name alone and marks the edit by the row
// that holds it, found when compiling; an edit no row holds does not compile.
#define LIVE_MARKING_SLOT(edit)                                                                    \
    void MainWindow::on_##edit##_textChanged()                                                     \
    {                                                                                              \
        constexpr const answer::TextItem &item = rowOf(&MainWindowUi::edit);                       \
        answer::markAnswer(*ui, item);                                                             \
    }
LIVE_MARKING_SLOT(textEdit1)
LIVE_MARKING_SLOT(textEdit_2)
LIVE_MARKING_SLOT(textEdit_3)
LIVE_MARKING_SLOT(textEdit_4)
LIVE_MARKING_SLOT(textEdit_5)
LIVE_MARKING_SLOT(textEdit_6)
LIVE_MARKING_SLOT(textEdit_7)
LIVE_MARKING_SLOT(textEdit_8)
LIVE_MARKING_SLOT(textEdit_9)
LIVE_MARKING_SLOT(textEdit_10)
LIVE_MARKING_SLOT(textEdit_11)
LIVE_MARKING_SLOT(textEdit_12)
LIVE_MARKING_SLOT(textEdit_13)
LIVE_MARKING_SLOT(textEdit_14)
LIVE_MARKING_SLOT(textEdit_15)
LIVE_MARKING_SLOT(textEdit_16)
#undef LIVE_MARKING_SLOT

void MainWindow::on_close_button_clicked()
{
    close();
}
