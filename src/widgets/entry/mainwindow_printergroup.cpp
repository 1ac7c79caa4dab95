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
    GroupBox1 = new QGroupBox(QStringLiteral("プリンタセット"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 2, 285, 130);
    GroupBox1->setFont(gothic(12));

    ComboBox1 = displayBox(GroupBox1, QStringLiteral("ComboBox1"), QRect(6, 15, 273, 20));
    ComboBox2 = displayBox(GroupBox1, QStringLiteral("ComboBox2"), QRect(6, 36, 273, 20));
    ComboBox3 = displayBox(GroupBox1, QStringLiteral("ComboBox3"), QRect(6, 56, 273, 20));

    Label_4 = label(GroupBox1, QStringLiteral("Label_4"), QStringLiteral("用紙選択"), 6, 82, 15);
    ComboBox_SEL = new QComboBox(GroupBox1);
    ComboBox_SEL->setObjectName(QStringLiteral("ComboBox_SEL"));
    ComboBox_SEL->setGeometry(67, 77, 212, 23);
    ComboBox_SEL->setFont(gothic(15));
    ComboBox_SEL->setFocusPolicy(Qt::StrongFocus);
    ComboBox_SEL->addItems({QStringLiteral("発払　着払(手差し)"), QStringLiteral("発払　着払(連続)"),
                            QStringLiteral("タイムサービス(手差し)"), QStringLiteral("タイムサービス(連続)"),
                            QStringLiteral("配達指定日(手差し)"), QStringLiteral("配達指定日(連続)")});

    BitBtn_PrnSet2 = button(GroupBox1, QStringLiteral("BitBtn_PrnSet2"), QStringLiteral("余白調整"),
                            QRect(6, 102, 72, 24), false);
    BitBtn_PrnSet2->setToolTip(QStringLiteral("印刷する用紙の上余白、左余白を調整します"));
    BitBtn_PrnSet = button(GroupBox1, QStringLiteral("BitBtn_PrnSet"),
                           QStringLiteral("セットするプリンタを登録"), QRect(130, 102, 149, 24), false);
    BitBtn_PrnSet->setToolTip(QStringLiteral("送り状ごとに使用にするプリンタをセットします"));

    for (const auto& [target, name, top] : {std::tuple{&Label_Prn_Top, "Label_Prn_Top", 103},
                                            std::tuple{&Label_Prn_Left, "Label_Prn_Left", 114}}) {
        auto* margin = new QLabel(GroupBox1);
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
    ComboBox1->clear();
    ComboBox1->addItem(text.section(u'\n', 0, 0));
    ComboBox1->setToolTip(text);
    ComboBox1->setEnabled(false);
    rova::ui::setTextColour(ComboBox1, Qt::red);
    ComboBox2->clear();
    ComboBox3->clear();
}
