// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script calls: a click, an edited field, the double-click in
// the result box, a paste, the figure and the table, and what "Über Velmora"
// says.
#include "calc/start_calculation.h"
#include "figure/result_table.h"
#include "platform/about_text.h"
#include "platform/click_rules.h"
#include "platform/pasted_readings.h"
#include "platform/readable_notices.h"
#include "platform/whole_number.h"
#include "web/page_content.h"
#include "web/page_form.h"

#include <emscripten/bind.h>

namespace velmora {

namespace {

PageForm& Form() {
    static PageForm form;
    return form;
}

void Click() {
    RunClick(Form(), StartCalculation);
}

void FieldEdited() {
    Form().MarkResultOutdated();
}

// [start, end] of what a double-click on the word [wordStart, wordEnd)
// selects.
emscripten::val SelectionForDoubleClick(const std::u16string& text, std::size_t wordStart,
                                        std::size_t wordEnd) {
    const TextRange range = WholeNumberAround(text, {wordStart, wordEnd});
    emscripten::val result = emscripten::val::array();
    result.call<void>("push", range.start);
    result.call<void>("push", range.end);
    return result;
}

// A paste into field TextN: null when it goes in as typed, else
// {pieces: [...], refusal: "..."}.
emscripten::val PastedReadingsFor(const std::string& text, int field) {
    const std::optional<PastedReadings> pasted =
        SplitPastedReadings(text, field, Form().FieldCaption(field));
    if (!pasted)
        return emscripten::val::null();
    emscripten::val pieces = emscripten::val::array();
    for (const std::string& piece : pasted->pieces)
        pieces.call<void>("push", piece);
    emscripten::val result = emscripten::val::object();
    result.set("pieces", pieces);
    result.set("refusal", pasted->refusal);
    return result;
}

// A Debian copyright file of the About box's notices, as text to be read
// (embind takes a std::string, not a view).
std::string ReadableNoticesOf(const std::string& copyright) {
    return ReadableNotices(copyright);
}

// What "Über Velmora" says, and the words of its window: {text, notices,
// close}.
emscripten::val About() {
    emscripten::val about = emscripten::val::object();
    about.set("text", AboutText(VELMORA_VERSION));
    about.set("notices", WithoutMnemonic(NoticesHeading()));
    about.set("close", WithoutMnemonic(CloseLabel()));
    return about;
}

// The figure of the result on display in the page's colours, and the table
// as text and as the desktop's HTML: {svg, table, tableHtml}.
emscripten::val Figure(double width, int text, int background, int accent) {
    const PageFigure figure = FigureForPage(Form().ResultShown(), width, text, background, accent);
    emscripten::val made = emscripten::val::object();
    made.set("svg", figure.svg);
    made.set("table", figure.table);
    made.set("tableHtml", figure.tableHtml);
    return made;
}

// "Ergebnis kopieren" of the result box's text.
std::string ResultCopyOf(const std::string& caption) {
    return ResultCopy(caption, Form().ResultShown());
}

std::string DocumentFigure() {
    return FigureForDocument(Form().ResultShown());
}

// "Bericht kopieren"'s HTML, the figure's PNG in `imageUrl`; its text is the
// table's.
std::string ReportHtmlOf(const std::string& imageUrl) {
    return ReportForPage(Form().ResultShown(), imageUrl);
}

} // namespace

EMSCRIPTEN_BINDINGS(velmora) {
    emscripten::function("about", &About);
    emscripten::function("click", &Click);
    emscripten::function("fieldEdited", &FieldEdited);
    emscripten::function("figure", &Figure);
    emscripten::function("figureForDocument", &DocumentFigure);
    emscripten::function("pastedReadings", &PastedReadingsFor);
    emscripten::function("readableNotices", &ReadableNoticesOf);
    emscripten::function("reportHtml", &ReportHtmlOf);
    emscripten::function("resultCopy", &ResultCopyOf);
    emscripten::function("selectionForDoubleClick", &SelectionForDoubleClick);
}

} // namespace velmora
