#include "platform/printsystem.h"

#include "platform/cupsprintsystem.h"
#include "platform/pdfprinter.h"
#include "rules/errors.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <vector>

namespace rova::print
{

PainterCanvas::PainterCanvas(QPainter& painter, int dpiY) : m_painter(painter), m_dpiY(dpiY) {}

void PainterCanvas::setFont(const QString& family, int pointSize, bool bold)
{
    QFont font(family);
    // Points become dots the way a printer font height is computed: rounded, never below one dot.
    font.setPixelSize(std::max(1, (pointSize * m_dpiY + 36) / 72));
    font.setBold(bold);
    m_painter.setFont(font);
}

void PainterCanvas::setTextColor(const QColor& color)
{
    m_painter.setPen(color);
}

void PainterCanvas::setBrush(const QColor& color)
{
    m_brush = color;
}

void PainterCanvas::textOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics(m_painter.font(), m_painter.device());
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    m_painter.fillRect(cell, m_brush);
    m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

namespace
{

class ChainedPrintSystem : public PrintSystem
{
public:
    explicit ChainedPrintSystem(std::vector<std::unique_ptr<PrintSystem>> parts) : m_parts(std::move(parts))
    {
    }

    QList<Destination> destinations() override
    {
        QList<Destination> all;
        m_names.clear();
        for (auto& part : m_parts) {
            const QList<Destination> own = part->destinations();
            QStringList names;
            for (const Destination& d : own)
                names.append(d.name);
            m_names.push_back(names);
            all += own;
        }
        return all;
    }

    // Offsets come from the list as last read, which is the catalogue the caller indexes.
    int defaultDestination() override
    {
        if (m_names.empty())
            destinations();
        int offset = 0;
        for (std::size_t i = 0; i < m_parts.size(); ++i) {
            const int found = m_parts[i]->defaultDestination();
            if (found >= 0)
                return offset + found;
            offset += int(m_names[i].size());
        }
        return -1;
    }

    Capabilities capabilities(const QString& name) override { return owner(name).capabilities(name); }

    std::unique_ptr<Job> begin(const QString& name, const DeviceMode& mode, const QString& title) override
    {
        return owner(name).begin(name, mode, title);
    }

private:
    // Looked up in the list as last read, so that asking for one destination does not read every
    // list again; a name not seen yet reads them afresh.
    PrintSystem& owner(const QString& name)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            for (std::size_t i = 0; i < m_names.size(); ++i) {
                if (m_names[i].contains(name))
                    return *m_parts[i];
            }
            destinations();
        }
        throw Error(QStringLiteral("プリンタ %1 が見つかりません").arg(name));
    }

    std::vector<std::unique_ptr<PrintSystem>> m_parts;
    std::vector<QStringList> m_names; // per part, as destinations() last read them
};

std::unique_ptr<PrintSystem>& installed()
{
    static std::unique_ptr<PrintSystem> current;
    return current;
}

int& generation()
{
    static int count = 0;
    return count;
}

} // namespace

std::unique_ptr<PrintSystem> joinSystems(std::vector<std::unique_ptr<PrintSystem>> parts)
{
    return std::make_unique<ChainedPrintSystem>(std::move(parts));
}

std::unique_ptr<PrintSystem> localPrinters(PdfProposal pdf)
{
    std::vector<std::unique_ptr<PrintSystem>> parts;
    parts.push_back(std::make_unique<CupsPrintSystem>());
    // Last, so that it never takes a visible index away from a real printer.
    parts.push_back(std::make_unique<PdfPrinter>(std::move(pdf)));
    return joinSystems(std::move(parts));
}

PrintSystem& system()
{
    if (!installed())
        installed() = localPrinters({});
    return *installed();
}

void setSystem(std::unique_ptr<PrintSystem> replacement)
{
    installed() = std::move(replacement);
    ++generation();
}

int systemGeneration()
{
    return generation();
}

} // namespace rova::print
