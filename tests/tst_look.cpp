// Guards the look: on every page and every result tab, with the fonts the program really
// uses, no text is cut off, no box is narrower than its longest item, no box writes its item
// in pale ink when it has the focus, and no typed-answer edit shows a scroll bar.
// Runs once as is and once at 150 % (QT_SCALE_FACTOR=1.5); a Windows build also runs it on the
// windows platform, whose default font only Windows itself gives.
// And the look is the same whatever the desktop's own colours, fonts and style sheet.

#include "student.h"
#include "look.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMetaEnum>
#include <QProcess>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>
#include <QTransform>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#include <vector>
#endif

using testutil::widget;

namespace {

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 '%2' (%3x%4)")
        .arg(w->objectName())
        .arg(w->inherits("QLabel") ? static_cast<const QLabel *>(w)->text().left(60) : QString())
        .arg(w->width())
        .arg(w->height());
}

// The height of the inked glyphs of a one-line rich text, or -1 if it takes several lines.
int inkHeightOfOneLine(const QLabel *label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    document.size(); // lays the text out
    int lines = 0;
    int ink = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines += block.layout()->lineCount();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QFontMetrics metrics(fragment.charFormat().font());
            ink = qMax(ink, metrics.tightBoundingRect(fragment.text()).height());
        }
    }
    return lines == 1 ? ink : -1;
}

// A label shows all of its text when the text's laid-out height fits its box (word wrap)
// or its one line fits the width (no word wrap). A single line whose box is lower than
// the line's spacing still shows whole if its glyphs fit.
QString labelProblem(const QLabel *label)
{
    if (label->text().isEmpty())
        return QString();
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed <= label->height())
            return QString();
        const int ink = inkHeightOfOneLine(label);
        if (ink >= 0 && ink <= label->contentsRect().height())
            return QString();
        return QStringLiteral("needs %1 px of height").arg(needed);
    }
    const QSize hint = label->sizeHint();
    if (hint.width() > label->width())
        return QStringLiteral("needs %1 px of width").arg(hint.width());
    return QString();
}

QRect itemField(QComboBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
}

// Whether the box shows its current item whole: drawn wider, the box must show the same
// pixels in its item field as at its own width, or part of the item was cut off.
QString comboProblem(QComboBox *box)
{
    if (box->currentIndex() < 0)
        return QString();
    const QRect field = itemField(box);
    const QRect geometry = box->geometry();
    const QImage shown = box->grab().toImage();
    box->resize(geometry.width() + 100, geometry.height());
    const QImage wide = box->grab().toImage();
    box->setGeometry(geometry);
    const QRect compared = field.adjusted(0, 0, -1, 0).intersected(shown.rect());
    for (int y = compared.top(); y <= compared.bottom(); ++y) {
        for (int x = compared.left(); x <= compared.right(); ++x) {
            if (shown.pixel(x, y) != wide.pixel(x, y))
                return QStringLiteral("cuts off its item \"%1\"").arg(box->currentText());
        }
    }
    return QString();
}

// The grey level of the darkest pixel in the box's item field, as drawn now.
int darkestInk(QComboBox *box)
{
    const QImage image = box->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect field = QTransform::fromScale(ratio, ratio).mapRect(itemField(box)).intersected(image.rect());
    int darkest = 255;
    for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

// A box keeps the focus after a choice; its item must stay as dark as without the focus.
QString focusProblem(QComboBox *box)
{
    if (box->currentIndex() < 0)
        return QString();
    QWidget *focused = QApplication::focusWidget();
    const int plain = darkestInk(box);
    box->setFocus();
    if (!box->hasFocus())
        return QStringLiteral("cannot be given the focus");
    const int withFocus = darkestInk(box);
    if (focused)
        focused->setFocus();
    // Anti-aliasing may differ by a few levels; pale ink differs by far more.
    if (withFocus > plain + 32)
        return QStringLiteral("writes its item \"%1\" in pale ink when focused (grey %2 against %3)")
            .arg(box->currentText())
            .arg(withFocus)
            .arg(plain);
    return QString();
}

QString editProblem(const QTextEdit *edit)
{
    if (edit->verticalScrollBar()->isVisible() || edit->horizontalScrollBar()->isVisible())
        return QStringLiteral("shows a scroll bar");
    return QString();
}

// Every problem among the visible widgets under `root`.
QStringList problems(QWidget *root)
{
    QStringList found;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QStringList faults;
        if (auto *label = qobject_cast<QLabel *>(w))
            faults << labelProblem(label);
        else if (auto *box = qobject_cast<QComboBox *>(w))
            faults << comboProblem(box) << focusProblem(box);
        else if (auto *edit = qobject_cast<QTextEdit *>(w))
            faults << editProblem(edit);
        faults.removeAll(QString());
        if (!faults.isEmpty())
            found << describe(w) + QStringLiteral(": ") + faults.join(QStringLiteral("; "));
    }
    return found;
}

