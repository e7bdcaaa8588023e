#include "look.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

const char kSubstituteFamily[] = "Carlito";

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
        QApplication::setStyle(style);
#endif
}
