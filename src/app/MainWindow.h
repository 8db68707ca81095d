#pragma once

#include "SystemSettings.h"

#include <QMainWindow>

class QFrame;
class QLabel;
class QListWidget;

// The single top-level window: the device list on the left, the overview and the module area
// on the right. Reachable process-wide so that dialogs can find their parent.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(SystemSettings *settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    static MainWindow *instance();

    // The channels the current configuration leaves out, handed on to the views.
    void setChannelMasks(const SystemSettings::ChannelMasks &masks);
    SystemSettings::ChannelMasks channelMasks() const { return m_masks; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QFrame *createDevicePanel();
    QFrame *createOverviewPanel();
    QFrame *createModulePanel();
    void retranslate();

    SystemSettings *m_settings;
    SystemSettings::ChannelMasks m_masks;

    QLabel *m_deviceTitleLabel = nullptr;
    QListWidget *m_deviceListWidget = nullptr;
    QLabel *m_deviceHintLabel = nullptr;
    QLabel *m_overviewTitleLabel = nullptr;
    QLabel *m_moduleHintLabel = nullptr;
};
