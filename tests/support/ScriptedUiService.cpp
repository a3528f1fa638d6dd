#include "tests/support/ScriptedUiService.h"

#include <gtest/gtest.h>

#include <sstream>

#include "framework/dialogs/DialogButtons.h"
#include "framework/dialogs/DragMimeData.h"
#include "tests/support/DropEvents.h"

#include <QMimeData>
#include <QPoint>
#include <QWidget>
#include <memory>
#include "framework/menus/MenuItem.h"
#include "framework/print/PrintSettingsText.h"

namespace {

std::string describe(const ScriptedUiService::TextMatcher& matcher) {
    std::ostringstream text;
    matcher.DescribeTo(&text);
    return text.str();
}

void recordButtons(UiCall& call, const DialogButtons& buttons) {
    for (const DialogButton& button : buttons.buttons) call.captions.push_back(button.caption);
    if (const DialogButton* preferred = buttons.defaultButton()) call.defaultCaption = preferred->caption;
}

MenuItem* findByText(MenuItem& menu, const std::string& text) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        MenuItem& item = *menu.Item(i);
        if (!item.isSeparator() && item.Text == text) return &item;
        if (MenuItem* below = findByText(item, text)) return below;
    }
    return nullptr;
}

}  // namespace

const char* uiCallKindName(UiCallKind kind) {
    switch (kind) {
    case UiCallKind::MsgBox: return "MsgBox";
    case UiCallKind::MessageDialog: return "MessageDialog";
    case UiCallKind::OpenFile: return "OpenDialog";
    case UiCallKind::SaveFile: return "SaveAsDialog";
    case UiCallKind::SelectColor: return "SelectColor";
    case UiCallKind::PageSetup: return "page setup";
    case UiCallKind::PrinterDialog: return "printer dialog";
    case UiCallKind::PopUp: return "pop-up menu";
    case UiCallKind::Drag: return "drag";
    }
    return "?";
}

ScriptedUiService& ScriptedUiService::expect(Expectation expectation) {
    script_.push_back(std::move(expectation));
    return *this;
}

