#pragma once

#include "PresetBlockTransfer.h"

#include <QSaveFile>

#include <memory>

// Export of one preset slot (.pst) or of all slots (.pstl) from the device into a file. The
// blocks go to a temporary file beside the target, which replaces the target only after the
// last block: a cancelled, broken or failed export leaves an existing file as it was.
class PresetExport : public PresetBlockTransfer
{
    Q_OBJECT

public:
    using PresetBlockTransfer::PresetBlockTransfer;
    ~PresetExport() override;

    // Opens the temporary file and asks the device for the image; false (after ended() with
    // Failed) when the file cannot be created or no device is connected, nothing being sent.
    bool start(Scope scope, quint8 slot, const QString &path);

protected:
    void reply(const QByteArray &payload) override;
    void release() override;
    QString linkLostMessage() const override;

private:
    void fail();

    std::unique_ptr<QSaveFile> m_file;
    int m_blocks = 0;
    int m_value = 0;
    int m_next = 0;
};
