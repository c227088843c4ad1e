// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The copies Form1 puts on the clipboard for a report, each confirmed to the
// eye and to screen readers.

#include "figure/figure_geometry.h"
#include "figure/result_table.h"
#include "ui/copy_confirmation.h"
#include "ui/figure_painter.h"
#include "ui/form1.h"
#include "ui/qt_text.h"
#include "ui_form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace velmora {

// Line breaks as the platform expects them: the clipboard writes "\n" as
// CR LF on Windows.
void Form1::CopyResult(const Action& action) {
    QString caption = m_ui->Label10->text();
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto data = std::make_unique<QMimeData>();
    data->setText(FromUtf8(ResultCopy(caption.toStdString(), ResultShown())));
    PutOnClipboard(std::move(data), action);
}

void Form1::CopyFigure(const Action& action) {
    PutOnClipboard(FigureMimeData(MakeFigureGeometry(ResultShown())), action);
}

void Form1::CopyTable(const Action& action) {
    PutOnClipboard(TableMimeData(ResultShown()), action);
}

void Form1::CopyReport(const Action& action) {
    PutOnClipboard(ReportMimeData(ResultShown()), action);
}

// Before the first result there is nothing to copy.
void Form1::PutOnClipboard(std::unique_ptr<QMimeData> data, const Action& action) {
    if (data == nullptr)
        return;
    QGuiApplication::clipboard()->setMimeData(data.release());
    Announce(action.confirmation);
    if (m_confirmation == nullptr)
        m_confirmation = new CopyConfirmation(this);
    m_confirmation->ShowBelow(FromUtf8(action.confirmation), *m_ui->Label10);
}

} // namespace velmora
