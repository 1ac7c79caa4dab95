#include "widgets/entry/nextslipkey.h"

#include "platform/print/slipjobs.h"
#include "rules/slip/nextslip.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/entry/windowpart.h"

#include <QLabel>
#include <QLineEdit>

namespace rova
{

void bindNextSlip(MainWindow& window)
{
    window.setFunctionKey(3, QStringLiteral("次票"), [&window] {
        window.showSlip(slip::nextSlip(window.slipValues()));
        ui::part<QLineEdit>(window, "Edit_Zip").setFocus(Qt::OtherFocusReason);
    });
    QObject::connect(&window.jobs(), &print::SlipJobs::printed, &window, [&window] {
        ui::part<QLabel>(window, "Panel_HelpMess").setText(QStringLiteral("F3: 次の送り状"));
    });
}

} // namespace rova
