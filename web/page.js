// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

"use strict";
// The page's half of Velmora in the browser. It shows what the calculation
// and the click rules (WebAssembly, below) ask for, and hands them every
// click, edit and double-click; it decides nothing itself.
// A var, so that the WebAssembly finds it as a property of the window.
var velmoraPage = (() => {
    const element = (id) => document.getElementById(id);
    const form = element("Form1");
    const button = element("Command1");
    const result = element("Label10");
    const box = element("Box");
    const field = (n) => element("Text" + n);
    // Where the focus goes once the box is closed.
    let afterBox = null;

    const focus = (target, select) => {
        target.focus();
        if (select)
            target.select();
    };

    // What screen readers are told once the box, if one is open, is closed.
    let toAnnounce = null;
    const announce = (text) => {
        if (box.open) {
            toAnnounce = text;
            return;
        }
        // Emptied first, so that the same text twice is said twice.
        const announcer = element("Announcer");
        announcer.textContent = "";
        setTimeout(() => (announcer.textContent = text), 50);
    };

    box.addEventListener("close", () => {
        if (afterBox !== null)
            focus(afterBox.target, afterBox.select);
        afterBox = null;
        if (toAnnounce !== null)
            announce(toAnnounce);
        toAnnounce = null;
    });

    // What the WebAssembly half calls (web/page_form.cpp).
    const page = {
        fieldText: (n) => (field(n) ? field(n).value : null),
        fieldCaption: (n) => (field(n) && field(n).labels.length > 0 ? field(n).labels[0].textContent : ""),
        setResult(text) {
            result.textContent = text.replace(/\r\n/g, "\n");
            fitResult();
            return true;
        },
        showResultCurrent(current, description) {
            result.classList.toggle("outdated", !current);
            element("ResultDescription").textContent = description;
            // Once the WebAssembly has returned: the figure asks it again.
            queueMicrotask(drawFigure);
        },
        showBox(text, error) {
            element("BoxText").textContent = text;
            box.classList.toggle("error", error);
            afterBox = { target: document.activeElement || button, select: false };
            box.showModal();
        },
        announce,
        // As the field's title and its description: nothing is shown over
        // the fields, and it is gone at the field's next edit.
        explainField(n, text) {
            field(n).title = text;
            element("Explanation" + n).textContent = text;
            field(n).setAttribute("aria-describedby", "Explanation" + n);
        },
        focusField(n) {
            if (!field(n))
                return;
            if (box.open)
                afterBox = { target: field(n), select: true };
            else
                focus(field(n), true);
        },
    };

    // The result box as the window lays it out: its lines as the text gives
    // them, none broken. Where this browser's font draws a line wider than
    // the box (WebKit's "Ergebnis nach der Simpson-Regel:" is 2 pixels
    // wider), its letters move that much closer: WebKitGTK draws text of
    // 9.8 pixels as wide as of 10.
    const fitResult = () => {
        result.style.letterSpacing = "";
        result.style.whiteSpace = "pre";
        const longest = Math.max(...result.textContent.split("\n").map((line) => line.length));
        const range = document.createRange();
        range.selectNodeContents(result);
        const scale = result.getBoundingClientRect().width / result.offsetWidth || 1;
        const pixels = parseFloat(getComputedStyle(result).fontSize);
        let spacing = 0;
        for (let pass = 0; pass < 3; ++pass) {
            const over = range.getBoundingClientRect().width / scale - result.clientWidth;
            if (over <= 0 || longest === 0)
                break;
            spacing -= (over + 0.25) / longest / pixels;
            result.style.letterSpacing = spacing + "em";
        }
        result.style.whiteSpace = "";
    };

    // The window's actions (resources/actions.json), by name.
    const actions = new Map(/*@ACTIONS@*/[].map((action) => [action.name, action]));

    // What a copy says: seen for a moment just below the result box, and
    // heard.
    const note = element("CopyNote");
    let noteTimer = 0;
    const tell = (text, failed) => {
        note.textContent = text;
        note.classList.toggle("failed", failed);
        clearTimeout(noteTimer);
        noteTimer = setTimeout(() => (note.textContent = ""), failed ? 8000 : 2000);
        announce(text);
    };
    // Where the browser refuses a copy: what to do instead.
    const refused = "Nicht kopiert: Der Browser lässt die Zwischenablage nicht zu. ";
    const instead = {
        copyResult: "Bitte das Ergebnis markieren und mit Strg+C kopieren.",
        copyFigure: "Stattdessen „Werte und Ergebnis kopieren“ (Alt+Umschalt+T) nutzen.",
    };
    instead.copyReport = instead.copyFigure;

    // The copies, one function each: a clipboard item's parts by type, or
    // null where there is nothing to copy. A part that takes time is a
    // promise, so that the write itself happens at once, within the click or
    // key that asked for it (WebKit refuses a write after an await).
    const copies = {
        // The outdated sentence goes with an outdated result, as on the desktop.
        copyResult: () => (result.textContent === "" ? null : { "text/plain": Module.resultCopy(result.textContent) }),
        // As text and as the desktop's HTML, whose numbers every spreadsheet
        // reads as numbers.
        copyTable: () => (table === "" ? null : { "text/plain": table, "text/html": tableHtml }),
        copyFigure: () => (table === "" ? null : figureParts()),
        // The table as text, and the report's HTML with the figure inside.
        copyReport: () => (table === "" ? null : { "text/plain": table, "text/html": reportHtml() }),
    };
    const write = (parts) => {
        if (!navigator.clipboard)
            return Promise.reject(new Error("no clipboard"));
        const types = Object.keys(parts);
        if (types.length === 1 && typeof parts["text/plain"] === "string")
            return navigator.clipboard.writeText(parts["text/plain"]);
        const blobs = {};
        for (const type of types)
            blobs[type] = Promise.resolve(parts[type]).then((part) => (typeof part === "string" ? new Blob([part], { type }) : part));
        return navigator.clipboard.write([new ClipboardItem(blobs)]);
    };
    const copy = (name) => {
        const parts = copies[name]();
        if (parts === null)
            return;
        new Promise((done) => done(write(parts))).then(
            () => tell(actions.get(name).confirmation, false),
            () => tell(refused + (instead[name] || instead.copyResult), true),
        );
    };

    // The figure "Verlauf" below the form: redrawn whenever the result or
    // its state changes, in the page's colours and at its width.
    const figure = element("Figure");
    let table = "";
    let tableHtml = "";
    const colour = (text) =>
        text.startsWith("#") ? parseInt(text.slice(1), 16) : text.match(/\d+/g).slice(0, 3).reduce((sum, part) => sum * 256 + Number(part), 0);
    // Drawn again where the figure brings a scrollbar or takes one away, and
    // the form fitted again to what that leaves.
    const drawFigure = () => {
        const style = getComputedStyle(element("Verlauf"));
        for (let pass = 0; pass < 2; ++pass) {
            const room = document.documentElement.clientWidth;
            const width = Math.max(240, Math.min(640, room - 16));
            const made = Module.figure(width, colour(style.color), colour(style.backgroundColor), colour(style.getPropertyValue("--accent").trim()));
            figure.innerHTML = made.svg;
            fitTexts(figure.querySelector("svg"), width);
            table = made.table;
            tableHtml = made.tableHtml;
            fit();
            if (document.documentElement.clientWidth === room)
                break;
        }
        for (const action of actions.values())
            if (action.needs === "result" && element(action.button))
                element(action.button).disabled = table === "";
    };
    // Each text within the figure's width, whatever the browser's font: the
    // hint, alone in the figure, wraps in lines about its place; any other
    // text is drawn that much smaller.
    const fitTexts = (svg, width) => {
        const texts = [...svg.querySelectorAll("text")];
        for (const text of texts) {
            const x = Number(text.getAttribute("x"));
            const anchor = text.getAttribute("text-anchor");
            const room = (anchor === "middle" ? 2 * Math.min(x, width - x) : anchor === "end" ? x : width - x) - 4;
            const length = text.getComputedTextLength();
            if (length <= room)
                continue;
            if (texts.length > 1 || anchor !== "middle") {
                // Measured again: WebKit draws some sizes as the next whole one.
                for (let pass = 0, size = parseFloat(getComputedStyle(text).fontSize); pass < 4 && text.getComputedTextLength() > room; ++pass) {
                    size *= (room - 0.5) / text.getComputedTextLength();
                    text.setAttribute("font-size", size);
                }
                continue;
            }
            const lines = [];
            for (const word of text.textContent.split(" ")) {
                const line = lines.length > 0 ? lines[lines.length - 1] + " " + word : word;
                text.textContent = line;
                if (lines.length > 0 && text.getComputedTextLength() <= room)
                    lines[lines.length - 1] = line;
                else
                    lines.push(word);
            }
            text.textContent = "";
            lines.forEach((line, k) => {
                const piece = document.createElementNS(svg.namespaceURI, "tspan");
                piece.setAttribute("x", x);
                piece.setAttribute("dy", (k === 0 ? (1 - lines.length) * 0.6 : 1.2) + "em");
                // The spaces kept, so that the text reads as it did.
                piece.textContent = line + (k < lines.length - 1 ? " " : "");
                text.appendChild(piece);
            });
        }
    };
    // The figure's copy: both formats where the browser takes SVG, so that
    // vector editors get theirs; the PNG, drawn from the SVG at twice its
    // size, always, as a promise.
    const figureParts = () => {
        const svg = new Blob([Module.figureForDocument()], { type: "image/svg+xml" });
        const parts = { "image/png": pngOf(svg) };
        if (typeof ClipboardItem !== "undefined" && ClipboardItem.supports && ClipboardItem.supports("image/svg+xml"))
            parts["image/svg+xml"] = svg;
        return parts;
    };
    const pngOf = async (svg) => {
        const url = URL.createObjectURL(svg);
        try {
            const image = new Image();
            image.src = url;
            await image.decode();
            const canvas = document.createElement("canvas");
            canvas.width = 2 * image.width;
            canvas.height = 2 * image.height;
            canvas.getContext("2d").drawImage(image, 0, 0, canvas.width, canvas.height);
            return await new Promise((done, fail) => canvas.toBlob((png) => (png ? done(png) : fail(new Error("no PNG"))), "image/png"));
        } finally {
            URL.revokeObjectURL(url);
        }
    };
    // The report's HTML, with the figure's PNG inside as a data: address and
    // no image part of its own, so that office programs take the HTML.
    const reportHtml = () =>
        pngOf(new Blob([Module.figureForDocument()], { type: "image/svg+xml" })).then(
            (png) =>
                new Promise((done, fail) => {
                    const reader = new FileReader();
                    reader.onload = () => done(Module.reportHtml(reader.result));
                    reader.onerror = () => fail(reader.error);
                    reader.readAsDataURL(png);
                }),
        );

    // Whether a key event is the key "Alt+Shift+C" or "F9", no other
    // modifier held: letters by their place on the keyboard, whatever
    // character the layout gives them.
    const pressed = (event, key) => {
        const parts = key.split("+");
        const name = parts.pop();
        const held = (modifier) => parts.includes(modifier);
        return event.altKey === held("Alt") && event.shiftKey === held("Shift") && event.ctrlKey === held("Ctrl") && !event.metaKey &&
            (name.length === 1 ? event.code === "Key" + name : event.key === name);
    };

    // The values a paste of several readings replaced, for one Strg+Z in the
    // field pasted into, until the next edit.
    let pasteUndo = null;
    const setValue = (n, value) => {
        field(n).value = value;
        Module.fieldEdited();
    };
    const paste = (n, event) => {
        const pasted = Module.pastedReadings(event.clipboardData.getData("text/plain"), n);
        if (pasted === null)
            return;
        event.preventDefault();
        if (pasted.refusal !== "") {
            page.showBox(pasted.refusal, false);
            return;
        }
        if (pasted.pieces.length === 1) {
            document.execCommand("insertText", false, pasted.pieces[0]);
            return;
        }
        const undo = { field: n, values: [] };
        pasted.pieces.forEach((piece, k) => {
            undo.values.push([n + k, field(n + k).value]);
            setValue(n + k, piece);
        });
        pasteUndo = undo;
    };

    // Strg+V where no field has the focus (the button, the result box), as on
    // the desktop: a paste into Text1, as if it had the focus.
    const pasteIntoText1 = (event) => {
        if (event.target instanceof HTMLInputElement || event.target.closest("dialog"))
            return;
        focus(field(1), false);
        paste(1, event);
        if (!event.defaultPrevented) {
            event.preventDefault();
            document.execCommand("insertText", false, event.clipboardData.getData("text/plain"));
        }
    };

    const start = () => {
        button.addEventListener("click", () => Module.click());
        document.addEventListener("paste", pasteIntoText1);
        // Firefox sends no paste where nothing is editable: the focus goes to
        // Text1 with the key, before the browser pastes.
        document.addEventListener("keydown", (event) => {
            const key = event.key.toLowerCase();
            const pasteKey = (key === "v" && (event.ctrlKey || event.metaKey) && !event.altKey) || (key === "insert" && event.shiftKey);
            if (pasteKey && !(event.target instanceof HTMLInputElement) && !event.target.closest("dialog"))
                focus(field(1), false);
        });
        for (let n = 1; field(n); ++n) {
            field(n).addEventListener("input", () => {
                pasteUndo = null;
                field(n).removeAttribute("title");
                field(n).removeAttribute("aria-describedby");
                Module.fieldEdited();
            });
            field(n).addEventListener("paste", (event) => paste(n, event));
            field(n).addEventListener("keydown", (event) => {
                const undoKey = event.key.toLowerCase() === "z" && (event.ctrlKey || event.metaKey) && !event.shiftKey;
                if (!undoKey || pasteUndo === null || pasteUndo.field !== n)
                    return;
                event.preventDefault();
                pasteUndo.values.forEach(([k, value]) => setValue(k, value));
                pasteUndo = null;
            });
            // Return in a field runs the calculation, as a form's default button.
            field(n).addEventListener("keydown", (event) => {
                if (event.key !== "Enter" || event.ctrlKey || event.altKey || event.shiftKey || event.metaKey)
                    return;
                event.preventDefault();
                if (!event.repeat)
                    Module.click();
            });
        }
        // Each action by its key, from anywhere on the page. Browsers keep
        // some of the desktop's keys for themselves, so the page has its own
        // where it must: Alt+Umschalt+C copies the whole result.
        const perform = {
            copyResult: () => copy("copyResult"),
            copyTable: () => copy("copyTable"),
            copyFigure: () => copy("copyFigure"),
            copyReport: () => copy("copyReport"),
            showFigure: () => {
                figure.scrollIntoView();
                figure.focus();
            },
            about: () => element("About").showModal(),
            reachResult: () => result.focus(),
        };
        for (const action of actions.values()) {
            const button = element(action.button);
            if (button)
                button.addEventListener("click", perform[action.name]);
        }
        document.addEventListener("keydown", (event) => {
            for (const action of actions.values())
                if (pressed(event, action.pageKey)) {
                    event.preventDefault();
                    perform[action.name]();
                    return;
                }
        });
        window.addEventListener("resize", drawFigure);
        drawFigure();
        // A double-click on a number selects the whole number.
        result.addEventListener("dblclick", () => {
            const selection = window.getSelection();
            if (selection.rangeCount === 0 || result.firstChild === null)
                return;
            const range = selection.getRangeAt(0);
            const text = result.firstChild;
            if (range.startContainer !== text || range.endContainer !== text)
                return;
            const [from, to] = Module.selectionForDoubleClick(text.data, range.startOffset, range.endOffset);
            range.setStart(text, from);
            range.setEnd(text, to);
            selection.removeAllRanges();
            selection.addRange(range);
        });
        // "Über Velmora" in the words of the desktop's.
        const about = Module.about();
        element("AboutTitle").textContent = actions.get("about").label;
        element("AboutText").textContent = about.text;
        element("AboutNotices").textContent = about.notices;
        for (const copyright of document.querySelectorAll("#About pre.Dep5"))
            copyright.textContent = Module.readableNotices(copyright.textContent);
        element("AboutClose").textContent = about.close;
        button.disabled = false;
        button.focus();
        // When the page is ready for its reader (the tests measure it).
        performance.mark("velmora-ready");
        // The heading, once, after the screen reader has said the page.
        setTimeout(() => announce(element("Label1").textContent), 300);
    };

    // A narrow screen gets the whole form, scaled down to its width: the
    // width inside a scrollbar, measured again once the scaled form has
    // brought or taken one away.
    const fitBox = element("Fit");
    const fit = () => {
        for (let pass = 0; pass < 3; ++pass) {
            const scale = Math.min(1, document.documentElement.clientWidth / form.offsetWidth);
            form.style.transform = scale < 1 ? "scale(" + scale + ")" : "";
            fitBox.style.width = scale < 1 ? form.offsetWidth * scale + "px" : "";
            fitBox.style.height = scale < 1 ? form.offsetHeight * scale + "px" : "";
        }
    };
    window.addEventListener("resize", fit);
    fit();

    page.start = start;
    return page;
})();

// The WebAssembly module: its code is in this page (below), never fetched.
var Module = {
    onRuntimeInitialized: () => velmoraPage.start(),
};
