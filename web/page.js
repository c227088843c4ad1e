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

    // The window's actions (resources/actions.json), by name.
    const actions = new Map(/*@ACTIONS@*/[].map((action) => [action.name, action]));
    const copied = (name) => () => announce(actions.get(name).confirmation);
    const copyResult = () => {
        const text = result.textContent;
        if (text === "")
            return;
        if (navigator.clipboard)
            navigator.clipboard.writeText(Module.resultCopy(text)).then(copied("copyResult")).catch(() => {});
    };

    // The figure "Verlauf" below the form: redrawn whenever the result or
    // its state changes, in the page's colours and at its width.
    const figure = element("Figure");
    let table = "";
    let tableHtml = "";
    const colour = (text) =>
        text.startsWith("#") ? parseInt(text.slice(1), 16) : text.match(/\d+/g).slice(0, 3).reduce((sum, part) => sum * 256 + Number(part), 0);
    const drawFigure = () => {
        const style = getComputedStyle(element("Verlauf"));
        const width = Math.max(240, Math.min(640, document.documentElement.clientWidth - 16));
        const made = Module.figure(width, colour(style.color), colour(style.backgroundColor), colour(style.getPropertyValue("--accent").trim()));
        figure.innerHTML = made.svg;
        table = made.table;
        tableHtml = made.tableHtml;
        for (const action of actions.values())
            if (action.needs === "result" && element(action.button))
                element(action.button).disabled = table === "";
    };
    // Both formats where the browser takes SVG, so that vector editors get
    // theirs; the PNG, drawn from the SVG at twice its size, always.
    const figureCanvas = async (svg) => {
        const url = URL.createObjectURL(svg);
        const image = new Image();
        image.src = url;
        await image.decode();
        const canvas = document.createElement("canvas");
        canvas.width = 2 * image.width;
        canvas.height = 2 * image.height;
        canvas.getContext("2d").drawImage(image, 0, 0, canvas.width, canvas.height);
        URL.revokeObjectURL(url);
        return canvas;
    };
    const copyFigure = async () => {
        if (table === "" || !navigator.clipboard)
            return;
        const svg = new Blob([Module.figureForDocument()], { type: "image/svg+xml" });
        const canvas = await figureCanvas(svg);
        const png = await new Promise((done) => canvas.toBlob(done, "image/png"));
        const formats = { "image/png": png };
        if (ClipboardItem.supports && ClipboardItem.supports("image/svg+xml"))
            formats["image/svg+xml"] = svg;
        await navigator.clipboard.write([new ClipboardItem(formats)]);
        copied("copyFigure")();
    };
    // The table as text beside HTML: the table's, whose numbers every
    // spreadsheet reads as numbers, or the report's, with the figure's PNG
    // inside and no image of its own, so that office programs take the HTML.
    const copyHtml = (html, name) =>
        navigator.clipboard.write([new ClipboardItem({ "text/plain": new Blob([table], { type: "text/plain" }), "text/html": new Blob([html], { type: "text/html" }) })]).then(copied(name));
    const copyTable = () => {
        if (table !== "" && navigator.clipboard)
            copyHtml(tableHtml, "copyTable").catch(() => {});
    };
    const copyReport = async () => {
        if (table === "" || !navigator.clipboard)
            return;
        const canvas = await figureCanvas(new Blob([Module.figureForDocument()], { type: "image/svg+xml" }));
        await copyHtml(Module.reportHtml(canvas.toDataURL("image/png")), "copyReport");
    };

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
            copyResult,
            copyTable,
            copyFigure: () => copyFigure().catch(() => {}),
            copyReport: () => copyReport().catch(() => {}),
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
        element("AboutClose").textContent = about.close;
        button.disabled = false;
        button.focus();
        // The heading, once, after the screen reader has said the page.
        setTimeout(() => announce(element("Label1").textContent), 300);
    };

    // A narrow screen gets the whole form, scaled down to its width.
    const fit = () => {
        form.style.zoom = "";
        const scale = document.documentElement.clientWidth / form.offsetWidth;
        if (scale < 1)
            form.style.zoom = String(scale);
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
