#pragma once

#include <QString>

namespace rova::transfer
{

// True when the trimmed text is exactly one of the 47 prefecture names.
bool isPrefecture(const QString& text);

} // namespace rova::transfer
