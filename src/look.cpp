#include "look.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
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

} // namespace

void useDesignLook()
{
#ifndef Q_OS_WIN
    // Substitutions only apply where the named family is not installed.
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QFont::insertSubstitution(QString::fromLatin1(family), QString::fromLatin1(kSubstituteFamily));
    QFont base(QStringLiteral("Tahoma"));
    base.setPointSize(8);
    QApplication::setFont(base);
    QStyle *style = keyboardFriendly(QStyleFactory::create(QStringLiteral("Windows")));
#else
    // The platform's own style, seen through the same proxy.
    QStyle *style = keyboardFriendly(QStyleFactory::create(QApplication::style()->objectName()));
#endif
    if (style)
        QApplication::setStyle(style);
    qApp->installEventFilter(new KeyboardPaths(qApp));
}
