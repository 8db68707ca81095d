#include "Announcement.h"

#include "SimStore.h"

#include "wire/ByteWriter.h"

namespace sim {

namespace Announcement {

int formOf(const FirmwareVersion &armVersion)
{
    return armVersion[0] == 5 ? LongSize : Size;
}

QByteArray encode(const SimStore &store, int form)
{
    const SimSystem &sys = store.system;
    if (form == FirmwareForm)
        form = formOf(sys.armVersion);
    ByteWriter out(LongSize);
    out.u32(sys.deviceId);
    if (form == LongSize)
        out.u32(7);
    out.u32(sys.address).u32(store.runTime()).u32(store.totalTime()).u8(0);
    for (quint8 v : sys.armVersion)
        out.u8(v);
    for (quint8 v : sys.dspVersion)
        out.u8(v);
    const QByteArray preset = store.currentPreset < PresetSlots
            ? store.presets[store.currentPreset].name
            : QByteArray();
    out.fixedText(sys.serialNumber, 16)
            .fixedText(sys.model, 16)
            .fixedText(sys.location, 16)
            .fixedText(sys.description, 16)
            .fixedText(preset, 16)
            .u8(sys.faulty() ? 1 : 0)
            .u16(1);
    return out;
}

} // namespace Announcement

} // namespace sim
