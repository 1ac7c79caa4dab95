// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/fonts.h"

#include <QFont>
#include <QStringList>

namespace rova::fonts
{

QString screenGothic()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}
QString printMincho()
{
    return QStringLiteral("ＭＳ Ｐ明朝");
}
QString printLatin()
{
    return QStringLiteral("Lucida Sans Unicode");
}

void registerSubstitutions()
{
    // Substitutes are used only when the named family is missing, so real fonts still win.
    QFont::insertSubstitutions(screenGothic(),
                               QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    QFont::insertSubstitutions(printMincho(),
                               QStringList{QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")});
    QFont::insertSubstitutions(printLatin(), QStringList{QStringLiteral("DejaVu Sans")});
}

} // namespace rova::fonts
