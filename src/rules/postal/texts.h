// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help-line and status-bar texts of the postal dictionary.

#include "rules/postal/index.h"

#include <QList>
#include <QString>

namespace rova::postal::text
{

// "郵便番号 105-0011 は 東京都港区芝公園 です"; a code of several places names the first and how
// many more: "郵便番号 004-0000 は 北海道札幌市厚別区 ほか1件 です".
QString mismatch(const QList<Place>& places);
// "郵便番号 123-4567 は 郵便番号の一覧にありません"
QString unknownCode(int code);
// "おところに合う郵便番号が見つかりません"
QString noCodeForAddress();
// "郵便番号の一覧を読み込みました (3,456 件)": the status-bar line once the dictionary is in use.
QString loaded(int entries);
// The short label at the right end of the status bar, which leaves the bar to the window's messages:
// "〒 3,456 件" with the dictionary in use, "〒 使えません" without.
QString brief(int entries);
QString briefUnavailable();
// One row of a list to choose from: the address, an office's name before it.
QString choice(const Place& place);
// One row of a list of codes: "105-0011　東京都港区芝公園".
QString codeChoice(const Place& place);
// The one status-bar line when the dictionary cannot be used: the file, why, and what is off.
QString unavailable(const QString& path, const QString& reason);

} // namespace rova::postal::text
