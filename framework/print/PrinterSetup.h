#pragma once
// The page setup of print jobs: paper, orientation, margins and printer, with
// the page geometry the printing code lays its pages out by. Units are points
// (72 to the inch), the units of the print graphics.
//
// The print graphics' origin is the corner of the printable area (inside the
// margins). Left and Top give the paper's corner in those units, so they are
// minus the margins: something drawn at Left + 75 lies 75 points from the
// paper's edge whatever the margins are.
#include <cstdint>
#include <string>

#include "framework/dialogs/PrintSettings.h"

class Window;

class PrinterSetup {
public:
    // Default settings: the paper size of the user's locale, portrait, half-inch margins.
    PrinterSetup();
    explicit PrinterSetup(const PrintSettings& settings);

    // Shows the page-setup dialog, modal over the front window (the parent
    // in every use). On OK the choice replaces these settings and True comes
    // back; Cancel changes nothing.
    bool PageSetupDialog(Window* parent = nullptr);

    // Page geometry in points, from the current settings.
    int32_t Left() const { return left_; }  // the paper's left edge relative to the printable area (<= 0)
    int32_t Top() const { return top_; }    // the paper's top edge relative to the printable area (<= 0)
    int32_t Width() const { return width_; }    // of the printable area
    int32_t Height() const { return height_; }  // of the printable area
    int32_t PageLeft() const { return left_; }
    int32_t PageTop() const { return top_; }
    int32_t PageWidth() const { return pageWidth_; }  // of the paper
    int32_t PageHeight() const { return pageHeight_; }

    // The page format as text, to keep between sessions. Copies, page range
    // and output file belong to one job and are not part of it. Setting a
    // text that is not one of ours changes nothing and answers False.
    std::string SetupString() const;
    bool SetSetupString(const std::string& text);

    const PrintSettings& Settings() const { return settings_; }
    // Takes the page format of `settings` (a confirmed printer dialog); the
    // job values stay out of the setup.
    void takePageFormat(const PrintSettings& settings);

private:
    void setSettings(const PrintSettings& settings);

    PrintSettings settings_;
    // Worked out when the settings change, so reading the geometry is cheap.
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, pageWidth_ = 0, pageHeight_ = 0;
};
