#include "PresetExport.h"

#include "PresetFile.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

#include <QTcpSocket>

namespace {

bool linkUp(DataModel *model)
{
    QTcpSocket *socket = model->currentSocket();
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

} // namespace

PresetExport::~PresetExport()
{
    release();
}

bool PresetExport::start(Scope scope, quint8 slot, const QString &path)
{
    if (isRunning())
        return false;
    const MessageId id = scope == AllSlots ? Msg::PresetExportAll : Msg::PresetExport;
    begin(scope, id.funcId);
    m_blocks = m_value = m_next = 0;
    m_file = std::make_unique<QSaveFile>(path);
    if (!linkUp(model()) || !m_file->open(QIODevice::WriteOnly)) {
        fail();
        return false;
    }
    ByteWriter request;
    request.u8(0).u8(0);
    if (scope == OneSlot)
        request.u8(slot);
    model()->sendRead(id, request);
    return true;
}

void PresetExport::reply(const QByteArray &payload)
{
    ByteReader in(payload);
    const quint8 zero = in.u8();
    const quint8 step = in.u8();
    const quint16 value = in.u16();
    if (!in.ok() || zero != 0)
        return;
    const MessageId id {Msg::PresetExport.type, Msg::PresetExport.subType, funcId()};

    if (step == 0 && payload.size() == 4 && state() == Starting) {
        if (value == 0) {
            end(Empty);
            return;
        }
        m_blocks = value;
        m_value = m_next = 0;
        setState(Moving);
        emit progressChanged(0, m_blocks, -1);
        model()->sendRead(id, ByteWriter().u8(0).u8(1).u16(0));
        return;
    }
    if (step != 1 || payload.size() < 5 || state() != Moving || value != m_next)
        return;

    const int percent = int(qint64(m_value) * 100 / m_blocks);
    m_value = value;
    emit progressChanged(m_value, m_blocks, percent);

    // Every block but the last carries exactly 512 bytes, or the file would not be the image.
    const int size = payload.size() - 4;
    const bool last = value >= m_blocks - 1;
    if (size > PresetFile::BlockSize || (!last && size != PresetFile::BlockSize)
        || m_file->write(payload.constData() + 4, size) != size || !m_file->flush()) {
        fail();
        return;
    }
    if (!last) {
        m_next = value + 1;
        model()->sendRead(id, ByteWriter().u8(0).u8(1).u16(quint16(m_next)));
        return;
    }
    if (!m_file->commit()) {
        fail();
        return;
    }
    m_file.reset();
    end(Completed);
}

void PresetExport::release()
{
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset(); // removes the temporary file
    }
}

QString PresetExport::linkLostMessage() const
{
    return tr("Export failed!");
}

void PresetExport::fail()
{
    end(Failed, tr("Export failed!"));
}
