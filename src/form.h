#ifndef FRENCH_TEST_FORM_H
#define FRENCH_TEST_FORM_H

class MainWindow;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTextEdit;
class QVBoxLayout;
class QWidget;

// The form: one non-owning pointer per named object, in creation order, under the object's
// own name. The widgets belong to the toolkit's parent/child tree, not to this table.
// Object names are load-bearing: the window's slots are connected to them by name.
struct MainWindowUi {
    // Frame
    QWidget *centralWidget = nullptr;
    QLabel *label_3 = nullptr;
    QStackedWidget *stackedWidget = nullptr;

    // Page 0: reading passage
    QWidget *stacked_lecture1_1 = nullptr, *lecture1_1 = nullptr;
    QLabel *label_2 = nullptr, *label_5 = nullptr;

    // Page 1: task I
    QWidget *stacked_lecture1_2 = nullptr, *lecture1_2 = nullptr;
    QLabel *label_6 = nullptr;
    QWidget *gridLayoutWidget_2 = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QGroupBox *groupBox_5 = nullptr;
    QWidget *verticalLayoutWidget_8 = nullptr;
    QVBoxLayout *verticalLayout_8 = nullptr;
    QRadioButton *rb5_1 = nullptr, *rb5_2 = nullptr, *rb5_3 = nullptr;
    QGroupBox *groupBox_2 = nullptr;
    QWidget *verticalLayoutWidget_6 = nullptr;
    QVBoxLayout *verticalLayout_6 = nullptr;
    QRadioButton *rb2_1 = nullptr, *rb2_2 = nullptr, *rb2_3 = nullptr;
    QGroupBox *groupBox_4 = nullptr;
    QWidget *verticalLayoutWidget_4 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QRadioButton *rb4_1 = nullptr, *rb4_2 = nullptr, *rb4_3 = nullptr;
    QGroupBox *groupBox_1 = nullptr;
    QWidget *verticalLayoutWidget_5 = nullptr;
    QVBoxLayout *verticalLayout_5 = nullptr;
    QRadioButton *rb1_1 = nullptr, *rb1_2 = nullptr, *rb1_3 = nullptr;
    QGroupBox *groupBox_3 = nullptr;
    QWidget *verticalLayoutWidget_7 = nullptr;
    QVBoxLayout *verticalLayout_7 = nullptr;
    QRadioButton *rb3_1 = nullptr, *rb3_2 = nullptr, *rb3_3 = nullptr;

    // Page 2: task II
    QWidget *stacked_vocabulaire2 = nullptr, *vocabulaire2 = nullptr;
    QLabel *label_7 = nullptr;
    QWidget *gridLayoutWidget = nullptr;
    QGridLayout *gridLayout = nullptr;
    QLabel *label_15 = nullptr;
    QComboBox *comboBox_2 = nullptr, *comboBox_7 = nullptr, *comboBox_5 = nullptr, *comboBox_3 = nullptr;
    QComboBox *comboBox_6 = nullptr;
    QLabel *label_12 = nullptr, *label_13 = nullptr, *label_14 = nullptr, *label_11 = nullptr;
    QLabel *label_8 = nullptr, *label_10 = nullptr, *label_9 = nullptr;
    QComboBox *comboBox_4 = nullptr, *comboBox_1 = nullptr;
    QLabel *label_16 = nullptr, *label_17 = nullptr, *label_18 = nullptr, *label_19 = nullptr;
    QLabel *label_20 = nullptr, *label_21 = nullptr;

    // Page 3: task III
    QWidget *stacked_vocabulaire3 = nullptr, *vocabulaire3 = nullptr;
    QLabel *label_22 = nullptr;
    QWidget *gridLayoutWidget_3 = nullptr;
    QGridLayout *gridLayout_3 = nullptr;
    QLabel *label_3_5 = nullptr;
    QComboBox *v3_5 = nullptr;
    QLabel *label_3_4 = nullptr;
    QComboBox *v3_2 = nullptr;
    QLabel *label_3_1 = nullptr, *label_3_2 = nullptr, *label_3_3 = nullptr;
    QComboBox *v3_3 = nullptr, *v3_1 = nullptr;
    QLabel *var3_3 = nullptr, *var3_4 = nullptr, *var3_5 = nullptr, *var3_2 = nullptr;
    QComboBox *v3_4 = nullptr;
    QLabel *var3_1 = nullptr;

