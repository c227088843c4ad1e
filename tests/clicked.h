// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/start_calculation.h"
#include "platform/calculation_record.h"
#include "platform/click_rules.h"
#include "testing/fake_form.h"

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// The result on display after typing `texts` and clicking, as the window
// hands it to the figure.
inline std::optional<velmora::CalculationRecord> Clicked(const QStringList& texts) {
    std::vector<std::string> fields;
    for (const QString& text : texts)
        fields.push_back(text.toStdString());
    velmora::FakeForm form(fields);
    velmora::RunClick(form, velmora::StartCalculation);
    return form.ResultShown();
}
