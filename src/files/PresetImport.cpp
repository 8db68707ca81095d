#include "PresetImport.h"

#include "PresetFile.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

#include <QFile>
#include <QTcpSocket>

bool PresetImport::start(Scope scope, quint8 slot, const QString &path)
{
    if (isRunning())
        return false;
    const MessageId id = scope == AllSlots ? Msg::PresetImportAll : Msg::PresetImport;
    begin(scope, id.funcId);
    m_sent = -1;
    m_blocks = 0;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < PresetFile::MinimumSize
        || PresetFile::importBlockCount(file.size()) < 0) {
        end(Failed, tr("File format is error!"));
        return false;
    }
    m_image = file.readAll();
    m_blocks = PresetFile::importBlockCount(m_image.size());
    if (m_image.size() < PresetFile::MinimumSize || m_blocks < 0) {
        end(Failed, tr("File format is error!"));
        return false;
    }
    QTcpSocket *socket = model()->currentSocket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState) {
        end(Failed, linkLostMessage());
        return false;
    }
    ByteWriter request;
    request.u8(0).u8(0);
    if (scope == OneSlot)
        request.u8(slot);
    model()->sendWrite(id, request);
    return true;
}

void PresetImport::reply(const QByteArray &payload)
{
    ByteReader in(payload);
    const quint8 zero = in.u8();
    const quint8 step = in.u8();
    if (!in.ok() || zero != 0)
        return;
    if (step == 0 && payload.size() == 6 && state() == Starting) {
        if (!PresetFile::checkWordMatches(m_image, payload.mid(2), scope() == AllSlots)) {
            end(Failed, tr("File format is error!"));
            return;
        }
        setState(Moving);
        emit progressChanged(0, m_blocks, -1);
        sendBlock(0);
        return;
    }
    const quint16 block = in.u16();
    if (step != 1 || payload.size() != 4 || state() != Moving || block != m_sent)
        return;
    if (block >= m_blocks - 1) {
        end(Completed);
        return;
    }
    const int next = block + 1;
    emit progressChanged(next, m_blocks, int(qint64(next) * 100 / m_blocks));
    sendBlock(next);
}

void PresetImport::sendBlock(int block)
{
    m_sent = block;
    const QByteArray data = m_image.mid(block * PresetFile::BlockSize, PresetFile::BlockSize);
    const MessageId id {Msg::PresetImport.type, Msg::PresetImport.subType, funcId()};
    model()->sendWrite(id, ByteWriter(4 + data.size()).u8(0).u8(1).u16(quint16(block)).bytes(data));
}

void PresetImport::release()
{
    m_image.clear();
}

QString PresetImport::linkLostMessage() const
{
    return tr("Import failed!");
}