    // Page 4: task IV
    QWidget *stacked_vocabulaire4 = nullptr, *vocabulaire4 = nullptr;
    QLabel *label_25 = nullptr;
    QWidget *gridLayoutWidget_4 = nullptr;
    QGridLayout *gridLayout_4 = nullptr;
    QLabel *var_4_1 = nullptr;
    QComboBox *v4_2 = nullptr, *v4_7 = nullptr, *v4_5 = nullptr, *v4_3 = nullptr;
    QComboBox *v4_6 = nullptr;
    QLabel *label_4_7 = nullptr, *label_4_6 = nullptr, *label_4_5 = nullptr, *label_4_4 = nullptr;
    QLabel *label_4_3 = nullptr, *label_4_1 = nullptr, *label_4_2 = nullptr;
    QComboBox *v4_4 = nullptr, *v4_1 = nullptr;
    QLabel *var_4_2 = nullptr, *var_4_3 = nullptr, *var_4_4 = nullptr, *var_4_5 = nullptr;
    QLabel *var_4_6 = nullptr, *var_4_7 = nullptr;

    // Page 5: task V
    QWidget *stacked_vocabulaire5 = nullptr, *vocabulaire5 = nullptr;
    QLabel *label_49 = nullptr;
    QWidget *gridLayoutWidget_5 = nullptr;
    QGridLayout *gridLayout_5 = nullptr;
    QLabel *label_5_1 = nullptr;
    QComboBox *v5_1 = nullptr;
    QLabel *label_5_2 = nullptr;
    QComboBox *v5_2 = nullptr;
    QLabel *label_5_3 = nullptr;
    QComboBox *v5_3 = nullptr;
    QLabel *label_5_4 = nullptr;
    QComboBox *v5_4 = nullptr;
    QLabel *label_5_5 = nullptr;
    QComboBox *v5_5 = nullptr;
    QLabel *label_5_6 = nullptr;
    QComboBox *v5_6 = nullptr;
    QLabel *label_5_7 = nullptr;
    QComboBox *v5_7 = nullptr;
    QLabel *label_5_8 = nullptr;
    QComboBox *v5_8 = nullptr;
    QLabel *label_5_9 = nullptr;
    QComboBox *v5_9 = nullptr;
    QLabel *label_5_10 = nullptr;
    QComboBox *v5_10 = nullptr;

    // Page 6: task VI
    QWidget *stacked_grammaire6 = nullptr, *grammaire6 = nullptr;
    QLabel *label_50 = nullptr, *label_58 = nullptr;
    QTextEdit *textEdit1 = nullptr;
    QLabel *label_59 = nullptr, *label_61 = nullptr;
    QTextEdit *textEdit_2 = nullptr;
    QLabel *label_60 = nullptr, *label_64 = nullptr;
    QTextEdit *textEdit_3 = nullptr;
    QLabel *label_62 = nullptr, *label_63 = nullptr;
    QTextEdit *textEdit_4 = nullptr;
    QLabel *label_65 = nullptr, *label_71 = nullptr;
    QTextEdit *textEdit_5 = nullptr;
    QLabel *label_66 = nullptr, *label_70 = nullptr;
    QTextEdit *textEdit_6 = nullptr;
    QLabel *label_72 = nullptr, *label_75 = nullptr;
    QTextEdit *textEdit_7 = nullptr;
    QLabel *label_73 = nullptr, *label_74 = nullptr;
    QTextEdit *textEdit_8 = nullptr;
    QLabel *label_76 = nullptr, *label_79 = nullptr;
    QTextEdit *textEdit_9 = nullptr;
    QLabel *label_77 = nullptr, *label_78 = nullptr;
    QTextEdit *textEdit_10 = nullptr;
    QLabel *label_80 = nullptr;

    // Page 7: task VII
    QWidget *stacked_grammaire7 = nullptr, *grammaire7 = nullptr;
    QLabel *label_81 = nullptr;
    QWidget *layoutWidget = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *label_82 = nullptr, *label_83 = nullptr, *label_84 = nullptr, *label_85 = nullptr;
    QLabel *label_86 = nullptr, *label_87 = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QTextEdit *textEdit_11 = nullptr, *textEdit_12 = nullptr, *textEdit_13 = nullptr, *textEdit_14 = nullptr;
    QTextEdit *textEdit_15 = nullptr, *textEdit_16 = nullptr;

