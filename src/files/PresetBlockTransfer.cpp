#include "PresetBlockTransfer.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"

#include <QTcpSocket>

PresetBlockTransfer::PresetBlockTransfer(DataModel *model, QObject *parent)
    : QObject(parent), m_model(model)
{
    connect(m_model, &DataModel::deviceListNetworkChanged, this, &PresetBlockTransfer::linkChanged);
    connect(m_model, &DataModel::deviceListSelectionChanged, this,
            &PresetBlockTransfer::linkChanged);
}

void PresetBlockTransfer::cancel()
{
    if (m_state != Idle)
        end(Cancelled);
}

void PresetBlockTransfer::deviceMessage(uchar type, uchar subType, uchar funcId, uchar, uchar,
                                        const QVariant &any)
{
    if (m_state == Idle || type != Msg::PresetList.type || subType != Msg::PresetList.subType
        || funcId != m_funcId)
        return;
    reply(any.toByteArray());
}

void PresetBlockTransfer::begin(Scope scope, quint8 funcId)
{
    m_scope = scope;
    m_funcId = funcId;
    m_deviceIndex = m_model->currentIndex();
    m_state = Starting;
}

void PresetBlockTransfer::end(Outcome outcome, const QString &message)
{
    m_state = Idle;
    release();
    emit ended(outcome, message);
}

// A device that goes away never answers again: the exchange fails at once instead of waiting
// for a reply that cannot come.
void PresetBlockTransfer::linkChanged()
{
    if (m_state == Idle)
        return;
    QTcpSocket *socket = m_model->currentSocket();
    if (m_model->currentIndex() != m_deviceIndex || !socket
        || socket->state() != QAbstractSocket::ConnectedState)
        end(Failed, linkLostMessage());
}
