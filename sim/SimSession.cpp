#include "SimSession.h"

#include "MessageTable.h"
#include "SimStore.h"

#include "wire/Frame.h"

namespace sim {

namespace {

constexpr MessageId PresetListId {3, 32, 1};
constexpr int MaxPasswordSize = 16;

} // namespace

SimSession::SimSession(SimStore &store, const MessageTable &table, const SimFaults &faults)
    : m_store(store), m_table(table), m_faults(faults)
{
}

Outgoing SimSession::loginReply(quint8 funcId, quint8 status)
{
    return {{2, 1, funcId}, QByteArray(1, char(status))};
}

Outgoing SimSession::greeting() const
{
    return loginReply(1, 0);
}

SimSession::Result SimSession::handle(MessageId id, quint8 flag, const QByteArray &payload)
{
    if (flag != Frame::ReadRequest && flag != Frame::WriteRequest)
        return {};
    const bool write = flag == Frame::WriteRequest;
    if (id.type == 2 && id.subType == 1 && (id.funcId == 1 || id.funcId == 2) && write)
        return login(id.funcId, payload);

    const bool presetExchange =
            id.type == 3 && id.subType == 32 && id.funcId >= 16 && id.funcId <= 19;
    if ((write || presetExchange) && !m_loggedIn) {
        Result r;
        r.replies.append(loginReply(1, 0));
        return r;
    }
    if (id.type == 1 && id.subType == 1 && id.funcId == 1 && write)
        return upgrade(payload);
    if (id.type == 2 && id.subType == 2 && (id.funcId == 15 || id.funcId == 41) && write)
        return setPassword(id.funcId, payload);
    if (id.type == 3 && id.subType == 32 && (write || presetExchange) && id.funcId != 1)
        return preset(id.funcId, payload);
    if (id.type == 4 && !m_store.config.dante)
        return {};

    const MessageRow *row = m_table.find(id);
    if (!row)
        return {};
    QVector<QByteArray> answers;
    if (!write) {
        answers = m_table.answerQuery(*row, m_store, payload);
    } else if (row->set) {
        row->set(m_store, payload);
        answers = m_table.answerSet(*row, m_store, payload);
    }
    const MessageId replyId = row->answers() || row->echo == MessageId {} ? id : row->echo;
    Result r;
    for (const QByteArray &a : answers)
        r.replies.append({replyId, a});
    return r;
}

SimSession::Result SimSession::login(quint8 funcId, const QByteArray &password)
{
    const QByteArray admin =
            m_store.system.password.isEmpty() ? builtInPassword() : m_store.system.password;
    bool accepted = password == admin;
    if (funcId == 2 && !m_store.system.userPassword.isEmpty())
        accepted = accepted || password == m_store.system.userPassword;
    m_loggedIn = accepted;
    Result r;
    r.replies.append(loginReply(funcId, accepted ? 1 : 2));
    r.note = QStringLiteral("%1 login %2")
                     .arg(funcId == 2 ? QStringLiteral("user") : QStringLiteral("admin"),
                          accepted ? QStringLiteral("accepted") : QStringLiteral("rejected"));
    return r;
}

SimSession::Result SimSession::setPassword(quint8 funcId, const QByteArray &password)
{
    const bool ok = !password.isEmpty() && password.size() <= MaxPasswordSize;
    if (ok)
        (funcId == 15 ? m_store.system.password : m_store.system.userPassword) = password;
    Result r;
    r.replies.append({{2, 2, funcId}, QByteArray(1, char(ok ? 0 : 1))});
    r.note = QStringLiteral("%1 password %2")
                     .arg(funcId == 15 ? QStringLiteral("admin") : QStringLiteral("user"),
                          ok ? QStringLiteral("changed") : QStringLiteral("refused"));
    return r;
}

SimSession::Result SimSession::preset(quint8 funcId, const QByteArray &payload)
{
    Result r;
    const auto reply = [&](const QByteArray &answer) {
        if (!answer.isEmpty())
            r.replies.append({{3, 32, funcId}, answer});
    };
    if (funcId >= 16 && funcId <= 19) {
        // The first two bytes tell the start of an exchange (0) from a block (1).
        if (payload.size() >= 2 && payload[1] == 0)
            m_presetBlocks = 0;
        else if (m_faults.dropAfterPresetBlocks >= 0
                 && m_presetBlocks++ >= m_faults.dropAfterPresetBlocks) {
            r.drop = true;
            r.note = QStringLiteral("dropping the connection in a preset exchange as asked");
            return r;
        }
    }
    switch (funcId) {
    case 16:
    case 18:
        reply(m_presets.exportRequest(funcId, payload, m_store));
        return r;
    case 17:
    case 19:
        reply(m_presets.importRequest(funcId, payload, m_store));
        r.note = m_presets.refusal();
        return r;
    default:
        break;
    }
    if (payload.isEmpty() || quint8(payload[0]) >= PresetSlots)
        return r;
    const int slot = quint8(payload[0]);
    bool changed = false;
    switch (funcId) {
    case 2:
        changed = payload.size() == 1 && m_store.savePreset(slot);
        break;
    case 3:
    case 9:
        if (payload.size() == 1 && m_store.presets[slot].used)
            r.loadPreset = slot;
        return r;
    case 4:
        changed = payload.size() == 1 && m_store.deletePreset(slot);
        break;
    case 5: {
        const QByteArray name = payload.mid(1);
        changed = !name.isEmpty() && name.size() <= NameSize && !name.contains('\0');
        if (changed)
            m_store.presets[slot].name = name;
        break;
    }
    default:
        return r;
    }
    if (changed)
        for (const QByteArray &list : m_table.answerQuery(*m_table.find(PresetListId), m_store, {}))
            r.replies.append({PresetListId, list});
    return r;
}

SimSession::Result SimSession::upgrade(const QByteArray &payload)
{
    const UpgradeReceiver::Outcome outcome =
            m_upgrade.handle(payload, m_store.identity.upgradeId, m_store.system.armVersion,
                             m_faults.rejectUpgrade);
    Result r;
    for (const QByteArray &data : outcome.data)
        r.replies.append({{1, 1, 1}, data});
    if (outcome.status >= 0) {
        r.replies.append({{1, 1, 2}, QByteArray(1, char(outcome.status))});
        r.note = QStringLiteral("firmware image refused with %1").arg(outcome.status);
    }
    if (outcome.installed)
        r.installed = outcome.version;
    return r;
}

} // namespace sim
