#include "fakes/FakePrinterService.h"

QStringList FakePrinterService::printers() { return printerNames; }

int FakePrinterService::currentIndex() { return printerNames.isEmpty() ? -1 : current; }

void FakePrinterService::setCurrentIndex(int index)
{
    current = index;
    kept_ = false;
}

QStringList FakePrinterService::typefaces()
{
    if (!kept_) {
        ++enumerations;
        const int index = currentIndex();
        keptTypefaces_ = index < 0 ? QStringList() : typefacesByPrinter.value(printerNames.value(index));
        kept_ = true;
    }
    return keptTypefaces_;
}

bool FakePrinterService::printSetupDialog(QWidget*)
{
    if (!setupAdds.isEmpty()) {
        printerNames.insert(current, setupAdds);
        setCurrentIndex(current);
    }
    if (setupChoice >= 0)
        setCurrentIndex(setupChoice);
    return setupAccepted;
}

void FakePrinterService::beginRun() { events.append(QStringLiteral("beginRun")); }

void FakePrinterService::endRun() { events.append(QStringLiteral("endRun")); }

void FakePrinterService::beginDoc()
{
    events.append(QStringLiteral("begin"));
    open_ = true;
}

void FakePrinterService::endDoc()
{
    events.append(QStringLiteral("end"));
    open_ = false;
    if (!endDocError.isEmpty())
        throw PrinterError(endDocError.toStdString());
}

void FakePrinterService::abortDoc()
{
    events.append(QStringLiteral("abort"));
    open_ = false;
}

bool FakePrinterService::docOpen() const { return open_; }

int FakePrinterService::dpiX() { return dpi; }

int FakePrinterService::dpiY() { return dpi; }

Canvas& FakePrinterService::canvas() { return *drawOn; }

void FakePrinterService::setTypefaces(const QStringList& names)
{
    typefacesByPrinter.insert(printerNames.value(current), names);
}
