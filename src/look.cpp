#include "look.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

const char kSubstituteFamily[] = "Carlito";

#ifndef Q_OS_WIN
namespace {

// The Windows style writes a focused drop-down box's item in the selection's text colour
// and fills the selection colour behind it. Where a style sheet paints the box, as on every
// page here, that fill never comes and white text lands on the light panel; such a box
// writes its item as it does without the focus.
class ReadableFocusStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (element == CE_ComboBoxLabel && box && !box->editable && (box->state & State_HasFocus)
            && widget && widget->testAttribute(Qt::WA_StyleSheet)) {
            QStyleOptionComboBox asUnfocused(*box);
            asUnfocused.state &= ~State_HasFocus;
            QProxyStyle::drawControl(element, &asUnfocused, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace
#endif

void useDesignLook()
{
#ifndef Q_OS_WIN
    // Substitutions only apply where the named family is not installed.
    for (const char *family : {"Trebuchet MS", "Tahoma"})
        QFont::insertSubstitution(QString::fromLatin1(family), QString::fromLatin1(kSubstituteFamily));
    QFont base(QStringLiteral("Tahoma"));
    base.setPointSize(8);
    QApplication::setFont(base);
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(new ReadableFocusStyle(style));
#endif
}
