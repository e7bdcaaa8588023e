#ifndef FRENCH_TEST_WINDOW_H
#define FRENCH_TEST_WINDOW_H

#include <QMainWindow>

#include <memory>

struct MainWindowUi;

// Program-wide, never reset: the page navigation last showed, and the right items counted.
extern int pageIndex;
extern int correctCount;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    // Navigation: pushButton_2 is Next, pushButton_1 is Back.
    void on_pushButton_2_clicked();
    void on_pushButton_1_clicked();
    // Finish (pushButton_3): scores the test and shows the result page.
    void on_pushButton_3_clicked();
    // Live marking of the typed answers: textEdit1 to textEdit_10 are task VI, the rest task VII.
    void on_textEdit1_textChanged();
    void on_textEdit_2_textChanged();
    void on_textEdit_3_textChanged();
    void on_textEdit_4_textChanged();
    void on_textEdit_5_textChanged();
    void on_textEdit_6_textChanged();
    void on_textEdit_7_textChanged();
    void on_textEdit_8_textChanged();
    void on_textEdit_9_textChanged();
    void on_textEdit_10_textChanged();
    void on_textEdit_11_textChanged();
    void on_textEdit_12_textChanged();
    void on_textEdit_13_textChanged();
    void on_textEdit_14_textChanged();
    void on_textEdit_15_textChanged();
    void on_textEdit_16_textChanged();
    // Close, shown only on the result page.
    void on_close_button_clicked();

private:
    std::unique_ptr<MainWindowUi> ui;
};

#endif
