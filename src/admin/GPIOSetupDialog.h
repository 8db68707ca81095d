#pragma once

#include "GpioParameters.h"
#include "widgets/Dialog.h"

#include <QVariant>

class DataModel;
class QButtonGroup;
class QComboBox;
class QLabel;

// Edits the function and parameter of the eight GPIO ports, one port at a time. Every change is
// written into the port's record in the model and sent at once as the whole record; the bytes
// beyond the function and its parameter go back exactly as the device sent them.
class GPIOSetupDialog : public Dialog
{
    Q_OBJECT

public:
    explicit GPIOSetupDialog(DataModel *model, QWidget *parent = nullptr);
    ~GPIOSetupDialog() override;

    int selectedPort() const { return m_port; }
    QComboBox *functionComboBox() const { return m_functionComboBox; }
    QComboBox *parameterComboBox() const { return m_parameterComboBox; }

public slots:
    // After a port reply: shows the port again when it is the selected one.
    void refreshPort(int port);
    // After channel names or the configuration changed: rebuilds the channel list while the
    // function shown is Mute.
    void rebuildChannelList();
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);
    // Port replies, label changes and the Dante link state, from the main window.
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any = {});

    void idButtonGroupButtonClicked(int id);
    void functionComboBoxCurrentIndexChanged(int index);
    void parameterItemComboBoxCurrentIndexChanged(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPort();
    void fillParameters(quint8 function);
    void sendPort();
    QString itemText(const GpioParameters::Item &item) const;
    void setFunctionSignalConnected(bool connected);
    void setParameterSignalConnected(bool connected);
    void retranslate();

    DataModel *m_model;
    int m_port = 0;
    quint32 m_inputMask = 0;
    quint32 m_outputMask = 0;
    quint32 m_danteInputMask = 0;
    quint32 m_danteOutputMask = 0;
    QVector<GpioParameters::Item> m_items;

    QLabel *m_portLabel;
    QButtonGroup *m_idButtonGroup;
    QLabel *m_functionLabel;
    QComboBox *m_functionComboBox;
    QLabel *m_parameterLabel;
    QComboBox *m_parameterComboBox;
};
