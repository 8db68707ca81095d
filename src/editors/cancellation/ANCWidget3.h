#pragma once

#include "ANCWidget2.h"

// Noise cancellation of the third generation (the 5.x firmware family): the block editor of the
// second generation with instructions and the diagram of the noise canceller.
class ANCWidget3 : public ANCWidget2
{
    Q_OBJECT

public:
    explicit ANCWidget3(DataModel *model, QWidget *parent = nullptr);

    QPushButton *infoButton() const { return m_info; }

public slots:
    void infoButtonClicked();

protected:
    void retranslate() override;

private:
    QPushButton *m_info;
};