// The snapshot tool's pictures of every page and result tab.
QStringList pictureNames()
{
    QStringList names;
    for (int page = 0; page <= 7; ++page)
        names << QStringLiteral("page-%1.png").arg(page);
    for (int tab = 1; tab <= 7; ++tab)
        names << QStringLiteral("page-8-tab-%1.png").arg(tab);
    return names;
}

// Runs the snapshot tool in `environment`, its pictures (answers mixed) written into `folder`;
// false when it did not end well. What it wrote on its error output goes into `log`.
bool takePictures(const QProcessEnvironment &environment, const QString &folder, QString *log = nullptr)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(FRENCH_SNAPSHOT_EXE),
               {QStringLiteral("--out"), folder, QStringLiteral("--answers"), QStringLiteral("mixed"),
                QStringLiteral("all")});
    const bool ended = tool.waitForFinished(180000);
    if (!ended)
        tool.kill();
    const QByteArray errors = tool.readAllStandardError();
    if (log)
        *log = QString::fromLocal8Bit(errors);
    if (!ended || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning("the snapshot tool failed: %s", errors.constData());
        return false;
    }
    return true;
}

#ifndef Q_OS_WIN
// An X display of its own (Xvfb), for as long as this lives; its name stays empty when it did
// not start within 20 seconds.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        // Xvfb writes the display's number once it takes clients.
        server.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray number;
        while (!number.endsWith('\n') && server.waitForReadyRead(20000))
            number += server.readAllStandardOutput();
        if (number.endsWith('\n'))
            name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }
    // Asked to end, the server removes its lock file and socket.
    ~VirtualDisplay()
    {
        server.terminate();
        if (!server.waitForFinished(10000)) {
            server.kill();
            server.waitForFinished();
        }
    }
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    QString name;

private:
    QProcess server;
};
#endif

#ifdef Q_OS_WIN
// High Contrast Black's colours, written where Windows keeps the desktop's colour scheme, for
// the programs started while this lives; the colours there before are put back after.
class DarkColourScheme
{
public:
    DarkColourScheme()
    {
        static const wchar_t *const colours[][2] = {
            {L"Window", L"0 0 0"},           {L"WindowText", L"255 255 255"}, {L"ButtonFace", L"0 0 0"},
            {L"ButtonText", L"255 255 255"}, {L"ButtonHilight", L"255 255 255"},
            {L"ButtonLight", L"255 255 255"}, {L"ButtonShadow", L"128 128 128"},
            {L"ButtonDkShadow", L"255 255 255"}, {L"Hilight", L"26 235 255"}, {L"HilightText", L"0 0 0"},
            {L"GrayText", L"63 242 63"},     {L"InfoWindow", L"0 0 0"},       {L"InfoText", L"255 255 255"},
            {L"Menu", L"0 0 0"},             {L"MenuText", L"255 255 255"},
        };
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0, KEY_READ | KEY_WRITE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            key = nullptr;
            return;
        }
        written = true;
        for (const auto &colour : colours) {
            Saved saved{colour[0], {}, false};
            wchar_t value[64] = {};
            DWORD size = sizeof value - sizeof(wchar_t); // always ends in a null
            DWORD type = 0;
            if (RegQueryValueExW(key, colour[0], nullptr, &type, reinterpret_cast<BYTE *>(value), &size)
                    == ERROR_SUCCESS
                && type == REG_SZ) {
                saved.value = value;
                saved.existed = true;
            }
            before.push_back(saved);
            written &= set(colour[0], colour[1]);
        }
    }
    ~DarkColourScheme()
    {
        if (!key)
            return;
        for (const Saved &saved : before) {
            if (saved.existed)
                set(saved.name, saved.value.c_str());
            else
                RegDeleteValueW(key, saved.name);
        }
        RegCloseKey(key);
    }
    DarkColourScheme(const DarkColourScheme &) = delete;
    DarkColourScheme &operator=(const DarkColourScheme &) = delete;

    bool written = false;

