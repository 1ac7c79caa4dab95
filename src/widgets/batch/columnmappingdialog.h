// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The column mapping of an order file whose header is of no known format: for each slip field the
// operator picks one of the file's columns or nothing.

#include "rules/orders/columnmapping.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QPushButton;

class ColumnMappingDialog : public QDialog
{
    Q_OBJECT
public:
    // `header` is the file's header row; `fileName` is shown so the operator knows which file it is.
    ColumnMappingDialog(const QStringList& header, const QString& fileName, QWidget* parent = nullptr);

    rova::orders::ColumnMapping mapping() const;
    // The combo box of a field ("ComboBox_<field key>"): the first entry is nothing, then the columns.
    QComboBox* fieldBox(rova::orders::Field field) const { return m_boxes.at(int(field)); }

private:
    void updateOk();

    QList<QComboBox*> m_boxes;
    QCheckBox* m_rowsAreSlips = nullptr;
    QPushButton* m_ok = nullptr;
};
