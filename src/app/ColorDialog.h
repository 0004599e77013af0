// The colour dialog: three swatches for the colours of the added figures, the subtracted figures
// and the auxiliary grid dots, loaded from the colour file when the dialog opens. A click on a
// swatch asks for a new colour; "Default" puts the default colours on the swatches; "OK" writes
// the swatch colours to the colour file and reports them with colorsAccepted, "Cancel" closes
// without any change. Modeless: create it with new and show() it; it deletes itself when closed.
#pragma once

#include <QDialog>
#include <QMetaType>
#include <cstdint>
#include <functional>

#include "io/ColorFile.h"

namespace kuvanto {

class ColorSwatch;
class Messenger;

class ColorDialog : public QDialog {
    Q_OBJECT
public:
    // Asks the user for a colour; returns it as 0x00BBGGRR, or 0 when cancelled.
    using ColorChooser = std::function<std::int32_t(QWidget* owner)>;

    ColorDialog(const QString& clIniPath, Messenger& messenger, QWidget* parent = nullptr);

    // The platform colour dialog, opened on black with sixteen black custom colours (fresh at
    // every call). Black therefore reads as "no choice".
    static std::int32_t getColorValue(QWidget* owner);

    // Replaces the colour question (tests answer without a dialog).
    void setColorChooser(ColorChooser chooser);

    // The colours on the swatches: added, subtracted, grid.
    DrawColors swatchColors() const;

signals:
    // After "OK" wrote the colour file: the colours now in force.
    void colorsAccepted(kuvanto::DrawColors colors);

private:
    void previewClicked(ColorSwatch* swatch);
    void setSwatches(const DrawColors& colors);
    void okClicked();
    void defaultClicked();

    QString clIniPath_;
    Messenger& messenger_;
    ColorChooser chooser_;
    ColorSwatch* addedSwatch_;
    ColorSwatch* subtractedSwatch_;
    ColorSwatch* gridSwatch_;
};

}  // namespace kuvanto

Q_DECLARE_METATYPE(kuvanto::DrawColors)
