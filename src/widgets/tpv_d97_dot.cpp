#include "widgets/tpv_d97_dot.h"

#include "platform/printsystem.h"
#include "platform/tpvprinter.h"
#include "rules/devicemapping.h"
#include "widgets/mainwindow.h"
#include "widgets/slipreader.h"

#include <QLabel>

TPv_d97_Dot::TPv_d97_Dot(MainWindow* main) : QWidget(nullptr), m_main(main)
{
    setObjectName(QStringLiteral("Pv_d97_Dot"));
    Label1 = new QLabel(QStringLiteral("送り状パターン"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
}

void TPv_d97_Dot::PrintSlip()
{
    TPvPrinter& printer = PvPrinter();
    const QPoint dpi = printer.GetResolution();
    const int scale = printer.GetScale();
    m_main->Label_dpix->setText(QString::number(rova::slip::printResolution(dpi.x(), scale)));
    m_main->Label_dpiy->setText(QString::number(rova::slip::printResolution(dpi.y(), scale)));

    printer.BeginDoc(QStringLiteral("rova_Yamato"));
    try {
        SLIP97_Prn();
    } catch (...) {
        // The drawing error is the one the operator must see, whatever discarding the page says.
        try {
            printer.Abort();
        } catch (...) {
        }
        throw;
    }
    printer.EndDoc();
}

void TPv_d97_Dot::SLIP97_Prn()
{
    using namespace rova::slip;
    const DeviceMapping mapping =
        deviceMapping(m_main->Label_dpix->text(), m_main->Label_dpiy->text(), m_main->Label_Prn_Top->text(),
                      m_main->Label_Prn_Left->text());
    const QList<TextItem> items = toDevice(layoutItems(readSlip(*m_main)), mapping);

    rova::print::Canvas& canvas = PvPrinter().GetCanvas();
    canvas.setTextColor(Qt::black);
    canvas.setBrush(Qt::white);
    for (const TextItem& item : items) {
        const QLabel* style = item.bold ? Label2 : Label1;
        canvas.setFont(item.family, item.points, style->font().bold());
        canvas.textOut(item.x, item.y, item.text);
    }
}
