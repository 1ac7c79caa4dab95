#include "settingsfile.h"

#include "platform/profile.h"

namespace rova {

QString Settings::fileName() { return QStringLiteral("rova_Yamato.ini"); }
QString Settings::section() { return QStringLiteral("rv_YAMATOprn"); }

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

void Settings::save(ProfileFile& file) const
{
    const QString s = section();
    UnsavableFields unsavable;
    const auto text = [&](const char* key, const QString& value, const QString& label) {
        if (unsavable.check(label, value))
            file.writeString(s, key, value);
    };
    file.writeInt(s, "Addr_Font", addrFont);
    text("E_ZIP", zip, QStringLiteral("お届け先の郵便番号"));
    text("E_AD1", add1, QStringLiteral("お届け先のおところ①"));
    text("E_AD2", add2, QStringLiteral("お届け先のおところ②"));
    text("E_CUS", custo1, QStringLiteral("お届け先のおなまえ"));
    text("E_TEL", tel, QStringLiteral("お届け先のでんわ"));
    text("E_G1", g1, QStringLiteral("品名1"));
    text("E_G2", g2, QStringLiteral("品名2"));
    text("E_G3", g3, QStringLiteral("品名3"));
    text("KOSUU3", kosuu, QStringLiteral("個数"));
    text("OP023My", sender.name, senderbook::label::name);
    text("OP023MyZip", sender.zip, senderbook::label::zip);
    text("OP023MyADD1", sender.add1, senderbook::label::add1);
    text("OP023MyADD2", sender.add2, senderbook::label::add2);
    text("OP023MyTEL", sender.tel, senderbook::label::tel);
    file.writeInt(s, "ComboBox_SEL", comboBoxSel);
    file.writeInt(s, "Tab_My", tabMy);
    unsavable.raiseIfAny();
}

} // namespace rova
