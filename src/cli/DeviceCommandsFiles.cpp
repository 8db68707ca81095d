// The preset and label commands: slots on the device, and the core's preset transfers and
// label file between the device and files.
#include "DeviceCommands.h"

#include "DeviceSession.h"
#include "ExitCode.h"
#include "TerminalProgress.h"

#include "files/LabelFile.h"
#include "files/LabelSync.h"
#include "files/PresetExport.h"
#include "files/PresetImport.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

std::vector<StatusQuery> dialogQueries(quint8 dialog)
{
    StatusPoll::State state;
    state.tick = 100;
    state.currentModule = -1; // no module page: the system status and the dialog's queries
    state.openDialogs = dialog;
    std::vector<StatusQuery> queries;
    StatusPoll::build(state, queries);
    return queries;
}

} // namespace

int DeviceCommands::preset()
{
    const QString &a = m_args.action;
    if (a == QLatin1String("export") || a == QLatin1String("export-all")
        || a == QLatin1String("import") || a == QLatin1String("import-all"))
        return presetTransfer();

    DataModel &model = m_session.model();
    const PresetTable &presets = model.mirror().presets;
    const auto readList = [&] {
        return m_session.readQueries(dialogQueries(StatusPoll::PresetsDialog));
    };
    if (!readList())
        return lost();
    const int slot = m_args.slot;
    const QString slotText = QString::number(slot + 1);
    if (a == QLatin1String("list")) {
        QJsonArray list;
        for (int s = 0; s < PresetTable::SlotCount; ++s) {
            const bool used = presets.used[size_t(s)] != 0;
            if (m_args.json)
                list.append(QJsonObject {{QStringLiteral("slot"), s + 1},
                                         {QStringLiteral("used"), used},
                                         {QStringLiteral("current"), presets.current == s},
                                         {QStringLiteral("name"), presets.names[size_t(s)]}});
            else
                m_out << s + 1 << '\t' << (used ? presets.names[size_t(s)] : QStringLiteral("-"))
                      << (presets.current == s ? QStringLiteral("\t(current)") : QString()) << '\n';
        }
        if (m_args.json)
            m_out << QJsonDocument(list).toJson(QJsonDocument::Compact) << '\n';
        return ExitCode::Done;
    }

    std::function<bool()> done;
    MessageId id;
    QByteArray payload = ByteWriter().u8(quint8(slot));
    if (a == QLatin1String("save")) {
        id = Msg::PresetSave;
        done = [&] { return presets.used[size_t(slot)] != 0; };
    } else if (a == QLatin1String("load")) {
        if (!presets.used[size_t(slot)])
            return fail(ExitCode::Failed, QStringLiteral("preset %1 is empty").arg(slotText));
        id = Msg::PresetActive;
        done = [&] { return presets.current == slot; };
    } else if (a == QLatin1String("delete")) {
        id = Msg::PresetDelete;
        done = [&] { return presets.used[size_t(slot)] == 0; };
    } else {
        if (!presets.used[size_t(slot)])
            return fail(ExitCode::Failed, QStringLiteral("preset %1 is empty").arg(slotText));
        id = Msg::PresetRename;
        payload = ByteWriter().u8(quint8(slot)).bytes(LocalText::encode(m_args.name));
        done = [&] { return presets.names[size_t(slot)] == m_args.name; };
    }
    model.sendWrite(id, payload);
    // The list is read again until it shows the change.
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > m_session.timeoutMs())
            return fail(ExitCode::Failed,
                        QStringLiteral("the device did not %1 preset %2").arg(a, slotText));
        if (!m_session.waitFor([] { return false; }, 300) && !m_session.isConnected())
            return lost();
        if (!readList())
            return lost();
    }
    m_out << a << ' ' << slotText << '\n';
    return ExitCode::Done;
}

