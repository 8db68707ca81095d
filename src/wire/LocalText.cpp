#include "LocalText.h"

#include <QTextCodec>

namespace {

QTextCodec *gbk()
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    return codec;
}

} // namespace

namespace LocalText {

QByteArray encode(const QString &text)
{
    if (QTextCodec *codec = gbk())
        return codec->fromUnicode(text);
    return text.toLocal8Bit();
}

QString decode(const QByteArray &bytes)
{
    if (QTextCodec *codec = gbk())
        return codec->toUnicode(bytes);
    return QString::fromLocal8Bit(bytes);
}

} // namespace LocalText
