#pragma once

#include "model/ParameterMirror.h"
#include "model/ReplyOutcome.h"

#include <QByteArray>
#include <QVariant>

#include <functional>
#include <type_traits>
#include <vector>

// One row of the message catalogue as the tests see it: a valid reply, what it announces and
// stores, and the payload lengths the handler must refuse.
struct CatalogueRow
{
    const char *name;
    MessageId id;
    QByteArray payload;
    std::vector<Announcement> announced;
    std::function<QVariant(const ParameterMirror &)> stored; // the fields the reply writes
    QVariant expected; // stored(...) after the reply
    std::vector<int> wrongLengths; // the payload cut or zero-extended to these lengths
    bool always = false; // announced on every reply, repeats included
    std::function<void(ParameterMirror &)> setup = {}; // state the reply depends on
    std::vector<MessageId> queries = {}; // follow-up queries the reply asks for
};

const std::vector<CatalogueRow> &catalogueRows();
const CatalogueRow &catalogueRow(MessageId id);

// Payload builders shared by the model tests.
namespace TestBytes {
QByteArray u32(quint32 v);
QByteArray f32(float v);
QByteArray filled(int size, std::initializer_list<std::pair<int, int>> bytes, int fill = 0);
QByteArray floats(int count, std::initializer_list<std::pair<int, float>> values,
                  float fill = 0.0f);
QByteArray resized(const QByteArray &payload, int length);
} // namespace TestBytes

// What a row reads back from the mirror.
namespace TestFields {
using Stored = std::function<QVariant(const ParameterMirror &)>;

// Values as the expectations spell them: integers as qlonglong, floats as float, texts as they
// are, arrays as lists.
template<typename T> QVariant value(const T &v)
{
    if constexpr (std::is_floating_point_v<T>)
        return QVariant(v);
    else if constexpr (std::is_arithmetic_v<T>)
        return QVariant(qlonglong(v));
    else if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>)
        return QVariant(v);
    else {
        QVariantList l;
        for (const auto &x : v)
            l << value(x);
        return l;
    }
}

// One field of one part of the mirror, of one channel, or several fields as a list.
template<typename S, typename T> Stored get(S ParameterMirror::*part, T S::*member)
{
    return [part, member](const ParameterMirror &m) { return value(m.*part.*member); };
}
template<typename T> Stored in(int ch, T InputChannel::*member)
{
    return [ch, member](const ParameterMirror &m) { return value(m.inputs[size_t(ch)].*member); };
}
template<typename T> Stored out(int ch, T OutputChannel::*member)
{
    return [ch, member](const ParameterMirror &m) { return value(m.outputs[size_t(ch)].*member); };
}
template<typename... G> Stored all(G... getters)
{
    return [getters...](const ParameterMirror &m) {
        return QVariant(QVariantList {getters(m)...});
    };
}
} // namespace TestFields

// One announcement per listed channel.
std::vector<Announcement> perChannel(MessageId id, const std::vector<int> &channels);