private:
    struct Saved {
        const wchar_t *name;
        std::wstring value;
        bool existed;
    };

    bool set(const wchar_t *name, const wchar_t *value)
    {
        const DWORD size = DWORD((wcslen(value) + 1) * sizeof(wchar_t));
        return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value), size) == ERROR_SUCCESS;
    }

    HKEY key = nullptr;
    std::vector<Saved> before;
};
#endif

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

    QString styleBefore;
    QPalette paletteBefore;

private slots:
    void initTestCase();
    void substituteStandsIn();
    void windowsKeepsItsOwnLook();
    void paletteIsTheToolkitsOwn();
    void everyPageAndTabFits();
    void desktopSettingsLeaveNoTrace_data();
    void desktopSettingsLeaveNoTrace();
};

void TestLook::initTestCase()
{
    styleBefore = QApplication::style()->objectName();
    paletteBefore = QApplication::palette();
    useDesignLook();
}

void TestLook::substituteStandsIn()
{
    if (QFontDatabase().hasFamily(QStringLiteral("Trebuchet MS")))
        QSKIP("the Windows fonts are installed; nothing is substituted");
    QVERIFY2(QFontDatabase().hasFamily(QString::fromLatin1(kSubstituteFamily)),
             "the substitute font (Debian package fonts-crosextra-carlito) is not installed");
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QCOMPARE(QFontInfo(QFont(QString::fromLatin1(family))).family(), QString::fromLatin1(kSubstituteFamily));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QString::fromLatin1(kSubstituteFamily));
}

void TestLook::windowsKeepsItsOwnLook()
{
#ifdef Q_OS_WIN
    // Drawn for Windows: the real fonts and the platform's own style, nothing standing in;
    // the keyboard's additions come through a proxy over that style.
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QVERIFY(QFont::substitutes(QString::fromLatin1(family)).isEmpty());
    auto *proxy = qobject_cast<QProxyStyle *>(QApplication::style());
    QVERIFY2(proxy, "no proxy over the platform's style");
    QCOMPARE(proxy->baseStyle()->objectName(), styleBefore);
#else
    QSKIP("only Windows keeps its own look");
#endif
}

void TestLook::paletteIsTheToolkitsOwn()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows the colours are Windows 10's, not those of the desktop running this");
#else
    // What a desktop without settings of its own gives, in every role, also those the pictures
    // do not show (an open drop-down list's selection).
    QStringList differing;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (QApplication::palette().color(g, r) != paletteBefore.color(g, r))
                differing << QStringLiteral("%1 %2: %3 against %4")
                                 .arg(QString::fromLatin1(QMetaEnum::fromType<QPalette::ColorGroup>().valueToKey(g)),
                                      QString::fromLatin1(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(r)),
                                      QApplication::palette().color(g, r).name(QColor::HexArgb),
                                      paletteBefore.color(g, r).name(QColor::HexArgb));
        }
    }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QStringLiteral("; "))));
#endif
}

void TestLook::everyPageAndTabFits()
{
    testutil::ShownWindow shown;
    MainWindow &w = shown.window;
    // Right answers fill every result label; the untouched edits keep their neutral look.
    QByteArray all(50, 'R');
    QVERIFY(student::giveAll(&w, all));

    QStringList found;
    for (int page = 0; page <= 7; ++page) {
        if (page > 0)
            testutil::clickNext(&w);
        QCOMPARE(testutil::currentPage(&w), page);
        for (const QString &problem : problems(&w))
            found << QStringLiteral("page %1: ").arg(page) + problem;
    }
    testutil::clickFinish(&w);
    auto *tabs = widget<QTabWidget>(&w, "tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        for (const QString &problem : problems(&w))
            found << QStringLiteral("result tab %1: ").arg(tab + 1) + problem;
    }
    found.removeDuplicates();
    for (const QString &problem : found)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(found.isEmpty(), "texts are cut off or unreadable; see the warnings above");
}

