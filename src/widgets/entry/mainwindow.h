#pragma once
// widgets/entry: the entry window, split by band and concern, and the helpers that work on it.
//
// The slip entry window (the form "Form_Main"). The slip lives in its controls, which carry the
// names the forms give them as objectNames; others see the slip as a value (slipValues()) and find
// controls by objectName.

#include "rules/slip/slipvalues.h"
#include "widgets/printer/printpositiondialog.h"

#include "rules/files/settingsfile.h"

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabBar;
class NumberEdit;

namespace rova::print
{
class PrinterChoice;
class SlipJobs;
} // namespace rova::print

class MainWindow : public QWidget, public MarginKeeper
{
    Q_OBJECT
public:
    // The files of the window ("rova_Yamato.ini", "rova_a500.ini", the sender book) are in folder.
    // Prints through jobs, on its printers.
    MainWindow(rova::print::SlipJobs& jobs, const QString& folder, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setPrintPositionDialog(PrintPositionDialog* dialog);
    // Another start of the program asked for this window: restore it if minimised, raise, activate.
    void comeForward();

    // The slip as it stands in the controls.
    rova::slip::SlipValues slipValues() const;
    // The current slip type's print settings, as registered.
    const rova::slip::PrintSettings& printSettings() const override { return m_printSettings; }
    QString folder() const { return m_folder; }
    // Registers new margins for the current slip type and shows them.
    void registerMargins(const QString& top, const QString& left) override;
    rova::print::SlipJobs& jobs() { return m_jobs; }

    // Puts a slip into the controls: its slip type first (which switches printer, margins and
    // controls as choosing it does), then every value.
    void showSlip(const rova::slip::SlipValues& slip);

    // A function key of the bar: its caption, and what it runs, from whatever control has the focus
    // and from a click on its button. Bound keys are enabled whenever the window is shown.
    void setFunctionKey(int number, const QString& caption, std::function<void()> handler);

    // Lines the print question adds under "印刷しますか?", one per thing the operator should look at
    // before a form is spent (values that run into each other, a postal code that does not match).
    using PrintCheck =
        std::function<QStringList(const rova::slip::SlipValues&, const rova::slip::PrintSettings&)>;
    void addPrintCheck(PrintCheck check);
    QStringList printWarnings(const rova::slip::SlipValues& slip) const;
    QStringList printWarnings(const rova::slip::SlipValues& slip,
                              const rova::slip::PrintSettings& settings) const;

    // ---- operations ----
    void FormShow();
    void FormDestroy();
    void Edit_Warning();
    void Edit_Cls();
    void Edit_Cls_My();
    void BitBtn_CLSClick();
    void ComboBox_SELChange();
    void SpeedButton_F2Click();
    void BitBtn_WebHelpClick();
    void BitBtn_SendMailClick();
    void BitBtn_MyClick();
    void SpeedButton_readMyClick();
    void CheckBox_MyClick();
    void BitBtn_1Click();
    void pasteAndTransfer(); // F5
    void BitBtn_MemoCLSClick();

    // Printer group and print command (mainwindow_printer.cpp).
    void SpeedButton_F11Click();
    void SpeedButton_PrnIdGetClick();
    void SpeedButton_PRNSETClick();
    void BitBtn_PrnSetClick();
    void BitBtn_PrnSet2Click();

    // Next or previous tab stop (hidden and disabled controls skipped, wrapping around).
    void selectNext(bool forward);

signals:
    // A pasted block was split into the destination fields.
    void transferred();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PrintPositionDialog* Form_SLIP97YPrn = nullptr;

    // ---- bands ----
    QFrame* Panel3 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* PanelSender = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* Panel_HelpMess = nullptr;
    QFrame* Panel_Fnc = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // ---- text transfer pane ----
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn_1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* BitBtn_MemoCLS = nullptr;

    // ---- destination ----
    QLabel* Label_1 = nullptr;
    QLineEdit* Edit_Zip = nullptr;
    QLabel* Label_Warning = nullptr;
    QLineEdit* Edit_Add1 = nullptr;
    QLineEdit* Edit_Add2 = nullptr;
    QLineEdit* Edit_Add3 = nullptr;
    QLineEdit* Edit_Custo1 = nullptr;
    QLineEdit* Edit_tel = nullptr;
    QPushButton* BitBtn_CLS = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* ComboBox_FontSize = nullptr;

    // ---- sender ----
    QCheckBox* CheckBox_My = nullptr;
    QTabBar* PageControl_My = nullptr;
    QLineEdit* Edit_MyZip = nullptr;
    QLineEdit* Edit_MyADD1 = nullptr;
    QLineEdit* Edit_MyADD2 = nullptr;
    QLineEdit* Edit_My = nullptr;
    QLineEdit* Edit_MyTEL = nullptr;
    QPushButton* BitBtn_My = nullptr;
    QLabel* Label3 = nullptr;

    // ---- slip options ----
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label_4 = nullptr;
    QComboBox* ComboBox_SEL = nullptr;
    QLabel* Label_Prn_Top = nullptr;
    QLabel* Label_Prn_Left = nullptr;
    QPushButton* BitBtn_PrnSet2 = nullptr;
    QPushButton* BitBtn_PrnSet = nullptr;

    QCheckBox* CheckBox_Date_1 = nullptr;
    QDateEdit* DateTimePicker_1 = nullptr;
    QLabel* Label_de_date = nullptr;
    QLineEdit* Edit_de_date1 = nullptr;
    QLineEdit* Edit_de_date2 = nullptr;
    QLabel* Label_3 = nullptr;
    QLineEdit* Edit_G1 = nullptr;
    QLineEdit* Edit_G2 = nullptr;
    QLineEdit* Edit_G3 = nullptr;
    QGroupBox* GroupBox_Time = nullptr;
    QCheckBox* CheckBox_t1 = nullptr;
    QCheckBox* CheckBox_t2 = nullptr;
    QCheckBox* CheckBox_t3 = nullptr;
    QCheckBox* CheckBox_t4 = nullptr;
    QCheckBox* CheckBox_t5 = nullptr;
    QCheckBox* CheckBox_t6 = nullptr;
    QGroupBox* GroupBox_Time2 = nullptr;
    QCheckBox* CheckBox_t21 = nullptr;
    QCheckBox* CheckBox_t22 = nullptr;
    QLabel* Label_KOSUU = nullptr;
    NumberEdit* KeNumEdit_KOSUU = nullptr;
    QPushButton* BitBtn_WebHelp = nullptr;  // null when the build has no web page address
    QPushButton* BitBtn_SendMail = nullptr; // null when the build has no support address

    // ---- function-key bar: SpeedButton_F[1] .. SpeedButton_F[12]; [0] unused ----
    QPushButton* SpeedButton_F[13] = {};
    QPushButton* SpeedButton_F2 = nullptr;
    QPushButton* SpeedButton_F11 = nullptr;

    // Layout, one band each (mainwindow_<band>.cpp).
    void buildPane();
    void buildDestination();
    void buildSender();
    void buildOptions();
    void buildPrinterGroup();
    void buildTimeGroups();
    void buildFooter();
    void buildTabOrder();
    // Accessible names from the captions; again when a caption changes with the slip type.
    void nameControls();
    void connectHandlers(); // mainwindow_wiring.cpp
    void connectSender();
    void installKeyHandlers();

    // Sender slot (mainwindow_sender.cpp): -1 when none is selected.
    int senderSlot() const;
    void selectSenderSlot(int slot);
    QList<QLineEdit*> senderFields() const;

    // Keyboard flow (mainwindow_keys.cpp).
    enum class KeyRow { Form, Zip, Tel, G2, End };
    bool flowKey(KeyRow row, QKeyEvent* key);
    // Field prompts (mainwindow_prompts.cpp).
    void trackFocus();
    void fieldEntered(QWidget* field);

    // Field rules (mainwindow_destination.cpp, mainwindow_slipkind.cpp, mainwindow_pane.cpp).
    void toHalfWidthInPlace(QLineEdit* edit);
    // A postal code however typed is shown 100-0005; other text stays as typed.
    static void writeCodeInPlace(QLineEdit* edit);
    QList<QCheckBox*> timeBoxes() const; // the six time slots, then the two promised times
    void timeBoxTicked(QCheckBox* box);
    void Memo1Change();

    // Settings (mainwindow_settings.cpp).
    void loadSettings();
    void saveSettings();

    void run(const std::function<void()>& operation);
    // The margin labels show the settings' margins.
    void showMargins();
    // The printer group names, in red, a registered printer that cannot be used
    // (mainwindow_printergroup.cpp).
    void showPrinterMissing(const QString& text);

    // The function keys bound so far and the bar's captions (mainwindow_functionkeys.cpp).
    void showFunctionKeys();
    void buildScrolling();
    bool functionKey(QObject* watched, QEvent* event);

    rova::print::SlipJobs& m_jobs;
    rova::print::PrinterChoice& m_printers;
    const QString m_folder;
    rova::slip::PrintSettings m_printSettings;

    rova::Settings m_settingsAsLoaded; // what the settings file gave at show, to tell what changed
    QHash<QObject*, KeyRow> m_keyRows;
    QPointer<QWidget> m_lastFocus;
    bool m_shown = false;
    QWidget* m_form = nullptr; // the form at its designed size, scrolled on a small screen
    bool m_saved = false;
    bool m_selectingSlot = false;
    bool m_noSenderSlot = false; // a negative stored tab leaves no slot selected
    struct FunctionKey {
        QString caption;
        std::function<void()> handler;
    };
    QMap<int, FunctionKey> m_functionKeys;
    QList<PrintCheck> m_printChecks;
};
