// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the reference vectors kept in tests/data.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <QTest>

namespace rova::test
{

inline QByteArray readDataFile(const QString& name)
{
    QFile file(QStringLiteral(ROVA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open test data %s", qPrintable(file.fileName()));
    return file.readAll();
}

inline QJsonArray readJsonArray(const QString& name)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(readDataFile(name), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        qFatal("%s is not a JSON array: %s", qPrintable(name), qPrintable(error.errorString()));
    return doc.array();
}

} // namespace rova::test
