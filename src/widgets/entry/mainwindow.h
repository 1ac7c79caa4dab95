#pragma once
// widgets/entry: the entry window, split by band and concern, and the helpers that work on it.
//
// The slip entry window (the form "Form_Main"). The slip lives in its controls, which carry the
// names the forms give them as objectNames for the tests and the settings keys; other windows see
// it as a SlipEntry, and its own helpers (postal look-ups, repeat customers, the next slip) reach
// its address fields, help line and status line through the accessors below.

#include "rules/slip/slipvalues.h"
#include "widgets/entry/slipentry.h"
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

class MainWindow : public QWidget, public SlipEntry, public MarginKeeper
{
    Q_OBJECT
public:
    // The files of the window ("rova_Yamato.ini", "rova_a500.ini", the sender book) are in folder.
    // Prints through jobs, on its printers.
    MainWindow(rova::print::SlipJobs& jobs, const QString& folder, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setPrintPositionDialog(PrintPositionDialog* dialog);
    void comeForward() override;

    rova::slip::SlipValues slipValues() const override;
    const rova::slip::PrintSettings& printSettings() const override { return m_printSettings; }
    QString folder() const override { return m_folder; }
    // Registers new margins for the current slip type and shows them.
    void registerMargins(const QString& top, const QString& left) override;
    rova::print::SlipJobs& jobs() override { return m_jobs; }
    void showSlip(const rova::slip::SlipValues& slip) override;

    void setFunctionKey(int number, const QString& caption, std::function<void()> handler) override;
    void addPrintCheck(PrintCheck check) override;
    QStringList printWarnings(const rova::slip::SlipValues& slip) const override;
    QStringList printWarnings(const rova::slip::SlipValues& slip,
                              const rova::slip::PrintSettings& settings) const override;

    // The address fields of a band, for the helpers of this window that fill or offer them.
    struct AddressFields {
        QLineEdit* zip;
        QLineEdit* add1;
        QLineEdit* add2;
        QLineEdit* add3; // none in the sender band
        QLineEdit* name;
        QLineEdit* tel;
        QList<QLineEdit*> all() const;
    };
    AddressFields destinationFields() const;
    AddressFields senderFields() const;
    // Puts the focus on the destination's postal code, where a new slip begins.
    void focusDestination();

    // The help line above the function keys: a prompt for the field entered, or a warning in red.
    enum class Help { Prompt, Warning };
    void showHelp(const QString& text, Help kind = Help::Prompt);
    bool helpShowsWarning() const { return m_helpWarning; }
    QStatusBar& statusLine() const override;

signals:
    // A pasted block was split into the destination fields.
    void transferred();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // ---- commands and what they share ----
    // The window as the operator finds it at start (mainwindow_show.cpp).
    void setUpForStart();
    // The destination band (mainwindow_destination.cpp): the address warning beside the postal code.
    void showAddressWarning();
    void clearDestination();
    void confirmAndClearDestination();
    // The slip type chosen: its printer and margins, date caption and time boxes (mainwindow_slipkind.cpp).
    void applySlipType();
    void confirmAndQuit(); // F2
    void openWebHelp();
    void writeSupportMail();
    // The sender band (mainwindow_sender.cpp).
    void clearSender();
    void confirmAndRegisterSender();
    void loadSenderSlot();
    void shadeSenderFields(); // grey while the sender is not printed
    // The transfer pane (mainwindow_pane.cpp).
    void transferPane();
    void pasteAndTransfer(); // F5
    void clearPane();
    void shadePane(); // grey while empty

    // Printer group and print command (mainwindow_printer.cpp).
    void confirmAndPrint(); // F11
    // The current slip type's registered settings, margins and printer.
    void loadPrintSettings();
    // The registered printer chosen and shown in the group, or shown missing.
    void showRegisteredPrinter();
    void setUpPrinter();
    void openPrintPosition();

    // Next or previous tab stop (hidden and disabled controls skipped, wrapping around).
    void selectNext(bool forward);

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
    bool m_helpWarning = false;
    struct FunctionKey {
        QString caption;
        std::function<void()> handler;
    };
    QMap<int, FunctionKey> m_functionKeys;
    QList<PrintCheck> m_printChecks;
};
