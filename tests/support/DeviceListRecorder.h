#pragma once

#include "model/DataModel.h"

#include <QStringList>

// Records every device-list signal of a model as one line of text, in emission order, so a test
// can state exactly what a user's device list was told.
class DeviceListRecorder
{
public:
    QStringList lines;

    explicit DeviceListRecorder(DataModel *model)
    {
        using D = DataModel;
        auto *m = model;
        QObject::connect(m, &D::deviceListAdd, m, [this](D::UDPBrowsingPacket *p, bool online) {
            add(QStringLiteral("Add(%1,%2)").arg(p ? p->deviceId : 0).arg(online));
        });
        QObject::connect(m, &D::deviceListRemove, m,
                         [this](int i) { add(QStringLiteral("Remove(%1)").arg(i)); });
        QObject::connect(m, &D::deviceListIPAddressChanged, m, [this](uint i, uint a) {
            add(QStringLiteral("IPAddress(%1,%2)").arg(i).arg(QHostAddress(a).toString()));
        });
        QObject::connect(m, &D::deviceListModelChanged, m, [this](uint i, const QString &t) {
            add(QStringLiteral("Model(%1,%2)").arg(i).arg(t));
        });
        QObject::connect(
                m, &D::deviceListARMVersionChanged, m, [this](uint i, uchar a, uchar b, uchar c) {
                    add(QStringLiteral("ARMVersion(%1,%2.%3.%4)").arg(i).arg(a).arg(b).arg(c));
                });
        QObject::connect(
                m, &D::deviceListDSPVersionChanged, m, [this](uint i, uchar a, uchar b, uchar c) {
                    add(QStringLiteral("DSPVersion(%1,%2.%3.%4)").arg(i).arg(a).arg(b).arg(c));
                });
        QObject::connect(m, &D::deviceListSerialNumberChanged, m, [this](uint i, const QString &t) {
            add(QStringLiteral("SerialNumber(%1,%2)").arg(i).arg(t));
        });
        QObject::connect(m, &D::deviceListLocationChanged, m, [this](uint i, const QString &t) {
            add(QStringLiteral("Location(%1,%2)").arg(i).arg(t));
        });
        QObject::connect(m, &D::deviceListDescriptionChanged, m, [this](uint i, const QString &t) {
            add(QStringLiteral("Description(%1,%2)").arg(i).arg(t));
        });
        QObject::connect(m, &D::deviceListFaultChanged, m, [this](uint i, bool f) {
            add(QStringLiteral("Fault(%1,%2)").arg(i).arg(f));
        });
        QObject::connect(m, &D::deviceListPresetChanged, m, [this](uint i, const QString &t) {
            add(QStringLiteral("Preset(%1,%2)").arg(i).arg(t));
        });
        QObject::connect(m, &D::deviceListRunTimeChanged, m, [this](uint i, uint r, uint t) {
            add(QStringLiteral("RunTime(%1,%2,%3)").arg(i).arg(r).arg(t));
        });
        QObject::connect(m, &D::deviceListSelectionChanged, m, [this](int i, bool f) {
            add(QStringLiteral("Selection(%1,%2)").arg(i).arg(f));
        });
        QObject::connect(m, &D::deviceListNetworkChanged, m,
                         [this](int i) { add(QStringLiteral("Network(%1)").arg(i)); });
        QObject::connect(m, &D::deviceListDeviceIDChanged, m, [this](uint i, uint id) {
            add(QStringLiteral("DeviceID(%1,%2)").arg(i).arg(id));
        });
    }

    // The lines recorded so far, forgetting them.
    QStringList take()
    {
        QStringList out;
        out.swap(lines);
        return out;
    }

private:
    void add(const QString &line) { lines.append(line); }
};
