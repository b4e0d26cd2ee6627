#pragma once
#include <QObject>
#include <QString>

namespace tw {

class SettingsWrites;

// The bare name of the palette or colour file last opened or saved, and the window caption that shows it:
// "Tintwise Color Picker - " + name, or "Tintwise Color Picker " with one trailing space when there is none.
// Each change is stored as "Cap".
class CurrentFile : public QObject {
    Q_OBJECT
public:
    explicit CurrentFile(SettingsWrites& writes, QObject* parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString& name);
    static QString captionOf(const QString& name);

Q_SIGNALS:
    void captionChanged(const QString& caption);

private:
    SettingsWrites& m_writes;
    QString m_name;
};

} // namespace tw
