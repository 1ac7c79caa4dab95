#pragma once
// The print position dialog "印字位置調整" (the form "Form_SLIP97YPrn"): the top and left margin of
// the current slip type, in printer dots, registered into "rova_a500.ini" through the keeper of the settings.

#include "rules/printsettings.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class NumberEdit;

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

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    NumberEdit* KeNumEdit_TOP = nullptr;
    NumberEdit* KeNumEdit_LEFT = nullptr;
    QPushButton* BitBtn_MRGN = nullptr;

    void FormShow();
    void BitBtn_MRGNClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberEdit* marginEdit(const QString& name, int top);
    QLabel* marginLabel(const QString& name, const QString& caption, const NumberEdit* edit);
    // 190 x 160 including the window frame, as far as the frame is known yet.
    void applyOuterSize();

    MarginKeeper& m_margins;
};
