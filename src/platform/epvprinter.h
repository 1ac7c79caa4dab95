#pragma once
// The printer object's errors. Callers catch EPvPrinter for the whole family and fall back.

#include "rules/errors.h"

class EPvPrinter : public rova::Error
{
public:
    using rova::Error::Error;
};

class EPVPrinterRangeError : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPVPrinterPaperSizeError : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPvPrinterBinError : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPvPrinterNoPrinter : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPvPrinterNotSupported : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPvPrinterNoInfo : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};

class EPvPrinterIllegalIndex : public EPvPrinter
{
public:
    using EPvPrinter::EPvPrinter;
};
