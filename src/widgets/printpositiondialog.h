#pragma once
// The print position dialog "印字位置調整" (the form "Form_SLIP97YPrn"): the top and left margin of
// the current slip type, in printer dots, registered into "rova_a500.ini" through the main window.

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class MainWindow;
class NumberEdit;

class PrintPositionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrintPositionDialog(MainWindow* main);

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

    MainWindow* m_main;
};
