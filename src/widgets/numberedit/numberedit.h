// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// widgets/numberedit: the self-drawn numeric edit.
//
// A calculator-style number field: digits are appended at the end, Backspace and Delete take off the
// last character, the minus key toggles the sign and selection is all or nothing. It keeps the plain
// value text (no commas, no marks) and paints the formatted number itself. It stands for the forms'
// numeric edit control (the KeNumEdit_* fields).

#include "rules/numedit/numberformat.h"

#include <QColor>
#include <QWidget>

class QMenu;
class QAction;

// The program's own fields set the lengths, the sign, the beep, the focus moves and the auto-size.
// The rest is kept though no window sets it: the marks, margins and the fixed and comma rules are
// inputs of the number rules (rules/numedit) that the control displays and measures by, and the
// others (alignment, colours, frame, selection, read-only, options) are small and tested, so the
// control stays the whole numeric edit the forms describe rather than the part one form uses.
class NumberEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int integerLength READ integerLength WRITE setIntegerLength)
    Q_PROPERTY(int decimalLength READ decimalLength WRITE setDecimalLength)
    Q_PROPERTY(bool minus READ minus WRITE setMinus)
    Q_PROPERTY(bool comma READ comma WRITE setComma)
    Q_PROPERTY(bool zeroEnabled READ zeroEnabled WRITE setZeroEnabled)
    Q_PROPERTY(bool integerFixed READ integerFixed WRITE setIntegerFixed)
    Q_PROPERTY(bool decimalFixed READ decimalFixed WRITE setDecimalFixed)
    Q_PROPERTY(QString leftMark READ leftMark WRITE setLeftMark)
    Q_PROPERTY(QString rightMark READ rightMark WRITE setRightMark)
    Q_PROPERTY(int topMargin READ topMargin WRITE setTopMargin)
    Q_PROPERTY(int leftMargin READ leftMargin WRITE setLeftMargin)
    Q_PROPERTY(int bottomMargin READ bottomMargin WRITE setBottomMargin)
    Q_PROPERTY(int rightMargin READ rightMargin WRITE setRightMargin)
    Q_PROPERTY(bool errorBeep READ errorBeep WRITE setErrorBeep)
    Q_PROPERTY(bool enterFocusMove READ enterFocusMove WRITE setEnterFocusMove)
    Q_PROPERTY(bool arrowFocusMove READ arrowFocusMove WRITE setArrowFocusMove)
    Q_PROPERTY(bool imageCopy READ imageCopy WRITE setImageCopy)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor disabledColor READ disabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool autoSelect READ autoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool hideSelection READ hideSelection WRITE setHideSelection)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool frame READ hasFrame WRITE setFrame)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(Options options READ options WRITE setOptions)

