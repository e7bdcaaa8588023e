// A lookup of a widget that is not there ends the test function as a failure naming it.
// Run by CTest, which expects exactly that failure (see CMakeLists.txt).

#include "testutil.h"

#include <QLabel>

class TestMissingWidget : public QObject
{
    Q_OBJECT

private slots:
    void lookup()
    {
        MainWindow window;
        testutil::widget<QLabel>(&window, QStringLiteral("label_missing"))->text();
        qInfo("still running");
    }
};

FRENCH_TEST_MAIN(TestMissingWidget)

#include "tst_missing_widget.moc"
