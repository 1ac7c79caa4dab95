// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/slipchecks.h"

#include "rules/text/cp932.h"
#include "support/fakeprintsystem.h"
#include "support/testprinters.h"
#include "widgets/kit/dialogs.h"
#include "widgets/numberedit/numberedit.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>

namespace slipcheck
{
namespace
{
const QString L = QStringLiteral("Lucida Sans Unicode");
const QString M = QStringLiteral("ＭＳ Ｐ明朝");
} // namespace

QList<Expected> filledLayout(int kind)
{
    QList<Expected> items{
        {"1", L, 14, false, 185, 30}, {"2", L, 14, false, 230, 30},   {"3", L, 14, false, 275, 30},
        {"4", L, 14, false, 340, 30}, {"5", L, 14, false, 389, 30},   {"6", L, 14, false, 438, 30},
        {"7", L, 14, false, 487, 30}, {"2026", L, 9, false, 536, 70}, {"12", L, 9, false, 630, 70},
        {"08", L, 9, false, 690, 70}, {"12", L, 14, false, 830, 114}, {"24", L, 14, false, 930, 114},
    };
    const Expected marks[] = {
        {"○", M, 22, true, 1034, 140}, {"○", M, 26, true, 1034, 160}, {"○", M, 14, true, 1034, 88}};
    items << marks[kind];
    items << Expected{"03-1234-5678", M, 12, true, 245, 110}
          << Expected{"東京都千代田区丸の内１－１", M, 12, true, 150, 174}
          << Expected{"丸の内ビル１２階", M, 12, true, 150, 219}
          << Expected{"受付気付", M, 12, true, 150, 270} << Expected{"山田　太郎", M, 12, true, 180, 330};
    if (kind == 2)
        items << Expected{"書籍", M, 8, true, 540, 430} << Expected{"1", M, 14, true, 590, 570}
              << Expected{"2", M, 14, true, 610, 570};
    else
        items << Expected{"書籍", M, 12, true, 570, 195} << Expected{"衣類", M, 12, true, 570, 225}
              << Expected{"食品", M, 12, true, 570, 255};
    items << Expected{"5", L, 12, false, 185, 380} << Expected{"4", L, 12, false, 230, 380}
          << Expected{"0", L, 12, false, 275, 380} << Expected{"0", L, 12, false, 340, 380}
          << Expected{"0", L, 12, false, 389, 380} << Expected{"0", L, 12, false, 438, 380}
          << Expected{"1", L, 12, false, 487, 380} << Expected{"06-9876-5432", M, 10, false, 245, 444}
          << Expected{"大阪府大阪市中央区城見", M, 10, false, 160, 495}
          << Expected{"ＯＢＰタワー３階", M, 10, false, 160, 540}
          << Expected{"ロバ商店", M, 10, false, 170, 595};
    return items;
}

void writeAssignments(const QString& folder, const QList<QStringList>& sections)
{
    QString text;
    for (const QStringList& s : sections)
        text += QStringLiteral("[%1]\r\nPrnName=%2\r\nPrnNoIndex=%3\r\nrovPrn_Top=%4\r\nrovPrn_Left=%5\r\n")
                    .arg(s[0], s[1], s[2], s[3], s[4]);
    QFile file(QDir(folder).filePath(QStringLiteral("rova_a500.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(rova::cp932::toBytes(text));
}

QStringList assignmentLines(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("rova_a500.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QString& line : rova::cp932::decode(file.readAll()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

QStringList sectionLines(const QString& folder, const QString& section)
{
    QStringList lines;
    bool inside = false;
    for (const QString& line : assignmentLines(folder)) {
        if (line.startsWith(QLatin1Char('[')))
            inside = line == QLatin1Char('[') + section + QLatin1Char(']');
        else if (inside)
            lines << line;
    }
    return lines;
}

QStringList keyLines(const QString& name, const QString& index, const QString& top, const QString& left)
{
    return {"PrnName=" + name, "PrnNoIndex=" + index, "rovPrn_Top=" + top, "rovPrn_Left=" + left};
}

void retype(NumberEdit* edit, const QString& keys)
{
    QTRY_VERIFY(edit->hasFocus());
    while (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

void answerSetupDialog(int printer, bool confirm, const std::function<void()>& meanwhile)
{
    rova::Dialogs::answerNextDialog([=](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox_Printer"));
        [&] { QVERIFY(printers); }();
        if (!printers)
            return int(QDialog::Rejected);
        while (printers->currentIndex() != printer) {
            const int before = printers->currentIndex();
            QTest::keyClick(printers, before < printer ? Qt::Key_Down : Qt::Key_Up);
            if (printers->currentIndex() == before)
                break; // past the list: the comparison below reports it
        }
        [&] { QCOMPARE(printers->currentIndex(), printer); }();
        if (meanwhile)
            meanwhile();
        return int(confirm ? QDialog::Accepted : QDialog::Rejected);
    });
}

rova::print::FakePrintSystem* installFakePrinters(const QStringList& names, int defaultIndex)
{
    rova::Dialogs::setScripted(true);
    auto fake = std::make_unique<rova::print::FakePrintSystem>();
    for (const QString& name : names)
        fake->addPrinter(rova::print::FakePrintSystem::printer(name));
    fake->setDefault(defaultIndex);
    return testprinters::installFake(std::move(fake));
}

} // namespace slipcheck
