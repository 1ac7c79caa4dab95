// The window's state across runs: "rova_Yamato.ini" in the data folder.

#include "widgets/entry/mainwindow.h"

#include "rules/files/settingsfile.h"

#include "rules/files/profile.h"
#include "widgets/numberedit/numberedit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace
{
rova::ProfileFile settingsFile(const QString& folder)
{
    return rova::ProfileFile(folder + QLatin1Char('/') + rova::Settings::fileName());
}

// An index the list does not have leaves nothing selected.
void selectItem(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}
} // namespace

void MainWindow::loadSettings()
{
    rova::Settings settings;
    // A file that cannot be read is named to the operator and the window starts from the defaults.
    run([this, &settings] { settings.load(settingsFile(m_folder)); });
    m_settingsAsLoaded = settings;
    selectSenderSlot(settings.tabMy);
    selectItem(ComboBox_SEL, settings.comboBoxSel);
    selectItem(ComboBox_FontSize, settings.addrFont);
    Edit_My->setText(settings.sender.name);
    Edit_MyZip->setText(settings.sender.zip);
    Edit_MyADD1->setText(settings.sender.add1);
    Edit_MyADD2->setText(settings.sender.add2);
    Edit_MyTEL->setText(settings.sender.tel);
    Edit_Zip->setText(settings.zip);
    Edit_Add1->setText(settings.add1);
    Edit_Add2->setText(settings.add2);
    Edit_Custo1->setText(settings.custo1);
    Edit_tel->setText(settings.tel);
    Edit_G1->setText(settings.g1);
    Edit_G2->setText(settings.g2);
    Edit_G3->setText(settings.g3);
    // The count takes no sign; one stored with a sign keeps its digits.
    KeNumEdit_KOSUU->setText(settings.kosuu.startsWith(QLatin1Char('-')) ? settings.kosuu.mid(1)
                                                                         : settings.kosuu);
}

void MainWindow::saveSettings()
{
    rova::Settings settings;
    settings.addrFont = ComboBox_FontSize->currentIndex();
    settings.zip = Edit_Zip->text();
    settings.add1 = Edit_Add1->text();
    settings.add2 = Edit_Add2->text();
    settings.custo1 = Edit_Custo1->text();
    settings.tel = Edit_tel->text();
    settings.g1 = Edit_G1->text();
    settings.g2 = Edit_G2->text();
    settings.g3 = Edit_G3->text();
    settings.kosuu = KeNumEdit_KOSUU->text();
    settings.sender = {Edit_MyZip->text(), Edit_MyADD1->text(), Edit_MyADD2->text(), Edit_My->text(),
                       Edit_MyTEL->text()};
    settings.comboBoxSel = ComboBox_SEL->currentIndex();
    settings.tabMy = senderSlot();
    // The operator hears which fields lose characters before the file keeps the rest of them.
    run([this, &settings] { settings.checkSavable(m_settingsAsLoaded); });
    rova::ProfileFile file = settingsFile(m_folder);
    settings.save(file, m_settingsAsLoaded);
}
