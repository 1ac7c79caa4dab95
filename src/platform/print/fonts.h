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

// The face a font of `family` is drawn with: the family itself when installed, else its first
// installed stand-in, else the family (left to Qt's own fallback). Asking for that face directly spares
// every font made of it the search for the missing family.
QString installedFace(const QString& family);

} // namespace rova::fonts
