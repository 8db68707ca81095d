#pragma once

#include <QObject>
#include <QString>

class SystemSettings;

// Applies what the settings choose to the running application: the translation of the chosen
// language, the style sheet and painting colours of the chosen appearance, and the icon font.
// It applies the current choice when built and follows every later change of the settings.
class Appearance : public QObject
{
    Q_OBJECT

public:
    explicit Appearance(SystemSettings *settings, QObject *parent = nullptr);

    // Font family of the icon font ("FontAwesome" when it could not be registered).
    static QString iconFontFamily();

private:
    void applyLanguage(int language);
    void applyAppearance(int dark);
};
