// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks for a tracking number (either width, hyphens and blanks allowed), and when given the slip
// types also which one it is for. A wrong number is refused where it is typed, with the reason.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace rova
{

class TrackingNumberDialog : public QDialog
{
    Q_OBJECT
public:
    // `slipTypes` empty: the number alone is asked for.
    TrackingNumberDialog(QWidget* parent, const QString& title, const QString& prompt,
                         const QStringList& slipTypes = {}, const QString& slipType = {});

    QString number() const { return m_number; } // 12 digits, once accepted
    QString slipType() const;

    void accept() override;

private:
    QComboBox* m_types = nullptr;
    QLineEdit* m_edit = nullptr;
    QString m_number;
};

} // namespace rova
