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
    CheckBox_My = checkBox(PanelSender, QStringLiteral("CheckBox_My"), QStringLiteral("ご依頼主"),
                           QRect(18, 3, 97, 17), 15);
    CheckBox_My->setChecked(true);
    setTextColour(CheckBox_My, grey());
    CheckBox_My->setToolTip(QStringLiteral("チェックをはずすとご依頼主を印字しません"));

    PageControl_My = new QTabBar(PanelSender);
    PageControl_My->setObjectName(QStringLiteral("PageControl_My"));
    PageControl_My->setGeometry(114, 1, 440, 19);
    PageControl_My->setFont(gothic(12));
    PageControl_My->setDrawBase(false);
    PageControl_My->setExpanding(false);
    PageControl_My->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 0px 3px; margin: 0px; color: rgb(128,128,128); }"));
    for (int slot = 1; slot <= 10; ++slot)
        PageControl_My->addTab(QStringLiteral("依頼主%1").arg(slot));
    // The row's scroll arrows are for the mouse; the tab stop is the row itself.
    for (QToolButton* arrow : PageControl_My->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    PageControl_My->setToolTip(
        QStringLiteral("依頼主番号ごとに登録してください。　登録後切り替えが可能になります。"));

    label(PanelSender, QStringLiteral("Label4"), QStringLiteral("郵便番号"), 49, 28, 15);
    Edit_MyZip = edit(PanelSender, QStringLiteral("Edit_MyZip"), QRect(114, 22, 78, 23), 15);
    limitTyping(Edit_MyZip, 8);
    Edit_MyZip->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    label(PanelSender, QStringLiteral("Label5"), QStringLiteral("おところ"), 58, 49, 15);
    Edit_MyADD1 = edit(PanelSender, QStringLiteral("Edit_MyADD1"), QRect(114, 44, 440, 23), 15);
    Edit_MyADD2 = edit(PanelSender, QStringLiteral("Edit_MyADD2"), QRect(114, 66, 440, 23), 15);
    label(PanelSender, QStringLiteral("Label7"), QStringLiteral("おなまえ"), 56, 93, 15);
    Edit_My = edit(PanelSender, QStringLiteral("Edit_My"), QRect(114, 88, 360, 23), 15);
    limitTyping(Edit_My, 80);
    label(PanelSender, QStringLiteral("Label6"), QStringLiteral("でんわ"), 67, 114, 15);
    Edit_MyTEL = edit(PanelSender, QStringLiteral("Edit_MyTEL"), QRect(114, 110, 140, 23), 15);
    Edit_MyTEL->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    for (QWidget* w : PanelSender->findChildren<QLabel*>())
        setTextColour(w, grey());
    for (QLineEdit* e : {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My, Edit_MyTEL})
        setTextColour(e, grey());

    BitBtn_My = button(PanelSender, QStringLiteral("BitBtn_My"), QString(), QRect(610, 49, 39, 39), true);
    BitBtn_My->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn_My->setToolTip(QStringLiteral("ご依頼主を保存します"));
    Label3 = label(PanelSender, QStringLiteral("Label3"), QStringLiteral("ご依頼主登録"), 600, 92, 12);
}

void MainWindow::connectSender()
{
    connect(BitBtn_My, &QPushButton::clicked, this, [this] { run([this] { confirmAndRegisterSender(); }); });
    connect(CheckBox_My, &QCheckBox::toggled, this, [this] { shadeSenderFields(); });
    connect(PageControl_My, &QTabBar::currentChanged, this, [this] {
        // Selecting a tab from code (the settings load) does not load the slot.
        if (m_selectingSlot)
            return;
        m_noSenderSlot = false;
        run([this] { loadSenderSlot(); });
    });
    // With no slot active (a negative stored tab) the row still shows one; a click on that tab changes
    // no index, so it counts as selecting it here.
    connect(PageControl_My, &QTabBar::tabBarClicked, this, [this](int index) {
        if (!m_noSenderSlot || index < 0 || index != PageControl_My->currentIndex())
            return;
        m_noSenderSlot = false;
        run([this] { loadSenderSlot(); });
    });
}

int MainWindow::senderSlot() const
{
    return m_noSenderSlot ? -1 : PageControl_My->currentIndex();
}

void MainWindow::selectSenderSlot(int slot)
{
    if (slot >= 10)
        return;
    m_noSenderSlot = slot < 0;
    if (slot >= 0) {
        m_selectingSlot = true;
        PageControl_My->setCurrentIndex(slot);
        m_selectingSlot = false;
    }
}

MainWindow::AddressFields MainWindow::senderFields() const
{
    return {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, nullptr, Edit_My, Edit_MyTEL};
}

void MainWindow::clearSender()
{
    for (QLineEdit* field : senderFields().all())
        field->clear();
}

void MainWindow::confirmAndRegisterSender()
{
    if (!rova::Dialogs::ask(this, QStringLiteral("ご依頼主を登録しますか?"))) {
        Edit_MyZip->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int slot = senderSlot();
    if (slot < 0)
        return;
    rova::senderbook::write(
        m_folder, slot,
        {Edit_MyZip->text(), Edit_MyADD1->text(), Edit_MyADD2->text(), Edit_My->text(), Edit_MyTEL->text()});
    rova::Dialogs::tell(this, QStringLiteral("ご依頼主を登録しました"));
    showHelp(QStringLiteral("    "));
    Edit_MyZip->setFocus(Qt::OtherFocusReason);
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
    Edit_MyZip->setText(sender.zip);
    Edit_MyADD1->setText(sender.add1);
    Edit_MyADD2->setText(sender.add2);
    Edit_My->setText(sender.name);
    Edit_MyTEL->setText(sender.tel);
}

void MainWindow::shadeSenderFields()
{
    const QColor background =
        CheckBox_My->isChecked() ? QApplication::palette().color(QPalette::Base) : rova::ui::grey();
    for (QLineEdit* field : {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_MyTEL})
        rova::ui::setBaseColour(field, background);
}
