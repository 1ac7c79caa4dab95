// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Made-up slips for the tests.

#include "rules/slip/sliplayout.h"
#include "rules/slip/slipvalues.h"

namespace rova::test
{

// The sample slip of the tests: a different value in every field, none of them the default, so a
// field that is not stored, shown or drawn shows in the comparison. Of the slip type at that index.
inline slip::SlipValues sampleSlip(int slipType = 0)
{
    slip::SlipValues s;
    s.slipType = slip::slipTypes().at(slipType);
    s.zip = QStringLiteral("123-4567");
    s.tel = QStringLiteral("03-1234-5678");
    s.add1 = QStringLiteral("東京都千代田区丸の内１－１");
    s.add2 = QStringLiteral("丸の内ビル１２階");
    s.add3 = QStringLiteral("受付気付");
    s.name = QStringLiteral("山田　太郎");
    s.fontSizeIndex = 2;
    s.g1 = QStringLiteral("書籍");
    s.g2 = QStringLiteral("衣類");
    s.g3 = QStringLiteral("食品");
    s.count = QStringLiteral("12");
    s.date = QDate(2026, 12, 8);
    s.printDate = true;
    s.deliveryMonth = QStringLiteral("12");
    s.deliveryDay = QStringLiteral("24");
    s.timeSlots[2] = true;
    s.promisedTimes[1] = true;
    s.printSender = true;
    s.myZip = QStringLiteral("540-0001");
    s.myTel = QStringLiteral("06-9876-5432");
    s.myAdd1 = QStringLiteral("大阪府大阪市中央区城見");
    s.myAdd2 = QStringLiteral("ＯＢＰタワー３階");
    s.myName = QStringLiteral("ロバ商店");
    return s;
}

// A slip to one destination, everything else empty.
inline slip::SlipValues slipTo(const QString& name, const QString& tel, const QString& zip = {},
                               const QString& add1 = {}, const QString& add2 = {}, const QString& add3 = {})
{
    slip::SlipValues s;
    s.name = name;
    s.tel = tel;
    s.zip = zip;
    s.add1 = add1;
    s.add2 = add2;
    s.add3 = add3;
    return s;
}

} // namespace rova::test
