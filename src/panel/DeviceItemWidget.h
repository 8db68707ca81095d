#pragma once

#include <QFrame>

class QLabel;

// One row of the device list: address, model and running preset, whether the program is logged
// in to it, and whether it is online or reports a fault. The state reaches the style sheet
// through the dynamic properties "selected" (the current row), "status" ("1" logged in, "0"
// not) and "browsing" (online); the state label carries "status" "1" online, "0" offline and
// "2" fault.
class DeviceItemWidget : public QFrame
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 80;

    explicit DeviceItemWidget(QWidget *parent = nullptr);

    void setAddress(quint32 address);
    void setModel(const QString &model);
    void setPreset(const QString &preset);
    void setOnline(bool online);
    void setFault(bool fault);
    void setLoggedIn(bool loggedIn);
    void setSelected(bool selected);

    bool isOnline() const { return m_online; }
    bool hasFault() const { return m_fault; }
    bool isLoggedIn() const { return m_loggedIn; }
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateState();
    // Style sheet rules look at the row's properties from its labels too: polish them all.
    void repolish();

    QLabel *m_stateDot;
    QLabel *m_addressLabel;
    QLabel *m_modelLabel;
    QLabel *m_presetLabel;
    QLabel *m_loginLabel;
    QLabel *m_stateLabel;
    bool m_online = false;
    bool m_fault = false;
    bool m_loggedIn = false;
    bool m_selected = false;
};
