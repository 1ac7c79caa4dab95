// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/nextslip.h"

namespace rova::slip
{

SlipValues nextSlip(SlipValues slip)
{
    for (QString* field : {&slip.zip, &slip.tel, &slip.add1, &slip.add2, &slip.add3, &slip.name, &slip.g1,
                           &slip.g2, &slip.g3, &slip.count, &slip.deliveryMonth, &slip.deliveryDay})
        field->clear();
    slip.timeSlots = {};
    slip.promisedTimes = {};
    return slip;
}

} // namespace rova::slip
