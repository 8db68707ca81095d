#pragma once

#include <QListWidget>

// The list of the device panel. The right mouse button never selects a row (it only asks for
// the context menu of the row under the cursor), and an empty list shows a hint.
class ListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit ListWidget(QWidget *parent = nullptr);

    // Drawn centred while the list has no rows.
    void setPlaceholderText(const QString &text);
    QString placeholderText() const { return m_placeholderText; }

signals:
    // The row under the cursor of a context-menu request, or -1 over empty space.
    void contextMenuAtRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_placeholderText;
};
