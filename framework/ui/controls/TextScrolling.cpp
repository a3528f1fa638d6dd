#include "framework/ui/controls/TextScrolling.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <functional>

namespace {
// Calls `visit(index, top, bottom)` for each laid-out line in order until it
// answers true; answers the number of lines visited.
int32_t forEachLine(const QTextEdit& edit, const std::function<bool(int32_t, double, double)>& visit) {
    QTextDocument* doc = edit.document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    int32_t index = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        double blockTop = layout->blockBoundingRect(block).top();
        QTextLayout* lines = block.layout();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            QTextLine line = lines->lineAt(i);
            double top = blockTop + line.y();
            if (visit(index, top, top + line.height())) return index;
            ++index;
        }
    }
    return index;
}
}  // namespace

int32_t topVisibleLine(const QTextEdit& edit) {
    double y = edit.verticalScrollBar()->value();
    int32_t found = 0;
    forEachLine(edit, [&](int32_t index, double, double bottom) {
        found = index;
        return bottom > y;
    });
    return found;
}

void scrollToLine(QTextEdit& edit, int32_t line) {
    double target = 0;
    forEachLine(edit, [&](int32_t index, double top, double) {
        target = top;
        return index >= line;
    });
    edit.verticalScrollBar()->setValue(static_cast<int>(target));
}
