// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry/postalassist.h"

#include "widgets/entry/mainwindow.h"

#include "rules/postal/slipcheck.h"
#include "rules/postal/texts.h"
#include "widgets/entry/filledaddress.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/widgetkit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace rova
{

PostalAssist::PostalAssist(MainWindow& window) : m_window(window), m_status(new QLabel(&window.statusLine()))
{
    // An office's name goes to the last address line of the band.
    for (const auto& [band, fields] :
         {std::pair{&m_destination, window.destinationFields()}, std::pair{&m_sender, window.senderFields()}})
        *band = {fields.zip, fields.add1, fields.add2, fields.add3 ? fields.add3 : fields.add2};
    for (Band* band : {&m_destination, &m_sender})
        band->town = new FilledAddress(*band->add1, this);

    m_status->setObjectName(QStringLiteral("Label_PostalStatus"));
    m_status->setFont(ui::gothic(11));
    // Permanent and short, at the right end: the window's own messages keep the rest of the bar.
    // The whole line is its tooltip.
    window.statusLine().addPermanentWidget(m_status);

    // The window walks the fields from a filter on the application; this one, installed later, is
    // asked first, before the focus moves on.
    qApp->installEventFilter(this);
    // Connected after the window's prompts, so a warning is shown over the prompt of the next field.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { guarded(&m_window, [&] { focusMoved(old, now); }); });
    connect(&window, &MainWindow::transferred, this,
            [this] { guarded(&m_window, [this] { checkBand(m_destination); }); });
    window.addPrintCheck(
        [this](const slip::SlipValues& slip, const slip::PrintSettings&, const print::PageSetup*) {
            return m_index ? postal::slipWarnings(*m_index, slip) : QStringList();
        });
}

void PostalAssist::use(const postal::Loaded& loaded)
{
    const QString line =
        loaded.index ? postal::text::loaded(int(loaded.index->data().records.size())) : loaded.status;
    m_status->setText(loaded.index ? postal::text::brief(int(loaded.index->data().records.size()))
                                   : postal::text::briefUnavailable());
    m_status->setToolTip(line);
    if (!loaded.index)
        return;
    const bool first = !m_index;
    m_index = loaded.index;
    if (first)
        m_window.setFunctionKey(4, QStringLiteral("〒検索"), [this] { findCode(); });
}

void PostalAssist::warn(const QString& text)
{
    showHelp(text, true);
}

const PostalAssist::Band* PostalAssist::bandOf(const QObject* field) const
{
    for (const Band* band : {&m_destination, &m_sender}) {
        if (field == band->zip || field == band->add1 || field == band->add2)
            return band;
    }
    return nullptr;
}

bool PostalAssist::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_index ||
        (watched != m_destination.zip && watched != m_sender.zip))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool movesOn =
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!movesOn)
        return false;
    const Band& band = watched == m_sender.zip ? m_sender : m_destination;
    guarded(&m_window, [&] { fillAddress(band); });
    return false; // the window moves the focus on as always
}

} // namespace rova
