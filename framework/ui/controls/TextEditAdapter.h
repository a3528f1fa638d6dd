#pragma once
// Framework-internal: a multi-line EditField's FieldTextEdit. The field's
// text is the document's raw text with CR between paragraphs, so no-break
// spaces survive (QTextEdit's plain-text reading turns them into spaces).
#include "framework/ui/controls/FieldTextEdit.h"
#include "framework/ui/controls/TextEditorAdapter.h"

class TextEditAdapter : public TextEditorAdapter {
public:
    TextEditAdapter();
    ~TextEditAdapter() override;

    QWidget* widget() const override { return edit_; }
    FieldTextEdit* editor() const { return edit_; }
    QString qtText() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
    int anchor() const override;
    int position() const override;
    void select(int anchor, int position) override;
    void replaceSelection(const QString& text) override;
    void setReadOnly(bool readOnly) override;
    void setLimit(int limit) override { edit_->setLimit(limit); }
    void setAlignment(Qt::Alignment alignment) override;
    void setFieldFont(const QFont& font) override;
    void setTextColor(const QColor& color) override;
    void setAcceptTabs(bool accept) override { edit_->setTabChangesFocus(!accept); }
    void setPassword(bool) override {}
    void setBorder(bool border) override;

private:
    FieldTextEdit* edit_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};
