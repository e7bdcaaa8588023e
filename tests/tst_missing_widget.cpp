// A helper that cannot do its part ends the test function as a failure saying why, instead
// of crashing or waiting for ever. Run by CTest, one row at a time, which expects exactly
// that failure (see CMakeLists.txt).

#include "testutil.h"

#include <QLabel>

class TestMissingWidget : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("page"); // -1: look up a widget the window does not have
        QTest::newRow("widget") << -1;
        QTest::newRow("page out of reach") << 8; // Next is hidden on page 7
    }

    void lookup()
    {
        QFETCH(int, page);
        testutil::ShownWindow shown;
        if (page < 0)
            testutil::widget<QLabel>(&shown.window, QStringLiteral("label_missing"))->text();
        else
            testutil::goToPage(&shown.window, page);
        qInfo("still running");
    }
};

FRENCH_TEST_MAIN(TestMissingWidget)

#include "tst_missing_widget.moc"
