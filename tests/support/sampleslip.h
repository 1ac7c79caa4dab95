#pragma once
// Made-up slips for the store tests.

#include "rules/slip/slipvalues.h"

namespace rova::test
{

// A different value in every field, none of them the default, so a field that is not stored or
// not read back shows in the comparison.
inline slip::SlipValues everyField()
{
    slip::SlipValues s;
    s.slipType = QStringLiteral("発払い");
    s.zip = QStringLiteral("100-0001");
    s.tel = QStringLiteral("03-1234-5678");
    s.add1 = QStringLiteral("東京都千代田区千代田");
    s.add2 = QStringLiteral("１－１");
    s.add3 = QStringLiteral("ｻﾝﾌﾟﾙﾋﾞﾙ 3F");
    s.name = QStringLiteral("山田　太郎");
    s.fontSizeIndex = 2;
    s.g1 = QStringLiteral("りんご");
    s.g2 = QStringLiteral("みかん");
    s.g3 = QStringLiteral("なし");
    s.count = QStringLiteral("3");
    s.date = QDate(2024, 2, 29);
    s.printDate = true;
    s.deliveryMonth = QStringLiteral("3");
    s.deliveryDay = QStringLiteral("1");
    s.timeSlots = {false, true, false, false, false, true};
    s.promisedTimes = {false, true};
    s.printSender = true;
    s.myZip = QStringLiteral("530-0001");
    s.myTel = QStringLiteral("06-1111-2222");
    s.myAdd1 = QStringLiteral("大阪府大阪市北区梅田");
    s.myAdd2 = QStringLiteral("2-2-2");
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
