// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "出荷通知を書き出す…" of the batch and history windows: the folder the notices go into and
// whether slips notified before go again, then the export and its summary.

#include "widgets/kit/filedialogs.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

class NoticeDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens on the folder the notices last went into, kept in the settings of `dataFolder`.
    NoticeDialog(const QString& dataFolder, QWidget* parent);

    QString folder() const;
    bool all() const;
    // The folder the notices went into is where the dialog opens next time.
    void rememberFolder();

private:
    rova::FileDialogs m_folders;
    QLineEdit* m_folder = nullptr;
    QCheckBox* m_all = nullptr;
};

namespace rova
{

class HistoryAccess;

// Asks with the dialog, writes the notices of `history` with the settings of `dataFolder`, and tells
// the summary. Errors are raised for the caller's guard.
void writeNotices(QWidget* parent, HistoryAccess& history, const QString& dataFolder);

} // namespace rova
