// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window holding a line edit, the numeric edit and another line edit, in that tab order, shown and
// active, so that tests can move the focus in and out the way the operator does.

#include "widgets/numberedit/numberedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <memory>

struct NumEditWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* before = new QLineEdit(window.get());
    NumberEdit* edit = new NumberEdit(window.get());
    QLineEdit* after = new QLineEdit(window.get());

    NumEditWindow()
    {
        window->resize(300, 120);
        before->setGeometry(10, 10, 100, 22);
        edit->move(10, 40);
        after->setGeometry(10, 80, 100, 22);
        window->show();
        window->activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(window.get()); }
    // Tab into the control, as the operator enters it; true once it has the focus.
    bool enter()
    {
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        return QTest::qWaitFor([this] { return edit->hasFocus(); });
    }
};
