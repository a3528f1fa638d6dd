#pragma once
// The small floating window that shows how far the conversion of the recipe
// texts has got. Its hidden styled field TempField is the converter: its
// font, size and colour are the style plain text takes when it becomes RTF.
// It has no menu bar and binds no menu item. Refreshing its bar repaints the
// whole window.
#include <optional>
#include <string>

#include "framework/ui/Window.h"

class EditField;
class ProgressBar;

class ConvertingWindow : public Window {
public:
    ConvertingWindow();

    EditField* TempField;
    ProgressBar* conversionBar;

    // The plain text as RTF in TempField's style.
    std::string rtfOfPlainText(const std::string& plainText) const;
    // The plain text of an RTF document; nothing when the text is not RTF.
    std::optional<std::string> plainTextOfRtf(const std::string& rtf) const;
};

// The one instance, built (and shown) on first use; a closed one is
// replaced by a fresh one, so callers reach it through here every time.
ConvertingWindow& Converting();
