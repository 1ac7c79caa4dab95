// SPDX-License-Identifier: GPL-3.0-or-later
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
struct PageSetup;
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
    QStringList printWarnings(const rova::slip::SlipValues& slip, const rova::slip::PrintSettings& settings,
                              const rova::print::PageSetup* page) const override;

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

    PrintPositionDialog* m_printPositionDialog = nullptr;

    // ---- bands ----
    QFrame* m_paneBand = nullptr;
    QFrame* m_destinationBand = nullptr;
    QFrame* m_senderBand = nullptr;
    QFrame* m_optionsBand = nullptr;
    QLabel* m_helpLine = nullptr;
    QFrame* m_functionBar = nullptr;
    QStatusBar* m_statusLine = nullptr;

    // ---- text transfer pane ----
    QLabel* m_paneCaption = nullptr;
    QPlainTextEdit* m_pane = nullptr;
    QPushButton* m_transferButton = nullptr;
    QLabel* m_paneHint = nullptr;
    QLabel* m_clearPaneCaption = nullptr;
    QPushButton* m_clearPaneButton = nullptr;

    // ---- destination ----
    QLabel* m_destinationCaption = nullptr;
    QLineEdit* m_zip = nullptr;
    QLabel* m_addressWarning = nullptr;
    QLineEdit* m_add1 = nullptr;
    QLineEdit* m_add2 = nullptr;
    QLineEdit* m_add3 = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_tel = nullptr;
    QPushButton* m_clearDestinationButton = nullptr;
    QLabel* m_clearDestinationCaption = nullptr;
    QComboBox* m_fontSize = nullptr;

    // ---- sender ----
    QCheckBox* m_printSender = nullptr;
    QTabBar* m_senderSlots = nullptr;
    QLineEdit* m_senderZip = nullptr;
    QLineEdit* m_senderAdd1 = nullptr;
    QLineEdit* m_senderAdd2 = nullptr;
    QLineEdit* m_senderName = nullptr;
    QLineEdit* m_senderTel = nullptr;
    QPushButton* m_registerSenderButton = nullptr;
    QLabel* m_registerSenderCaption = nullptr;

    // ---- slip options ----
    QGroupBox* m_printerGroup = nullptr;
    QComboBox* m_printerBox = nullptr;
    QComboBox* m_paperBox = nullptr;
    QComboBox* m_binBox = nullptr;
    QLabel* m_slipTypeCaption = nullptr;
    QComboBox* m_slipType = nullptr;
    QLabel* m_topMargin = nullptr;
    QLabel* m_leftMargin = nullptr;
    QPushButton* m_printPositionButton = nullptr;
    QPushButton* m_printerSetupButton = nullptr;

    QCheckBox* m_printDate = nullptr;
    QDateEdit* m_slipDate = nullptr;
    QLabel* m_deliveryDateCaption = nullptr;
    QLineEdit* m_deliveryMonth = nullptr;
    QLineEdit* m_deliveryDay = nullptr;
    QLabel* m_itemsCaption = nullptr;
    QLineEdit* m_item1 = nullptr;
    QLineEdit* m_item2 = nullptr;
    QLineEdit* m_item3 = nullptr;
    QGroupBox* m_timeSlotGroup = nullptr;
    QCheckBox* m_timeSlot1 = nullptr;
    QCheckBox* m_timeSlot2 = nullptr;
    QCheckBox* m_timeSlot3 = nullptr;
    QCheckBox* m_timeSlot4 = nullptr;
    QCheckBox* m_timeSlot5 = nullptr;
    QCheckBox* m_timeSlot6 = nullptr;
    QGroupBox* m_promisedTimeGroup = nullptr;
    QCheckBox* m_promisedTime1 = nullptr;
    QCheckBox* m_promisedTime2 = nullptr;
    QLabel* m_countCaption = nullptr;
    NumberEdit* m_count = nullptr;
    QPushButton* m_webHelpButton = nullptr;  // null when the build has no web page address
    QPushButton* m_sendMailButton = nullptr; // null when the build has no support address

    // ---- function-key bar: m_functionButtons[1] .. m_functionButtons[12]; [0] unused ----
    QPushButton* m_functionButtons[13] = {};

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
