// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The postal dictionary at the main window: a code fills its address, F4 finds the code of an
// address, and a code that does not fit its address is flagged in the help line and before printing.
// Until a dictionary is in use (or when there is none) the window works as without it.

#include "rules/postal/loader.h"

#include <QObject>
#include <QString>

#include <memory>

class MainWindow;
class QLabel;
class QLineEdit;

namespace rova
{

class FilledAddress;

class PostalAssist : public QObject
{
    Q_OBJECT
public:
    explicit PostalAssist(MainWindow& window);

    // What the loader found: the dictionary in use, or the status-bar line saying why there is none.
    void use(const rova::postal::Loaded& loaded);
    // Shows `text` in red in the help line, where the operator looks, until a prompt replaces it.
    void warn(const QString& text);
    // The dictionary in use; none until one was loaded.
    std::shared_ptr<const rova::postal::Index> index() const { return m_index; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The postal code and address fields of the destination or the sender, the field an office's
    // name may go to, and the town the look-up put into address ①.
    struct Band {
        QLineEdit* zip = nullptr;
        QLineEdit* add1 = nullptr;
        QLineEdit* add2 = nullptr;
        QLineEdit* officeName = nullptr;
        FilledAddress* town = nullptr;
    };
    const Band* bandOf(const QObject* field) const;

    // Look-ups (postalassist_lookup.cpp).
    void fillAddress(const Band& band);
    void findCode();

    // Warnings (postalassist_check.cpp).
    void focusMoved(QWidget* old, QWidget* now);
    void checkBand(const Band& band);
    void showHelp(const QString& text, bool warning);

    MainWindow& m_window;
    QLabel* m_status;
    Band m_destination;
    Band m_sender;
    std::shared_ptr<const rova::postal::Index> m_index;
};

} // namespace rova
