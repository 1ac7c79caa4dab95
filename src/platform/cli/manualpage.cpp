// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cli/manualpage.h"

#include "platform/cli/commandline.h"
#include "platform/system/datafolder.h"

namespace rova::cli
{

namespace
{
// Text as roff reads it: a backslash is the escape, a hyphen would be set as a dash, and a line
// starting with a dot or an apostrophe would be a request.
QString escaped(const QString& text)
{
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (out.startsWith(u'.') || out.startsWith(u'\''))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString section(const QString& title, const QList<HelpRow>& rows)
{
    QString text = QStringLiteral(".SH %1\n").arg(title);
    for (const HelpRow& row : rows)
        text += QStringLiteral(".TP\n.B %1\n%2\n").arg(escaped(row.left), escaped(row.right));
    return text;
}
} // namespace

QString japaneseManualPage(const QString& version, const QString& date)
{
    const QString name = escaped(QStringLiteral("rova-yamato"));
    QString page = QStringLiteral(".TH ROVA\\-YAMATO 1 \"%1\" \"%2 %3\" \"ユーザーコマンド\"\n")
                       .arg(escaped(date), name, escaped(version));
    // Japanese runs have no blanks to stretch: set them ragged, not justified.
    page += QStringLiteral(".ad l\n.nh\n");
    page += QStringLiteral(".SH 名前\n%1 \\- %2\n").arg(name, escaped(summaryText()));
    page += QStringLiteral(".SH 書式\n.B %1\n.RI [ オプション ] \" \" [ FILE ...]\n").arg(name);
    page += QStringLiteral(".SH 説明\n%1\n.PP\n%2\n").arg(escaped(summaryText()), escaped(secondStartText()));
    page += section(QStringLiteral("オプション"), optionRows());
    page += section(QStringLiteral("ファイル"), fileRows());
    page +=
        QStringLiteral(".PP\nどれもデータフォルダにあります。既定は %1 です。\n")
            .arg(escaped(QStringLiteral("$XDG_CONFIG_HOME/%1 (~/.config/%1)").arg(datafolder::folderName())));
    page += section(QStringLiteral("環境変数"), environmentRows());
    page += section(QStringLiteral("終了ステータス"), exitStatusRows());
    return page;
}

} // namespace rova::cli
