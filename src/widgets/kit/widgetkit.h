// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small builders for the main window's fixed-position controls: every control gets its object name,
// its place in pixels and its font height in pixels, as the forms were drawn.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace rova::ui
{

// The window face "ＭＳ Ｐゴシック" at a character height in pixels.
QFont gothic(int pixelHeight, bool bold = false);
QColor grey(); // 128, 128, 128

void setTextColour(QWidget* widget, const QColor& colour);
void setBaseColour(QWidget* widget, const QColor& colour);

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& place, int fontPx);
// Keeps what the operator types, pastes, drops or commits from an input method within `limit`
// characters. Unlike QLineEdit::setMaxLength, which also cuts texts set from code, a text loaded or
// transferred longer than the limit stays whole; it can be shortened but grows no further.
void limitTyping(QLineEdit* edit, int limit);
// A label sized to its caption.
QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int fontPx,
              bool bold = false);
// A sunken caption box in front of an edit.
QLabel* labelPanel(QWidget* parent, const QString& name, const QString& caption, const QRect& place);
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                    int fontPx);
// A push button; `tabStop` false keeps it out of the tab order while a mouse click still works.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                    bool tabStop);

} // namespace rova::ui