public:
    enum class Option {
        MinusOnly = 0x01,    // a lone "-" survives leaving the control
        ArrowUp = 0x02,      // with arrowFocusMove, Up moves to the previous control
        ArrowDown = 0x04,    // with arrowFocusMove, Down moves to the next control
        AutoWidth = 0x08,    // with autoSize, sizeHint() is as wide as the widest possible text
        StopWhenFull = 0x10, // refuse a keystroke whose result would not fit the width
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit NumberEdit(QWidget* parent = nullptr);

    // The plain value text: optional "-", digits, optional "." and decimals.
    QString text() const { return m_value; }
    // Filters the new text; fires changed() only when it differs from the current value text.
    void setText(const QString& text);
    // The value as shown, marks included.
    QString displayImage() const { return m_image; }
    bool allSelected() const { return m_selLength != 0; }
    bool undoAvailable() const { return m_undoAvailable; }

    void clear();
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    void selectAll();
    void clearSelection();
    void undo();

    // Left, right (the default) or centred, and top, bottom or centred (the default); other flags are
    // taken as the defaults.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    int integerLength() const { return m_format.integerLength; }
    void setIntegerLength(int n);
    int decimalLength() const { return m_format.decimalLength; }
    void setDecimalLength(int n);
    bool minus() const { return m_format.minus; }
    void setMinus(bool on);
    bool comma() const { return m_format.comma; }
    void setComma(bool on);
    bool zeroEnabled() const { return m_format.zeroEnabled; }
    void setZeroEnabled(bool on);
    bool integerFixed() const { return m_format.integerFixed; }
    void setIntegerFixed(bool on);
    bool decimalFixed() const { return m_format.decimalFixed; }
    void setDecimalFixed(bool on);
    QString leftMark() const { return m_leftMark; }
    void setLeftMark(const QString& mark);
    QString rightMark() const { return m_rightMark; }
    void setRightMark(const QString& mark);
    int topMargin() const { return m_topMargin; }
    void setTopMargin(int px);
    int leftMargin() const { return m_leftMargin; }
    void setLeftMargin(int px);
    int bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(int px);
    int rightMargin() const { return m_rightMargin; }
    void setRightMargin(int px);
    bool errorBeep() const { return m_errorBeep; }
    void setErrorBeep(bool on) { m_errorBeep = on; }
    bool enterFocusMove() const { return m_enterFocusMove; }
    void setEnterFocusMove(bool on) { m_enterFocusMove = on; }
    bool arrowFocusMove() const { return m_arrowFocusMove; }
    void setArrowFocusMove(bool on) { m_arrowFocusMove = on; }
    bool imageCopy() const { return m_imageCopy; }
    void setImageCopy(bool on) { m_imageCopy = on; }
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor disabledColor() const { return m_disabledColor; }
    void setDisabledColor(const QColor& c);
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on);
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool on) { m_hideSelection = on; }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // A sunken edge around the control (the default), or none.
    bool hasFrame() const { return m_frame; }
    void setFrame(bool on);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }
    Options options() const { return m_options; }
    void setOptions(Options options) { m_options = options; }

    // The number rules as this control applies them.
    const rova::numedit::NumberFormat& numberFormat() const { return m_format; }

    // Layout, in widget coordinates (the client area lies inside the border).
    QRect leftMarkRect() const;
    QRect valueRect() const;
    QRect textRect() const;
    QRect rightMarkRect() const;
    QPoint caretPoint() const;
    int textWidth(const QString& s) const; // 0 for empty text, else the measured width plus 1
    int lineHeight() const { return m_lineHeight; }
    int caretWidth() const { return m_caretWidth; }
    int availableWidth() const;

    QMenu* contextMenu() const { return m_menu; }
    QSize sizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void changed(); // after the value text changed (OnChange)
    void beeped();  // a refused keystroke beeped

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // value changes
    void commit(const QString& value);
    void saveUndo();
    void refreshImage();
    void refilter();
    void formatChanged();
    void refuse();
    // keyboard
    bool keyDown(const QKeyEvent& event);
    void keyPress(QChar ch);
    void inputDigit(QChar digit);
    void inputPoint();
    void inputMinus();
    void deleteLast();
    bool overridesShortcut(const QKeyEvent& event) const;
    bool textFits(const QString& candidate) const;
    // layout and caret
    struct Areas {
        QRect leftMark, value, text, rightMark;
    };
    Areas areas() const;
    int frameWidth() const;
    QRect clientRect() const;
    int rectTop() const;
    int layoutWidth() const;
    int markWidth(const QString& mark) const;
    int inputWidth(const QString& value) const;
    QRect caretRect() const;
    void updateCaret();
    void measureLine();
    void measureFont();
    void adjustHeight();
    void frameChanged();
    // focus
    void enter();
    void leave();
    void focusSettled(QWidget* now);
    // context menu
    void buildMenu();
    void menuPopup();

    rova::numedit::NumberFormat m_format;
    Qt::Alignment m_alignment = Qt::AlignRight | Qt::AlignVCenter;
    QString m_leftMark, m_rightMark;
    int m_topMargin = 2, m_leftMargin = 2, m_bottomMargin = 2, m_rightMargin = 2;
    bool m_errorBeep = true;
    bool m_enterFocusMove = false;
    bool m_arrowFocusMove = false;
    bool m_imageCopy = false;
    QColor m_color;
    QColor m_disabledColor;
    bool m_autoSelect = true;
    bool m_hideSelection = true;
    bool m_autoSize = true;
    bool m_frame = true;
    bool m_readOnly = false;
    Options m_options = Options(Option::ArrowUp) | Option::ArrowDown;

    QString m_value;
    QString m_image;
    int m_selLength = 0;
    int m_lineHeight = 0;
    int m_caretWidth = 1;
    QString m_undoText;
    bool m_undoAvailable = false;
    bool m_doubleClicked = false;
    bool m_entered = false; // between entering and leaving; popups and window switches do not leave
    QMenu* m_menu = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(NumberEdit::Options)
