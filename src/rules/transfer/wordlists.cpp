// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/wordlists.h"

namespace rova::transfer::words
{

const QStringList& mailMarkers()
{
    static const QStringList list{"@", ".com", ".jp", ".co", ".org", ".ne", ".net"};
    return list;
}

const QStringList& digitsAndHyphens()
{
    static const QStringList list{
        "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "-",
        "０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "－",
    };
    return list;
}

const QStringList& addressFeatures()
{
    static const QStringList list =
        digitsAndHyphens() + QStringList{
                                 "北海道", "都",         "県",     "府",     "市",     "区",     "町",
                                 "村",     "字",         "番地",   "丁目",   "階",     "号",     "F",
                                 "Ｆ",     "郵便局",     "局留",   "局止",   "ビル",   "ﾋﾞﾙ",    "メゾン",
                                 "ﾒｿﾞﾝ",   "マンション", "ﾏﾝｼｮﾝ",  "ハイツ", "ﾊｲﾂ",    "コーポ", "ｺｰﾎﾟ",
                                 "カーサ", "ｶｰｻ",        "小学校", "中学",   "中学校", "高校",   "高等学校",
                             };
    return list;
}

const QStringList& prefectures()
{
    static const QStringList list{
        "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県",   "福島県", "茨城県",
        "栃木県", "群馬県", "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県",
        "石川県", "福井県", "山梨県", "長野県", "岐阜県", "静岡県",   "愛知県", "三重県",
        "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県", "鳥取県", "島根県",
        "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県",   "高知県", "福岡県",
        "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県",
    };
    return list;
}

const QStringList& labelWords()
{
    static const QStringList list{
        "：",         ":",          "様",        "〒",        "郵便番号", "ゆうびんばんごう", "℡番号",
        "℡",          "TEL",        "Tel",       "tel",       "Ｔｅｌ",   "ｔｅｌ",           "TEL",
        "ＴＥＬ",     "お電話番号", "電話番号",  "お電話",    "電話",     "おでんわ",         "でんわ",
        "おなまえ",   "お名前",     "御名前",    "名前",      "御氏名",   "ご氏名",           "氏名",
        "おところ１", "おところ２", "おところ1", "おところ2", "おところ", "ところ",           "ご住所",
        "住所１",     "住所２",     "住所1",     "住所2",     "住所",     "ご送付先",         "送付先",
        "お送り先",   "送り先",     "お届け先",  "届け先",
    };
    return list;
}

const QString& headingDecorations()
{
    static const QString chars =
        QStringLiteral(" 　\t【】[]［］〔〕<>＜＞《》「」『』()（）■□◆◇●○◎★☆▼▽▲△・※:：=＝*＊#＃-－―ー_＿~～");
    return chars;
}

const QStringList& deliveryHeadings()
{
    static const QStringList list{
        "お届け先",   "お届け先情報", "お届け先住所", "お届け先様", "お届け先様情報",
        "送付先",     "送付先情報",   "送付先住所",   "送り先",     "配送先",
        "配送先情報", "配送先住所",   "発送先",       "届け先",     "宛先",
    };
    return list;
}

const QStringList& otherHeadings()
{
    static const QStringList list{
        "ご注文者", "ご注文者情報", "ご注文者様", "ご注文者様情報", "注文者",     "注文者情報",
        "ご購入者", "ご購入者情報", "購入者",     "購入者情報",     "ご請求先",   "請求先",
        "ご依頼主", "ご依頼主情報", "依頼主",     "差出人",         "発送元",     "ご注文内容",
        "注文内容", "ご注文商品",   "商品情報",   "お支払い方法",   "お支払方法", "支払方法",
        "配送方法", "お届け日時",   "備考",
    };
    return list;
}

} // namespace rova::transfer::words