ScriptedUiService& ScriptedUiService::expectMsgBox(TextMatcher text, int32_t answer,
                                                   std::function<void()> whileShown) {
    Expectation e(UiCallKind::MsgBox, text);
    e.msgBoxAnswer = answer;
    e.whileShown = std::move(whileShown);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectMessageDialog(TextMatcher message, MessageDialogChoice answer) {
    Expectation e(UiCallKind::MessageDialog, message);
    e.choice = answer;
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectMessageDialogPressing(TextMatcher message, std::string caption) {
    Expectation e(UiCallKind::MessageDialog, message);
    e.pressCaption = std::move(caption);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectOpenFile(std::optional<std::string> path) {
    Expectation e(UiCallKind::OpenFile);
    e.path = std::move(path);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectSaveFile(std::optional<std::string> path) {
    Expectation e(UiCallKind::SaveFile);
    e.path = std::move(path);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectSelectColor(std::optional<uint32_t> chosen) {
    Expectation e(UiCallKind::SelectColor);
    e.color = chosen;
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectPageSetup(std::optional<PrintSettings> confirmed) {
    Expectation e(UiCallKind::PageSetup);
    e.settings = std::move(confirmed);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectPrinterDialog(std::optional<PrintSettings> confirmed) {
    Expectation e(UiCallKind::PrinterDialog);
    e.settings = std::move(confirmed);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectPopUp(std::optional<std::string> chooseText) {
    Expectation e(UiCallKind::PopUp);
    e.popUpChoice = std::move(chooseText);
    return expect(std::move(e));
}

ScriptedUiService& ScriptedUiService::expectDrag(DragResult result) {
    Expectation e(UiCallKind::Drag);
    e.drag = result;
    return expect(std::move(e));
}

std::vector<std::string> ScriptedUiService::messages() const {
    std::vector<std::string> texts;
    for (const UiCall& call : calls_)
        if (call.kind == UiCallKind::MsgBox || call.kind == UiCallKind::MessageDialog) texts.push_back(call.text);
    return texts;
}

void ScriptedUiService::verifyAllUsed() {
    for (const Expectation& e : script_) {
        ADD_FAILURE() << "Expected " << uiCallKindName(e.kind)
                      << (e.text ? " with text " + describe(*e.text) : std::string()) << " was never shown";
    }
    script_.clear();
}

std::optional<ScriptedUiService::Expectation> ScriptedUiService::take(UiCall call) {
    calls_.push_back(call);
    const std::string shown = std::string(uiCallKindName(call.kind)) + " \"" + call.text + "\"";
    if (script_.empty()) {
        ADD_FAILURE() << "Unexpected " << shown << " (no dialog was expected)";
        return std::nullopt;
    }
    if (script_.front().kind != call.kind) {
        // The expectation stays: the awaited dialog may still come.
        ADD_FAILURE() << "Unexpected " << shown << " (expected a " << uiCallKindName(script_.front().kind) << ")";
        return std::nullopt;
    }
    Expectation next = std::move(script_.front());
    script_.pop_front();
    if (next.text && !next.text->Matches(call.text))
        ADD_FAILURE() << shown << " does not match the expected text: " << describe(*next.text);
    return next;
}

int32_t ScriptedUiService::MsgBox(const MsgBoxRequest& request) {
    UiCall call(UiCallKind::MsgBox, request.title, request.text);
    DialogButtons buttons = msgBoxButtons(request.buttons);
    recordButtons(call, buttons);
    auto e = take(call);
    if (e && e->whileShown) e->whileShown();
    return e ? e->msgBoxAnswer : buttons.escapeAnswer;
}

MessageDialogChoice ScriptedUiService::showMessageDialog(const MessageDialogRequest& request) {
    UiCall call(UiCallKind::MessageDialog, request.title, request.message, request.explanation);
    DialogButtons buttons = messageDialogButtons(request);
    recordButtons(call, buttons);
    const auto cancel = static_cast<MessageDialogChoice>(buttons.escapeAnswer);
    auto e = take(call);
    if (!e) return cancel;
    if (!e->pressCaption) return e->choice;
    for (const DialogButton& button : buttons.buttons)
        if (button.caption == *e->pressCaption) return static_cast<MessageDialogChoice>(button.answer);
    ADD_FAILURE() << "MessageDialog \"" << request.message << "\" has no visible button \"" << *e->pressCaption << "\"";
    return cancel;
}

std::optional<std::string> ScriptedUiService::openFile(const FileDialogRequest& request) {
    UiCall call(UiCallKind::OpenFile, request.title, request.promptText);
    call.captions = {request.actionButtonCaption, request.cancelButtonCaption};
    call.file = request;
    auto e = take(call);
    return e ? e->path : std::nullopt;
}

std::optional<std::string> ScriptedUiService::saveFile(const FileDialogRequest& request) {
    UiCall call(UiCallKind::SaveFile, request.title, request.promptText);
    call.captions = {request.actionButtonCaption, request.cancelButtonCaption};
    call.file = request;
    auto e = take(call);
    return e ? e->path : std::nullopt;
}

bool ScriptedUiService::selectColor(uint32_t& color, const std::string& prompt) {
    auto e = take(UiCall(UiCallKind::SelectColor, "", prompt));
    if (!e || !e->color) return false;
    color = *e->color & 0xFFFFFF;
    return true;
}

bool ScriptedUiService::pageSetup(PrintSettings& settings) {
    // The settings the dialog opens on, as their text.
    auto e = take(UiCall(UiCallKind::PageSetup, "", printSettingsText(settings)));
    if (!e || !e->settings) return false;
    settings = *e->settings;
    return true;
}

bool ScriptedUiService::printerDialog(PrintSettings& settings) {
    auto e = take(UiCall(UiCallKind::PrinterDialog, "", printSettingsText(settings)));
    if (!e || !e->settings) return false;
    settings = *e->settings;
    return true;
}

MenuItem* ScriptedUiService::popUpMenu(MenuItem& menu, int32_t x, int32_t y) {
    UiCall call(UiCallKind::PopUp);
    for (int32_t i = 0; i < menu.Count(); ++i) {
        call.captions.push_back(menu.Item(i)->Text);
        call.checked.push_back(menu.Item(i)->Checked);
    }
    call.x = x;
    call.y = y;
    auto e = take(call);
    if (!e || !e->popUpChoice) return nullptr;
    MenuItem* chosen = findByText(menu, *e->popUpChoice);
    if (!chosen) ADD_FAILURE() << "The pop-up menu has no item \"" << *e->popUpChoice << "\" to choose";
    return chosen;
}

void ScriptedUiService::pointerMovedTo(int32_t x, int32_t y) { pointer_ = std::make_pair(x, y); }

DragResult ScriptedUiService::startDrag(const DragRequest& request) {
    UiCall call(UiCallKind::Drag, "", request.text);
    auto e = take(call);
    if (!e) return DragResult::None;
    QPoint local;
    QWidget* target = pointer_ ? widgetAtScreen(QPoint(pointer_->first, pointer_->second), local) : nullptr;
    DragResult result = e->drag;
    if (target) {
        std::unique_ptr<QMimeData> data(newMimeDataFor(request));
        result = sendDropEvents(target, local, *data) ? DragResult::Copy : DragResult::None;
    }
    UiCall& recorded = calls_.back();
    recorded.droppedInProgram = target != nullptr;
    recorded.dragResult = result;
    if (pointer_) {
        recorded.x = pointer_->first;
        recorded.y = pointer_->second;
    }
    return result;
}

bool ScriptedUiService::speak(const std::string& text, bool interrupt) {
    spoken_.emplace_back(text, interrupt);
    return speechHeard_;
}

bool ScriptedUiService::openURL(const std::string& url) {
    urls_.push_back(url);
    return browserAvailable_;
}

ScopedScriptedUi::ScopedScriptedUi() {
    auto service = std::make_unique<ScriptedUiService>();
    service_ = service.get();
    previous_ = setUiService(std::move(service));
}

ScopedScriptedUi::~ScopedScriptedUi() {
    auto mine = setUiService(std::move(previous_));
    service_->verifyAllUsed();
}
