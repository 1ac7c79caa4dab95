// SPDX-License-Identifier: GPL-3.0-or-later
// Names a screen reader reads out for the controls whose own text does not say what they are: edits
// named by the caption in front of them, buttons that show only an icon. Check boxes and buttons with
// a caption are read by that caption already.

#include "widgets/entry/mainwindow.h"

#include <QLabel>

namespace
{
struct AccessibleName {
    const char* control;
    const char16_t* before;  // words in front of the caption ("お届け先", "ご依頼主")
    const char* captionFrom; // the label holding the caption, or null
    const char16_t* after;   // added behind it as written (which line, which part)
};

constexpr AccessibleName kNames[] = {
    {"Memo1", u"", "Label1", u" 貼り付け欄"},
    {"BitBtn_1", u"", "Label1", u""},
    {"BitBtn_MemoCLS", u"", "Label12", u""},
    {"Edit_Zip", u"お届け先", "Panel26", u""},
    {"Edit_Add1", u"", "Panel27", u""},
    {"Edit_Add2", u"", "Panel28", u""},
    {"Edit_Add3", u"", "Panel2", u""},
    {"Edit_Custo1", u"", "Panel5", u""},
    {"Edit_tel", u"", "Panel7", u""},
    {"BitBtn_CLS", u"", "Label10", u""},
    {"PageControl_My", u"ご依頼主の番号", nullptr, u""},
    {"Edit_MyZip", u"ご依頼主", "Label4", u""},
    {"Edit_MyADD1", u"ご依頼主", "Label5", u"①"},
    {"Edit_MyADD2", u"ご依頼主", "Label5", u"②"},
    {"Edit_My", u"ご依頼主", "Label7", u""},
    {"Edit_MyTEL", u"ご依頼主", "Label6", u""},
    {"BitBtn_My", u"", "Label3", u""},
    {"ComboBox1", u"プリンタ", nullptr, u""},
    {"ComboBox2", u"用紙サイズ", nullptr, u""},
    {"ComboBox3", u"給紙方法", nullptr, u""},
    {"ComboBox_SEL", u"", "Label_4", u""},
    {"DateTimePicker_1", u"印字する日付", nullptr, u""},
    {"Edit_de_date1", u"", "Label_de_date", u" 月"},
    {"Edit_de_date2", u"", "Label_de_date", u" 日"},
    {"Edit_G1", u"", "Label_3", u"1"},
    {"Edit_G2", u"", "Label_3", u"2"},
    {"Edit_G3", u"", "Label_3", u"3"},
    {"KeNumEdit_KOSUU", u"", "Label_KOSUU", u""},
    {"BitBtn_WebHelp", u"ホームページ", nullptr, u""},
};
} // namespace

void MainWindow::nameControls()
{
    for (const AccessibleName& entry : kNames) {
        auto* control = m_form->findChild<QWidget*>(QString::fromLatin1(entry.control));
        if (!control)
            continue; // a button the build leaves out
        QStringList words{QString::fromUtf16(entry.before)};
        if (entry.captionFrom)
            // Captions may start with a full-width blank that only places them on the form.
            words << m_form->findChild<QLabel*>(QString::fromLatin1(entry.captionFrom))->text().trimmed();
        words.removeAll(QString());
        control->setAccessibleName(words.join(u' ') + QString::fromUtf16(entry.after));
    }
}
