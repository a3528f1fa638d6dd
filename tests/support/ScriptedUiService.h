#pragma once
// The UiService of the tests. A test scripts the dialogs it expects, in
// order, with the answers the "user" gives; every call is recorded with its
// texts, captions and default button. A call nobody expected, or one that
// does not match the next expectation, fails the running test and answers
// the harmless choice (Cancel, no file, no item) instead of blocking.
// Speech and opened URLs are not dialogs: they are recorded, never scripted.
// Every modal call reaches it through the framework's gate (uiService()), so
// it deactivates the active window and reactivates it on return, as a real
// box does on X11; a drag drops where the driver's pointer is.
#include <gmock/gmock.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialogs/UiService.h"

enum class UiCallKind { MsgBox, MessageDialog, OpenFile, SaveFile, SelectColor, PageSetup, PrinterDialog, PopUp, Drag };
const char* uiCallKindName(UiCallKind kind);

struct UiCall {
    explicit UiCall(UiCallKind kind, std::string title = "", std::string text = "", std::string explanation = "")
        : kind(kind), title(std::move(title)), text(std::move(text)), explanation(std::move(explanation)) {}

    UiCallKind kind;
    std::string title;
    std::string text;         // MsgBox text, dialog message, file prompt, colour prompt,
                              // the page format a page-setup or printer dialog opens on
    std::string explanation;  // MessageDialog explanation
    // Visible buttons (Action, Cancel, Alternate for a MessageDialog; the
    // MsgBox set's buttons), or the items of a pop-up menu.
    std::vector<std::string> captions;
    std::string defaultCaption;
    std::vector<bool> checked;  // pop-up items
    int32_t x = 0, y = 0;       // pop-up position; for a drag, where it was dropped
    // A drag: whether one of the program's own windows was under the pointer
    // at its end, and the action the drop took there.
    bool droppedInProgram = false;
    DragResult dragResult = DragResult::None;
    FileDialogRequest file;     // open and save dialogs
};

class ScriptedUiService : public UiService {
public:
    using TextMatcher = testing::Matcher<const std::string&>;

    // Scripting, in the order the calls must come. Each returns *this.
    // `whileShown` runs while the box is up, to look at what the program
    // has done by then.
    ScriptedUiService& expectMsgBox(TextMatcher text, int32_t answer = 1, std::function<void()> whileShown = {});
    ScriptedUiService& expectMessageDialog(TextMatcher message, MessageDialogChoice answer);
    // Presses the visible button with this caption ("&Yes").
    ScriptedUiService& expectMessageDialogPressing(TextMatcher message, std::string caption);
    // nullopt = the user cancels.
    ScriptedUiService& expectOpenFile(std::optional<std::string> path);
    ScriptedUiService& expectSaveFile(std::optional<std::string> path);
    ScriptedUiService& expectSelectColor(std::optional<uint32_t> chosen);
    ScriptedUiService& expectPageSetup(std::optional<PrintSettings> confirmed);
    ScriptedUiService& expectPrinterDialog(std::optional<PrintSettings> confirmed);
    // Chooses the first item with this text anywhere in the pop-up; nullopt = dismissed.
    ScriptedUiService& expectPopUp(std::optional<std::string> chooseText);
    // A drag the program starts. It ends as a real one does: dropped where
    // the pointer is (pointerMovedTo), on the program's own window or control
    // if one is there, the source itself included (which refuses it); the
    // action the target took is the answer. Only a drop outside every window
    // of the program (another program) answers `elsewhere`.
    ScriptedUiService& expectDrag(DragResult elsewhere = DragResult::Copy);
    // The simulated pointer's screen position (the test driver keeps it).
    void pointerMovedTo(int32_t x, int32_t y);

    const std::vector<UiCall>& calls() const { return calls_; }
    // The texts of every MsgBox and MessageDialog message shown, in order.
    std::vector<std::string> messages() const;
    const std::vector<std::pair<std::string, bool>>& spoken() const { return spoken_; }
    // Speech is recorded and counts as heard, unless a test plays a computer
    // without sound output.
    void setSpeechHeard(bool heard) { speechHeard_ = heard; }
    // Opened addresses are recorded and count as opened, unless a test plays
    // a computer without a web browser.
    void setBrowserAvailable(bool available) { browserAvailable_ = available; }
    const std::vector<std::string>& openedURLs() const { return urls_; }
    size_t pendingExpectations() const { return script_.size(); }
    // Fails the test for every expectation not used yet, and forgets them.
    void verifyAllUsed();

    int32_t MsgBox(const MsgBoxRequest& request) override;
    MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    bool selectColor(uint32_t& color, const std::string& prompt) override;
    bool pageSetup(PrintSettings& settings) override;
    bool printerDialog(PrintSettings& settings) override;
    MenuItem* popUpMenu(MenuItem& menu, int32_t x, int32_t y) override;
    DragResult startDrag(const DragRequest& request) override;
    bool speak(const std::string& text, bool interrupt) override;
    bool openURL(const std::string& url) override;

private:
    struct Expectation {
        explicit Expectation(UiCallKind kind, std::optional<TextMatcher> text = std::nullopt)
            : kind(kind), text(std::move(text)) {}

        UiCallKind kind;
        std::optional<TextMatcher> text;
        int32_t msgBoxAnswer = 1;
        std::function<void()> whileShown;
        MessageDialogChoice choice = MessageDialogChoice::Cancel;
        std::optional<std::string> pressCaption;
        std::optional<std::string> path;
        std::optional<uint32_t> color;
        std::optional<PrintSettings> settings;
        std::optional<std::string> popUpChoice;
        DragResult drag = DragResult::None;
    };

    ScriptedUiService& expect(Expectation expectation);
    // Records the call, then takes the next expectation if it is of this
    // kind and its text matches; otherwise fails the test.
    std::optional<Expectation> take(UiCall call);

    std::deque<Expectation> script_;
    std::vector<UiCall> calls_;
    std::vector<std::pair<std::string, bool>> spoken_;
    bool speechHeard_ = true;
    bool browserAvailable_ = true;
    std::vector<std::string> urls_;
    std::optional<std::pair<int32_t, int32_t>> pointer_;
};

// Installs a ScriptedUiService for its own lifetime (a test body or a
// fixture member), then puts the previous service back and fails the test
// for any expectation left unused.
class ScopedScriptedUi {
public:
    ScopedScriptedUi();
    ~ScopedScriptedUi();
    ScopedScriptedUi(const ScopedScriptedUi&) = delete;
    ScopedScriptedUi& operator=(const ScopedScriptedUi&) = delete;

    ScriptedUiService& operator*() { return *service_; }
    ScriptedUiService* operator->() { return service_; }

private:
    ScriptedUiService* service_;
    std::unique_ptr<UiService> previous_;
};
