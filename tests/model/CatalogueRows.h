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

// Payload and expectation builders shared by the model tests.
namespace TestBytes {
QByteArray u32(quint32 v);
QByteArray f32(float v);
QByteArray filled(int size, std::initializer_list<std::pair<int, int>> bytes, int fill = 0);
QByteArray floats(int count, std::initializer_list<std::pair<int, float>> values,
                  float fill = 0.0f);
QByteArray text(const QByteArray &text, int width);
QByteArray resized(const QByteArray &payload, int length);
} // namespace TestBytes

namespace TestFields {
// Numbers as the expectations spell them: integers as qlonglong, floats as float.
template<typename T> QVariant num(T v)
{
    if constexpr (std::is_floating_point_v<T>)
        return QVariant(v);
    else
        return QVariant(qlonglong(v));
}
// All 18 channels of one field.
template<typename T> QVariantList inputs(const ParameterMirror &m, T InputChannel::*member)
{
    QVariantList l;
    for (const InputChannel &c : m.inputs)
        l << num(c.*member);
    return l;
}
template<typename T> QVariantList outputs(const ParameterMirror &m, T OutputChannel::*member)
{
    QVariantList l;
    for (const OutputChannel &c : m.outputs)
        l << num(c.*member);
    return l;
}
template<typename Container> QVariantList list(const Container &c)
{
    QVariantList l;
    for (const auto &v : c)
        l << num(v);
    return l;
}
// n entries of fill, some of them set.
QVariantList with(int n, std::initializer_list<std::pair<int, QVariant>> set, QVariant fill);
} // namespace TestFields

// One announcement per listed channel.
std::vector<Announcement> perChannel(MessageId id, std::initializer_list<int> channels);
