#pragma once
// Framework-internal: a single-line EditField's QLineEdit.
#include "framework/ui/controls/OneLineEdit.h"

#include "framework/ui/controls/TextEditorAdapter.h"

class LineEditorAdapter : public TextEditorAdapter {
public:
    LineEditorAdapter();
    ~LineEditorAdapter() override;

    QWidget* widget() const override { return edit_; }
    QString qtText() const override { return edit_->text(); }
    std::string text() const override { return edit_->text().toStdString(); }
    void setText(const std::string& text) override;
    int anchor() const override;
    int position() const override { return edit_->cursorPosition(); }
    void select(int anchor, int position) override;
    void replaceSelection(const QString& text) override;
    void setReadOnly(bool readOnly) override { edit_->setReadOnly(readOnly); }
    void setLimit(int limit) override;
    void setAlignment(Qt::Alignment alignment) override { edit_->setAlignment(alignment | Qt::AlignVCenter); }
    void setFieldFont(const QFont& font) override { edit_->setFont(font); }
    void setTextColor(const QColor& color) override;
    void setAcceptTabs(bool) override {}
    void setPassword(bool password) override;
    void setBorder(bool border) override { edit_->setFrame(border); }

private:
    OneLineEdit* edit_;
};
