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
    ui->stackedWidget->setCurrentIndex(8);
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

// Live marking: each slot names its edit's row among the items.
void MainWindow::on_textEdit1_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[0]); }
void MainWindow::on_textEdit_2_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[1]); }
void MainWindow::on_textEdit_3_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[2]); }
void MainWindow::on_textEdit_4_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[3]); }
void MainWindow::on_textEdit_5_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[4]); }
void MainWindow::on_textEdit_6_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[5]); }
void MainWindow::on_textEdit_7_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[6]); }
void MainWindow::on_textEdit_8_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[7]); }
void MainWindow::on_textEdit_9_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[8]); }
void MainWindow::on_textEdit_10_textChanged() { answer::markAnswer(*ui, answer::kTaskVI[9]); }
void MainWindow::on_textEdit_11_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[0]); }
void MainWindow::on_textEdit_12_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[1]); }
void MainWindow::on_textEdit_13_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[2]); }
void MainWindow::on_textEdit_14_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[3]); }
void MainWindow::on_textEdit_15_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[4]); }
void MainWindow::on_textEdit_16_textChanged() { answer::markAnswer(*ui, answer::kTaskVII[5]); }

void MainWindow::on_close_button_clicked()
{
    close();
}
