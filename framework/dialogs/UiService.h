#pragma once
// The one gateway for every modal or blocking call of the user interface:
// message boxes, the question dialog, open and save dialogs, the colour
// picker, page setup, the printer dialog, pop-up menus, drags, speech and
// opening a URL. The real service uses Qt; tests install a scripted one that
// answers from a script, so no test ever blocks on a dialog.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/dialogs/DialogRequests.h"
#include "framework/dialogs/PrintSettings.h"

class MenuItem;

class UiService {
public:
    virtual ~UiService() = default;

    // Answers one of the MsgBox codes (see DialogRequests.h).
    virtual int32_t MsgBox(const MsgBoxRequest& request) = 0;
    virtual MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) = 0;
    // The chosen file's path, or nullopt when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // Starts at color (0xRRGGBB); on OK writes the choice back and answers True.
    virtual bool selectColor(uint32_t& color, const std::string& prompt) = 0;
    // On OK replaces settings and answers True; on Cancel leaves them.
    virtual bool pageSetup(PrintSettings& settings) = 0;
    virtual bool printerDialog(PrintSettings& settings) = 0;
    // Shows the children of menu as a pop-up at screen (x, y); the chosen
    // item (somewhere below menu) or nullptr.
    virtual MenuItem* popUpMenu(MenuItem& menu, int32_t x, int32_t y) = 0;
    virtual DragResult startDrag(const DragRequest& request) = 0;
    // Answers whether the speech can be heard: false when this computer has
    // no sound output or no speech voice, so the caller can say so instead
    // of leaving the user waiting for a voice that never comes.
    virtual bool speak(const std::string& text, bool interrupt) = 0;
    virtual bool openURL(const std::string& url) = 0;

    // The speech engine the real service hands speak() to. The speech module
    // installs it; without one, speaking does nothing and is not heard.
    using SpeechEngine = std::function<bool(const std::string& text, bool interrupt)>;
    static void setSpeechEngine(SpeechEngine engine);
    static const SpeechEngine& speechEngine();
};

// The service in use: the one installed, else the real Qt service, behind
// the gate that runs modal boxes in a ModalSession (framework/ui/ModalSession.h).
UiService& uiService();
// The service behind the gate: the one installed, else the real one.
UiService& installedUiService();
// Installs a service (nullptr = back to the real one); answers the previous.
std::unique_ptr<UiService> setUiService(std::unique_ptr<UiService> service);
