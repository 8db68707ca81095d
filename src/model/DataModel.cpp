#include "DataModel.h"

#include "model/MessageCatalogue.h"

#include <QCoreApplication>
#include <QEvent>

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
    // A language switch reaches the application object first: the default channel names follow
    // it before the views redraw.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
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

bool DataModel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
        m_mirror.retranslateDefaultNames();
        // Shown wherever labels are: redrawn as after a label report for every channel.
        announce(Msg::InputLabels);
        announce(Msg::OutputLabels);
    }
    return QObject::eventFilter(watched, event);
}
