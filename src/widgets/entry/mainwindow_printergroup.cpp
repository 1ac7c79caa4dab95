// SPDX-License-Identifier: GPL-3.0-or-later
// The printer group "プリンタセット": the current printer, paper and bin, the slip type list and the
// margins of the current slip type. Its commands are in mainwindow_printer.cpp.

#include "widgets/entry/mainwindow.h"

#include "widgets/kit/widgetkit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace
{
QComboBox* displayBox(QWidget* parent, const QString& name, const QRect& place)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(rova::ui::gothic(12));
    box->setFocusPolicy(Qt::NoFocus);
    // Shows what the printer object reports; choosing happens in the printer-setup dialog.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    // No arrow: nothing here opens, and an arrow would say otherwise.
    box->setStyleSheet(QStringLiteral("QComboBox::drop-down { width: 0px; border: none; }"
                                      "QComboBox::down-arrow { image: none; }"));
    return box;
}
} // namespace

void MainWindow::buildPrinterGroup()
{
    using namespace rova::ui;
    m_printerGroup = new QGroupBox(QStringLiteral("プリンタセット"), m_optionsBand);
    m_printerGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_printerGroup->setGeometry(8, 2, 285, 130);
    m_printerGroup->setFont(gothic(12));

    m_printerBox = displayBox(m_printerGroup, QStringLiteral("ComboBox1"), QRect(6, 15, 273, 20));
    m_paperBox = displayBox(m_printerGroup, QStringLiteral("ComboBox2"), QRect(6, 36, 273, 20));
    m_binBox = displayBox(m_printerGroup, QStringLiteral("ComboBox3"), QRect(6, 56, 273, 20));

    m_slipTypeCaption =
        label(m_printerGroup, QStringLiteral("Label_4"), QStringLiteral("用紙選択"), 6, 82, 15);
    m_slipType = new QComboBox(m_printerGroup);
    m_slipType->setObjectName(QStringLiteral("ComboBox_SEL"));
    m_slipType->setGeometry(67, 77, 212, 23);
    m_slipType->setFont(gothic(15));
    m_slipType->setFocusPolicy(Qt::StrongFocus);
    m_slipType->addItems({QStringLiteral("発払　着払(手差し)"), QStringLiteral("発払　着払(連続)"),
                          QStringLiteral("タイムサービス(手差し)"), QStringLiteral("タイムサービス(連続)"),
                          QStringLiteral("配達指定日(手差し)"), QStringLiteral("配達指定日(連続)")});

    m_printPositionButton = button(m_printerGroup, QStringLiteral("BitBtn_PrnSet2"),
                                   QStringLiteral("余白調整"), QRect(6, 102, 72, 24), false);
    m_printPositionButton->setToolTip(QStringLiteral("印刷する用紙の上余白、左余白を調整します"));
    m_printerSetupButton =
        button(m_printerGroup, QStringLiteral("BitBtn_PrnSet"), QStringLiteral("セットするプリンタを登録"),
               QRect(130, 102, 149, 24), false);
    m_printerSetupButton->setToolTip(QStringLiteral("送り状ごとに使用にするプリンタをセットします"));

    for (const auto& [target, name, top] :
         {std::tuple{&m_topMargin, "Label_Prn_Top", 103}, std::tuple{&m_leftMargin, "Label_Prn_Left", 114}}) {
        auto* margin = new QLabel(m_printerGroup);
        margin->setObjectName(QString::fromLatin1(name));
        margin->setTextFormat(Qt::PlainText); // the margins come from a file: markup is shown as written
        QFont verdana(QStringLiteral("Verdana"));
        verdana.setPixelSize(11);
        margin->setFont(verdana);
        setTextColour(margin, QColor(0, 0, 128));
        margin->setGeometry(82, top, 46, 11);
        *target = margin;
    }
}

void MainWindow::showPrinterMissing(const QString& text)
{
    // The box has room for one line; the whole text (where, why, what to do) is its tooltip.
    m_printerBox->clear();
    m_printerBox->addItem(text.section(u'\n', 0, 0));
    m_printerBox->setToolTip(text);
    m_printerBox->setEnabled(false);
    rova::ui::setTextColour(m_printerBox, Qt::red);
    m_paperBox->clear();
    m_binBox->clear();
}
