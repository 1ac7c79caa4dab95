// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own settings file in the data folder, "rova-yamato.conf" (INI, UTF-8), for options the
// older files have no place for. Earlier versions never read it, so their files stay as they were.

#include "rules/orders/columnmapping.h"
#include "rules/orders/noticeformats.h"
#include "rules/slip/formscan.h"

#include <QString>

#include <functional>
#include <optional>

class QSettings;

namespace rova
{

// The kinds of file the operator picks in a file dialog; each opens where the last one was. Notices
// is the folder the shipping notices go into.
enum class FileKind { Import, Export, HistoryCsv, FormScan, Pdf, Notices };

class ProgramSettings
{
public:
    explicit ProgramSettings(const QString& dataFolder);

    static QString fileName(); // "rova-yamato.conf"
    QString path() const { return m_path; }

    // The folder a file of the kind was last picked in; empty when none was kept.
    QString lastFolder(FileKind kind) const;
    // Raises rova::Error "<path> に書き込めません" when the file cannot be written.
    void setLastFolder(FileKind kind, const QString& folder);
    // Where a file dialog of the kind opens: the last folder while it is still there, never the
    // data folder itself (hidden, and no place for the operator's files), else defaultFolder().
    QString startFolder(FileKind kind) const;
    // The documents folder, or the home folder when there is none.
    static QString defaultFolder();

    // The shared database server chosen for this data folder (key "ROVA_DATABASE", a PostgreSQL
    // connection URI); empty for the database file in the folder.
    QString database() const;
    // An empty URI removes the key. Raises rova::Error "<path> に書き込めません" when the file cannot
    // be written.
    void setDatabase(const QString& uri);

    // The name this computer's prints carry in a history several stations share (key
    // "station/name"); empty for the host name.
    QString station() const;

    // The column mapping the operator chose for an order file's header (orders::headerKey).
    std::optional<orders::ColumnMapping> columnMapping(const QString& headerKey) const;
    void setColumnMapping(const QString& headerKey, const orders::ColumnMapping& mapping);

    // The scan of a slip type's blank form, kept under the slip type's text (as "rova_a500.ini"
    // keeps its margins), which must not be empty; an empty path when none was chosen. A resolution
    // out of range reads as the default.
    slip::FormScan formScan(const QString& slipType) const;
    // Both raise rova::Error "<path> に書き込めません" when the file cannot be written.
    void setFormScan(const QString& slipType, const slip::FormScan& scan);
    void removeFormScan(const QString& slipType);

    // The values of the shipping notices that the marketplaces leave to the shop, under "notices/"
    // (amazonCarrierCode, amazonCarrierName, amazonShipMethod, yahooShipCompanyCode,
    // yahooShipStatus); a key not in the file reads as its default.
    orders::NoticeSettings noticeSettings() const;

private:
    // Raises rova::Error "<path> に書き込めません" when the file cannot be written.
    void setValue(const QString& key, const QString& value);
    // One change of the file, raising as above.
    void change(const std::function<void(QSettings&)>& edit);

    QString m_path;
    QString m_dataFolder;
};

} // namespace rova
