#pragma once
// Framework-internal: the one face EditField shows to its two Qt editors, a
// QLineEdit for single-line fields and a QTextEdit for multi-line ones.
// Positions here are UTF-16 offsets into qtText(); EditField converts them
// to characters.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>
#include <QString>
#include <functional>
#include <string>

class TextEditorAdapter {
public:
    virtual ~TextEditorAdapter() = default;

    virtual QWidget* widget() const = 0;
    // The text as Qt holds it; positions index into it.
    virtual QString qtText() const = 0;
    // The text as the framework shows it (CR between paragraphs).
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;

    virtual int anchor() const = 0;
    virtual int position() const = 0;
    virtual void select(int anchor, int position) = 0;
    virtual void replaceSelection(const QString& text) = 0;

    virtual void setReadOnly(bool readOnly) = 0;
    // Largest number of UTF-16 units the user may bring the text to; 0 = none.
    virtual void setLimit(int limit) = 0;
    // Qt alignment flags for the whole field.
    virtual void setAlignment(Qt::Alignment alignment) = 0;
    virtual void setFieldFont(const QFont& font) = 0;
    virtual void setTextColor(const QColor& color) = 0;
    // The field's own background, not the desktop theme's.
    void setBackColor(const QColor& color) { setPaletteColor(widget(), QPalette::Base, color); }
    virtual void setAcceptTabs(bool accept) = 0;
    virtual void setPassword(bool password) = 0;
    virtual void setBorder(bool border) = 0;

    // Raised on every change Qt reports; EditField decides what is real.
    std::function<void()> onTextChanged;
    std::function<void()> onSelectionChanged;

protected:
    static void setPaletteTextColor(QWidget* widget, const QColor& color) {
        setPaletteColor(widget, QPalette::Text, color);
    }
    static void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
        QPalette p = widget->palette();
        p.setColor(role, color);
        widget->setPalette(p);
    }
};
