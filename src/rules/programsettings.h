#pragma once
// The program's own settings file in the data folder, "rova-yamato.conf" (INI, UTF-8), for options the
// older files have no place for. Earlier versions never read it, so their files stay as they were.

#include "rules/orders/columnmapping.h"

#include <QString>

#include <optional>

namespace rova
{

class ProgramSettings
{
public:
    explicit ProgramSettings(const QString& dataFolder);

    static QString fileName(); // "rova-yamato.conf"
    QString path() const { return m_path; }

    // The folder the built-in PDF printer last saved in; empty when none was kept.
    QString lastPdfFolder() const;
    // Raises rova::Error "<path> に書き込めません" when the file cannot be written.
    void setLastPdfFolder(const QString& folder);

    // The column mapping the operator chose for an order file's header (orders::headerKey).
    std::optional<orders::ColumnMapping> columnMapping(const QString& headerKey) const;
    void setColumnMapping(const QString& headerKey, const orders::ColumnMapping& mapping);

private:
    // Raises rova::Error "<path> に書き込めません" when the file cannot be written.
    void setValue(const QString& key, const QString& value);

    QString m_path;
};

} // namespace rova
