// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The town a postal look-up put into an address field, until the field is changed. An address
// pasted or committed whole right after the look-up (it starts with a prefecture or with that town)
// takes the town's place instead of following it; typing the rest key by key follows it as always.

#include <QObject>
#include <QString>

class QLineEdit;

namespace rova
{

class FilledAddress : public QObject
{
    Q_OBJECT
public:
    FilledAddress(QLineEdit& field, QObject* parent);

    // Puts the look-up's town into the field and remembers it.
    void fill(const QString& town);

private:
    void edited(const QString& text);

    QLineEdit& m_field;
    QString m_town; // empty once the operator or the program changed the field
};

} // namespace rova
