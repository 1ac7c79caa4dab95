// SPDX-License-Identifier: GPL-3.0-or-later
// Order files into the batch window: from the file menu, Ctrl+O or dropped on the window. A header
// of no known format asks for a column mapping once; it is remembered for that header.

#include "widgets/batch/batchwindow.h"

#include "widgets/batch/batchmodel.h"
#include "widgets/batch/columnmappingdialog.h"
#include "widgets/entry/slipentry.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/filedialogs.h"

#include "platform/batch/batchimport.h"
#include "rules/files/fileio.h"
#include "rules/files/programsettings.h"
#include "rules/orders/slipexport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>

using rova::Dialogs;

void BatchWindow::chooseImport()
{
    importFiles(rova::FileDialogs(this, rova::ProgramSettings(m_main.folder()), rova::FileKind::Import)
                    .openFiles(QStringLiteral("注文ファイルの取り込み"),
                               QStringLiteral("注文ファイル (*.csv *.tsv *.txt);;すべてのファイル (*)")));
}

void BatchWindow::importFiles(const QStringList& paths)
{
    if (!ensureList())
        return;
    // Each file on its own: one that cannot be read leaves the others imported.
    for (const QString& path : paths) {
        QString line = QStringLiteral("%1: 取り込めませんでした。").arg(QFileInfo(path).fileName());
        rova::guarded(this, [&] { line = importFile(path); });
        m_importLog->appendPlainText(line);
        m_importLog->show();
    }
    refresh();
}

QString BatchWindow::importFile(const QString& path)
{
    const rova::orders::OrderFile file = rova::orders::readOrderFile(path);
    const rova::orders::ImportContext context{m_main.slipValues(), QDate::currentDate()};
    rova::ProgramSettings settings(m_main.folder());
    rova::orders::OrderImport imported = rova::orders::importOrders(file, context);
    if (!imported.format) {
        std::optional<rova::orders::ColumnMapping> mapping = settings.columnMapping(imported.headerKey);
        if (!mapping) {
            ColumnMappingDialog dialog(file.table.header.cells, path, this);
            if (Dialogs::exec(dialog) != QDialog::Accepted)
                return QStringLiteral("%1: 列の対応を選ばなかったので取り込んでいません。")
                    .arg(QFileInfo(path).fileName());
            mapping = dialog.mapping();
            settings.setColumnMapping(imported.headerKey, *mapping);
        }
        imported.slips = rova::orders::slipsFrom(file, *mapping, context);
    }
    rova::batch::RowCheck check = rowCheck();
    const QList<rova::store::BatchRow> rows = rova::batch::batchRows(imported, path, check);
    // Added first, the duplicates left out in the same transaction, and only then offered: the
    // list is never held while the operator decides.
    const rova::batch::Added added = rova::batch::addRows(*m_list, rows, false);
    const QString name = QFileInfo(path).fileName();
    QString summary = QStringLiteral("%1: %2 行を追加しました (重複で除いた行 %3、確認の印がある行 %4)。")
                          .arg(name)
                          .arg(added.added)
                          .arg(added.skipped.size())
                          .arg(added.marked);
    if (!added.skipped.isEmpty()) {
        const QString skipped = rova::batch::skippedNames(added).join(QStringLiteral("、"));
        summary += QStringLiteral("重複で除いた行: %1").arg(skipped);
        if (Dialogs::ask(this, QStringLiteral("%1\n次の %2 行は重複するため除きました:\n%3\n"
                                              "重複していても追加しますか?")
                                   .arg(name)
                                   .arg(added.skipped.size())
                                   .arg(skipped))) {
            const rova::batch::Added again = rova::batch::addRows(*m_list, added.skipped, true);
            summary =
                QStringLiteral("%1: %2 行を追加しました (重複していた行 %3 を含む、確認の印がある行 %4)。")
                    .arg(name)
                    .arg(added.added + again.added)
                    .arg(again.added)
                    .arg(added.marked + again.marked);
        }
    }
    say(summary, check);
    return summary;
}

void BatchWindow::exportList()
{
    if (!ensureList())
        return;
    const QString path =
        rova::FileDialogs(this, rova::ProgramSettings(m_main.folder()), rova::FileKind::Export)
            .saveFile(QStringLiteral("一覧の書き出し"), QStringLiteral("batch.csv"),
                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QList<rova::orders::ImportedSlip> slips;
    QStringList numbers;
    for (const rova::store::BatchRow& row : m_model->rows()) {
        slips.append({row.slip, row.orderNumber, {}, {}});
        numbers.append(row.trackingNumber);
    }
    rova::fileio::writeAtomically(path, rova::orders::exportSlips(slips, numbers));
    say(QStringLiteral("%1 行を %2 に書き出しました。").arg(slips.size()).arg(path));
}

void BatchWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void BatchWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
        else
            Dialogs::error(this, QStringLiteral("取り込めるのはこのコンピュータにあるファイルだけです\n%1")
                                     .arg(url.toDisplayString()));
    }
    importFiles(files);
}
