// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/pdf/pdfprinter.h"

#include "platform/print/pdf/pdfdocument.h"
#include "rules/errors.h"
#include "rules/files/fileio.h"

#include <QDateTime>

namespace rova::print
{

namespace
{

constexpr int dotsPerInch = 600;
constexpr int autoBin = 7;
constexpr int a4 = 9;

QList<Paper> papers()
{
    // Codes are the traditional driver numbers; there are no unprintable margins on a file.
    return {
        {9, QStringLiteral("iso_a4_210x297mm"), QStringLiteral("A4"), {210, 297}, {}},
        {11, QStringLiteral("iso_a5_148x210mm"), QStringLiteral("A5"), {148, 210}, {}},
        {13, QStringLiteral("jis_b5_182x257mm"), QStringLiteral("B5 (JIS)"), {182, 257}, {}},
        {12, QStringLiteral("jis_b4_257x364mm"), QStringLiteral("B4 (JIS)"), {257, 364}, {}},
        {43, QStringLiteral("jpn_hagaki_100x148mm"), QStringLiteral("はがき"), {100, 148}, {}},
        {73, QStringLiteral("jpn_chou3_120x235mm"), QStringLiteral("長形3号"), {120, 235}, {}},
        {1, QStringLiteral("na_letter_8.5x11in"), QStringLiteral("Letter"), {215.9, 279.4}, {}},
    };
}

class PdfFileJob : public Job
{
public:
    PdfFileJob(const Paper& paper, const JobTitle& title, const PdfPrinter::FileQuestion& askFile,
               PdfProposal proposal)
        : m_document(paper, {dotsPerInch, dotsPerInch}, title.title), m_addressee(title.addressee),
          m_askFile(askFile), m_proposal(std::move(proposal))
    {
    }

    Canvas& canvas() override { return m_document.canvas(); }
    void newPage() override { m_document.newPage(); }

    void end() override
    {
        const QByteArray document = m_document.finish();
        const QString path = m_askFile(m_proposal.path(QDateTime::currentDateTime(), m_addressee));
        if (path.isEmpty())
            return;
        fileio::writeAtomically(path, document);
        try {
            m_proposal.saved(path);
        } catch (const Error& e) {
            throw Error(QStringLiteral("PDF は %1 に保存しました。保存したフォルダは次回に残せません: %2")
                            .arg(path, e.message()));
        }
    }

    void abort() override { m_document.discard(); }

private:
    PdfDocument m_document;
    QString m_addressee;
    PdfPrinter::FileQuestion m_askFile;
    PdfProposal m_proposal;
};

} // namespace

PdfPrinter::PdfPrinter(FileQuestion askFile, PdfProposal proposal)
    : m_askFile(std::move(askFile)), m_proposal(std::move(proposal))
{
}

QString PdfPrinter::name()
{
    return QStringLiteral("PDF ファイル");
}

QList<Destination> PdfPrinter::destinations()
{
    return {{name(), false, QStringLiteral("PDF:")}};
}

int PdfPrinter::defaultDestination()
{
    return 0;
}

Capabilities PdfPrinter::capabilities(const QString&)
{
    Capabilities caps;
    caps.papers = papers();
    caps.bins = {{autoBin, QStringLiteral("auto"), QStringLiteral("自動")}};
    caps.resolutions = {{dotsPerInch, dotsPerInch}};
    caps.maxCopies = 1;
    caps.defaults.paper = a4;
    caps.defaults.bin = autoBin;
    caps.defaults.resolution = {dotsPerInch, dotsPerInch};
    return caps;
}

std::unique_ptr<Job> PdfPrinter::begin(const QString&, const DeviceMode& mode, const JobTitle& title)
{
    const QList<Paper> all = papers();
    const int wanted = mode.paper.value_or(a4);
    for (const Paper& p : all) {
        if (p.code == wanted)
            return std::make_unique<PdfFileJob>(p, title, m_askFile, m_proposal);
    }
    throw Error(QStringLiteral("%1 にはこの用紙 (%2) がありません").arg(name()).arg(wanted));
}

} // namespace rova::print
