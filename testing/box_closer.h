// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QList>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <utility>

// What a message box showed before the test closed it.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    int width = 0;
    bool richText = false; // whether the box would render its text as rich text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool okButton = false;
    const QWidget* parent = nullptr;
    int textLeft = 0;  // where the text starts, from the box's left edge
    int textLines = 0; // how many lines the text takes
    // Each label with a mnemonic, and what its key gives the focus to (its
    // buddy's accessible name, or nothing): "&Name: → Name".
    QStringList mnemonics;
};

// Closes every modal window as soon as it is shown, the way a user pressing
// OK would, and remembers what it showed. A test takes the boxes it expects;
// any box left over fails the test in cleanup(), so a box nobody expected
// never blocks the run.
class BoxCloser : public QObject {
public:
    BoxCloser() {
        m_soon.setSingleShot(true);
        connect(&m_soon, &QTimer::timeout, this, &BoxCloser::CloseShownWindows);
    }

    QList<SeenBox> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && window != nullptr && window->isWindow() &&
            window->isModal()) {
            // Closed once it is up and running its own event loop.
            m_shown << window;
            m_soon.start(0);
        }
        return false;
    }

private:
    void CloseShownWindows() {
        for (const QPointer<QWidget>& window : std::exchange(m_shown, {}))
            if (window != nullptr) {
                // Laid out as the user sees it, however soon it is closed.
                if (window->layout() != nullptr)
                    window->layout()->activate();
                seen << Describe(*window);
                window->close();
            }
    }

    static SeenBox Describe(const QWidget& window) {
        SeenBox box;
        box.shown = true;
        box.title = window.windowTitle();
        box.width = window.width();
        const auto* messageBox = qobject_cast<const QMessageBox*>(&window);
        if (messageBox == nullptr) {
            // Any other dialog: everything it says, and its buttons.
            QStringList texts;
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                texts << label->text();
                if (label->text().contains(QLatin1Char('&')))
                    box.mnemonics << label->text() + " → " +
                                         (label->buddy() != nullptr
                                              ? label->buddy()->accessibleName()
                                              : QStringLiteral("nothing"));
            }
            for (const QPlainTextEdit* edit : window.findChildren<QPlainTextEdit*>())
                texts << edit->toPlainText();
            for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
                texts << "[" + button->text() + "]";
            box.text = texts.join(QLatin1Char('\n'));
            box.parent = window.parentWidget();
            return box;
        }
        box.text = messageBox->text();
        const auto* label = messageBox->findChild<QLabel*>("qt_msgbox_label");
        box.richText =
            label != nullptr &&
            (label->textFormat() == Qt::RichText ||
             (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())));
        box.icon = messageBox->icon();
        box.buttonCount = messageBox->buttons().size();
        box.okButton = messageBox->button(QMessageBox::Ok) != nullptr;
        box.parent = messageBox->parentWidget();
        if (label != nullptr) {
            box.textLeft = label->mapTo(messageBox, QPoint(0, 0)).x();
            // The last line needs no spacing below it.
            box.textLines =
                qRound(static_cast<double>(label->height()) / label->fontMetrics().lineSpacing());
        }
        return box;
    }

    QTimer m_soon;
    QList<QPointer<QWidget>> m_shown;
};
