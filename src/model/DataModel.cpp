#include "DataModel.h"

namespace {
DataModel *g_instance = nullptr;
}

DataModel::DataModel(const LinkSettings &settings, Clock clock, QObject *parent)
    : DataModel(settings, LinkEnvironment::withClock(std::move(clock)), parent)
{
}

DataModel::DataModel(const LinkSettings &settings, LinkEnvironment environment, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(std::move(environment.clock))
{
    if (!g_instance)
        g_instance = this;
    startDeviceLink(environment);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &DataModel::timeout);
    m_timer.start();
}

DataModel::~DataModel()
{
    m_timer.stop();
    m_writes.clearPending();
    for (auto &entry : m_devices)
        releaseSocket(*entry);
    m_devices.clear();
    if (g_instance == this)
        g_instance = nullptr;
}

DataModel *DataModel::instance()
{
    return g_instance;
}
