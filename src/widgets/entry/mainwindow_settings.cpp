// SPDX-License-Identifier: GPL-3.0-or-later
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
    selectItem(m_slipType, settings.comboBoxSel);
    selectItem(m_fontSize, settings.addrFont);
    m_senderName->setText(settings.sender.name);
    m_senderZip->setText(settings.sender.zip);
    m_senderAdd1->setText(settings.sender.add1);
    m_senderAdd2->setText(settings.sender.add2);
    m_senderTel->setText(settings.sender.tel);
    m_zip->setText(settings.zip);
    m_add1->setText(settings.add1);
    m_add2->setText(settings.add2);
    m_name->setText(settings.custo1);
    m_tel->setText(settings.tel);
    m_item1->setText(settings.g1);
    m_item2->setText(settings.g2);
    m_item3->setText(settings.g3);
    // The count takes no sign; one stored with a sign keeps its digits.
    m_count->setText(settings.kosuu.startsWith(QLatin1Char('-')) ? settings.kosuu.mid(1) : settings.kosuu);
}

void MainWindow::saveSettings()
{
    rova::Settings settings;
    settings.addrFont = m_fontSize->currentIndex();
    settings.zip = m_zip->text();
    settings.add1 = m_add1->text();
    settings.add2 = m_add2->text();
    settings.custo1 = m_name->text();
    settings.tel = m_tel->text();
    settings.g1 = m_item1->text();
    settings.g2 = m_item2->text();
    settings.g3 = m_item3->text();
    settings.kosuu = m_count->text();
    settings.sender = {m_senderZip->text(), m_senderAdd1->text(), m_senderAdd2->text(), m_senderName->text(),
                       m_senderTel->text()};
    settings.comboBoxSel = m_slipType->currentIndex();
    settings.tabMy = senderSlot();
    // The operator hears which fields lose characters before the file keeps the rest of them.
    run([this, &settings] { settings.checkSavable(m_settingsAsLoaded); });
    rova::ProfileFile file = settingsFile(m_folder);
    settings.save(file, m_settingsAsLoaded);
}
