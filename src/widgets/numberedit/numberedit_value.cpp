// SPDX-License-Identifier: GPL-3.0-or-later
// The value text and what changes it: commits, setting the text, undo, selection and the clipboard.
#include "widgets/numberedit/numberedit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

using namespace rova::numedit;

void NumberEdit::setText(const QString& text)
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

void NumberEdit::commit(const QString& value)
{
    saveUndo();
    m_value = value;
    refreshImage();
    update();
    updateCaret();
    emit changed();
}

void NumberEdit::saveUndo()
{
    m_undoText = m_value;
    m_undoAvailable = true;
}

void NumberEdit::refreshImage()
{
    m_image = rova::numedit::displayImage(m_value, m_format, m_leftMark, m_rightMark);
}

// The number rules changed: the value keeps only what they still allow, quietly.
void NumberEdit::refilter()
{
    m_value = filterText(m_value, m_format);
    formatChanged();
}

void NumberEdit::formatChanged()
{
    refreshImage();
    updateGeometry();
    update();
    updateCaret();
}

void NumberEdit::refuse()
{
    if (!m_errorBeep)
        return;
    QApplication::beep();
    emit beeped();
}

void NumberEdit::clear()
{
    saveUndo();
    m_value.clear();
    refreshImage();
    clearSelection();
    updateCaret();
    emit changed();
}

void NumberEdit::selectAll()
{
    m_selLength = int(m_image.size());
    update();
}

void NumberEdit::clearSelection()
{
    m_selLength = 0;
    update();
}

void NumberEdit::undo()
{
    if (!m_undoAvailable)
        return;
    std::swap(m_value, m_undoText);
    refreshImage();
    selectAll();
    updateCaret();
    emit changed();
}

void NumberEdit::copyToClipboard()
{
    if (allSelected())
        QGuiApplication::clipboard()->setText(m_imageCopy ? m_image : m_value);
}

void NumberEdit::cutToClipboard()
{
    if (!allSelected())
        return;
    copyToClipboard();
    clear();
    emit changed();
}

void NumberEdit::pasteFromClipboard()
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
