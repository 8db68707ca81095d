#pragma once

#include "editors/chain/ChannelStripWidget.h"
#include "editors/chain/ModuleWidget.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTcpSocket>
#include <QtTest>

// Helpers of the channel strip tests: controls found as a user finds them (the channel's column,
// then the control by its role), and the write requests that reached the device peer.
namespace ChainTest {

// The control of a channel with the given role ("mute", "gain", ...), or the first control of
// the type in the column when role is empty.
template<typename T> T *control(const ChannelStripWidget *strip, int channel, const char *role = "")
{
    QWidget *column = strip->channelWidget(channel);
    if (!column)
        return nullptr;
    const QList<T *> found = column->findChildren<T *>(QString::number(channel));
    for (T *candidate : found) {
        if (!*role || candidate->property("control").toString() == QLatin1String(role))
            return candidate;
    }
    return nullptr;
}

// The channel strip editor of a page, built if it was not yet.
inline ChannelStripWidget *strip(ModuleWidget &module, int page)
{
    return qobject_cast<ChannelStripWidget *>(module.page(page));
}

// The channel's name as its column shows it.
inline QString channelName(const ChannelStripWidget *strip, int channel)
{
    return strip->channelWidget(channel)
            ->findChild<QLineEdit *>(QStringLiteral("appearanceAsLabel"))
            ->text();
}

// The mode button with the given text ("Mic", "Line", "USB") of an input.
inline QAbstractButton *modeButton(const ChannelStripWidget *strip, int channel,
                                   const QString &text)
{
    const QList<QAbstractButton *> buttons =
            strip->channelWidget(channel)->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->property("control").toString() == QLatin1String("mode")
            && button->text() == text)
            return button;
    }
    return nullptr;
}

// Types text into an edit and presses Return, as a user finishes an edit.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Write requests (flag 1) among what the peer received, each as the whole frame in hex.
class WriteLog
{
public:
    explicit WriteLog(QTcpSocket *peer) : m_peer(peer) { }

    // What arrived since the last call; waits briefly for bytes in flight.
    QStringList take()
    {
        while (m_peer->bytesAvailable() > 0 || m_peer->waitForReadyRead(40))
            m_frames.append(m_peer->readAll());
        QStringList writes;
        m_frames.process([&writes](const ReceivedFrame &frame) {
            if (frame.flag == Frame::WriteRequest)
                writes << QString::fromLatin1(
                        Frame::build(frame.id, frame.flag, frame.payloadBytes()).toHex());
        });
        return writes;
    }

private:
    QTcpSocket *m_peer;
    FrameReassembler m_frames;
};

// A write request frame in hex from its identity and payload given in hex (spaces allowed).
inline QString frame(quint8 type, quint8 subType, quint8 funcId, const char *payloadHex)
{
    const QByteArray payload = QByteArray::fromHex(QByteArray(payloadHex).replace(' ', ""));
    return QString::fromLatin1(
            Frame::build(MessageId {type, subType, funcId}, Frame::WriteRequest, payload).toHex());
}

} // namespace ChainTest
