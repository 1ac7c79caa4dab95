// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/shippingnotices.h"

#include "rules/errors.h"
#include "rules/orders/delimited.h"
#include "rules/slip/trackingnumber.h"
#include "rules/text/cp932.h"

namespace rova::orders
{

namespace
{
using slip::Marketplace;
using Lines = NoticeFormat::Lines;

const QString kNoNumber = QStringLiteral("伝票番号なし");
const QString kSpoiled = QStringLiteral("書き損じ");
const QString kNotANumber = QStringLiteral("伝票番号が正しくない");
const QString kNoRoom = QStringLiteral("注文の伝票番号の欄が足りない");
const QString kNoItems = QStringLiteral("商品明細IDなし");

// Why a slip cannot go into a notice; empty when it can.
QString reasonLeftOut(const NoticeSlip& s)
{
    if (s.trackingNumber.isEmpty())
        return kNoNumber;
    if (s.spoiled)
        return kSpoiled;
    if (tracking::recognise(s.trackingNumber) != s.trackingNumber)
        return kNotANumber;
    return QString();
}

QStringList lineOf(const NoticeFormat& format, const NoticeLine& line)
{
    QStringList cells;
    for (const NoticeColumn& column : format.columns)
        cells << column.value(line);
    return cells;
}

struct Built {
    QList<QStringList> lines;
    QList<qint64> ids;
    QList<qint64> settled; // left out for good
};

// The slips of one marketplace as lines of its format; those with no room are counted in `leftOut`.
Built linesOf(const NoticeFormat& format, const QList<const NoticeSlip*>& slips,
              const NoticeSettings& settings, QMap<QString, int>& leftOut)
{
    Built built;
    if (format.lines != Lines::PerOrder) {
        for (const NoticeSlip* s : slips) {
            const NoticeLine line{s->order, {}, {s->trackingNumber}, s->shipDate, settings};
            if (format.lines == Lines::PerSlip) {
                built.lines << lineOf(format, line);
            } else if (s->order.items.isEmpty()) {
                ++leftOut[kNoItems];
                continue;
            } else {
                for (const slip::OrderItem& item : s->order.items)
                    built.lines << lineOf(format, {s->order, item, line.numbers, s->shipDate, settings});
            }
            built.ids << s->id;
        }
        return built;
    }
    // One line per order, in the order of its first slip; the first slip's date stands for the order.
    QList<QList<const NoticeSlip*>> orders;
    for (const NoticeSlip* s : slips) {
        auto same = std::find_if(orders.begin(), orders.end(), [&](const QList<const NoticeSlip*>& o) {
            return o.front()->order.orderNumber == s->order.orderNumber;
        });
        if (same == orders.end())
            orders << QList<const NoticeSlip*>{s};
        else
            same->append(s);
    }
    for (const QList<const NoticeSlip*>& order : orders) {
        QStringList numbers;
        for (const NoticeSlip* s : order) {
            if (numbers.size() == format.numbersPerOrder) {
                ++leftOut[kNoRoom];
                // A later file would name the order again with this number alone, over the ones told.
                built.settled << s->id;
                continue;
            }
            numbers << s->trackingNumber;
            built.ids << s->id;
        }
        built.lines << lineOf(format, {order.front()->order, {}, numbers, order.front()->shipDate, settings});
    }
    return built;
}

QByteArray encoded(const QString& text, Marketplace marketplace)
{
    const cp932::Encoded e = cp932::encode(text);
    if (!e.ok())
        throw Error(QStringLiteral("%1 の出荷通知に Shift_JIS で書けない文字があります: %2\n"
                                   "設定ファイルの値を直してください。")
                        .arg(slip::marketplaceName(marketplace), e.unencodable));
    return e.bytes;
}
} // namespace

Notices buildNotices(const QList<NoticeSlip>& slips, const NoticeSettings& settings, const QDateTime& now)
{
    Notices notices;
    for (const Marketplace marketplace : {Marketplace::Rakuten, Marketplace::Amazon, Marketplace::Yahoo}) {
        QList<const NoticeSlip*> taken;
        for (const NoticeSlip& s : slips) {
            if (s.order.marketplace != marketplace)
                continue;
            const QString reason = reasonLeftOut(s);
            if (reason.isEmpty())
                taken << &s;
            else
                ++notices.leftOut[reason];
            // A spoiled form's number never reaches the marketplace: said once, not at every export.
            if (reason == kSpoiled)
                notices.settled << s.id;
        }
        if (taken.isEmpty())
            continue;
        const NoticeFormat& format = noticeFormat(marketplace);
        Built built = linesOf(format, taken, settings, notices.leftOut);
        notices.settled << built.settled;
        QStringList header;
        for (const NoticeColumn& column : format.columns)
            header << column.header;
        const int rows = int(built.lines.size());
        built.lines.prepend(header);
        notices.files << NoticeFile{
            marketplace,
            QStringLiteral("shipping-%1-%2.%3")
                .arg(slip::marketplaceKey(marketplace), now.toString(QStringLiteral("yyyyMMdd-HHmmss")),
                     format.extension),
            encoded(writeDelimited(built.lines, format.separator), marketplace), rows, built.ids};
    }
    return notices;
}

QString noticeSummary(const Notices& notices)
{
    QStringList parts;
    for (const NoticeFile& f : notices.files)
        parts << QStringLiteral("%1 %2 (%3 行)")
                     .arg(slip::marketplaceName(f.marketplace), f.fileName)
                     .arg(f.rows);
    QString text =
        parts.isEmpty() ? QStringLiteral("書き出す出荷通知はありません") : parts.join(QStringLiteral("、"));
    int total = 0;
    QStringList reasons;
    for (auto it = notices.leftOut.cbegin(); it != notices.leftOut.cend(); ++it) {
        total += it.value();
        reasons << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    if (total > 0)
        text += QStringLiteral("。除いた送り状 %1 (%2)").arg(total).arg(reasons.join(QStringLiteral("、")));
    return text;
}

} // namespace rova::orders
