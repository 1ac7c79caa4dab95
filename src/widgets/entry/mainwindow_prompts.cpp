// SPDX-License-Identifier: GPL-3.0-or-later
// Field prompts in the help line, and the address warning on entering an address field.

#include "widgets/entry/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void MainWindow::trackFocus()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this)
            return;
        // Coming back to the same field from a message box or another window is no entering.
        const bool returning = now == m_lastFocus;
        m_lastFocus = now;
        if (!returning)
            run([this, now] { fieldEntered(now); });
    });
}

void MainWindow::fieldEntered(QWidget* field)
{
    m_lastFocus = field;
    if (field == m_pane) {
        showHelp(QStringLiteral("テキストを貼り付けることができます　７行以内に収めてください"));
        return;
    }
    if (field == m_add1 || field == m_add2 || field == m_add3)
        showAddressWarning();

    static const QList<std::pair<QLineEdit * MainWindow::*, const char16_t*>> prompts{
        {&MainWindow::m_zip, u"お届け先の郵便番号を入力して下さい"},
        {&MainWindow::m_add1, u"お届け先のおところ①を入力して下さい"},
        {&MainWindow::m_add2, u"お届け先のおところ②を入力して下さい"},
        {&MainWindow::m_add3, u"お届け先のおところ②を入力して下さい"},
        {&MainWindow::m_name, u"お届け先のおなまえを入力して下さい"},
        {&MainWindow::m_tel, u"お届け先のでんわを入力して下さい"},
        {&MainWindow::m_item1, u"品名を入力して下さい"},
        {&MainWindow::m_item2, u"品名を入力して下さい"},
        {&MainWindow::m_item3, u"品名を入力して下さい"},
        {&MainWindow::m_senderZip, u"ご依頼主の郵便番号を入力して下さい"},
        {&MainWindow::m_senderAdd1, u"ご依頼主のおところ①を入力して下さい"},
        {&MainWindow::m_senderAdd2, u"ご依頼主のおところ②を入力して下さい"},
        {&MainWindow::m_senderName, u"ご依頼主のおなまえを入力して下さい"},
        {&MainWindow::m_senderTel, u"ご依頼主のでんわを入力して下さい"},
    };
    for (const auto& [member, prompt] : prompts) {
        QLineEdit* edit = this->*member;
        if (edit != field)
            continue;
        showHelp(QString::fromUtf16(prompt));
        edit->deselect();
        edit->end(false);
        return;
    }
}
