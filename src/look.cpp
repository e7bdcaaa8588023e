#include "look.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTextEdit>

const char kSubstituteFamily[] = "Carlito";

namespace {

// The pages' drop-down boxes are painted by their style sheet; only the arrow and the item
// label come here. A focused box's item is written as without the focus: the Windows style
// would write it in the selection's text colour over a selection fill that never comes, white
// on the light panel. The focus shows instead as a dark frame inside the box, in the
// instructions' blue, which stands out from the box's light face and the panel's grey alike.
// A box takes the wheel only while it has the focus, and never takes the focus by it, so
// scrolling over a page changes no answer.
class KeyboardFriendlyStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        if (auto *box = qobject_cast<QComboBox *>(widget))
            box->setFocusPolicy(Qt::StrongFocus);
    }
    using QProxyStyle::polish;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (element == CE_ComboBoxLabel && box && !box->editable && (box->state & State_HasFocus)
            && widget && widget->testAttribute(Qt::WA_StyleSheet)) {
            QStyleOptionComboBox asUnfocused(*box);
            asUnfocused.state &= ~State_HasFocus;
            QProxyStyle::drawControl(element, &asUnfocused, painter, widget);
            drawFocusFrame(painter, box->rect);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
#if QT_VERSION >= QT_VERSION_CHECK(5, 10, 0)
        if (hint == SH_ComboBox_AllowWheelScrolling && widget && !widget->hasFocus())
            return 0;
#endif
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    // Along the box's edge, where the item's text never reaches.
    static void drawFocusFrame(QPainter *painter, const QRect &box)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setClipping(false);
        const QColor ink(0x00, 0x55, 0x7f);
        const int width = 2;
        painter->fillRect(QRect(box.left(), box.top(), box.width(), width), ink);
        painter->fillRect(QRect(box.left(), box.bottom() - width + 1, box.width(), width), ink);
        painter->fillRect(QRect(box.left(), box.top(), width, box.height()), ink);
        painter->fillRect(QRect(box.right() - width + 1, box.top(), width, box.height()), ink);
        painter->restore();
    }
};

// Keys a keyboard user needs that the widgets do not give. Return and Enter press a focused
// button as Space does, down on the press and clicked on the release. Ctrl+Tab and
// Ctrl+Shift+Tab leave a typed answer, where Tab itself is text.
class KeyboardPaths : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (auto *button = qobject_cast<QPushButton *>(watched))
            return pressAsSpace(button, key);
        if (auto *edit = qobject_cast<QTextEdit *>(watched))
            return leaveEdit(edit, key);
        return false;
    }

private:
    static bool pressAsSpace(QPushButton *button, QKeyEvent *key)
    {
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat());
        QCoreApplication::sendEvent(button, &space);
        return true;
    }

    static bool leaveEdit(QTextEdit *edit, QKeyEvent *key)
    {
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        bool forward;
        if (key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier)
            forward = true;
        else if ((key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Tab)
                 && modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
            forward = false;
        else
            return false;
        QWidget *parent = edit->parentWidget();
        if (key->type() == QEvent::KeyPress && parent) {
            // A plain Tab to a widget that does not take it as text moves the focus on from the
            // focused widget, along the chain the window's Tab follows.
            QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
            QCoreApplication::sendEvent(parent, &tab);
        }
        return true;
    }
};

QStyle *keyboardFriendly(QStyle *base)
{
    return base ? new KeyboardFriendlyStyle(base) : nullptr;
}

