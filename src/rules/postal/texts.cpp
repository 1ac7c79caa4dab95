// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/texts.h"

#include "rules/postal/postalcode.h"

namespace rova::postal::text
{

QString mismatch(const QList<Place>& places)
{
    if (places.isEmpty())
        return {};
    const QString more = places.size() > 1 ? QStringLiteral(" ほか%1件").arg(places.size() - 1) : QString();
    return QStringLiteral("郵便番号 %1 は %2%3 です").arg(places.first().code, places.first().address, more);
}

QString unknownCode(int code)
{
    return QStringLiteral("郵便番号 %1 は 郵便番号の一覧にありません").arg(formatCode(code));
}

QString noCodeForAddress()
{
    return QStringLiteral("おところに合う郵便番号が見つかりません");
}

QString loaded(int entries)
{
    return QStringLiteral("郵便番号の一覧を読み込みました (%L1 件)").arg(entries);
}

QString brief(int entries)
{
    return QStringLiteral("〒 %L1 件").arg(entries);
}

QString briefUnavailable()
{
    return QStringLiteral("〒 使えません");
}

QString choice(const Place& place)
{
    return place.office.isEmpty() ? place.address : place.office + QStringLiteral("　") + place.address;
}

QString codeChoice(const Place& place)
{
    return place.code + QStringLiteral("　") + place.address;
}

QString unavailable(const QString& path, const QString& reason)
{
    return QStringLiteral("郵便番号の一覧 %1 を読めません（%2）。郵便番号の検索と照合は使えません")
        .arg(path, reason);
}

} // namespace rova::postal::text
