// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start and end with one of its files grown to 100 MiB: the settings file (17 keys after
// 100 MiB of other keys in their section, so every read and write passes all of it) and a sender file
// of nothing but line breaks. Figures: time to the focus in Edit_Zip, time to the end of the save at
// close, and the peak resident size against the file's size; the targets are 2 s and twice the size.

#include "apprun.h"
#include "stats.h"

#include "rules/files/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr qint64 kFileBytes = qint64(100) << 20;
const QByteArray kSender = "540-0001\r\nOsaka\r\n\r\nRova\r\n06-9876-5432\r\n";

bool writeFile(const QString& path, const std::function<void(QFile&)>& fill)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    fill(file);
    return file.error() == QFile::NoError;
}

void fillSettings(QFile& file)
{
    file.write("[" + rova::Settings::section().toLatin1() + "]\r\n");
    QByteArray block;
    for (int i = 0; block.size() < (1 << 20); ++i)
        block += "Other" + QByteArray::number(i) + "=a value some other tool left here\r\n";
    while (file.size() < kFileBytes)
        file.write(block);
    file.write("E_ZIP=100-0001\r\nE_AD1=Tokyo\r\nE_CUS=Yamada\r\nTab_My=0\r\nComboBox_SEL=1\r\n");
}

void fillLineBreaks(QFile& file)
{
    const QByteArray block(1 << 20, '\n');
    while (file.size() < kFileBytes)
        file.write(block);
}

struct Case {
    QString name;
    QString file;
    std::function<void(QFile&)> fill;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments(), 3);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bench_startup_app"));
    const QList<Case> cases{
        {QStringLiteral("100 MiB rova_Yamato.ini"), rova::Settings::fileName(), fillSettings},
        {QStringLiteral("100 MiB my0.txt of line breaks"), QStringLiteral("my0.txt"), fillLineBreaks}};
    const double fileMiB = double(kFileBytes) / (1 << 20);
    for (const Case& c : cases) {
        bench::Samples open, openClose, peak, peakClose;
        for (int i = 0; i < runs; ++i) {
            QTemporaryDir folder;
            QString why;
            if (!writeFile(folder.filePath(QStringLiteral("my0.txt")), [](QFile& f) { f.write(kSender); }) ||
                !writeFile(folder.filePath(c.file), c.fill)) {
                std::fprintf(stderr, "cannot write the files of %s\n", qPrintable(c.name));
                return 1;
            }
            bench::AppRun shown, closed;
            if (!bench::runInFolder(program, folder.path(), {}, &shown, &why) ||
                !bench::runInFolder(program, folder.path(), {QStringLiteral("--close")}, &closed, &why)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(c.name), qPrintable(why));
                return 1;
            }
            open.values << shown.ms;
            openClose.values << closed.ms;
            peak.values << shown.peakKiB / 1024 / fileMiB;
            peakClose.values << closed.peakKiB / 1024 / fileMiB;
        }
        bench::report(QStringLiteral("start-up to focus in Edit_Zip, ") + c.name, open, QStringLiteral("ms"));
        bench::report(QStringLiteral("start-up and close with save, ") + c.name, openClose,
                      QStringLiteral("ms"));
        bench::report(QStringLiteral("peak resident size after show / file size, ") + c.name, peak,
                      QStringLiteral("x"));
        bench::report(QStringLiteral("peak resident size after close / file size, ") + c.name, peakClose,
                      QStringLiteral("x"));
    }
    return 0;
}
