// The colour dialog: three swatches for the colours of the added figures, the subtracted figures
// and the auxiliary grid dots, loaded from the colour file when the dialog opens. A click on a
// swatch asks for a new colour; "Default" puts the default colours on the swatches; "OK" writes
// the swatch colours to the colour file and reports them with Colors_Accepted, "Cancel" closes
// without any change. Modeless: create it with new and show() it; it deletes itself when closed.
#pragma once

#include <QDialog>
#include <QMetaType>
#include <cstdint>
#include <functional>

#include "ColorFile.h"

namespace kuvanto {

class ColorSwatch;
class Messenger;

class Set_Color_Form : public QDialog {
    Q_OBJECT
public:
    // Asks the user for a colour; returns it as 0x00BBGGRR, or 0 when cancelled.
    using Color_Chooser = std::function<std::int32_t(QWidget* owner)>;

    Set_Color_Form(const QString& cl_ini_path, Messenger& messenger, QWidget* parent = nullptr);

    // The platform colour dialog, opened on black with sixteen black custom colours (fresh at
    // every call). Black therefore reads as "no choice".
    static std::int32_t GetColorValue(QWidget* owner);

    // Replaces the colour question (tests answer without a dialog).
    void Set_Color_Chooser(Color_Chooser chooser);

    // The colours on the swatches: added, subtracted, grid.
    DrawColors Swatch_Colors() const;

signals:
    // After "OK" wrote the colour file: the colours now in force.
    void Colors_Accepted(kuvanto::DrawColors colors);

private:
    void Picture_Click(ColorSwatch* swatch);
    void Set_Swatches(const DrawColors& colors);
    void OK_Click();
    void Default_Click();

    QString cl_ini_path_;
    Messenger& messenger_;
    Color_Chooser chooser_;
    ColorSwatch* picture1_;
    ColorSwatch* picture2_;
    ColorSwatch* picture3_;
};

}  // namespace kuvanto

Q_DECLARE_METATYPE(kuvanto::DrawColors)
