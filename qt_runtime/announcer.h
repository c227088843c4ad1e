// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace velmora {

// Has screen readers say a text without moving the focus. Qt 6.4 has no
// announcement of its own, but screen readers speak an object of the
// notification role when it is shown: so this is such an object, invisible,
// with no size and no focus, shown anew for every text.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& text);
    [[nodiscard]] const QString& Text() const { return m_text; }

private:
    QString m_text;
};

} // namespace velmora
