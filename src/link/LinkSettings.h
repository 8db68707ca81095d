#pragma once

#include <QtGlobal>

// The application settings the device link needs; the shell copies them from SystemSettings.
struct LinkSettings
{
    quint16 productCode = 1;
    quint16 broadcastPort = 6697;
    quint16 controlPort = 2698;
    quint8 simple = 0;
    int bootMode = 0;
    quint8 danteUi = 0; // the Dante configurations may be chosen by hand (with bootMode != 0)
};
