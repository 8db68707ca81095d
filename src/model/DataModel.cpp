#include "DataModel.h"

namespace {
DataModel *g_instance = nullptr;
}

DataModel::DataModel(const LinkSettings &settings, Clock clock, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(std::move(clock))
{
    if (!g_instance)
        g_instance = this;
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &DataModel::timeout);
    m_timer.start();
}

DataModel::~DataModel()
{
    m_timer.stop();
    m_writes.clearPending();
    m_devices.clear();
    if (g_instance == this)
        g_instance = nullptr;
}

DataModel *DataModel::instance()
{
    return g_instance;
}
