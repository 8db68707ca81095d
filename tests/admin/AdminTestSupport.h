#pragma once

#include "model/LoopbackDevice.h"
#include "widgets/MessageBox.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"

#include <QLineEdit>
#include <QtTest>

// What the administration dialog tests share: the write requests that reached the stand-in
// processor as hex frames, the boxes the dialogs asked with their answers, and typing as a user.
namespace AdminTest {

// A write request frame in hex from its identity and payload in hex (spaces allowed).
inline QString frame(MessageId id, const char *payloadHex)
{
    const QByteArray payload = QByteArray::fromHex(QByteArray(payloadHex).replace(' ', ""));
    return QString::fromLatin1(Frame::build(id, Frame::WriteRequest, payload).toHex());
}

// The write requests (flag 1) the peer received since the last call, as whole frames in hex.
// Poll requests (flag 0) are left out.
class WriteLog
{
public:
    explicit WriteLog(QTcpSocket *peer) : m_peer(peer) { }

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

// Answers every box with the button of the given text ("OK", "Cancel"), remembering the boxes.
inline void answerBoxes(const QString &button)
{
    MessageBox::clearHistory();
    MessageBox::setResponder([button](const MessageBox::Request &request) {
        return int(request.buttons.indexOf(button));
    });
}

inline QStringList boxTexts()
{
    QStringList texts;
    for (const MessageBox::Request &r : MessageBox::history())
        texts << r.text;
    return texts;
}

// Types text into an edit (replacing what it held) and presses Return.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace AdminTest
