// SPDX-License-Identifier: GPL-3.0-or-later
// The sender band: ten registered senders, one file per slot, picked by tab.

#include "widgets/entry/mainwindow.h"

#include "rules/files/senderbook.h"
#include "widgets/kit/widgetkit.h"

#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

void MainWindow::buildSender()
{
    using namespace rova::ui;
    m_printSender = checkBox(m_senderBand, QStringLiteral("CheckBox_My"), QStringLiteral("ご依頼主"),
                             QRect(18, 3, 97, 17), 15);
    m_printSender->setChecked(true);
    setTextColour(m_printSender, grey());
    m_printSender->setToolTip(QStringLiteral("チェックをはずすとご依頼主を印字しません"));

    m_senderSlots = new QTabBar(m_senderBand);
    m_senderSlots->setObjectName(QStringLiteral("PageControl_My"));
    m_senderSlots->setGeometry(114, 1, 440, 19);
    m_senderSlots->setFont(gothic(12));
    m_senderSlots->setDrawBase(false);
    m_senderSlots->setExpanding(false);
    m_senderSlots->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 0px 3px; margin: 0px; color: rgb(128,128,128); }"));
    for (int slot = 1; slot <= 10; ++slot)
        m_senderSlots->addTab(QStringLiteral("依頼主%1").arg(slot));
    // The row's scroll arrows are for the mouse; the tab stop is the row itself.
    for (QToolButton* arrow : m_senderSlots->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    m_senderSlots->setToolTip(
        QStringLiteral("依頼主番号ごとに登録してください。　登録後切り替えが可能になります。"));

    label(m_senderBand, QStringLiteral("Label4"), QStringLiteral("郵便番号"), 49, 28, 15);
    m_senderZip = edit(m_senderBand, QStringLiteral("Edit_MyZip"), QRect(114, 22, 78, 23), 15);
    limitTyping(m_senderZip, 8);
    m_senderZip->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    label(m_senderBand, QStringLiteral("Label5"), QStringLiteral("おところ"), 58, 49, 15);
    m_senderAdd1 = edit(m_senderBand, QStringLiteral("Edit_MyADD1"), QRect(114, 44, 440, 23), 15);
    m_senderAdd2 = edit(m_senderBand, QStringLiteral("Edit_MyADD2"), QRect(114, 66, 440, 23), 15);
    label(m_senderBand, QStringLiteral("Label7"), QStringLiteral("おなまえ"), 56, 93, 15);
    m_senderName = edit(m_senderBand, QStringLiteral("Edit_My"), QRect(114, 88, 360, 23), 15);
    limitTyping(m_senderName, 80);
    label(m_senderBand, QStringLiteral("Label6"), QStringLiteral("でんわ"), 67, 114, 15);
    m_senderTel = edit(m_senderBand, QStringLiteral("Edit_MyTEL"), QRect(114, 110, 140, 23), 15);
    m_senderTel->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    for (QWidget* w : m_senderBand->findChildren<QLabel*>())
        setTextColour(w, grey());
    for (QLineEdit* e : {m_senderZip, m_senderAdd1, m_senderAdd2, m_senderName, m_senderTel})
        setTextColour(e, grey());

    m_registerSenderButton =
        button(m_senderBand, QStringLiteral("BitBtn_My"), QString(), QRect(610, 49, 39, 39), true);
    m_registerSenderButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_registerSenderButton->setToolTip(QStringLiteral("ご依頼主を保存します"));
    m_registerSenderCaption =
        label(m_senderBand, QStringLiteral("Label3"), QStringLiteral("ご依頼主登録"), 600, 92, 12);
}

void MainWindow::connectSender()
{
    connect(m_registerSenderButton, &QPushButton::clicked, this,
            [this] { run([this] { confirmAndRegisterSender(); }); });
    connect(m_printSender, &QCheckBox::toggled, this, [this] { shadeSenderFields(); });
    connect(m_senderSlots, &QTabBar::currentChanged, this, [this] {
        // Selecting a tab from code (the settings load) does not load the slot.
        if (m_selectingSlot)
            return;
        m_noSenderSlot = false;
        run([this] { loadSenderSlot(); });
    });
    // With no slot active (a negative stored tab) the row still shows one; a click on that tab changes
    // no index, so it counts as selecting it here.
    connect(m_senderSlots, &QTabBar::tabBarClicked, this, [this](int index) {
        if (!m_noSenderSlot || index < 0 || index != m_senderSlots->currentIndex())
            return;
        m_noSenderSlot = false;
        run([this] { loadSenderSlot(); });
    });
}

int MainWindow::senderSlot() const
{
    return m_noSenderSlot ? -1 : m_senderSlots->currentIndex();
}

void MainWindow::selectSenderSlot(int slot)
{
    if (slot >= 10)
        return;
    m_noSenderSlot = slot < 0;
    if (slot >= 0) {
        m_selectingSlot = true;
        m_senderSlots->setCurrentIndex(slot);
        m_selectingSlot = false;
    }
}

MainWindow::AddressFields MainWindow::senderFields() const
{
    return {m_senderZip, m_senderAdd1, m_senderAdd2, nullptr, m_senderName, m_senderTel};
}

void MainWindow::clearSender()
{
    for (QLineEdit* field : senderFields().all())
        field->clear();
}

void MainWindow::confirmAndRegisterSender()
{
    if (!rova::Dialogs::ask(this, QStringLiteral("ご依頼主を登録しますか?"))) {
        m_senderZip->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int slot = senderSlot();
    if (slot < 0)
        return;
    rova::senderbook::write(m_folder, slot,
                            {m_senderZip->text(), m_senderAdd1->text(), m_senderAdd2->text(),
                             m_senderName->text(), m_senderTel->text()});
    rova::Dialogs::tell(this, QStringLiteral("ご依頼主を登録しました"));
    showHelp(QStringLiteral("    "));
    m_senderZip->setFocus(Qt::OtherFocusReason);
}

void MainWindow::loadSenderSlot()
{
    const int slot = senderSlot();
    if (!rova::senderbook::isSlot(slot)) {
        rova::Dialogs::tell(this, QStringLiteral("TabErr"));
        return;
    }
    // A slot never registered has no file and shows empty; nothing of the slot shown before stays.
    rova::Sender sender;
    try {
        sender = rova::senderbook::read(m_folder, slot);
    } catch (const rova::FileError& e) {
        clearSender();
        if (!e.isNotFound())
            throw;
    }
    m_senderZip->setText(sender.zip);
    m_senderAdd1->setText(sender.add1);
    m_senderAdd2->setText(sender.add2);
    m_senderName->setText(sender.name);
    m_senderTel->setText(sender.tel);
}

void MainWindow::shadeSenderFields()
{
    const QColor background =
        m_printSender->isChecked() ? QApplication::palette().color(QPalette::Base) : rova::ui::grey();
    for (QLineEdit* field : {m_senderZip, m_senderAdd1, m_senderAdd2, m_senderTel})
        rova::ui::setBaseColour(field, background);
}
