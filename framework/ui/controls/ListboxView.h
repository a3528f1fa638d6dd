#pragma once
// Framework-internal: the QTableView of a Listbox. Presses in the rows go to
// the Listbox first (CellClick, then its own selection rule), header presses
// to its sort rule; Qt's own double-click editing is off, and a double click
// counts as a second press, so the product sees every click.
#include <QTableView>

class Listbox;

class ListboxView : public QTableView {
    Q_OBJECT
public:
    explicit ListboxView(Listbox& list);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    Listbox& list_;
};
