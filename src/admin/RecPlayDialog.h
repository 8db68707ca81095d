#pragma once

#include "RecordSources.h"
#include "widgets/Dialog.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

class DataModel;
class QAction;
class QActionGroup;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTableWidget;
class QTableWidgetItem;

// Plays the audio files of the USB drive in the processor and records to it: the play and record
// lists the device reports, the transport and play modes, the record button and the channels the
// USB recording pair records. The device keeps lists and state; the dialog sends commands and
// shows what the model stores from the replies.
class RecPlayDialog : public Dialog
{
    Q_OBJECT

public:
    explicit RecPlayDialog(DataModel *model, QWidget *parent = nullptr);
    ~RecPlayDialog() override;

    QTableWidget *playTable() const { return m_playTable; }
    QTableWidget *recordTable() const { return m_recordTable; }
    QSlider *playSlider() const { return m_playSlider; }
    QLabel *playTimeLabel() const { return m_playTimeLabel; }
    QLabel *recordTimeLabel() const { return m_recordTimeLabel; }
    QPushButton *playButton() const { return m_playButton; }
    QPushButton *recordButton() const { return m_recordButton; }
    QMenu *channelMenu() const { return m_channelMenu; }
    // The source button of a source code, or null when the configuration hides it.
    QPushButton *sourceButton(quint8 code) const;
    // The file name a list row stands for.
    QString playFileAt(int row) const;
    QString recordFileAt(int row) const;

signals:
    // Inputs 1 and 2 are to be switched to USB playback before a file plays.
    void switchToUSB();

public slots:
    // USB replies, record sources and labels, from the main window.
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any = {});
    // The inputs and outputs the configuration leaves out (bit k: channel 9 + k).
    void applyChannelConfig(quint32 inputMask, quint32 outputMask);

    void usbPlayTableWidgetItemClicked(QTableWidgetItem *item);
    void usbStopButtonClicked();
    void usbPlayButtonClicked();
    void usbPrevButtonClicked();
    void usbNextButtonClicked();
    void usbPlaySliderPressed();
    void usbPlaySliderValueChanged(int value);
    void usbPlaySliderReleased();
    void usbPlayModeButtonClicked(int mode);
    void usbRecordTableWidgetItemClicked(QTableWidgetItem *item);
    void usbRecordButtonClicked();
    void usbRecordSourceButtonClicked();
    void usbRecordSourceClearButtonClicked();
    void usbRecordSourceChannelButtonTriggered(QAction *action);
    void usbRecordSourceChannelButtonHighlightChanged(QAction *action);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Source
    {
        RecordSources::Channel channel;
        QPushButton *button = nullptr;
        QMenu *menu = nullptr;
        QActionGroup *choices = nullptr;
    };

    QGroupBox *buildPlayback();
    QGroupBox *buildRecord();
    void buildSources();
    void refreshPlayList();
    void refreshRecordList();
    void refreshPlayState();
    void refreshRecordState();
    void refreshSources();
    void refreshIcons();
    void highlightRows(QTableWidget *table, const QStringList &names, const QString &current);
    void setRowTexts(QTableWidget *table, int row, const QStringList &texts);
    QString channelName(const RecordSources::Channel &channel) const;
    QString choiceText(RecordSources::Choice choice) const;
    void playFile(const QString &name);
    void retranslate();

    DataModel *m_model;
    quint32 m_inputMask = 0;
    quint32 m_outputMask = 0;
    bool m_dark = false;
    bool m_sliderHeld = false;

    QStringList m_playNames; // one per reported file, empty until its entry arrives
    QStringList m_recordNames; // in the order the entries arrived
    QVector<quint32> m_recordValues;

    QGroupBox *m_playGroup;
    QLabel *m_playListLabel;
    QTableWidget *m_playTable;
    QPushButton *m_prevButton;
    QPushButton *m_playButton;
    QPushButton *m_stopButton;
    QPushButton *m_nextButton;
    QSlider *m_playSlider;
    QLabel *m_playTimeLabel;
    QButtonGroup *m_playModeGroup;

    QGroupBox *m_recordGroup;
    QLabel *m_recordListLabel;
    QTableWidget *m_recordTable;
    QPushButton *m_recordButton;
    QLabel *m_recordTimeLabel;
    QLabel *m_sourceLabel;
    QPushButton *m_sourceButton;
    QPushButton *m_clearButton;
    QMenu *m_channelMenu;
    QWidget *m_sourceGrid;
    QLabel *m_inputCaption;
    QLabel *m_outputCaption;
    QVector<Source> m_sources;

    QLabel *m_noteLabel;
};
