#pragma once

#include "PresetBlockTransfer.h"

#include <QByteArray>

// Import of a .pst file into one preset slot or of a .pstl file into all slots. The file is
// read whole when the import starts, so the device receives one consistent image however the
// file changes meanwhile; the device's check word must match it before any block is sent.
class PresetImport : public PresetBlockTransfer
{
    Q_OBJECT

public:
    using PresetBlockTransfer::PresetBlockTransfer;

    // Reads and checks the file, then asks the device to take an image; false (after ended()
    // with Failed) when the file is unreadable, too small or too large for the block numbers,
    // or no device is connected, nothing being sent.
    bool start(Scope scope, quint8 slot, const QString &path);

    int blockCount() const { return m_blocks; }

protected:
    void reply(const QByteArray &payload) override;
    void release() override;
    QString linkLostMessage() const override;

private:
    void sendBlock(int block);

    QByteArray m_image;
    int m_blocks = 0;
    int m_sent = -1;
};
