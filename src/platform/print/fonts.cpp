// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/fonts.h"

#include <QFont>
#include <QFontDatabase>
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

namespace
{
struct StandIns {
    QString family;
    QStringList faces; // in the order they are preferred
};

// Stand-ins are used only when the named family is missing, so real fonts still win.
QList<StandIns> standIns()
{
    return {{screenGothic(), {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")}},
            {printMincho(), {QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")}},
            {printLatin(), {QStringLiteral("DejaVu Sans")}}};
}
} // namespace

void registerSubstitutions()
{
    for (const StandIns& s : standIns())
        QFont::insertSubstitutions(s.family, s.faces);
}

QString installedFace(const QString& family)
{
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const StandIns& s : standIns()) {
        if (s.family != family)
            continue;
        for (const QString& face : s.faces) {
            if (QFontDatabase::hasFamily(face))
                return face;
        }
    }
    return family;
}

} // namespace rova::fonts
