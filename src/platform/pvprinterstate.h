#pragma once
// The one current printer of the process: its index in the device list, its job settings held in
// memory and the job running on it. The printer object sits on top of this and may discard it, so
// that the next use builds a new one with a freshly read device list and the default printer current.

#include "platform/printsystem.h"

#include <memory>
#include <optional>

class PvPrinterState
{
public:
    // `devices` is the device list as just read from the system.
    PvPrinterState(rova::print::PrintSystem& system, QList<rova::print::Destination> devices);

    // Raw index of the current device; reading it while none is chosen selects the default printer.
    int Index();
    // Selects a device (-1: the default printer); its job settings return to the device's defaults.
    void SetIndex(int rawIndex);
    QString DeviceName();

    // What the current device offers, read when it was selected and kept until forgotten.
    const rova::print::Capabilities& Capabilities();
    // The next Capabilities() asks the device again.
    void ForgetCapabilities() { m_caps.reset(); }

    // The job settings of the current device.
    const rova::print::DeviceMode& DeviceMode();
    void SetDeviceMode(const rova::print::DeviceMode& mode);

    void BeginDoc(const QString& title);
    rova::print::Canvas& Canvas();
    void EndDoc();
    void Abort();

private:
    rova::print::PrintSystem& m_system;
    QList<rova::print::Destination> m_devices;
    int m_index = -1;
    std::optional<rova::print::Capabilities> m_caps;
    std::optional<rova::print::DeviceMode> m_mode; // set whenever a device is selected
    std::unique_ptr<rova::print::Job> m_job;
};
