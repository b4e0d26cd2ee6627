#pragma once
#include "core/BodyTag.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tw::platform {
class Clipboard;
class ColorDialog;
class Prompter;
class SystemColors;
} // namespace tw::platform

namespace tw {

class SettingsWrites;
class Swatch;

// frmHTML, "HTML Stylesheet Editor": the five colours of an HTML body tag (background, text, link, visited link,
// active link), a small preview of a page in those colours and the body tag as text. The colours live as long
// as the window: closing it (after its question) loses them; only the written form of the tag ("quotes",
// "num") is kept in the settings.
class HtmlWindow : public QDialog {
    Q_OBJECT
public:
    struct Services {
        platform::Prompter& prompter;
        platform::Clipboard& clipboard;
        platform::ColorDialog& colorDialog;
        platform::SystemColors& systemColors;
        SettingsWrites& writes;
    };
    HtmlWindow(Services services, QWidget& mainWindow);

    // The swatch menu's entries, one per attribute.
    void ApplyBG(core::ColorValue color);
    void ApplyText(core::ColorValue color);
    void ApplyLink(core::ColorValue color);
    void ApplyVLink(core::ColorValue color);
    void ApplyALink(core::ColorValue color);
    // The attribute takes colour (an ordinary colour): its "Empty" label goes, the preview shows the colour and
    // the tag is written afresh.
    void apply(core::BodyAttribute attribute, core::ColorValue color);

    // Nothing while the attribute is unset (its box shows "Empty").
    std::optional<core::ColorValue> attributeColor(core::BodyAttribute attribute) const;
    QString codeText() const;

    // A click on an attribute's box or its "Empty" label: the colour dialog, starting on the colour the previous
    // dialog of this window returned (black at first and after a cancel).
    void pickColor(core::BodyAttribute attribute);
    void copyCode();
    // Each asks first; No changes nothing.
    void reset();
    void makeWebSafe();
    // "Click here": shows the active link colour while its message is up, then the visited link colour until
    // Timer1 puts the link colour back.
    void clickHere();
    void Timer1_Timer();

    // Escape asks as the close button does.
    void reject() override;

    Swatch* box(core::BodyAttribute attribute) const { return m_boxes[Index(attribute)]; }

Q_SIGNALS:
    void minimized();
    // Closed with Yes: the window is about to be deleted.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t Index(core::BodyAttribute attribute) { return static_cast<std::size_t>(attribute); }
    void generateCode();
    // Every attribute unset: the boxes and the page in the empty colour, the texts in the button text colour,
    // no tag.
    void showAllUnset();
    core::BodyTagForm form() const;
    core::ColorValue buttonTextColor() const;
    // What lblPLink shows: the link colour, or the button text colour while the link is unset.
    core::ColorValue linkPreviewColor() const;
    void buildUi();

    Services m_services;
    core::BodyColors m_colors;
    // The colour the last dialog returned; the next one starts on it.
    core::ColorValue m_dialogColor = 0;

    std::array<Swatch*, core::kBodyAttributeCount> m_boxes {};
    std::array<QLabel*, core::kBodyAttributeCount> m_previewLabels {};
    QWidget* picPreview = nullptr;
    QLabel* lblPClick = nullptr;
    QCheckBox* chkNum = nullptr;
    QCheckBox* chkQuotes = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace tw
