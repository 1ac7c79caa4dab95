// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/lookup.h"

#include "rules/postal/postalcode.h"
#include "rules/postal/texts.h"

namespace rova::postal
{

QList<Place> placesOf(const Index& index, QStringView zipText)
{
    const std::optional<int> code = parseCode(zipText);
    return code ? index.places(*code) : QList<Place>();
}

QList<Place> codesOf(const Index& index, QStringView address)
{
    return index.townsAt(address);
}

Check check(const Index& index, QStringView zipText, QStringView address)
{
    using Verdict = Check::Verdict;
    const std::optional<int> code = parseCode(zipText);
    if (!code)
        return {};
    const QList<Place> places = index.places(*code);
    if (places.isEmpty())
        return {Verdict::UnknownCode, text::unknownCode(*code)};
    if (address.trimmed().isEmpty())
        return {};
    if (index.agrees(*code, address))
        return {Verdict::Agrees, {}};
    return {Verdict::Mismatch, text::mismatch(places)};
}

} // namespace rova::postal