    // Page 8: results
    QWidget *result = nullptr;
    QLabel *label_88 = nullptr, *label_mark = nullptr, *label_89 = nullptr, *label_mark_2 = nullptr;
    QTabWidget *tabWidget = nullptr;
    QWidget *resultl1_2 = nullptr, *layoutWidget_2 = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QLabel *exl1_2 = nullptr, *exl1_2_1 = nullptr, *res = nullptr, *exl1_2_2 = nullptr;
    QLabel *res_2 = nullptr, *exl1_2_3 = nullptr, *res_3 = nullptr, *exl1_2_4 = nullptr;
    QLabel *res_4 = nullptr, *exl1_2_5 = nullptr, *res_5 = nullptr;
    QWidget *resultv2 = nullptr, *layoutWidget1 = nullptr;
    QVBoxLayout *verticalLayout_9 = nullptr;
    QLabel *exv_2 = nullptr, *exv2_1 = nullptr, *res_6 = nullptr, *exv2_2 = nullptr;
    QLabel *res_7 = nullptr, *exv2_3 = nullptr, *res_8 = nullptr, *exv2_4 = nullptr;
    QLabel *res_9 = nullptr, *exv2_5 = nullptr, *res_10 = nullptr, *exv2_6 = nullptr;
    QLabel *res_11 = nullptr, *exv2_7 = nullptr, *res_12 = nullptr;
    QWidget *tab = nullptr, *layoutWidget2 = nullptr;
    QVBoxLayout *verticalLayout_10 = nullptr;
    QLabel *ex3 = nullptr, *exv3_1 = nullptr, *res_13 = nullptr, *exv3_2 = nullptr;
    QLabel *res_14 = nullptr, *exv3_3 = nullptr, *res_15 = nullptr, *exv3_4 = nullptr;
    QLabel *res_16 = nullptr, *exv3_5 = nullptr, *res_17 = nullptr;
    QWidget *tab_2 = nullptr, *layoutWidget_3 = nullptr;
    QVBoxLayout *verticalLayout_11 = nullptr;
    QLabel *exv_4 = nullptr, *exv4_1 = nullptr, *res_18 = nullptr, *exv4_2 = nullptr;
    QLabel *res_19 = nullptr, *exv4_3 = nullptr, *res_20 = nullptr, *exv4_4 = nullptr;
    QLabel *res_21 = nullptr, *exv4_5 = nullptr, *res_22 = nullptr, *exv4_6 = nullptr;
    QLabel *res_23 = nullptr, *exv4_7 = nullptr, *res_24 = nullptr;
    QWidget *tab_3 = nullptr;
    QLabel *exv_5 = nullptr;
    QWidget *layoutWidget3 = nullptr;
    QGridLayout *gridLayout_6 = nullptr;
    QLabel *exv5_1 = nullptr, *res_25 = nullptr, *exv5_2 = nullptr, *res_26 = nullptr;
    QLabel *exv5_3 = nullptr, *res_27 = nullptr, *exv5_4 = nullptr, *res_28 = nullptr;
    QLabel *exv5_5 = nullptr, *res_29 = nullptr, *exv5_6 = nullptr, *res_30 = nullptr;
    QLabel *exv5_7 = nullptr, *res_31 = nullptr, *exv5_8 = nullptr, *res_32 = nullptr;
    QLabel *exv5_9 = nullptr, *res_33 = nullptr, *exv5_10 = nullptr, *res_34 = nullptr;
    QWidget *tab_4 = nullptr;
    QLabel *exg_6 = nullptr;
    QWidget *layoutWidget4 = nullptr;
    QVBoxLayout *verticalLayout_13 = nullptr;
    QLabel *res_35 = nullptr, *res_36 = nullptr, *res_37 = nullptr, *res_38 = nullptr;
    QLabel *res_39 = nullptr, *res_40 = nullptr, *res_41 = nullptr, *res_42 = nullptr;
    QLabel *res_43 = nullptr, *res_44 = nullptr;
    QWidget *tab_5 = nullptr;
    QLabel *exg_7 = nullptr;
    QWidget *layoutWidget5 = nullptr;
    QVBoxLayout *verticalLayout_12 = nullptr;
    QLabel *res_45 = nullptr, *res_46 = nullptr, *res_47 = nullptr, *res_48 = nullptr;
    QLabel *res_49 = nullptr, *res_50 = nullptr;

    // Frame, after the pages
    QLabel *label = nullptr, *label_4 = nullptr, *label_24 = nullptr;
    QPushButton *pushButton_3 = nullptr, *pushButton_1 = nullptr, *close_button = nullptr, *pushButton_2 = nullptr;

    // Builds the whole widget tree, assigns the texts and binds the slots by name.
    void setupForm(MainWindow *window);
    // Sets every initial text through the translation lookup (context "MainWindow").
    void assignTexts(MainWindow *window);
};

#endif
