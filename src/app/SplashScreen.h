#pragma once

#include <QSplashScreen>

class QLabel;
class QProgressBar;

// The start-up splash: product title, a loading line with a thin progress bar and the
// application version, over a rounded plate in the colour of the appearance. The one splash is
// reachable process-wide while it exists, so that the main window can report its progress.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    SplashScreen(const QPixmap &plate, const QString &title);
    ~SplashScreen() override;

    static SplashScreen *instance();
    // Sets the progress of the splash if one exists.
    static void reportProgress(int value);

    // The 400 x 100 plate: #303133 for the dark appearance, #ECECEC for the light one, with
    // rounded corners (transparent outside).
    static QPixmap plate(bool dark);

    void setProgress(int value);
    int progress() const;

private:
    QLabel *m_titleLabel;
    QLabel *m_loadingLabel;
    QProgressBar *m_progressBar;
    QLabel *m_versionLabel;
};
