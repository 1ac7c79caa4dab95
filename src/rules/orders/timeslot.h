// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time slots as order files write them ("午前中", "14:00-16:00", "14時～16時", the carrier's codes
// 0812 … 2021 and 1921) turned into the slip's six time boxes, and promised times into its two.

#include <QString>
#include <QStringList>

namespace rova::slip
{
struct SlipValues;
}

namespace rova::orders
{

struct TimeChoice {
    bool understood = false;
    int box = -1; // -1: none asked for
    // The time asked ("19時～21時") when the form has no box for it and `box` is the nearest one.
    QString moved;
};

// Either width, blanks ignored. "指定なし", "なし" and an empty text ask for none.
TimeChoice parseTimeSlot(const QString& text);
// The box of a slot that begins at `hour` (8 午前中, 12, 14, 16, 18, and 19 or 20 for the last).
TimeChoice timeSlotStartingAt(int hour);
// "午前10時" and "午後５時", also as "10時"/"10:00" and "17時"/"17:00"/"午後5時".
TimeChoice parsePromisedTime(const QString& text);

// The captions of the boxes, as the window shows them.
const QStringList& timeSlotCaptions();
const QStringList& promisedTimeCaptions();
// The caption of the slip's ticked time slot, or of its ticked promised time; empty when none is
// ticked (the first when several are).
QString timeSlotCaption(const slip::SlipValues& slip);
QString promisedTimeCaption(const slip::SlipValues& slip);

} // namespace rova::orders
