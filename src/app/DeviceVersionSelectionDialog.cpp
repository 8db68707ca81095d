#include "DeviceVersionSelectionDialog.h"

#include "settings/SystemSettings.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The five channel configurations, in the order of their device version number.
struct Configuration
{
    const char *name;
    const char *analogInput;
    const char *analogOutput;
    const char *danteInput;
    const char *danteOutput;
};

const Configuration Configurations[] = {
        {"16x16", "16CH", "16CH", "-", "-"},
        {"16x8", "16CH", "8CH", "-", "-"},
        {"8x8", "8CH", "8CH", "-", "-"},
        {"12x12+Dante4x4", "12CH", "12CH", "4CH", "4CH"},
        {"8x8+Dante4x4", "8CH", "8CH", "4CH", "4CH"},
};
const int ConfigurationCount = int(sizeof(Configurations) / sizeof(Configurations[0]));
const int ColumnCount = 6;

} // namespace

DeviceVersionSelectionDialog::DeviceVersionSelectionDialog(SystemSettings *settings,
                                                           QWidget *parent)
    : Dialog(parent), m_settings(settings),
      m_tableWidget(new QTableWidget(ConfigurationCount, ColumnCount, this)),
      m_showAtStartupCheckBox(new QCheckBox(this)), m_okButton(new QPushButton(this)),
      m_cancelButton(new QPushButton(this))
{
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_tableWidget->setObjectName(QStringLiteral("deviceVersionTable"));
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableWidget->setContextMenuPolicy(Qt::NoContextMenu);
    m_tableWidget->verticalHeader()->setVisible(false);
    m_tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableWidget->verticalHeader()->setDefaultSectionSize(30);
    m_tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tableWidget->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tableWidget->horizontalHeader()->setHighlightSections(false);
    m_tableWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tableWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (int row = 0; row < ConfigurationCount; ++row) {
        const Configuration &configuration = Configurations[row];
        const char *const cells[ColumnCount] = {
                configuration.name,       configuration.analogInput, configuration.analogOutput,
                configuration.danteInput, configuration.danteOutput, "\xE2\x88\x9A"};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(QString::fromUtf8(cells[column]));
            item->setTextAlignment(Qt::AlignCenter);
            m_tableWidget->setItem(row, column, item);
        }
    }
    m_tableWidget->setMinimumWidth(620);
    m_tableWidget->setFixedHeight(m_tableWidget->horizontalHeader()->sizeHint().height()
                                  + ConfigurationCount * 30 + 2 * m_tableWidget->frameWidth());

    m_showAtStartupCheckBox->setObjectName(QStringLiteral("showAtStartupCheckBox"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setMinimumWidth(80);
    m_cancelButton->setMinimumWidth(80);

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(m_showAtStartupCheckBox);
    buttonLayout->addStretch();
    buttonLayout->addWidget(m_okButton);
    buttonLayout->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(m_tableWidget);
    layout->addLayout(buttonLayout);

    connect(m_okButton, &QPushButton::clicked, this,
            &DeviceVersionSelectionDialog::okButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &DeviceVersionSelectionDialog::reject);
    connect(m_tableWidget, &QTableWidget::itemDoubleClicked, this,
            &DeviceVersionSelectionDialog::tableWidgetItemDoubleClicked);

    retranslate();
    selectVersion(m_settings->deviceVersion());
    m_showAtStartupCheckBox->setChecked(m_settings->showAtStartup());
}

void DeviceVersionSelectionDialog::selectVersion(int version)
{
    if (version >= 0 && version < ConfigurationCount)
        m_tableWidget->selectRow(version);
}

int DeviceVersionSelectionDialog::selectedVersion() const
{
    const QList<QTableWidgetItem *> items = m_tableWidget->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void DeviceVersionSelectionDialog::setTableEnabled(bool enabled)
{
    m_tableWidget->setEnabled(enabled);
}

void DeviceVersionSelectionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void DeviceVersionSelectionDialog::showEvent(QShowEvent *event)
{
    // Opened again after a cancel: show what is stored, not what was clicked last time.
    selectVersion(m_settings->deviceVersion());
    m_showAtStartupCheckBox->setChecked(m_settings->showAtStartup());
    Dialog::showEvent(event);
}

void DeviceVersionSelectionDialog::okButtonClicked()
{
    store();
    accept();
}

void DeviceVersionSelectionDialog::tableWidgetItemDoubleClicked(QTableWidgetItem *item)
{
    if (!item || !m_tableWidget->isEnabled())
        return;
    m_tableWidget->selectRow(item->row());
    store();
    accept();
}

void DeviceVersionSelectionDialog::store()
{
    const int version = selectedVersion();
    if (version >= 0)
        m_settings->setDeviceVersion(version);
    m_settings->setShowAtStartup(m_showAtStartupCheckBox->isChecked());
}

void DeviceVersionSelectionDialog::retranslate()
{
    setWindowTitle(tr("Device Version Selection"));
    m_tableWidget->setHorizontalHeaderLabels({tr("Name"), tr("Analog Input"), tr("Analog Output"),
                                              tr("Dante Input"), tr("Dante Output"),
                                              tr("USB Rec/Play")});
    m_showAtStartupCheckBox->setText(tr("Show at startup"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
