#include "rules/settingsfile.h"

#include "rules/profile.h"

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
    const QString s = section();
    const QString none;
    tabMy = file.readInt(s, "Tab_My", 0);
    comboBoxSel = file.readInt(s, "ComboBox_SEL", 0);
    addrFont = file.readInt(s, "Addr_Font", 1);
    sender.name = file.readString(s, "OP023My", none);
    sender.zip = file.readString(s, "OP023MyZip", none);
    sender.add1 = file.readString(s, "OP023MyADD1", none);
    sender.add2 = file.readString(s, "OP023MyADD2", none);
    sender.tel = file.readString(s, "OP023MyTEL", none);
    zip = file.readString(s, "E_ZIP", none);
    add1 = file.readString(s, "E_AD1", none);
    add2 = file.readString(s, "E_AD2", none);
    custo1 = file.readString(s, "E_CUS", none);
    tel = file.readString(s, "E_TEL", none);
    g1 = file.readString(s, "E_G1", none);
    g2 = file.readString(s, "E_G2", none);
    g3 = file.readString(s, "E_G3", none);
    // Earlier files may carry the count under its first name only.
    kosuu = file.readString(s, "KOSUU3", file.readString(s, "KOSUU", QStringLiteral("1")));
}

void Settings::checkSavable() const
{
    UnsavableFields unsavable;
    for (const TextValue& text : textValues(*this))
        unsavable.check(text.label, text.value);
    unsavable.raiseIfAny();
}

void Settings::save(ProfileFile& file) const
{
    const QString s = section();
    file.writeInt(s, "Addr_Font", addrFont);
    for (const TextValue& text : textValues(*this))
        file.writeString(s, text.key, UnsavableFields::savablePart(text.value));
    file.writeInt(s, "ComboBox_SEL", comboBoxSel);
    file.writeInt(s, "Tab_My", tabMy);
}

} // namespace rova
