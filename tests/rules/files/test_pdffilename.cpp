// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/pdffilename.h"

#include <QTest>

class TestPdfFileName : public QObject
{
    Q_OBJECT
private slots:
    void named_data()
    {
        QTest::addColumn<QDateTime>("printed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        const QDateTime afternoon(QDate(2026, 12, 9), QTime(15, 30, 59));
        const QString at = QStringLiteral("2026-12-09_1530");
        QTest::newRow("date, time and name") << afternoon << "見本太郎" << at + "_見本太郎.pdf";
        QTest::newRow("just after midnight, zeros kept") << QDateTime(QDate(2027, 1, 2), QTime(0, 5)) << "A"
                                                         << "2027-01-02_0005_A.pdf";
        QTest::newRow("each run of blanks, ideographic too, one underscore")
            << afternoon << "見本　太郎 \t 様" << at + "_見本_太郎_様.pdf";
        QTest::newRow("blanks around the name dropped")
            << afternoon << "　 見本太郎\t" << at + "_見本太郎.pdf";
        QTest::newRow("characters file systems refuse")
            << afternoon << "a/b\\c:d*e?f\"g<h>i|j" << at + "_a_b_c_d_e_f_g_h_i_j.pdf";
        QTest::newRow("control characters")
            << afternoon << QString("見本\x01太郎\x7f") << at + "_見本_太郎_.pdf";
        QTest::newRow("full-width look-alikes kept")
            << afternoon << "株式会社／見本：" << at + "_株式会社／見本：.pdf";
        QTest::newRow("no name: time alone") << afternoon << "" << at + ".pdf";
        QTest::newRow("only blanks: time alone") << afternoon << "　 " << at + ".pdf";
        QTest::newRow("long name cut at 120 bytes of whole characters")
            << afternoon << QString(50, QChar(0x5C71)) << at + "_" + QString(40, QChar(0x5C71)) + ".pdf";
        QTest::newRow("character beyond the limit not split")
            << afternoon << QString(118, 'a') + "𠮷" << at + "_" + QString(118, 'a') + ".pdf";
        QTest::newRow("character just within the limit kept")
            << afternoon << QString(116, 'a') + "𠮷" << at + "_" + QString(116, 'a') + "𠮷.pdf";
    }
    void named()
    {
        QFETCH(QDateTime, printed);
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(rova::pdfFileName(printed, name), file);
    }
};

QTEST_GUILESS_MAIN(TestPdfFileName)
#include "test_pdffilename.moc"
