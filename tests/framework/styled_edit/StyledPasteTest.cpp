// Paste, drop and copy on a styled field: whatever arrives is reduced to text
// plus character styles and alignments before it reaches the document.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <memory>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>

#include "framework/text/RtfWriter.h"
#include "tests/framework/styled_edit/StyledFieldSupport.h"

namespace {

void putOnClipboard(QMimeData* data) { QApplication::clipboard()->setMimeData(data); }

QMimeData* htmlData(const QString& html, const QString& text) {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(text);
    return data;
}

// Nothing in the document but text blocks with character formats.
void expectOnlyTextAndStyles(QTextDocument& doc) {
    EXPECT_TRUE(doc.rootFrame()->childFrames().isEmpty()) << "no tables or frames";
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        EXPECT_EQ(b.textList(), nullptr) << "no lists: " << b.text().toStdString();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            EXPECT_FALSE(f.isImageFormat());
            EXPECT_FALSE(f.isAnchor());
            EXPECT_FALSE(f.hasProperty(QTextFormat::BackgroundBrush));
        }
    }
    EXPECT_FALSE(doc.toRawText().contains(QChar(0xFFFC)));
}

}  // namespace

TEST_F(StyledFieldTest, HostileHtmlIsReducedToTextAndStyles) {
    field->Text = "Start:";
    field->SelStart = 6;
    putOnClipboard(htmlData(
        "<p style='font-size:20px'><b>Bold</b> <a href='http://example.com'>link</a>"
        "<img src='file:///etc/passwd' width=40 height=40><span style='background:yellow;color:#00ff00'>green</span></p>"
        "<table border=1><tr><td>cell one</td><td>cell two</td></tr></table>"
        "<ul><li>item</li></ul><p align=center>middle</p>"
        "<hr><object data='x.swf'></object>",
        "fallback"));
    field->Paste();
    QTextDocument& doc = *editor().document();
    expectOnlyTextAndStyles(doc);

    const StyledText v = value();
    const std::string text = v.Text();
    EXPECT_EQ(text.rfind("Start:Bold link", 0), 0u) << text;
    for (const char* part : {"green", "cell one", "cell two", "item", "middle"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    EXPECT_TRUE(v.Bold(6, 1));
    EXPECT_EQ(v.Size(6, 1), 20);
    const size_t green = text.find("green");
    EXPECT_EQ(v.TextColor(green, 1), 0x00FF00u);
    EXPECT_EQ(v.Alignment(v.ParagraphIndex(text.find("middle"))), TextAlignment::Center);

    const std::string rtf = field->StyledText.RTFData;
    EXPECT_EQ(rtf.find("\\pict"), std::string::npos);
    EXPECT_EQ(rtf.find("\\trowd"), std::string::npos);
    EXPECT_EQ(rtf.find("HYPERLINK"), std::string::npos);
    EXPECT_EQ(textChanges.size(), 2u) << "the Text set and the paste, once each";
}

TEST_F(StyledFieldTest, HtmlWithoutSizesTakesTheFieldsStyle) {
    field->TextFont = "Times";
    field->TextSize = 15;
    field->TextColor = 0x112233;
    putOnClipboard(htmlData("<p>just <i>words</i></p>", "just words"));
    field->Paste();
    const StyledText v = value();
    EXPECT_EQ(v.Text(), "just words");
    EXPECT_EQ(v.StyleAt(0), (TextStyle{"Times", 15, false, false, false, false, false, 0x112233}));
    EXPECT_TRUE(v.Italic(5, 1));
}

TEST_F(StyledFieldTest, CopyCarriesRtfThatPastesBackExactly) {
    const char* rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red0\\green0\\blue255;}"
        "\\pard\\qc\\f0\\fs30\\b\\shad\\cf1 Title\\par\\pard\\b0\\shad0\\outl body \\u8364?5\\par end}";
    load(rtf);
    field->SelectAll();
    field->Copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied->hasFormat("text/rtf"));
    EXPECT_EQ(copied->text(), QString::fromUtf8("Title\nbody \u20AC5\nend"));

    const StyledText original = value();
    field->Text = "";
    field->Paste();
    EXPECT_EQ(value(), original);

    // A part of the text.
    select(6, 4);
    field->Copy();
    field->Text = "";
    field->Paste();
    EXPECT_EQ(value(), original.SubText(6, 4));
}

TEST_F(StyledFieldTest, RtfFromOtherProgramsIsReadAndBrokenRtfFallsBackToText) {
    auto* data = new QMimeData;
    data->setData("text/rtf", "{\\rtf1\\mac{\\fonttbl{\\f0 Geneva;}}\\f0\\fs28\\b Cr\\'8fme{\\pict\\pngblip 89504e47}\\par}");
    data->setText("ignored");
    putOnClipboard(data);
    field->Paste();
    EXPECT_EQ(field->Text(), "Cr\u00E8me\r");
    EXPECT_TRUE(value().Bold(0, 1));
    EXPECT_EQ(value().Size(0, 1), 14);

    field->Text = "";
    auto* broken = new QMimeData;
    broken->setData("text/rtf", "not rtf at all");
    broken->setText("plain words");
    putOnClipboard(broken);
    field->Paste();
    EXPECT_EQ(field->Text(), "plain words");
}

TEST_F(StyledFieldTest, DroppedHtmlIsFilteredToo) {
    field->Text = "x";
    std::unique_ptr<QMimeData> data(htmlData("<table><tr><td><img src='a.png'>dropped</td></tr></table>", "dropped"));
    const QPoint at(5, 5);
    QWidget* target = editor().viewport();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    expectOnlyTextAndStyles(*editor().document());
    EXPECT_NE(field->Text().find("dropped"), std::string::npos) << field->Text();
}

TEST_F(StyledFieldTest, LimitedStyledFieldPastesPlainTextWithinTheLimit) {
    field->LimitText = 5;
    putOnClipboard(htmlData("<b>abcdefgh</b>", "abcdefgh"));
    field->Paste();
    EXPECT_EQ(field->Text(), "abcde");
    EXPECT_FALSE(value().Bold(0, 1));
}
