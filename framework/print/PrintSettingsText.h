#pragma once
// A page format (PrintSettings without the values of one job) as a short
// text of "key=value" lines under a header line, and back.
#include <optional>
#include <string>

#include "framework/dialogs/PrintSettings.h"

std::string printSettingsText(const PrintSettings& settings);

// Values the text gives replace those of `base`; keys it does not name keep
// base's value, unknown keys and values that do not read are ignored.
// Text without our header is not a page format: nullopt.
std::optional<PrintSettings> printSettingsFromText(const std::string& text, const PrintSettings& base);
