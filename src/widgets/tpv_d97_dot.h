#pragma once
// The print form: never shown, it draws the slip record of the main window onto the open print job.

#include <QWidget>

class QLabel;
class MainWindow;

class TPv_d97_Dot : public QWidget
{
    Q_OBJECT
public:
    explicit TPv_d97_Dot(MainWindow* main);

    // The print command once the operator has confirmed it: the print resolution into the main
    // window, a job titled "rova_Yamato" on PvPrinter, the slip drawn, the page handed over. A job
    // whose drawing fails is discarded and the drawing error passed on.
    void PrintSlip();

    // Draws every value of the slip on the canvas of the job open on PvPrinter. Raises the conversion
    // error for a margin that is not a whole number before anything is drawn.
    void SLIP97_Prn();

    // Style templates: regular and bold.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

private:
    MainWindow* m_main;
};