void TestLook::desktopSettingsLeaveNoTrace_data()
{
    QTest::addColumn<QStringList>("environment"); // the desktop's, beside its settings files
    QTest::addColumn<QString>("loaded");          // what the desktop's theme says once loaded
#ifdef Q_OS_WIN
    // High Contrast Black's colours in the registry (DarkColourScheme).
    QTest::newRow("dark colour scheme") << QStringList() << QString();
#else
    // Qt's settings as many Linux desktops set them, through qt5ct: its dark colour scheme,
    // another font for everything and its stock style sheet.
    QTest::newRow("qt5ct") << QStringList{"QT_QPA_PLATFORMTHEME=qt5ct", "QT_LOGGING_RULES=qt5ct.debug=true"}
                           << "using qt5ct plugin";
    // A KDE Plasma session: the toolkit itself reads its dark colours and fonts.
    QTest::newRow("KDE") << QStringList{"QT_QPA_PLATFORMTHEME=kde", "KDE_SESSION_VERSION=5"} << QString();
#endif
}

void TestLook::desktopSettingsLeaveNoTrace()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, loaded);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString plainFolder = work.filePath(QStringLiteral("plain"));
    const QString themedFolder = work.filePath(QStringLiteral("themed"));
    QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
    QString themedLog;
#ifdef Q_OS_WIN
    Q_UNUSED(environment);
    // The desktop's colours reach a program only on the platform students see.
    plain.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
    QVERIFY(takePictures(plain, plainFolder));
    {
        DarkColourScheme scheme;
        QVERIFY2(scheme.written, "the colour scheme could not be written to the registry");
        QVERIFY(takePictures(plain, themedFolder, &themedLog));
    }
#else
    // On the platform of a Linux desktop, on a display of this test's own; the desktop's
    // settings in a folder of its own too. Without them, no desktop is recognised.
    VirtualDisplay display;
    QVERIFY2(!display.name.isEmpty(), "the virtual display (Xvfb, Debian package xvfb) did not start");
    for (const char *variable : {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                 "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID"})
        plain.remove(QString::fromLatin1(variable));
    plain.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    plain.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    plain.insert(QStringLiteral("DISPLAY"), display.name);
    const QString settings = work.filePath(QStringLiteral("settings"));
    const QDir source(QStringLiteral(FRENCH_TEST_DESKTOP_SETTINGS));
    for (const QString &file : {QStringLiteral("kdeglobals"), QStringLiteral("qt5ct/qt5ct.conf")}) {
        QVERIFY(QDir().mkpath(QFileInfo(settings + QLatin1Char('/') + file).path()));
        QVERIFY(QFile::copy(source.filePath(file), settings + QLatin1Char('/') + file));
    }
    plain.insert(QStringLiteral("XDG_CONFIG_HOME"), settings);
    QProcessEnvironment themed = plain;
    for (const QString &setting : environment)
        themed.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QVERIFY(takePictures(plain, plainFolder));
    QVERIFY(takePictures(themed, themedFolder, &themedLog));
#endif
    QVERIFY2(themedLog.contains(loaded),
             qPrintable(QStringLiteral("the desktop's theme did not say \"%1\"; is it installed "
                                       "(Debian package qt5ct; tools/setup.sh installs it)?").arg(loaded)));

    QStringList differences;
    for (const QString &name : pictureNames()) {
        const QImage reference(QDir(plainFolder).filePath(name));
        const QImage themedPicture(QDir(themedFolder).filePath(name));
        QVERIFY2(!reference.isNull() && !themedPicture.isNull(), qPrintable(name + QStringLiteral(" is missing")));
        const int differing = testutil::differingPixels(reference, themedPicture);
        if (differing < 0)
            differences << QStringLiteral("%1: %2x%3 against %4x%5")
                               .arg(name)
                               .arg(themedPicture.width())
                               .arg(themedPicture.height())
                               .arg(reference.width())
                               .arg(reference.height());
        else if (differing > 0)
            differences << QStringLiteral("%1: %2 pixels differ").arg(name).arg(differing);
    }
    if (!differences.isEmpty()) {
        work.setAutoRemove(false);
        differences << QStringLiteral("both sets are in ") + work.path();
    }
    QVERIFY2(differences.isEmpty(), qPrintable(QStringLiteral("the desktop's settings change the look: ")
                                               + differences.join(QStringLiteral("; "))));
}

FRENCH_TEST_MAIN(TestLook)
#include "tst_look.moc"
