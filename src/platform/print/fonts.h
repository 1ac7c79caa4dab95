// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program asks for its faces by the names the forms were designed with. Where those faces are not
// installed, Qt falls back to the registered stand-ins of the same kind.

#include <QString>

namespace rova::fonts
{

QString screenGothic(); // "ＭＳ Ｐゴシック"
QString printMincho();  // "ＭＳ Ｐ明朝"
QString printLatin();   // "Lucida Sans Unicode"

// Registers the stand-ins (IPA P Gothic, IPA P Mincho, DejaVu Sans). Call once after the
// application object exists.
void registerSubstitutions();

} // namespace rova::fonts
