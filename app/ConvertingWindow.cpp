#include "app/ConvertingWindow.h"

#include "framework/ui/ImplicitWindows.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/ProgressBar.h"

namespace {

// The bar the conversion refreshes as rows go by. Refreshing it repaints
// the whole window, as the window's own refresh would: a repaint of the bar
// alone leaves the rest of a window that was covered, or has just been
// shown, unpainted while the conversion keeps the program busy.
class ConversionBar : public ProgressBar {
public:
    void Refresh(bool eraseBackground = true) override {
        if (refreshingWindow_) return ProgressBar::Refresh(eraseBackground);
        refreshingWindow_ = true;
        Window()->Refresh(eraseBackground);  // which refreshes this bar too
        refreshingWindow_ = false;
    }

private:
    bool refreshingWindow_ = false;
};

}  // namespace

ConvertingWindow::ConvertingWindow() {
    Title = std::string("Converting Database...");
    Width = 345;
    Height = 78;
    MinWidth = 64;
    MinHeight = 64;
    MaxWidth = 32000;
    MaxHeight = 32000;
    Frame = static_cast<int32_t>(FloatingFrame);
    Resizeable = false;
    CloseButton = true;
    Visible = true;

    TempField = add<EditField>("TempField");
    TempField->Styled = true;
    TempField->MultiLine = true;
    TempField->Left = 20;
    TempField->Top = 14;
    TempField->Width = 305;
    TempField->Height = 12;
    TempField->Visible = false;
    TempField->ReadOnly = true;
    TempField->Border = true;
    TempField->ScrollbarVertical = true;
    TempField->ScrollbarHorizontal = false;
    TempField->TextFont = std::string("System");
    TempField->TextSize = 0.0;
    TempField->TextColor = Color(0x000000);

    conversionBar = add<ConversionBar>("conversionBar");
    conversionBar->Left = 20;
    conversionBar->Top = 38;
    conversionBar->Width = 305;
    conversionBar->Height = 20;
    conversionBar->Maximum = 100;
    conversionBar->Value = 0;
}

std::string ConvertingWindow::rtfOfPlainText(const std::string& plainText) const {
    TextStyle style;
    style.Font = TempField->TextFont;
    style.Size = TempField->TextSize;
    style.TextColor = TempField->TextColor;
    return StyledText(plainText, style).RTFData();
}

std::optional<std::string> ConvertingWindow::plainTextOfRtf(const std::string& rtf) const {
    // Empty text would read as an empty document: it is no RTF here.
    StyledText text;
    if (rtf.empty() || !text.SetRTFData(rtf)) return std::nullopt;
    return text.Text();
}

ConvertingWindow& Converting() { return implicitInstance<ConvertingWindow>(); }
