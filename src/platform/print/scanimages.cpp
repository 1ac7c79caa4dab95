// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/scanimages.h"

#include "rules/errors.h"
#include "rules/files/fileio.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <poppler-qt6.h>

namespace rova::print
{

namespace
{

// Qt's own limit for a decoded image is 256 MiB; a rendered page stays within it too.
constexpr double kMaxPixels = 256.0 * 1024 * 1024 / 4;

FileError unreadable(const QString& why, const QString& path)
{
    return FileError(QStringLiteral("用紙の画像を読めません: %1").arg(why), path);
}

void quiet(const QString&, const QVariant&) {}

QImage renderFirstPage(const QByteArray& bytes, int dpi, const QString& path)
{
    // The operator is told in our own words; the renderer's lines would only clutter the terminal.
    Poppler::setDebugErrorFunction(quiet, QVariant());
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (document && document->isLocked())
        throw unreadable(QStringLiteral("PDF にパスワードが掛かっています"), path);
    if (!document || document->numPages() < 1)
        throw unreadable(QStringLiteral("PDF の中身が壊れています"), path);
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    const QSizeF inches = page ? page->pageSizeF() / 72.0 : QSizeF();
    if (inches.width() * dpi * inches.height() * dpi > kMaxPixels)
        throw unreadable(QStringLiteral("ページがこの解像度には大きすぎます"), path);
    const QImage image = page ? page->renderToImage(dpi, dpi) : QImage();
    if (image.isNull())
        throw unreadable(QStringLiteral("PDF の 1 ページ目を描けません"), path);
    return image;
}

QImage decodeImage(QByteArray& bytes, const QString& path)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    // A photo taken on its side carries the turn it needs.
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        const bool notImage = reader.error() == QImageReader::UnsupportedFormatError ||
                              reader.error() == QImageReader::InvalidDataError;
        throw unreadable(notImage ? QStringLiteral("画像 (PNG、JPEG) でも PDF でもありません")
                                  : reader.errorString(),
                         path);
    }
    return image;
}

} // namespace

QImage ScanImages::image(const slip::FormScan& scan)
{
    const QFileInfo file(scan.path);
    if (!file.exists())
        throw unreadable(errtext::fileNotFound(), scan.path);
    const Entry* kept = m_entries.object(scan.path);
    if (kept && kept->modified == file.lastModified() && kept->size == file.size() &&
        (kept->renderedAt == 0 || kept->renderedAt == scan.dpi))
        return kept->image;

    QByteArray bytes;
    try {
        bytes = fileio::readAll(scan.path);
    } catch (const FileError& e) {
        throw unreadable(e.reason(), scan.path);
    }
    const bool pdf = bytes.startsWith("%PDF-");
    auto entry = std::make_unique<Entry>();
    entry->modified = file.lastModified();
    entry->size = file.size();
    entry->renderedAt = pdf ? scan.dpi : 0;
    entry->image = pdf ? renderFirstPage(bytes, scan.dpi, scan.path) : decodeImage(bytes, scan.path);
    const QImage image = entry->image;
    const qsizetype mebibytes = std::max<qsizetype>(1, image.sizeInBytes() >> 20);
    m_entries.insert(scan.path, entry.release(), mebibytes);
    return image;
}

} // namespace rova::print
