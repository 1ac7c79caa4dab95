#pragma once
// The print position dialog "印字位置調整": the top and left margin of the current slip type.

#include <QDialog>

class TForm_Main;

class TForm_SLIP97YPrn : public QDialog {
    Q_OBJECT
public:
    explicit TForm_SLIP97YPrn(TForm_Main* main);

private:
    TForm_Main* m_main;
};
