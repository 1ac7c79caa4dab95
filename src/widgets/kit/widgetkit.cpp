// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/widgetkit.h"

#include "platform/print/fonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QValidator>

namespace rova::ui
{

namespace
{
qsizetype characters(const QString& text)
{
    qsizetype n = 0;
    for (const QChar c : text)
        n += !c.isLowSurrogate();
    return n;
}

// The edit runs its validator on every change of its text and undoes a change the validator refuses.
// A change that leaves nothing to undo is an assignment from code (setting a text clears the undo
// steps), so it is always kept; an edit of the operator's is refused when it makes the text longer
// than the limit and longer than it was.
class TypingLimit : public QValidator
{
public:
    TypingLimit(QLineEdit* edit, int limit)
        : QValidator(edit), m_edit(edit), m_limit(limit), m_before(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
    }

    State validate(QString& input, int&) const override
    {
        if (!m_edit->isUndoAvailable())
            return Acceptable;
        const qsizetype length = characters(input);
        return length > m_limit && length > characters(m_before) ? Invalid : Acceptable;
    }

private:
    QLineEdit* m_edit;
    int m_limit;
    QString m_before;
};
} // namespace

QFont gothic(int pixelHeight, bool bold)
{
    static const QString face = rova::fonts::installedFace(rova::fonts::screenGothic());
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QColor grey()
{
    return QColor(128, 128, 128);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setBaseColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& place, int fontPx)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(place);
    e->setFont(gothic(fontPx));
    return e;
}

void limitTyping(QLineEdit* edit, int limit)
{
    edit->setValidator(new TypingLimit(edit, limit));
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int fontPx,
              bool bold)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setFont(gothic(fontPx, bold));
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLabel* labelPanel(QWidget* parent, const QString& name, const QString& caption, const QRect& place)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setFont(gothic(16));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setTextColour(l, Qt::black);
    return l;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                    int fontPx)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(place);
    c->setFont(gothic(fontPx));
    return c;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                    bool tabStop)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
    // A focused button is pressed by Enter as well as by Space.
    b->setAutoDefault(tabStop);
    return b;
}

} // namespace rova::ui
