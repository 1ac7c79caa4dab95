// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "出荷通知を書き出す…" of the batch and history windows: the folder the notices go into and
// whether slips notified before go again, then the export and its summary.

#include "platform/store/history.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

class NoticeDialog : public QDialog
{
    Q_OBJECT
public:
    NoticeDialog(const QString& folder, QWidget* parent);

    QString folder() const;
    bool all() const;

private:
    QLineEdit* m_folder = nullptr;
    QCheckBox* m_all = nullptr;
};

namespace rova
{

// Asks with the dialog, writes the notices of `history` with the settings of `dataFolder`, and tells
// the summary. Errors are raised for the caller's guard.
void writeNotices(QWidget* parent, store::History& history, const QString& dataFolder);

} // namespace rova
