#pragma once
// A text field: single-line (a QLineEdit) or multi-line (a QTextEdit).
//
// Text rules the product relies on:
//  - Text uses CR between paragraphs; setting it accepts CR, LF and CRLF.
//  - TextChange is raised whenever the text really changes, by the user or by
//    code, and never for a change of style only or for setting the same text.
//  - SelChange is raised for selection changes the user makes, once per net
//    change of (SelStart, SelLength); changes made by code raise none, so a
//    handler that moves the selection cannot feed back into itself.
//  - SelStart, SelLength and SelText count characters (code points).
// The styled-text side (Styled, StyledText, Sel* styles; EditFieldStyled.cpp)
// builds on the multi-line editor, reached through textEdit():
//  - Sel* report the style of the selection's first character (with no
//    selection, the style typing would use) and change every character of
//    the selection, or the typing style when nothing is selected. SelAlignment
//    acts on every paragraph the selection touches, or the caret's.
//  - SelTextSize reports the size the text is shown at; setting 0 or less
//    gives the font's default size.
//  - TextFont, TextSize, Bold, Italic, Underline and TextColor are the field's
//    own style: plain text set into the field, an emptied field and anything
//    pasted without that attribute take it; on a styled field setting one
//    also applies it to all the text.
//  - No style change raises TextChange or SelChange.
#include <functional>
#include <memory>
#include <utility>

#include "framework/graphics/Color.h"
#include "framework/text/StyledText.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/controls/FieldStyledText.h"

class FieldTextEdit;
class TextEditorAdapter;

class EditField : public RectControl {
public:
    EditField();
    ~EditField() override;

    // Design: switching rebuilds the editor, so set it before anything else.
    Property<bool> MultiLine;
    Property<std::string> Text;
    Property<int32_t> SelStart, SelLength;
    Property<std::string> SelText;
    Property<bool> ReadOnly, AcceptTabs, Password, Border;
    Property<int32_t> LimitText;   // 0 = no limit
    Property<int32_t> Alignment;   // 0 default, 1 left, 2 centre, 3 right
    Property<std::string> TextFont;
    Property<double> TextSize;     // pixels, 0 = the font's default
    Property<bool> Bold, Italic, Underline;
    Property<Color> TextColor;
    Property<Color> BackColor;  // the field's background, white unless set
    Property<bool> ScrollbarVertical, ScrollbarHorizontal;
    // The index of the top visible line (multi-line fields; 0 otherwise).
    Property<int32_t> ScrollPosition;
    // Design: a multi-line field that keeps character styles and paragraph
    // alignments. Set after MultiLine.
    Property<bool> Styled;
    FieldStyledText StyledText{*this};
    Property<bool> SelBold = selectionFlag(&TextStyle::Bold);
    Property<bool> SelItalic = selectionFlag(&TextStyle::Italic);
    Property<bool> SelUnderline = selectionFlag(&TextStyle::Underline);
    Property<bool> SelOutline = selectionFlag(&TextStyle::Outline);
    Property<bool> SelShadow = selectionFlag(&TextStyle::Shadow);
    Property<double> SelTextSize = selectionSize();
    Property<Color> SelTextColor = selectionColor();
    Property<std::string> SelTextFont = selectionFont();
    Property<int32_t> SelAlignment = selectionAlignment();  // 0 default, 1 left, 2 centre, 3 right
    // Stored only; the product leaves them empty.
    Property<std::string> Format, Mask, DataSource, DataField;

    void SelectAll();
    void Copy();
    void Cut();
    void Paste();

    // Grows with every change of the text or of any of its styles, by the
    // user or by code; never for a selection change. Its owner keeps the
    // count it last saved at and compares, as TextChange ignores styles.
    uint64_t ChangeCount() const { return changeCount_; }

    Event<void()> TextChange, SelChange;
    virtual void handleTextChange() { TextChange(); }
    virtual void handleSelChange() { SelChange(); }

    bool canStandardEdit(const std::string& itemName) const override;
    bool doStandardEdit(const std::string& itemName) override;
    // Qt's editors insert dropped text themselves (after DragOver).
    bool insertsDropsItself() const override { return true; }

    // Framework-internal.
    TextEditorAdapter& adapter() const { return *adapter_; }
    FieldTextEdit* textEdit() const;  // nullptr for a single-line field
    // Runs `change` as a change made by code: it raises no SelChange, and
    // TextChange once at the end if the text changed.
    void changeByCode(const std::function<void()>& change);
    // StyledText's work (see FieldStyledText.h).
    ::StyledText styledText() const;
    void setStyledText(const ::StyledText& value);
    bool setRTFData(const std::string& rtf);
    bool isStyled() const;  // Styled and multi-line
    TextStyle fieldStyle() const;

private:
    void buildEditor(bool multiLine);
    void applyLook();
    void textChangedInQt();
    void selectionChangedInQt();
    std::pair<int32_t, int32_t> selection() const;  // start, length in characters
    void raiseTextChangeIfChanged();
    void select(int32_t start, int32_t length);

    // The styled side (EditFieldStyled.cpp).
    Property<bool> selectionFlag(bool TextStyle::*flag);
    Property<double> selectionSize();
    Property<Color> selectionColor();
    Property<std::string> selectionFont();
    Property<int32_t> selectionAlignment();
    TextStyle selectionStyle() const;
    void changeSelectionStyle(const std::function<void(TextStyle&)>& change);
    void changeWholeFieldStyle(const std::function<void(TextStyle&)>& change);
    void applyStyled();
    void setPlainTextStyled(const std::string& text);
    void loadText(const ::StyledText& value);
    void alignAllParagraphs(int32_t code);

    std::unique_ptr<TextEditorAdapter> adapter_;
    QWidget* host_;
    std::string lastText_;
    std::pair<int32_t, int32_t> lastSelection_{0, 0};
    int codeDepth_ = 0;
    uint64_t changeCount_ = 0;
};