#ifdef Q_OS_WIN
// The colours of a Windows 10 desktop left at its defaults, arranged into roles as the toolkit
// arranges the desktop's own, over the same Windows 2000 grey for the roles Windows has none for.
QPalette designPalette()
{
    const QColor buttonFace(240, 240, 240);
    const QColor buttonHighlight(255, 255, 255);
    const QColor buttonShadow(160, 160, 160);
    const QColor threeDLight(227, 227, 227);
    const QColor threeDDarkShadow(105, 105, 105);
    const QColor window(255, 255, 255);
    const QColor windowText(0, 0, 0);
    const QColor buttonText(0, 0, 0);
    const QColor highlight(0, 120, 215);
    const QColor highlightText(255, 255, 255);

    const QColor grey(0xd4, 0xd0, 0xc8);
    QPalette palette(Qt::black, grey, grey.lighter(), grey.darker(), Qt::gray, Qt::black, Qt::white);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, grey.darker());
    palette.setBrush(QPalette::Disabled, QPalette::Text, grey.darker());
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, grey.darker());
    palette.setBrush(QPalette::Disabled, QPalette::Base, grey);

    palette.setColor(QPalette::WindowText, windowText);
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::Light, buttonHighlight);
    palette.setColor(QPalette::Dark, buttonShadow);
    palette.setColor(QPalette::Mid, buttonFace.darker(150));
    palette.setColor(QPalette::Text, windowText);
    palette.setColor(QPalette::BrightText, buttonHighlight);
    palette.setColor(QPalette::Base, window);
    palette.setColor(QPalette::Window, buttonFace);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Midlight, threeDLight);
    palette.setColor(QPalette::Shadow, threeDDarkShadow);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightText);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::LinkVisited, Qt::magenta);
    // The window's colour differs from the base colour: an inactive selection looks like the window.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, buttonFace);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, windowText);

    const QColor disabled((windowText.red() + buttonFace.red()) / 2, (windowText.green() + buttonFace.green()) / 2,
                          (windowText.blue() + buttonFace.blue()) / 2);
    palette.setColorGroup(QPalette::Disabled, palette.windowText(), palette.button(), palette.light(),
                          palette.dark(), palette.mid(), palette.text(), palette.brightText(), palette.base(),
                          palette.window());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, highlightText);
    palette.setColor(QPalette::Disabled, QPalette::Base, buttonFace);
    return palette;
}
#else
// The toolkit's own colours, those of a desktop that sets none.
QPalette designPalette()
{
    const QColor window(239, 239, 239);
    const QColor light = window.lighter(150);
    const QColor mid = window.darker(130);
    const QColor dark = window.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);

    QPalette palette(Qt::black, window, light, dark, mid, Qt::black, Qt::white);
    palette.setBrush(QPalette::Midlight, mid.lighter(110));
    palette.setBrush(QPalette::Button, window);
    palette.setBrush(QPalette::Shadow, shadow);
    palette.setBrush(QPalette::HighlightedText, Qt::white);

    palette.setBrush(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::Base, window);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));

    palette.setBrush(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}
#endif

// A role left unset would be filled from the desktop's palette, now and whenever the desktop's
// colours change while the program runs; so every role of every group is set, as it stands.
QPalette withEveryRoleSet(QPalette palette)
{
    QColor colours[QPalette::NColorGroups][QPalette::NColorRoles];
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            colours[group][role] = palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    }
    // Setting one role may change another (the text's placeholder follows the text), so the
    // colours are all read before any is set.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role), colours[group][role]);
    }
    return palette;
}

} // namespace

void keepDesktopSettingsOut()
{
    QGuiApplication::setDesktopSettingsAware(false);
}

void useDesignLook()
{
#ifndef Q_OS_WIN
    // Substitutions only apply where the named family is not installed.
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QFont::insertSubstitution(QString::fromLatin1(family), QString::fromLatin1(kSubstituteFamily));
    QStyle *style = keyboardFriendly(QStyleFactory::create(QStringLiteral("Windows")));
#else
    // The platform's own style, seen through the same proxy.
    QStyle *style = keyboardFriendly(QStyleFactory::create(QApplication::style()->objectName()));
#endif
    if (style)
        QApplication::setStyle(style);
#ifndef Q_OS_WIN
    // After the style: setting a style gives labels, buttons and the like the desktop's fonts
    // again, and the application font replaces them all.
    QFont base(QStringLiteral("Tahoma"));
    base.setPointSize(8);
    QApplication::setFont(base);
#endif
    QPalette palette = designPalette();
    QApplication::style()->polish(palette);
    QApplication::setPalette(withEveryRoleSet(palette));
    qApp->installEventFilter(new KeyboardPaths(qApp));
}
