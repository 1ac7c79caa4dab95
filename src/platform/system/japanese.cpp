// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rova::japanese
{

bool install(QCoreApplication& app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    // Month and day names of the calendar come from the locale, not from the catalogue.
    QLocale::setDefault(japanese);
    auto* catalogue = new QTranslator(&app);
    if (!catalogue->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        qWarning("Qt's Japanese catalogue (qtbase_ja.qm, package qt6-translations-l10n) is not installed");
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

} // namespace rova::japanese
