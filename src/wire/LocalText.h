#pragma once

#include <QByteArray>
#include <QString>

// The processor's 8-bit text encoding (GBK): model, serial number, location, description,
// preset names in announcements and the registry, and login passwords.
namespace LocalText {

QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace LocalText
