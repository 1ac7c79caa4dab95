// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/settingsfile.h"

#include "rules/files/profile.h"

#include <QStringList>

#include <array>

namespace rova
{

namespace
{
struct TextValue {
    const char* key;
    const QString& value;
    const QString& label; // what the operator calls the field in messages
};

// The texts in the order they are saved.
std::array<TextValue, 14> textValues(const Settings& settings)
{
    static const QString zip = QStringLiteral("お届け先の郵便番号");
    static const QString add1 = QStringLiteral("お届け先のおところ①");
    static const QString add2 = QStringLiteral("お届け先のおところ②");
    static const QString custo1 = QStringLiteral("お届け先のおなまえ");
    static const QString tel = QStringLiteral("お届け先のでんわ");
    static const QString g1 = QStringLiteral("品名1");
    static const QString g2 = QStringLiteral("品名2");
    static const QString g3 = QStringLiteral("品名3");
    static const QString kosuu = QStringLiteral("個数");
    const Sender& sender = settings.sender;
    return {{
        {"E_ZIP", settings.zip, zip},
        {"E_AD1", settings.add1, add1},
        {"E_AD2", settings.add2, add2},
        {"E_CUS", settings.custo1, custo1},
        {"E_TEL", settings.tel, tel},
        {"E_G1", settings.g1, g1},
        {"E_G2", settings.g2, g2},
        {"E_G3", settings.g3, g3},
        {"KOSUU3", settings.kosuu, kosuu},
        {"OP023My", sender.name, senderbook::label::name},
        {"OP023MyZip", sender.zip, senderbook::label::zip},
        {"OP023MyADD1", sender.add1, senderbook::label::add1},
        {"OP023MyADD2", sender.add2, senderbook::label::add2},
        {"OP023MyTEL", sender.tel, senderbook::label::tel},
    }};
}
} // namespace

QString Settings::fileName()
{
    return QStringLiteral("rova_Yamato.ini");
}
QString Settings::section()
{
    return QStringLiteral("rv_YAMATOprn");
}

void Settings::load(const ProfileFile& file)
{
    QStringList keys{"Tab_My", "ComboBox_SEL", "Addr_Font", "KOSUU"};
    for (const TextValue& text : textValues(*this))
        keys << QString::fromLatin1(text.key);
    const ProfileSection stored = file.readSection(section(), keys);
    const QString none;
    tabMy = stored.readInt("Tab_My", 0);
    comboBoxSel = stored.readInt("ComboBox_SEL", 0);
    addrFont = stored.readInt("Addr_Font", 1);
    sender.name = stored.readString("OP023My", none);
    sender.zip = stored.readString("OP023MyZip", none);
    sender.add1 = stored.readString("OP023MyADD1", none);
    sender.add2 = stored.readString("OP023MyADD2", none);
    sender.tel = stored.readString("OP023MyTEL", none);
    zip = stored.readString("E_ZIP", none);
    add1 = stored.readString("E_AD1", none);
    add2 = stored.readString("E_AD2", none);
    custo1 = stored.readString("E_CUS", none);
    tel = stored.readString("E_TEL", none);
    g1 = stored.readString("E_G1", none);
    g2 = stored.readString("E_G2", none);
    g3 = stored.readString("E_G3", none);
    // Earlier files may carry the count under its first name only.
    kosuu = stored.readString("KOSUU3", stored.readString("KOSUU", QStringLiteral("1")));
}

void Settings::checkSavable(const Settings& asLoaded) const
{
    const auto before = textValues(asLoaded);
    const auto now = textValues(*this);
    UnsavableFields unsavable;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i].value != before[i].value)
            unsavable.check(now[i].label, now[i].value);
    }
    unsavable.raiseIfAny();
}

void Settings::save(ProfileFile& file, const Settings& asLoaded) const
{
    const QString s = section();
    ProfileChanges changes;
    const auto put = [&](const char* key, const auto& value, bool unchanged) {
        if (unchanged)
            changes.setIfMissing(s, key, value);
        else
            changes.set(s, key, value);
    };
    put("Addr_Font", addrFont, addrFont == asLoaded.addrFont);
    const auto before = textValues(asLoaded);
    const auto now = textValues(*this);
    for (std::size_t i = 0; i < now.size(); ++i)
        put(now[i].key, UnsavableFields::savablePart(now[i].value), now[i].value == before[i].value);
    put("ComboBox_SEL", comboBoxSel, comboBoxSel == asLoaded.comboBoxSel);
    put("Tab_My", tabMy, tabMy == asLoaded.tabMy);
    file.write(changes);
}

} // namespace rova
