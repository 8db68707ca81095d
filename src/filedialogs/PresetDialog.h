#pragma once

#include "files/PresetBlockTransfer.h"
#include "widgets/Dialog.h"

#include <QVariant>

#include <array>

class DataModel;
class LineEdit;
class PresetExport;
class PresetImport;
class ProgressDialog;
class QProgressBar;
class QPushButton;
class QTableWidget;
class SystemSettings;

// The device's 32 preset slots: rename, save, load and delete on the device, and copies between
// the device and files (.pst one slot, .pstl all slots). The transfers themselves are
// PresetExport and PresetImport; the dialog chooses the file, starts them and shows their
// progress, and the progress the device reports while it loads a preset.
class PresetDialog : public Dialog
{
    Q_OBJECT

public:
    static constexpr int SlotCount = 32;

    PresetDialog(DataModel *model, SystemSettings *settings, QWidget *parent = nullptr);
    ~PresetDialog() override;

    ProgressDialog *progressDialog() const { return m_progress; }
    PresetExport *presetExport() const { return m_export; }
    PresetImport *presetImport() const { return m_import; }
    // The file of the running or last transfer.
    const QString &transferFilePath() const { return m_filePath; }

    // Applies the simple mode of the settings (only Load remains).
    void applySimpleMode();

public slots:
    // Every device message of type 3, subType 32.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);

    void nameEditEditingFinished();
    void saveButtonClicked();
    void loadButtonClicked();
    void importButtonClicked();
    void exportButtonClicked();
    void deleteButtonClicked();
    void importAllButtonClicked();
    void exportAllButtonClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Row
    {
        LineEdit *name;
        QPushButton *save;
        QPushButton *load;
        QPushButton *import;
        QPushButton *exportButton;
        QPushButton *remove;
    };

    void refresh();
    void loadProgress(int percent);
    void askAndSend(const QString &prefix, MessageId id);
    void startExport(PresetBlockTransfer::Scope scope, int slot);
    void startImport(PresetBlockTransfer::Scope scope, int slot);
    void transferProgressChanged(int value, int maximum, int percent);
    void transferEnded(PresetBlockTransfer::Outcome outcome, const QString &message);
    void showProgress(const QString &label, int maximum);
    void finishProgress();
    QString transferLabel() const;
    int slotOf(QObject *sender) const;
    void retranslate();

    DataModel *m_model;
    SystemSettings *m_settings;
    QTableWidget *m_table;
    std::array<Row, SlotCount> m_rows {};
    QPushButton *m_importAllButton;
    QPushButton *m_exportAllButton;
    ProgressDialog *m_progress;
    QProgressBar *m_progressBar;
    PresetExport *m_export;
    PresetImport *m_import;
    PresetBlockTransfer *m_running = nullptr;
    QString m_filePath;
    bool m_geometryRestored = false;
    bool m_shownOnce = false;
};
