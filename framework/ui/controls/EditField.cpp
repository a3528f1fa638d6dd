#include "framework/ui/controls/EditField.h"
#include "framework/ui/HandlerScope.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>
#include <QWidget>

#include "framework/graphics/FontMapping.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ControlInputFilter.h"
#include "framework/ui/controls/LineEditorAdapter.h"
#include "framework/ui/controls/OneLineEdit.h"
#include "framework/ui/controls/TextEditAdapter.h"
#include "framework/ui/controls/TextPositions.h"
#include "framework/ui/controls/TextScrolling.h"

namespace {

Qt::Alignment qtAlignment(int32_t code) {
    switch (code) {
    case 2: return Qt::AlignHCenter;
    case 3: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

QColor qtColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace

EditField::EditField()
    : MultiLine(false),
      Text([this] { return adapter_->text(); },
           [this](const std::string& text) {
               changeByCode([&] { isStyled() ? setPlainTextStyled(text) : adapter_->setText(text); });
           }),
      SelStart([this] { return selection().first; },
               [this](const int32_t& start) { select(start, 0); }),
      SelLength([this] { return selection().second; },
                [this](const int32_t& length) { select(selection().first, length); }),
      SelText(
          [this] {
              int a = adapter_->anchor(), p = adapter_->position();
              return frameworkTextFromRaw(adapter_->qtText().mid(std::min(a, p), std::abs(a - p)));
          },
          [this](const std::string& text) {
              changeByCode([&] { adapter_->replaceSelection(QString::fromStdString(text)); });
          }),
      ReadOnly(false), AcceptTabs(false), Password(false), Border(true), LimitText(0), Alignment(0),
      TextFont(std::string("System")), TextSize(0.0), Bold(false), Italic(false), Underline(false),
      TextColor(0x000000), BackColor(0xFFFFFF), ScrollbarVertical(false), ScrollbarHorizontal(false),
      ScrollPosition([this] { return textEdit() ? topVisibleLine(*textEdit()) : 0; },
                     [this](const int32_t& line) {
                         if (textEdit()) scrollToLine(*textEdit(), std::max(line, 0));
                     }),
      host_(new QWidget) {
    auto* layout = new QVBoxLayout(host_);
    layout->setContentsMargins(0, 0, 0, 0);
    setWidget(host_);
    AcceptFocus = true;
    buildEditor(false);

    MultiLine.onChange([this](const bool& multi) {
        if ((textEdit() != nullptr) != multi) buildEditor(multi);
    });
    ReadOnly.onChange([this](const bool& v) { adapter_->setReadOnly(v); });
    AcceptTabs.onChange([this](const bool& v) { adapter_->setAcceptTabs(v); });
    Password.onChange([this](const bool& v) { adapter_->setPassword(v); });
    Border.onChange([this](const bool& v) { adapter_->setBorder(v); });
    LimitText.onChange([this](const int32_t& v) { adapter_->setLimit(v); });
    Alignment.onChange([this](const int32_t& v) {
        if (isStyled()) alignAllParagraphs(v);
        else changeByCode([&] { adapter_->setAlignment(qtAlignment(v)); });
    });
    // On a styled field the field's own style also goes onto all the text.
    // The member is captured under a name of its own: clang before 16 cannot
    // capture a structured binding.
    for (auto [p, flag] : {std::pair{&Bold, &TextStyle::Bold}, std::pair{&Italic, &TextStyle::Italic},
                           std::pair{&Underline, &TextStyle::Underline}})
        p->onChange([this, member = flag](const bool& v) {
            applyLook();
            changeWholeFieldStyle([&](TextStyle& s) { s.*member = v; });
        });
    TextFont.onChange([this](const std::string& v) {
        applyLook();
        changeWholeFieldStyle([&](TextStyle& s) { s.Font = v; });
    });
    TextSize.onChange([this](const double& v) {
        applyLook();
        changeWholeFieldStyle([&](TextStyle& s) { s.Size = v > 0 ? v : 0; });
    });
    TextColor.onChange([this](const Color& v) {
        applyLook();
        changeWholeFieldStyle([&](TextStyle& s) { s.TextColor = v; });
    });
    BackColor.onChange([this](const Color&) { applyLook(); });
    Styled.onChange([this](const bool&) { applyStyled(); });
    ScrollbarVertical.onChange([this](const bool&) { applyLook(); });
    ScrollbarHorizontal.onChange([this](const bool&) { applyLook(); });
}

EditField::~EditField() = default;

FieldTextEdit* EditField::textEdit() const {
    auto* multi = dynamic_cast<TextEditAdapter*>(adapter_.get());
    return multi ? multi->editor() : nullptr;
}

// Fields are built with their design values set one by one; the multi-line
// flag comes first, so rebuilding the editor carries the text over and then
// re-applies everything else.
void EditField::buildEditor(bool multiLine) {
    std::string text = adapter_ ? adapter_->text() : std::string();
    std::unique_ptr<TextEditorAdapter> next;
    if (multiLine) next = std::make_unique<TextEditAdapter>();
    else next = std::make_unique<LineEditorAdapter>();
    QWidget* editor = next->widget();
    host_->layout()->addWidget(editor);
    host_->setFocusProxy(editor);
    if (adapter_) {
        // The old editor goes now; its registration must go with it, or a
        // later widget at the same address would count as this field.
        host_->layout()->removeWidget(adapter_->widget());
        adapter_->widget()->setParent(nullptr);  // the adapter deletes an unparented editor
        ControlRegistry::removeControl(this);
        ControlRegistry::add(host_, this);
    }
    adapter_ = std::move(next);
    routeInputFrom(editor);
    if (auto* multi = textEdit()) routeInputFrom(multi->viewport());

    adapter_->onTextChanged = [this] { textChangedInQt(); };
    adapter_->onSelectionChanged = [this] { selectionChangedInQt(); };
    ++codeDepth_;
    adapter_->setText(text);
    adapter_->setReadOnly(ReadOnly.get());
    adapter_->setAcceptTabs(AcceptTabs.get());
    adapter_->setPassword(Password.get());
    adapter_->setBorder(Border.get());
    adapter_->setLimit(LimitText.get());
    adapter_->setAlignment(qtAlignment(Alignment.get()));
    --codeDepth_;
    applyLook();
    lastSelection_ = selection();
}

void EditField::applyLook() {
    adapter_->setFieldFont(resolveFont(TextFont.get(), TextSize.get(), Bold.get(), Italic.get(), Underline.get()));
    adapter_->setTextColor(qtColor(TextColor.get()));
    adapter_->setBackColor(qtColor(BackColor.get()));
    if (auto* multi = textEdit()) {
        multi->setVerticalScrollBarPolicy(ScrollbarVertical.get() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        multi->setHorizontalScrollBarPolicy(ScrollbarHorizontal.get() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        multi->setLineWrapMode(ScrollbarHorizontal.get() ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
    }
    applyStyled();
}

std::pair<int32_t, int32_t> EditField::selection() const {
    QString text = adapter_->qtText();
    int a = adapter_->anchor(), p = adapter_->position();
    int32_t start = codePointsBefore(text, std::min(a, p));
    int32_t end = codePointsBefore(text, std::max(a, p));
    return {start, end - start};
}

// Setting SelStart collapses the selection there; SelLength then extends it
// from SelStart. Values outside the text are clamped to it.
void EditField::select(int32_t start, int32_t length) {
    changeByCode([&] {
        QString text = adapter_->qtText();
        int from = utf16PositionOf(text, std::max(start, 0));
        int to = utf16PositionOf(text, std::max(start, 0) + std::max(length, 0));
        adapter_->select(from, to);
    });
}

void EditField::changeByCode(const std::function<void()>& change) {
    // A TextChange handler may run before Qt has reported the caret move of
    // the same keystroke; report that user change now, or the code change
    // would hide it.
    if (codeDepth_ == 0) selectionChangedInQt();
    ++codeDepth_;
    try {
        change();
    } catch (...) {
        --codeDepth_;
        throw;
    }
    --codeDepth_;
    lastSelection_ = selection();
    raiseTextChangeIfChanged();
}

void EditField::textChangedInQt() {
    ++changeCount_;
    // Changes made by code are reported once, when the change is complete.
    if (codeDepth_ > 0) return;
    guardedHandler(*this, [this] { raiseTextChangeIfChanged(); });
}

void EditField::raiseTextChangeIfChanged() {
    std::string now = adapter_->text();
    if (now == lastText_) return;
    lastText_ = std::move(now);
    handleTextChange();
}

void EditField::selectionChangedInQt() {
    if (codeDepth_ > 0) return;
    auto now = selection();
    if (now == lastSelection_) return;
    lastSelection_ = now;
    guardedHandler(*this, [this] { handleSelChange(); });
}

void EditField::SelectAll() { select(0, characterCount(adapter_->text())); }

void EditField::Copy() { doStandardEdit("EditCopy"); }
void EditField::Cut() { doStandardEdit("EditCut"); }
void EditField::Paste() { doStandardEdit("EditPaste"); }

bool EditField::canStandardEdit(const std::string& itemName) const {
    bool hasSelection = adapter_->anchor() != adapter_->position();
    bool writable = !ReadOnly.get();
    if (itemName == "EditCopy") return hasSelection && !Password.get();
    if (itemName == "EditCut" || itemName == "EditClear") return hasSelection && writable && !Password.get();
    if (itemName == "EditPaste") {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return writable && data && (textEdit() ? textEdit()->canTake(*data) : data->hasText());
    }
    if (itemName == "EditSelectAll") return !adapter_->qtText().isEmpty();
    return false;
}

// Standard editing acts for the user, so it raises SelChange like typing.
bool EditField::doStandardEdit(const std::string& itemName) {
    if (!canStandardEdit(itemName)) return false;
    QWidget* w = adapter_->widget();
    auto* line = dynamic_cast<OneLineEdit*>(w);
    auto* multi = textEdit();
    if (itemName == "EditCopy") line ? line->copy() : multi->copy();
    else if (itemName == "EditCut") line ? line->cut() : multi->cut();
    else if (itemName == "EditPaste") line ? line->pasteOneLine() : multi->paste();
    else if (itemName == "EditSelectAll") line ? line->selectAll() : multi->selectAll();
    else if (itemName == "EditClear") adapter_->replaceSelection(QString());
    return true;
}
