#pragma once

#include "AECWidget2.h"

// Echo cancellation of the third generation (the 5.x firmware family): the block editor of the
// second generation with instructions and the diagram of the echo canceller.
class AECWidget3 : public AECWidget2
{
    Q_OBJECT

public:
    explicit AECWidget3(DataModel *model, QWidget *parent = nullptr);

    QPushButton *infoButton() const { return m_info; }

public slots:
    void infoButtonClicked();

protected:
    void retranslate() override;

private:
    QPushButton *m_info;
};