int DeviceCommands::presetTransfer()
{
    DataModel &model = m_session.model();
    const QString &a = m_args.action;
    const bool all = a.endsWith(QLatin1String("-all"));
    const bool exporting = a.startsWith(QLatin1String("export"));
    const auto scope = all ? PresetBlockTransfer::AllSlots : PresetBlockTransfer::OneSlot;
    std::unique_ptr<PresetBlockTransfer> transfer;
    bool ended = false;
    PresetBlockTransfer::Outcome outcome = PresetBlockTransfer::Failed;
    QString message;
    QElapsedTimer stall;
    stall.start();
    TerminalProgress progress(QStringLiteral("%1 preset %2").arg(m_session.address(), a));
    const auto wire = [&](PresetBlockTransfer *t) {
        QObject::connect(&model, &DataModel::tcpSyncToUI, t, &PresetBlockTransfer::deviceMessage);
        QObject::connect(t, &PresetBlockTransfer::progressChanged, t,
                         [&](int value, int maximum, int) {
                             stall.restart();
                             progress.update(value, maximum);
                         });
        QObject::connect(t, &PresetBlockTransfer::ended, t,
                         [&](PresetBlockTransfer::Outcome o, const QString &m) {
                             ended = true;
                             outcome = o;
                             message = m;
                         });
    };
    bool started = false;
    if (exporting) {
        auto *e = new PresetExport(&model);
        transfer.reset(e);
        wire(e);
        started = e->start(scope, quint8(m_args.slot), file());
    } else {
        auto *i = new PresetImport(&model);
        transfer.reset(i);
        wire(i);
        started = i->start(scope, quint8(m_args.slot), file());
    }
    if (!started)
        return fail(ExitCode::Failed,
                    message.isEmpty() ? QStringLiteral("cannot use %1").arg(file()) : message);
    // The transfer runs as long as the device keeps answering.
    while (!ended) {
        if (!m_session.waitFor([&] { return ended || stall.elapsed() > m_session.timeoutMs(); },
                               m_session.timeoutMs() + 1000)
            || !ended) {
            transfer->cancel();
            return m_session.isConnected()
                    ? fail(ExitCode::NoConnection, QStringLiteral("no answer (time-out)"))
                    : lost();
        }
    }
    progress.finish();
    switch (outcome) {
    case PresetBlockTransfer::Completed:
        m_out << (exporting ? "exported " : "imported ") << file() << '\n';
        return ExitCode::Done;
    case PresetBlockTransfer::Empty:
        return fail(ExitCode::Failed, QStringLiteral("preset %1 is empty").arg(m_args.slot + 1));
    case PresetBlockTransfer::Failed:
    case PresetBlockTransfer::Cancelled:
        break;
    }
    if (!m_session.isConnected())
        return lost();
    return fail(ExitCode::Failed, message);
}

int DeviceCommands::label()
{
    DataModel &model = m_session.model();
    // How many channels a label file covers depends on the control firmware.
    if (!m_session.waitFor([&] { return model.deviceInfo().armVersion[0] != 0; },
                           m_session.timeoutMs())
        || !m_session.readQueries(dialogQueries(StatusPoll::LabelsDialog)))
        return lost();
    const int channels = LabelFile::channelCount(model.linkSettings().bootMode,
                                                 model.deviceInfo().armVersion[0]);
    QString error;
    if (m_args.action == QLatin1String("export")) {
        if (!LabelFile::write(file(), LabelSync::fromModel(model, channels), channels, &error))
            return fail(ExitCode::Failed, error);
        m_out << "exported " << file() << '\n';
        return ExitCode::Done;
    }
    LabelFile::Labels labels;
    if (!LabelFile::read(file(), channels, &labels, &error))
        return fail(ExitCode::Failed, error);
    const int changed = LabelSync::applyAll(model, labels, channels).size();
    // Read back once the write-echo time is over, so the device's own labels count.
    m_session.waitFor([] { return false; }, 1600);
    if (!m_session.isConnected() || !m_session.readQueries(dialogQueries(StatusPoll::LabelsDialog)))
        return lost();
    const LabelFile::Labels now = LabelSync::fromModel(model, channels);
    if (now.inputs != labels.inputs || now.outputs != labels.outputs
        || now.touchScreen != labels.touchScreen)
        return fail(ExitCode::Failed, QStringLiteral("the device kept other labels"));
    m_out << "imported " << file() << " (" << changed << " labels changed)\n";
    return ExitCode::Done;
}
