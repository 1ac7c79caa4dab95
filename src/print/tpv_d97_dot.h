#pragma once
// The print form: never shown, it draws the slip record of the main window onto the open print job.

#include <QWidget>

class TForm_Main;

class TPv_d97_Dot : public QWidget {
    Q_OBJECT
public:
    explicit TPv_d97_Dot(TForm_Main* main);

    // Draws every value of the slip on the canvas of the job open on PvPrinter.
    void SLIP97_Prn();

private:
    TForm_Main* m_main;
};
