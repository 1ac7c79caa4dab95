// Print jobs run on the current printer; they do not look at the catalogue.

#include "platform/tpvprinter.h"

rova::print::Canvas& TPvPrinter::GetCanvas()
{
    return State().Canvas();
}

void TPvPrinter::BeginDoc(const QString& title)
{
    State().BeginDoc(title);
}

void TPvPrinter::Abort()
{
    State().Abort();
}

void TPvPrinter::EndDoc()
{
    State().EndDoc();
}
