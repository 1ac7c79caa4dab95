// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print position dialog "印字位置調整" (the form "Form_SLIP97YPrn"): the top and left margin of
// the current slip type, in printer dots, registered into "rova_a500.ini" through the keeper of the
// settings, and the tracking number of the next blank form in the slip type's printer ("伝票番号").

#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class NumberEdit;
class PreviewWindow;

// Where the dialog's margins come from and go to: the current slip type's print settings.
class MarginKeeper
{
public:
    virtual ~MarginKeeper() = default;
    virtual const rova::slip::PrintSettings& printSettings() const = 0;
    // Stores the margins for the current slip type; raises rova::Error when they cannot be stored.
    virtual void registerMargins(const QString& top, const QString& left) = 0;
};

class PrintPositionDialog : public QDialog
{
    Q_OBJECT
public:
    PrintPositionDialog(QWidget* parent, MarginKeeper& margins);

    // The preview the "確認" button opens, for the slip the entry window holds.
    void setPreview(PreviewWindow* preview, std::function<rova::slip::SlipValues()> slip);
    // The stacks of forms are kept in the database of `folder`; without one the number cannot be edited.
    void setNumbersFolder(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The registered margins into the edits, on showing.
    void showRegisteredMargins();
    void confirmAndRegisterMargins();

    NumberEdit* marginEdit(const QString& name, int top);
    QLabel* marginLabel(const QString& name, const QString& caption, const NumberEdit* edit);
    // 340 x 196 including the window frame, as far as the frame is known yet.
    void applyOuterSize();

    // The margins as edited, with the registered printer and resolution.
    rova::slip::PrintSettings editedSettings() const;
    void addMillimetres(NumberEdit* edit, QLabel*& label, int index);
    void nudge(int index, int direction);
    void marginsEdited();
    // ---- the next form's number (printpositiondialog_number.cpp) ----
    void addNumberField();
    void showNextNumber();
    // The number typed, checked (raising the reason); nothing when it was left as shown, so a
    // stack another program took numbers from meanwhile is not set back.
    std::optional<QString> changedNumber() const;
    void registerNumber(const QString& number);

    QGroupBox* m_marginGroup = nullptr;
    QLabel* m_topCaption = nullptr;
    QLabel* m_leftCaption = nullptr;
    NumberEdit* m_top = nullptr;
    NumberEdit* m_left = nullptr;
    QPushButton* m_registerButton = nullptr;

    // Beside each margin its millimetres at the printer's resolution and nudges of ±0.5 mm.
    QLabel* m_topMm = nullptr;
    QLabel* m_leftMm = nullptr;
    QPushButton* m_previewButton = nullptr;   // "確認": the preview with the margins being edited
    QPushButton* m_testPrintButton = nullptr; // "テスト印刷": the plain-paper alignment sheet
    QLabel* m_trackingNumberCaption = nullptr;
    QLineEdit* m_trackingNumber = nullptr; // the next blank form's number; empty for no stack

    MarginKeeper& m_margins;
    PreviewWindow* m_preview = nullptr;
    std::function<rova::slip::SlipValues()> m_slip;
    QPoint m_dpi{600, 600};
    // Nudges count from where they began, so that rounding never adds up; typing starts anew.
    std::array<int, 2> m_nudgeStart{};
    std::array<int, 2> m_nudgeSteps{};
    bool m_nudging = false;
    QString m_numbersFolder;
    QString m_shownNumber; // as read when the dialog opened; empty for no stack
};
