// The value text and what changes it: commits, setting the text, undo, selection and the clipboard.
#include "tkenumedit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

using namespace rova::numedit;

void TKeNumEdit::setText(const QString& text)
{
    // Compared before filtering, so assigning the value text itself never fires changed().
    if (text == m_value)
        return;
    m_value = stripZeros(filterText(text, m_format), m_format);
    refreshImage();
    update();
    updateCaret();
    emit changed();
}

void TKeNumEdit::commit(const QString& value)
{
    saveUndo();
    m_value = value;
    refreshImage();
    update();
    updateCaret();
    emit changed();
}

void TKeNumEdit::saveUndo()
{
    m_undoText = m_value;
    m_undoAvailable = true;
}

void TKeNumEdit::refreshImage()
{
    m_image = rova::numedit::displayImage(m_value, m_format, m_leftMark, m_rightMark);
}

// The number rules changed: the value keeps only what they still allow, quietly.
void TKeNumEdit::refilter()
{
    m_value = filterText(m_value, m_format);
    formatChanged();
}

void TKeNumEdit::formatChanged()
{
    refreshImage();
    updateGeometry();
    update();
    updateCaret();
}

void TKeNumEdit::refuse()
{
    if (!m_errorBeep)
        return;
    QApplication::beep();
    emit beeped();
}

void TKeNumEdit::clear()
{
    saveUndo();
    m_value.clear();
    refreshImage();
    clearSelection();
    updateCaret();
    emit changed();
}

void TKeNumEdit::selectAll()
{
    m_selLength = int(m_image.size());
    update();
}

void TKeNumEdit::clearSelection()
{
    m_selLength = 0;
    update();
}

void TKeNumEdit::undo()
{
    if (!m_undoAvailable)
        return;
    std::swap(m_value, m_undoText);
    refreshImage();
    selectAll();
    updateCaret();
    emit changed();
}

void TKeNumEdit::copyToClipboard()
{
    if (allSelected())
        QGuiApplication::clipboard()->setText(m_imageCopy ? m_image : m_value);
}

void TKeNumEdit::cutToClipboard()
{
    if (!allSelected())
        return;
    copyToClipboard();
    clear();
    emit changed();
}

void TKeNumEdit::pasteFromClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    saveUndo();
    // No width test here: an appended paste that makes the integer part too long empties the value.
    const QString pasted = allSelected() ? data->text() : m_value + data->text();
    m_value = stripZeros(filterText(pasted, m_format), m_format);
    refreshImage();
    clearSelection();
    updateCaret();
    emit changed();
}
