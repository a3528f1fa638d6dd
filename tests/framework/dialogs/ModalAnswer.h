#pragma once
// Answers the next modal dialog the real Qt service shows: waits (in the
// dialog's own event loop) until it is up, then lets the test act on it.
// Neither a dialog that never appears nor one the action leaves open may
// hang the suite: both fail the test, and a dialog left open is rejected.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

template <class Dialog>
void answerNextModal(std::function<void(Dialog&)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    // Once answered, this watcher only waits for that dialog to go (it may be
    // deleted, leaving the pointer null); it never answers a later dialog.
    auto acted = std::make_shared<bool>(false);
    auto answered = std::make_shared<QPointer<QDialog>>();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, acted, answered, act] {
        ++*ticks;
        auto finish = [timer] {
            timer->stop();
            timer->deleteLater();
        };
        if (*acted) {
            if (!*answered || !(*answered)->isVisible()) return finish();
            if (*ticks > 200) {
                ADD_FAILURE() << "The dialog stayed open after the test answered it";
                (*answered)->done(QDialog::Rejected);
                finish();
            }
            return;
        }
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            *acted = true;
            *answered = dialog;
            *ticks = 0;
            act(*dialog);
        } else if (*ticks > 200) {
            ADD_FAILURE() << "No modal dialog of the expected kind appeared";
            finish();
        }
    });
    timer->start();
}
