#include "DataModel.h"

#include "link/SystemInterfaceProvider.h"
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
    qRegisterMetaType<UDPBrowsingPacket *>("UDPBrowsingPacket*");
    qRegisterMetaType<UDPBrowsingPacket *>("DataModel::UDPBrowsingPacket*");
    m_interfaces = environment.interfaces ? std::move(environment.interfaces)
                                          : std::make_unique<SystemInterfaceProvider>();

    DeviceDirectory::Hooks hooks;
    hooks.alternativeForm = [this] { return alternativeAnnouncementForm(); };
    hooks.entryCreated = [this](DeviceEntry &entry) { m_connection->attach(entry); };
    hooks.entryRemoved = [this](DeviceEntry &entry) { m_connection->release(entry); };
    hooks.releaseEntry = [this](int index) { removeDevice(index); };
    m_directory = std::make_unique<DeviceDirectory>(m_settings, m_clock, *m_interfaces,
                                                    std::move(hooks));
    m_connection = std::make_unique<DeviceConnection>(m_settings, m_clock, *m_interfaces,
                                                      *m_directory);
    m_connection->setFrameHandler([this](const ReceivedFrame &frame) { dispatch(frame); });

    DeviceDirectory *d = m_directory.get();
    connect(d, &DeviceDirectory::deviceReturned, m_connection.get(),
            &DeviceConnection::deviceReturned);
    connect(d, &DeviceDirectory::deviceListNetworkChanged, this,
            &DataModel::deviceListNetworkChanged);
    connect(d, &DeviceDirectory::deviceListAdd, this, &DataModel::deviceListAdd);
    connect(d, &DeviceDirectory::deviceListIPAddressChanged, this,
            &DataModel::deviceListIPAddressChanged);
    connect(d, &DeviceDirectory::deviceListModelChanged, this, &DataModel::deviceListModelChanged);
    connect(d, &DeviceDirectory::deviceListARMVersionChanged, this,
            &DataModel::deviceListARMVersionChanged);
    connect(d, &DeviceDirectory::deviceListDSPVersionChanged, this,
            &DataModel::deviceListDSPVersionChanged);
    connect(d, &DeviceDirectory::deviceListSerialNumberChanged, this,
            &DataModel::deviceListSerialNumberChanged);
    connect(d, &DeviceDirectory::deviceListLocationChanged, this,
            &DataModel::deviceListLocationChanged);
    connect(d, &DeviceDirectory::deviceListDescriptionChanged, this,
            &DataModel::deviceListDescriptionChanged);
    connect(d, &DeviceDirectory::deviceListFaultChanged, this, &DataModel::deviceListFaultChanged);
    connect(d, &DeviceDirectory::deviceListPresetChanged, this,
            &DataModel::deviceListPresetChanged);
    connect(d, &DeviceDirectory::deviceListRunTimeChanged, this,
            &DataModel::deviceListRunTimeChanged);
    connect(d, &DeviceDirectory::deviceListDeviceIDChanged, this,
            &DataModel::deviceListDeviceIDChanged);
    connect(d, &DeviceDirectory::registryProblem, this, &DataModel::deviceRegistryProblem);
    connect(m_connection.get(), &DeviceConnection::networkChanged, this,
            &DataModel::deviceListNetworkChanged);
    connect(m_connection.get(), &DeviceConnection::connectTimeout, this,
            &DataModel::tcpConnectTimeout);
    m_directory->start(environment.registryFile);

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
    // The entries give their sockets back to the connection, which therefore goes last.
    m_directory.reset();
    m_connection.reset();
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
