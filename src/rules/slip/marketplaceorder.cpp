// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/marketplaceorder.h"

namespace rova::slip
{

QString marketplaceKey(Marketplace marketplace)
{
    switch (marketplace) {
    case Marketplace::Rakuten:
        return QStringLiteral("rakuten");
    case Marketplace::Amazon:
        return QStringLiteral("amazon");
    case Marketplace::Yahoo:
        return QStringLiteral("yahoo");
    case Marketplace::None:
        break;
    }
    return QString();
}

std::optional<Marketplace> marketplaceFromKey(const QString& key)
{
    for (const Marketplace m : {Marketplace::Rakuten, Marketplace::Amazon, Marketplace::Yahoo}) {
        if (key == marketplaceKey(m))
            return m;
    }
    return std::nullopt;
}

QString marketplaceName(Marketplace marketplace)
{
    switch (marketplace) {
    case Marketplace::Rakuten:
        return QStringLiteral("楽天市場");
    case Marketplace::Amazon:
        return QStringLiteral("Amazon");
    case Marketplace::Yahoo:
        return QStringLiteral("Yahoo!ショッピング");
    case Marketplace::None:
        break;
    }
    return QString();
}

} // namespace rova::slip
