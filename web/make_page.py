#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes velmora.html: the page template with Form1's controls, taken from
the window definition (ui/form1.ui) so that captions, headings and positions
are written once, its style and script, the WebAssembly glue and the
WebAssembly itself, all inline. The Content-Security-Policy allows exactly
these inline scripts and style, by hash, and nothing from anywhere.

    make_page.py TEMPLATE FORM_UI STYLE PAGE_SCRIPT GLUE WASM OUTPUT
"""
import base64
import hashlib
import html
import sys
import xml.etree.ElementTree as ElementTree

PIXELS_PER_REM = 16


def rem(pixels):
    return "%grem" % (int(pixels) / PIXELS_PER_REM)


def controls(form_ui):
    """The controls' elements, in the window definition's (tab) order, and
    the style rules that place them."""
    form = ElementTree.parse(form_ui).getroot().find("widget")
    elements, rules = [], []
    for widget in form.findall("widget"):
        name, kind = widget.get("name"), widget.get("class")
        props = {p.get("name"): p for p in widget.findall("property")}
        rect = props["geometry"].find("rect")
        left, top, width, height = (rect.find(k).text for k in ("x", "y", "width", "height"))
        rules.append("#%s { left: %s; top: %s; width: %s; height: %s; }"
                     % (name, rem(left), rem(top), rem(width), rem(height)))
        text = props["text"].find("string").text or "" if "text" in props else ""
        text = html.escape(text)
        if kind == "QPushButton":
            # Enabled once the WebAssembly has started.
            elements.append('<button id="%s" type="button" disabled>%s</button>' % (name, text))
        elif kind == "QLineEdit":
            elements.append('<input id="%s" type="text" autocomplete="off" spellcheck="false">' % name)
        elif "buddy" in props:
            elements.append('<label id="%s" for="%s">%s</label>'
                            % (name, props["buddy"].find("cstring").text, text))
        elif "frameShape" in props:
            # The result box: selectable, described for screen readers, and
            # announced when it changes.
            elements.append('<div id="%s" role="status" aria-live="polite" aria-atomic="true" '
                            'aria-describedby="ResultDescription">%s</div>' % (name, text))
        else:
            level = 1 if not any("heading" in e for e in elements) else 2
            elements.append('<h%d id="%s" class="heading">%s</h%d>' % (level, name, text, level))
    return "\n".join(elements), "\n".join(rules)


def source_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def main(template, form_ui, style_file, page_script_file, glue_file, wasm_file, output):
    elements, rules = controls(form_ui)
    with open(style_file, encoding="utf-8") as f:
        style = f.read() + rules + "\n"
    with open(page_script_file, encoding="utf-8") as f:
        page_script = f.read()
    with open(glue_file, encoding="utf-8") as f:
        glue = f.read()
    with open(wasm_file, "rb") as f:
        wasm = base64.b64encode(f.read()).decode()
    wasm_script = ('Module.wasmBinary = ((text) => {\n'
                   '    const bytes = new Uint8Array(text.length);\n'
                   '    for (let n = 0; n < text.length; ++n)\n'
                   '        bytes[n] = text.charCodeAt(n);\n'
                   '    return bytes;\n'
                   '})(atob("%s"));\n' % wasm)
    scripts = [page_script, wasm_script, glue]
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(source_hash("\n" + s + "\n") for s in scripts)
        + " 'wasm-unsafe-eval'",
        "style-src " + source_hash("\n" + style + "\n"),
        "base-uri 'none'",
    ])
    with open(template, encoding="utf-8") as f:
        page = f.read()
    # The scripts go in last: nothing in them is taken for a placeholder.
    page = page.replace("@CSP@", policy).replace("@CONTROLS@", elements)
    page = page.replace("\n@STYLE@\n", "\n" + style + "\n")
    page = page.replace("\n@PAGE_SCRIPT@\n", "\n" + page_script + "\n")
    page = page.replace("\n@WASM_SCRIPT@\n", "\n" + wasm_script + "\n")
    page = page.replace("\n@GLUE_SCRIPT@\n", "\n" + glue + "\n")
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
